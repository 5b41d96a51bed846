#include "ui/hints/UnitHintDlg.h"

#include "model/UnitVTXGameLogic.h"
#include "ui/hints/CheckoutTable.h"
#include "ui/hints/DigitEdit.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

void FillHints(QListWidget& list, const CCheckoutTable* table, int score)
{
    if (table == nullptr) {
        return;
    }
    list.clear();
    for (const std::string& hint : table->Hints(score)) {
        list.addItem(QString::fromStdString(hint));
    }
    if (list.count() > 0) {
        list.setCurrentRow(0);
    }
}

QString TFormHint::Verdict(int score)
{
    switch (CGame::CheckOutDarts(score)) {
    case 0:
        return QCoreApplication::translate("TFormHint", "No Outshot");
    case 1:
        return QCoreApplication::translate("TFormHint", "1-Dart Outshot");
    case 2:
        return QCoreApplication::translate("TFormHint", "2-Dart Outshot");
    case 3:
        return QCoreApplication::translate("TFormHint", "3-Dart Outshot");
    default:
        return QCoreApplication::translate("TFormHint", "Invalid Score");
    }
}

TFormHint::TFormHint(QWidget* parent) : TFormHint(TContentsLater{}, parent)
{
    BuildContents();
}

TFormHint::TFormHint(TContentsLater, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FormHint"));
    setWindowTitle(tr("Quick Shot Hint"));
    setModal(false);
    // The client size of the form: the routes and the verdict fit it, and a fixed size has
    // no need to be remembered.
    setFixedSize(239, 196);
}

void TFormHint::BuildContents()
{
    if (m_EditShot != nullptr) {
        return;
    }
    QFont hintFont(QStringLiteral("Courier New"));
    hintFont.setStyleHint(QFont::TypeWriter);
    setFont(hintFont);

    auto* label = new QLabel(tr("Shot:"), this);
    label->setObjectName(QStringLiteral("Label2"));
    m_EditShot = new TDigitEdit(this);
    m_EditShot->setObjectName(QStringLiteral("EditShot"));
    m_EditShot->setText(QStringLiteral("0"));
    m_EditShot->installEventFilter(this); // arrow keys step like the spin buttons
    label->setBuddy(m_EditShot);

    // Spin buttons bound to the box: they step within 0..180 whatever was typed.
    auto* upDown = new QWidget(this);
    upDown->setObjectName(QStringLiteral("UpDown"));
    auto* upDownLayout = new QVBoxLayout(upDown);
    upDownLayout->setContentsMargins(0, 0, 0, 0);
    upDownLayout->setSpacing(0);
    auto* up = new QToolButton(upDown);
    up->setObjectName(QStringLiteral("UpDownUp"));
    up->setArrowType(Qt::UpArrow);
    up->setAutoRepeat(true);
    up->setFocusPolicy(Qt::NoFocus);
    auto* down = new QToolButton(upDown);
    down->setObjectName(QStringLiteral("UpDownDown"));
    down->setArrowType(Qt::DownArrow);
    down->setAutoRepeat(true);
    down->setFocusPolicy(Qt::NoFocus);
    for (QToolButton* button : {up, down}) {
        button->setFixedSize(18, 12);
        upDownLayout->addWidget(button);
    }
    connect(up, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(down, &QToolButton::clicked, this, [this] { Step(-1); });

    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("ButtonClose"));
    close->setAutoDefault(false); // Enter belongs to the shot box
    connect(close, &QPushButton::clicked, this, &TFormHint::hide);

    auto* hintsLabel = new QLabel(tr("Shot Hint:"), this);
    hintsLabel->setObjectName(QStringLiteral("LabelHints2"));
    m_ListBoxHints = new QListWidget(this);
    m_ListBoxHints->setObjectName(QStringLiteral("ListBoxHints"));
    m_ListBoxHints->setFocusPolicy(Qt::NoFocus);
    m_EditOutshot = new QLineEdit(this);
    m_EditOutshot->setObjectName(QStringLiteral("EditOutshot"));
    m_EditOutshot->setReadOnly(true);
    m_EditOutshot->setFocusPolicy(Qt::NoFocus);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->addWidget(label, 0, 0);
    auto* shot = new QHBoxLayout;
    shot->setSpacing(0);
    shot->addWidget(m_EditShot);
    shot->addWidget(upDown);
    grid->addLayout(shot, 0, 1);
    grid->addWidget(close, 0, 2);
    grid->addWidget(hintsLabel, 1, 0, 1, 3);
    grid->addWidget(m_ListBoxHints, 2, 0, 1, 3);
    grid->addWidget(m_EditOutshot, 3, 0, 1, 3);

    connect(m_EditShot, &QLineEdit::textChanged, this, &TFormHint::EditShotChange);
    EditShotChange();
}

QPoint TFormHint::Place() const
{
    if (testAttribute(Qt::WA_Moved)) {
        return pos();
    }
    const QScreen* screen =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return pos();
    }
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
    return frame.topLeft();
}

void TFormHint::setVisible(bool visible)
{
    if (visible) {
        BuildContents();
    }
    if (visible && !testAttribute(Qt::WA_Moved)) {
        move(Place()); // also keeps the dialog from centring itself on the scoreboard
    }
    QDialog::setVisible(visible);
}

void TFormHint::SetCheckoutTable(const CCheckoutTable* table)
{
    m_Table = table;
    if (m_EditShot != nullptr) {
        EditShotChange();
    }
}

void TFormHint::EditShotChange()
{
    const QString text = m_EditShot->text();
    bool isNumber = true;
    const int score = text.isEmpty() ? 0 : text.toInt(&isNumber);
    if (!isNumber) {
        m_ListBoxHints->clear();
        m_EditOutshot->clear();
        return;
    }
    FillHints(*m_ListBoxHints, m_Table, score);
    m_EditOutshot->setText(Verdict(score));
}

void TFormHint::Step(int delta)
{
    const int current = std::clamp(m_EditShot->text().toInt(), 0, kMaxShot);
    m_EditShot->setText(QString::number(std::clamp(current + delta, 0, kMaxShot)));
}

bool TFormHint::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_EditShot && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            Step(key->key() == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormHint::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_EditShot->setFocus();
}

bool TFormHint::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        // Typing replaces the last total.
        m_EditShot->setFocus();
        m_EditShot->selectAll();
    }
    return QDialog::event(event);
}

std::unique_ptr<CCheckoutTable> OpenCheckoutFile(const QString& path, QString& problem)
{
    const QFileInfo file(path);
    problem.clear();
    if (!file.exists()) {
        problem = QCoreApplication::translate("CheckoutFile", "was not found");
    } else if (!file.isFile()) {
        problem = QCoreApplication::translate("CheckoutFile", "is not a regular file");
    } else if (std::optional<CCheckoutTable> table =
                   CCheckoutTable::Open(QFile::encodeName(path).toStdString())) {
        return std::make_unique<CCheckoutTable>(std::move(*table));
    } else {
        problem = QCoreApplication::translate("CheckoutFile", "cannot be read");
    }
    return nullptr;
}
