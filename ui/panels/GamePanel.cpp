#include "ui/panels/GamePanel.h"

#include "games/Cricket.h"
#include "model/DartNotation.h"
#include "session/MatchSession.h"
#include "ui/common/WidgetHelpers.h"
#include "ui/hints/DigitEdit.h"
#include "words/GamesFormat.h"
#include "words/MatchFormat.h"
#include "words/Refusals.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int kHeadlinePoints = 30;
constexpr int kMarkPoints = 20;
constexpr int kRowPoints = 13;
constexpr int kMarkSize = 36;
const QString kClosed = QString::fromStdString(CCricketGame::MarkSymbol(3));
const QString kDot = QStringLiteral(" \u00B7 ");

// "1 mark", "5 marks".
QString Marks(int count)
{
    return count == 1 ? QCoreApplication::translate("TGamePanel", "1 mark")
                      : QCoreApplication::translate("TGamePanel", "%1 marks").arg(count);
}

QString Side(const CMatch& match, int player)
{
    return QString::fromStdString(match.PlayerName(player));
}

} // namespace

const CGamesMatch* TGamePanel::Played() const
{
    return dynamic_cast<const CGamesMatch*>(&m_Session.Match());
}

bool TGamePanel::Draws(const CMatch& match)
{
    return dynamic_cast<const CGamesMatch*>(&match) != nullptr;
}

TGamePanel::TGamePanel(TMatchSession& session, QWidget* parent)
    : QWidget(parent), m_Session(session)
{
    setObjectName(QStringLiteral("PanelGame"));
    auto* layout = new QVBoxLayout(this);
    // In a short window the grid scrolls rather than squeezing its rows into each other.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ScrollGame"));
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus); // the keys are for the darts box
    scroll->setFrameShape(QFrame::StyledPanel);
    m_Table = new QWidget(scroll);
    m_Grid = new QGridLayout(m_Table);
    m_Grid->setHorizontalSpacing(12);
    m_Grid->setVerticalSpacing(2);
    scroll->setWidget(m_Table);
    layout->addWidget(scroll, 1);
    m_Prompt = NewLabel(QStringLiteral("LabelGamePrompt"), QString(), this);
    m_Prompt->setTextFormat(Qt::PlainText);
    QFont bold = m_Prompt->font();
    bold.setBold(true);
    m_Prompt->setFont(bold);
    layout->addWidget(m_Prompt);
    // A darts box that leaves every Ctrl and Alt chord to the window's shortcuts (Ctrl+U).
    auto* edit = new TDigitEdit(this);
    edit->SetDartsAllowed(true);
    m_Edit = edit;
    m_Edit->setObjectName(QStringLiteral("EditGameDarts"));
    m_Edit->setPlaceholderText(tr("Darts: T20 S19 miss, then Enter (none: three misses)"));
    layout->addWidget(m_Edit);
    m_Message = NewLabel(QStringLiteral("LabelGameMessage"), QStringLiteral(" "), this);
    m_Message->setTextFormat(Qt::PlainText);
    layout->addWidget(m_Message);
    connect(&session, &TMatchSession::MatchStarted, this, [this] { ShowMatch(); });
    connect(&session, &TMatchSession::Resumed, this, [this] { ShowMatch(); });
    connect(&session, &TMatchSession::OperationApplied, this,
            [this](const TMatchOperation& operation) {
                const CGamesMatch* match = Played();
                if (match == nullptr) {
                    return;
                }
                m_Edit->clear();
                Refresh();
                const CDartsGame& leg = match->CurrentLeg();
                if (operation.Kind == TOperationKind::Turn && leg.Over()) {
                    const int winner = leg.Winner();
                    emit LegWon(winner < 0 ? tr("Game over: a tie")
                                : match->MatchWinner() >= 0
                                    ? tr("%1 wins the match").arg(Side(*match, winner))
                                    : tr("%1 wins").arg(Side(*match, winner)));
                }
            });
}

QLabel* TGamePanel::Cell(const QString& name, int row, int column, int pointSize, bool bold,
                         bool mark)
{
    auto* label = NewLabel(name, QString(), m_Table);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    if (mark) {
        // A closed number's ring is drawn round its X: few fonts have the circled letter.
        label->setFixedSize(kMarkSize, kMarkSize);
        m_Grid->addWidget(label, row, column, Qt::AlignCenter);
    } else {
        m_Grid->addWidget(label, row, column);
    }
    return label;
}

void TGamePanel::Rebuild(const CGamesMatch& match)
{
    qDeleteAll(m_Table->findChildren<QLabel*>(Qt::FindDirectChildrenOnly));
    m_Names.clear();
    m_Headlines.clear();
    m_Cells.clear();
    m_RowLabels.clear();
    m_Players = match.Players();
    m_Kind = match.Kind();
    const TGameTable table = match.CurrentLeg().Table();
    for (int player = 0; player < m_Players; ++player) {
        const QString n = QString::number(player + 1);
        m_Names.push_back(
            Cell(QStringLiteral("LabelGameName") + n, 0, player + 1, kRowPoints, true));
        // Every side's column as wide as the others: a long name wraps rather than widening its
        // column.
        m_Names.back()->setMinimumWidth(90);
        m_Names.back()->setWordWrap(true);
        m_Names.back()->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        m_Headlines.push_back(
            Cell(QStringLiteral("LabelGameHeadline") + n, 1, player + 1, kHeadlinePoints, true));
    }
    const int markPoints = IsCricket(m_Kind) ? kMarkPoints : kRowPoints;
    for (size_t row = 0; row < table.RowLabels.size(); ++row) {
        const int gridRow = static_cast<int>(row) + 2;
        const bool marks = IsCricket(m_Kind) && row + 1 < table.RowLabels.size();
        m_RowLabels.push_back(Cell(QString(), gridRow, 0, marks ? kMarkPoints : kRowPoints, true));
        m_RowLabels.back()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        std::vector<QLabel*> cells;
        for (int player = 0; player < m_Players; ++player) {
            cells.push_back(Cell(QStringLiteral("LabelGameCell%1_%2").arg(row + 1).arg(player + 1),
                                 gridRow, player + 1, marks ? markPoints : kRowPoints, false,
                                 marks));
        }
        m_Cells.push_back(std::move(cells));
    }
    m_Grid->setRowStretch(static_cast<int>(table.RowLabels.size()) + 2, 1);
    for (int column = 1; column < m_Grid->columnCount(); ++column) {
        m_Grid->setColumnStretch(column, column <= m_Players ? 1 : 0);
    }
}

void TGamePanel::ShowMatch()
{
    const CGamesMatch* match = Played();
    if (match == nullptr) {
        return;
    }
    Rebuild(*match);
    m_Edit->clear();
    m_Message->setText(QStringLiteral(" "));
    Refresh();
}

QString TGamePanel::Title() const
{
    const CGamesMatch* match = Played();
    return match == nullptr ? QString() : MatchTitle(m_Session.Title(), *match);
}

void TGamePanel::Refresh()
{
    const CGamesMatch* match = Played();
    if (match == nullptr) {
        return;
    }
    if (match->Players() != m_Players || match->Kind() != m_Kind) {
        Rebuild(*match);
    }
    const CDartsGame& leg = match->CurrentLeg();
    const TGameTable table = leg.Table();
    const TGameParams& params = match->Params();
    const int toThrow = leg.PlayerToThrow();
    for (int player = 0; player < m_Players; ++player) {
        const auto side = static_cast<size_t>(player);
        QString name = Side(*match, player);
        if (params.TeamSize == 2 && player == toThrow) {
            name += kDot + QString::fromStdString(
                               match->ThrowerName(player, match->ThrowerToThrow(player)));
        }
        if (params.LegsToWin > 0) {
            name += QStringLiteral("\n") + MatchScoreText(*match, player);
        }
        m_Names[side]->setText(name);
        // The side to throw stands out; so does the winner of the leg.
        const bool marked = player == toThrow || (toThrow < 0 && player == leg.Winner());
        const QString style = marked ? QStringLiteral("background: palette(highlight);"
                                                      " color: palette(highlighted-text);")
                                     : QString();
        m_Names[side]->setStyleSheet(style);
        m_Headlines[side]->setStyleSheet(style);
        m_Headlines[side]->setText(side < table.Headlines.size() ? GamesText(table.Headlines[side])
                                                                 : QString());
    }
    for (size_t row = 0; row < m_Cells.size() && row < table.Cells.size(); ++row) {
        m_RowLabels[row]->setText(GamesText(table.RowLabels[row]));
        for (size_t side = 0; side < m_Cells[row].size() && side < table.Cells[row].size();
             ++side) {
            QLabel* cell = m_Cells[row][side];
            const QString text = QString::fromStdString(table.Cells[row][side]);
            const bool closed = text == kClosed;
            cell->setText(closed ? QStringLiteral("X") : GamesText(table.Cells[row][side]));
            cell->setStyleSheet(closed ? QStringLiteral("border: 3px solid palette(text);"
                                                        " border-radius: %1px;")
                                             .arg(kMarkSize / 2)
                                       : QString());
            // What it stands for, for tests and screen readers.
            cell->setAccessibleName(text);
        }
    }
    const bool computerHeld =
        toThrow >= 0 && !m_Held.isEmpty() && ComputerAverage(match->Params(), toThrow) > 0;
    m_Prompt->setText(computerHeld   ? Side(*match, toThrow) + QStringLiteral(": ") + m_Held
                      : toThrow >= 0 ? tr("%1 to throw").arg(Side(*match, toThrow))
                                     : WinLine(*match));
    m_ComputerShown = false;
    // Disabled with the keyboard, the box would hand it on along the tab chain (to the Hints
    // button, where typed darts open its drop-down): the panel keeps it, and gives it back to
    // the box when a turn can be typed again (after an undo, in the next leg).
    const bool enabled = toThrow >= 0;
    if (!enabled && m_Edit->hasFocus()) {
        setFocus();
    }
    const bool reopened = enabled && !m_Edit->isEnabled();
    m_Edit->setEnabled(enabled);
    if (reopened && hasFocus()) {
        m_Edit->setFocus();
    }
    // The last turn, in darts, and for cricket the marks that counted.
    if (leg.TurnCount() > 0) {
        const TPlayedTurn& last = leg.Turns().back();
        QString line = Side(*match, last.Player) + QStringLiteral(": ") +
                       (last.Darts.empty() ? tr("no score")
                                           : QString::fromStdString(DartsText(last.Darts, " · ")));
        if (const auto* cricket = dynamic_cast<const CCricketGame*>(&leg)) {
            line += QStringLiteral(" (%1)").arg(Marks(cricket->TurnMarks(leg.TurnCount() - 1)));
        }
        m_Message->setText(line);
    } else {
        m_Message->setText(QStringLiteral(" "));
    }
    emit TitleChanged(Title());
}

void TGamePanel::Submit()
{
    const CGamesMatch* match = Played();
    if (match == nullptr) {
        return;
    }
    std::vector<TDart> darts;
    std::string bad;
    if (!ParseDarts(m_Edit->text().toStdString(), darts, &bad)) {
        m_Message->setText(bad.empty() ? tr("At most three darts a turn")
                                       : tr("\u201C%1\u201D is not a dart: type S20, D20, T20, "
                                            "25, bull or miss")
                                             .arg(QString::fromStdString(bad)));
        return;
    }
    if (const TTurnRefusal refusal =
            m_Session.Check({TOperationKind::Turn, match->SideToThrow(), 0, 0, 0, -1, darts})
                .Refusal;
        refusal != TTurnRefusal::None) {
        m_Message->setText(RefusalText({refusal}, match->Kind()));
        return;
    }
    m_Session.Apply({TOperationKind::Turn, match->CurrentLeg().PlayerToThrow(), 0, 0,
                     static_cast<int32_t>(darts.size()), -1, darts});
}

void TGamePanel::AppendDart(const TDart& dart)
{
    const QString text = m_Edit->text().trimmed();
    m_Edit->setText((text.isEmpty() ? QString() : text + u' ') +
                    QString::fromStdString(DartText(dart)));
}

void TGamePanel::ShowComputerDarts(int side, const QString& darts, const QString& held)
{
    const CGamesMatch* match = Played();
    if (match == nullptr) {
        return;
    }
    const bool heldChanged = held != m_Held;
    m_Held = held;
    if (side >= 0 && !darts.isEmpty()) {
        m_ComputerShown = true;
        m_Prompt->setText(tr("%1 throws: %2").arg(Side(*match, side), darts));
    } else if (m_ComputerShown || heldChanged) {
        // The prompt again, only when it changes (this is called every turn).
        Refresh();
    }
}

void TGamePanel::SetTypedDarts(const QString& darts)
{
    m_Edit->setText(darts);
}

void TGamePanel::RemoveLastDart()
{
    QString text = m_Edit->text().trimmed();
    const int space = static_cast<int>(text.lastIndexOf(u' '));
    m_Edit->setText(space < 0 ? QString() : text.left(space));
}
