#include "ui/entry/LegCorrectionDialog.h"

#include "model/UnitVTXGameLogic.h"
#include "ui/hints/DigitEdit.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>

TLegCorrectionDialog::TLegCorrectionDialog(const CGame& game, int legIndex, TCorrect correct,
                                           QWidget* parent)
    : QDialog(parent), m_Game(game), m_Leg(legIndex), m_Correct(std::move(correct))
{
    setObjectName(QStringLiteral("LegCorrectionDialog"));
    setWindowTitle(tr("Correct Leg %1").arg(legIndex + 1));
    auto* layout = new QGridLayout(this);
    const int players = std::clamp(game.Params().PlayerCount, 1, kMaxSides);
    // Four sides to a row: eight stay within a screen's width.
    constexpr int kPerRow = 4;
    for (int player = 0; player < players; ++player) {
        auto* name = new QLabel(this);
        name->setTextFormat(Qt::PlainText);
        name->setText(QString::fromStdString(game.PlayerName(player)));
        auto* list = new QTreeWidget(this);
        list->setObjectName(QStringLiteral("ListLegTurns%1").arg(player + 1));
        list->setHeaderLabels({tr("Turn"), tr("Score"), tr("Left")});
        list->setRootIsDecorated(false);
        list->setUniformRowHeights(true);
        list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        list->header()->setStretchLastSection(true);
        list->installEventFilter(this);
        connect(list, &QTreeWidget::itemDoubleClicked, this,
                [this, player, list] { StartCorrection(player, list->currentIndex().row() + 1); });
        m_Lists[static_cast<size_t>(player)] = list;
        layout->addWidget(name, player / kPerRow * 2, player % kPerRow);
        layout->addWidget(list, player / kPerRow * 2 + 1, player % kPerRow);
    }
    const int below = (players - 1) / kPerRow * 2 + 2;
    m_Turn = new QLabel(tr("Choose a turn to correct"), this);
    m_Turn->setObjectName(QStringLiteral("LabelLegTurn"));
    m_Turn->setTextFormat(Qt::PlainText);
    m_Edit = new TDigitEdit(this);
    m_Edit->setObjectName(QStringLiteral("EditLegCorrection"));
    m_Edit->setEnabled(false);
    m_Edit->installEventFilter(this);
    connect(m_Edit, &TDigitEdit::CheckoutChord, this, &TLegCorrectionDialog::Commit);
    m_Refusal = new QLabel(this);
    m_Refusal->setObjectName(QStringLiteral("LabelLegRefusal"));
    m_Refusal->setTextFormat(Qt::PlainText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("ButtonClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(m_Turn, below, 0);
    layout->addWidget(m_Edit, below, 1);
    layout->addWidget(m_Refusal, below + 1, 0, 1, 2);
    layout->addWidget(buttons, below + 2, 0, 1, 2);
    Fill();
}

void TLegCorrectionDialog::Fill()
{
    const CLeg* leg = m_Game.GetLeg(m_Leg);
    for (int player = 0; player < kMaxSides; ++player) {
        QTreeWidget* list = m_Lists[static_cast<size_t>(player)];
        const CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(player) : nullptr;
        if (list == nullptr || sheet == nullptr) {
            continue;
        }
        const int current = list->currentIndex().row();
        list->clear();
        for (int32_t entry = 1; entry < sheet->EntryCount(); ++entry) {
            auto* item = new QTreeWidgetItem(list);
            item->setText(0, QString::number(entry));
            item->setText(1, QString::number(sheet->GetEntry(entry)->Score));
            item->setText(2, QString::number(sheet->GetEntry(entry)->Remainder));
            for (int column = 0; column < 3; ++column) {
                item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
            }
        }
        if (current >= 0 && current < list->topLevelItemCount()) {
            list->setCurrentItem(list->topLevelItem(current));
        }
    }
}

bool TLegCorrectionDialog::StartCorrection(int player, int row)
{
    const CLeg* leg = m_Game.GetLeg(m_Leg);
    const CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(player) : nullptr;
    if (sheet == nullptr || row < 1 || row >= sheet->EntryCount()) {
        return false;
    }
    m_Player = player;
    m_Row = row;
    // For a pair, the thrower of the turn is named.
    m_Turn->setText(tr("%1, turn %2:")
                        .arg(QString::fromStdString(m_Game.ThrowerName(
                            player, std::max(m_Game.ThrowerOf(m_Leg, player, row), 0))))
                        .arg(row));
    m_Refusal->clear();
    m_Edit->setEnabled(true);
    m_Edit->setText(QString::number(sheet->GetEntry(row)->Score));
    m_Edit->selectAll();
    m_Edit->setFocus();
    return true;
}

void TLegCorrectionDialog::Commit(int claimedDarts)
{
    bool isNumber = false;
    const int score = m_Edit->text().toInt(&isNumber);
    if (m_Player < 0 || !isNumber) {
        return;
    }
    const QString refusal = m_Correct(m_Player, m_Row, score, claimedDarts);
    m_Refusal->setText(refusal);
    if (!refusal.isEmpty()) {
        m_Edit->selectAll(); // the next digit starts anew
        return;
    }
    Fill();
    m_Edit->setEnabled(false);
    m_Lists[static_cast<size_t>(m_Player)]->setFocus();
}

bool TLegCorrectionDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == m_Edit && enter) {
        Commit(0);
        return true;
    }
    for (int player = 0; player < kMaxSides; ++player) {
        QTreeWidget* list = m_Lists[static_cast<size_t>(player)];
        if (watched == list && list != nullptr && (enter || key == Qt::Key_F2)) {
            StartCorrection(player, list->currentIndex().row() + 1);
            return true;
        }
    }
    if (watched == m_Edit && key != Qt::Key_Escape) {
        m_Refusal->clear(); // said until the next key
    }
    return QDialog::eventFilter(watched, event);
}
