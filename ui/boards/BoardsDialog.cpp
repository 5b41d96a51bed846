#include "ui/boards/BoardsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TBoardsDialog::TBoardsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormBoards"));
    setWindowTitle(tr("Scoring Boards"));
    auto* form = new QFormLayout;
    m_Camera = new QLineEdit(this);
    m_Camera->setObjectName(QStringLiteral("EditBoardsCamera"));
    m_Camera->setPlaceholderText(tr("host:port, e.g. 192.168.1.20:3180; empty: none"));
    m_Camera->setMaxLength(255);
    form->addRow(tr("&Camera system (Autodarts board service):"), m_Camera);
    m_Soft = new QLineEdit(this);
    m_Soft->setObjectName(QStringLiteral("EditBoardsSoft"));
    m_Soft->setPlaceholderText(tr("Bluetooth address; empty: none"));
    m_Soft->setMaxLength(64);
    form->addRow(tr("&Soft-tip board (Granboard):"), m_Soft);

    m_Search = new QPushButton(tr("Searc&h"), this);
    m_Search->setObjectName(QStringLiteral("ButtonBoardsSearch"));
    m_Search->setAutoDefault(false);
    m_Found = new QListWidget(this);
    m_Found->setObjectName(QStringLiteral("ListBoardsFound"));
    m_Found->setMaximumHeight(m_Found->fontMetrics().height() * 5);
    m_Found->hide();
    auto* test = new QPushButton(tr("&Test"), this);
    test->setObjectName(QStringLiteral("ButtonBoardsTest"));
    test->setAutoDefault(false);
    m_Tested = new QLabel(this);
    m_Tested->setObjectName(QStringLiteral("LabelBoardsTest"));
    m_Tested->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->addButton(m_Search, QDialogButtonBox::ActionRole);
    buttons->addButton(test, QDialogButtonBox::ActionRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_Found);
    layout->addWidget(m_Tested);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_Search, &QPushButton::clicked, this, [this] {
        m_Found->clear();
        m_Found->show();
        m_Search->setEnabled(false);
        m_Tested->setText(tr("Searching for soft-tip boards nearby\u2026"));
        emit SearchAsked();
    });
    connect(m_Found, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        m_Soft->setText(item->data(Qt::UserRole).toString());
    });
    connect(m_Found, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item != nullptr) {
            m_Soft->setText(item->data(Qt::UserRole).toString());
        }
    });
    connect(test, &QPushButton::clicked, this, [this] {
        m_Tested->setText(tr("Throw a dart\u2026"));
        emit TestAsked();
    });
}

void TBoardsDialog::SetBoards(const QString& camera, const QString& soft)
{
    m_Camera->setText(camera);
    m_Soft->setText(soft);
}

QString TBoardsDialog::Camera() const
{
    return m_Camera->text().trimmed();
}

QString TBoardsDialog::Soft() const
{
    return m_Soft->text().trimmed();
}

void TBoardsDialog::AddFound(const QString& address, const QString& name)
{
    auto* item = new QListWidgetItem(
        name.isEmpty() ? address : name + QStringLiteral("  ") + address, m_Found);
    item->setData(Qt::UserRole, address);
}

void TBoardsDialog::SearchDone(const QString& problem)
{
    m_Search->setEnabled(true);
    m_Tested->setText(!problem.isEmpty()      ? tr("The search could not run: %1").arg(problem)
                      : m_Found->count() == 0 ? tr("No soft-tip board was found nearby")
                                              : tr("Choose the board from the list"));
}

void TBoardsDialog::ShowTested(const QString& text)
{
    m_Tested->setText(text);
}
