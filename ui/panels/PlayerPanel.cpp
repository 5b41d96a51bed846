#include "ui/panels/PlayerPanel.h"

#include "model/DartNotation.h"
#include "model/UnitVTXGameLogic.h"
#include "ui/common/WidgetHelpers.h"
#include "ui/hints/DigitEdit.h"
#include "ui/hints/UnitHintDlg.h"
#include "ui/panels/ScoreCellDelegate.h"
#include "ui/panels/ScoreListModel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int kPlayerPanelWidth = 328;
constexpr int kStatsColumnWidth = 105;
constexpr int kThrownBoxWidth = 90;
// Room for "T20 T20 T20" in the box's large face.
constexpr int kDartsBoxWidth = 150;

// `text` broken between its words onto as many lines as `width` needs. Done once for a
// caption: a word-wrapped label would be laid out again on every turn that changes a figure.
QString BrokenToWidth(const QString& text, const QFontMetrics& metrics, int width)
{
    QString broken;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            broken += line + u'\n';
            line = word;
        } else {
            line = longer;
        }
    }
    return broken + line;
}

} // namespace

TPlayerPanel::TPlayerPanel(const CGame& game, int player, QWidget* parent)
    : QFrame(parent), m_Player(player), m_Game(game)
{
    const QString suffix = QString::number(player + 1);
    const bool left = player == 0;
    setObjectName(left ? QStringLiteral("PanelLeft") : QStringLiteral("PanelRight"));
    setFixedWidth(kPlayerPanelWidth);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);

    m_Name = NewLabel(QStringLiteral("PanelPlayerName") + suffix, QString(), this);
    m_Name->setTextFormat(Qt::PlainText);
    m_Name->setAlignment(Qt::AlignCenter);
    m_Name->setFrameShape(QFrame::StyledPanel);
    m_Name->setMinimumHeight(34);
    // A long name ends in "…" (whole in the tool tip) instead of widening the panel.
    m_Name->setSizePolicy(QSizePolicy::Ignored, m_Name->sizePolicy().verticalPolicy());
    m_Name->installEventFilter(this);
    SetLargeBoldFont(*m_Name);
    column->addWidget(m_Name);

    m_MatchScore = NewLabel(QStringLiteral("LabelMatch") + suffix, QString(), this);
    m_MatchScore->setTextFormat(Qt::PlainText);
    m_MatchScore->setAlignment(Qt::AlignCenter);
    QFont matchFont = m_MatchScore->font();
    matchFont.setBold(true);
    m_MatchScore->setFont(matchFont);
    m_MatchScore->hide();
    column->addWidget(m_MatchScore);

    // Statistics column: values under bold captions, a rule above the match figures.
    // It scrolls when the window is too low to hold it, rather than squeezing the labels into
    // each other; the hint list gives up its room first.
    auto* statsScroll = new QScrollArea(this);
    statsScroll->setObjectName(QStringLiteral("ScrollStats") + suffix);
    statsScroll->setFixedWidth(kStatsColumnWidth);
    statsScroll->setFrameShape(QFrame::NoFrame);
    statsScroll->setWidgetResizable(true);
    statsScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    statsScroll->setFocusPolicy(Qt::NoFocus);
    auto* stats = new QWidget(statsScroll);
    stats->setObjectName(QStringLiteral("PanelStats") + suffix);
    auto* statsLayout = new QVBoxLayout(stats);
    statsLayout->setContentsMargins(2, 0, 2, 0);
    statsLayout->setSpacing(0);
    QFont captionFont = stats->font();
    captionFont.setBold(true);
    const QFontMetrics captionMetrics(captionFont);
    const int scrollBarWidth = statsScroll->verticalScrollBar()->sizeHint().width();
    const int captionRoom = kStatsColumnWidth - scrollBarWidth -
                            statsLayout->contentsMargins().left() -
                            statsLayout->contentsMargins().right();
    const auto addFigure = [&](const char* name, const char* caption) {
        QLabel* title =
            NewLabel(QStringLiteral("LabelCaption%1%2").arg(QLatin1String(name), suffix),
                     tr(caption), stats);
        title->setFont(captionFont);
        // A translated caption longer than the column takes a second line rather than pushing
        // its figure out of sight; the English ones fit, and keep their layout.
        title->setText(BrokenToWidth(title->text(), captionMetrics, captionRoom));
        QLabel* value = NewLabel(QStringLiteral("Label%1%2").arg(QLatin1String(name), suffix),
                                 QStringLiteral("0"), stats);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        statsLayout->addWidget(title);
        statsLayout->addWidget(value);
        statsLayout->addSpacing(3);
        return value;
    };
    m_Turns = addFigure("Turns", QT_TR_NOOP("Turns:"));
    m_Darts = addFigure("Darts", QT_TR_NOOP("Darts:"));
    m_Scored = addFigure("Scored", QT_TR_NOOP("Scored:"));
    m_TurnAvg = addFigure("TurnAvg", QT_TR_NOOP("Turn Avg:"));
    m_DartAvg = addFigure("DartAvg", QT_TR_NOOP("Dart Avg:"));
    auto* rule = new QFrame(stats);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    statsLayout->addWidget(rule);
    m_Legs = addFigure("Legs", QT_TR_NOOP("Legs:"));
    m_GTurnAvg = addFigure("GTurnAvg", QT_TR_NOOP("G.Turn Avg:"));
    m_GDartAvg = addFigure("GDartAvg", QT_TR_NOOP("G.Dart Avg:"));
    m_HintsLabel = NewLabel(QStringLiteral("LabelHints") + suffix, tr("Shot Hint:"), stats);
    m_HintsLabel->setFont(captionFont);
    m_HintsLabel->setText(BrokenToWidth(m_HintsLabel->text(), captionMetrics, captionRoom));
    statsLayout->addSpacing(4);
    statsLayout->addWidget(m_HintsLabel);
    m_Hints = new QListWidget(stats);
    m_Hints->setObjectName(QStringLiteral("ListBoxHints") + suffix);
    m_Hints->setFocusPolicy(Qt::NoFocus);
    // Room for the three routes a total usually has, and no less.
    m_Hints->setMinimumHeight(3 * m_Hints->fontMetrics().height() + 2 * m_Hints->frameWidth() + 4);
    statsLayout->addWidget(m_Hints, 1);
    // With the hint list hidden the figures stay together at the top.
    statsLayout->addStretch(0);
    statsScroll->setWidget(stats);
    // A translated caption's longest word may be wider than the English column: the column
    // grows to hold it (beside its scroll bar) rather than pushing the figures out of sight.
    statsScroll->setFixedWidth(
        std::max(kStatsColumnWidth, stats->minimumSizeHint().width() + scrollBarWidth));

    // Score list above the Thrown box.
    auto* sheet = new QVBoxLayout;
    sheet->setSpacing(4);
    m_Model = new TScoreListModel(game, player, this);
    m_Scores = new QTreeView(this);
    m_Scores->setObjectName(QStringLiteral("ListViewScores") + suffix);
    SetLargeBoldFont(*m_Scores);
    m_Scores->setModel(m_Model);
    m_Scores->setItemDelegate(new TScoreCellDelegate(m_Scores));
    m_Scores->setRootIsDecorated(false);
    m_Scores->setUniformRowHeights(true);
    m_Scores->setItemsExpandable(false);
    m_Scores->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_Scores->setSelectionMode(QAbstractItemView::SingleSelection);
    m_Scores->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_Scores->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_Scores->header()->setSectionsClickable(false);
    m_Scores->header()->setSectionsMovable(false);
    m_Scores->header()->setStretchLastSection(true);
    m_Scores->header()->setSectionResizeMode(QHeaderView::Fixed);
    m_Scores->header()->setMinimumSectionSize(0);
    m_Scores->setColumnWidth(TScoreListModel::kMarginColumn, 25);
    m_Scores->setColumnWidth(TScoreListModel::kInnerColumn, left ? 75 : 95);
    m_Scores->setColumnWidth(TScoreListModel::kOuterColumn, left ? 95 : 75);
    // The last turn stays marked while the Thrown box has the focus.
    QPalette listPalette = m_Scores->palette();
    listPalette.setColor(QPalette::Inactive, QPalette::Highlight,
                         listPalette.color(QPalette::Active, QPalette::Highlight));
    listPalette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         listPalette.color(QPalette::Active, QPalette::HighlightedText));
    m_Scores->setPalette(listPalette);
    m_Scores->installEventFilter(this);
    connect(m_Scores, &QTreeView::doubleClicked, this,
            [this](const QModelIndex& index) { StartCorrection(index.row()); });
    sheet->addWidget(m_Scores, 1);

    m_Thrown = new TDigitEdit(this);
    m_Thrown->setObjectName(QStringLiteral("EditThrown") + suffix);
    SetLargeBoldFont(*m_Thrown);
    m_Thrown->setFixedWidth(kThrownBoxWidth);
    m_Thrown->installEventFilter(this);
    connect(m_Thrown, &TDigitEdit::CheckoutChord, this, &TPlayerPanel::CheckoutAsked);
    m_ThrownLabel = NewLabel(QStringLiteral("LabelThrown") + suffix,
                             left ? tr("<&Thrown") : tr("&Thrown>"), this);
    m_ThrownLabel->setTextFormat(Qt::PlainText);
    m_ThrownLabel->setBuddy(m_Thrown);
    auto* entry = new QHBoxLayout;
    if (left) {
        entry->addWidget(m_Thrown);
        entry->addWidget(m_ThrownLabel);
        entry->addStretch(1);
    } else {
        entry->addStretch(1);
        entry->addWidget(m_ThrownLabel);
        entry->addWidget(m_Thrown);
    }
    sheet->addLayout(entry);

    auto* body = new QHBoxLayout;
    body->setSpacing(4);
    if (left) {
        body->addWidget(statsScroll);
        body->addLayout(sheet, 1);
    } else {
        body->addLayout(sheet, 1);
        body->addWidget(statsScroll);
    }
    column->addLayout(body, 1);

    m_RefusalLabel = NewLabel(QStringLiteral("LabelRefusal") + suffix, QString(), this);
    m_RefusalLabel->setTextFormat(Qt::PlainText);
    m_RefusalLabel->setWordWrap(true);
    m_RefusalLabel->setAlignment(left ? Qt::AlignLeft : Qt::AlignRight);
    QPalette refusalPalette = m_RefusalLabel->palette();
    refusalPalette.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x20));
    m_RefusalLabel->setPalette(refusalPalette);
    QFont refusalFont = m_RefusalLabel->font();
    refusalFont.setBold(true);
    m_RefusalLabel->setFont(refusalFont);
    m_RefusalLabel->hide();
    column->addWidget(m_RefusalLabel);

    m_DartsLabel = NewLabel(QStringLiteral("LabelTurnDarts") + suffix, QString(), this);
    m_DartsLabel->setTextFormat(Qt::PlainText);
    m_DartsLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_DartsLabel->setAlignment(Qt::AlignCenter);
    SetLargeBoldFont(*m_DartsLabel);
    m_DartsLabel->hide();
    column->addWidget(m_DartsLabel);
    // Darts typed show as they come, with their running score. Only what the operator types:
    // the box emptied after a turn leaves the line to the turn recorded, which reads the same.
    connect(m_Thrown, &QLineEdit::textEdited, this, [this] { ShowDarts(m_DartsLine); });
    SetActive(false);
}

void TPlayerPanel::SetName(const QString& name)
{
    m_FullName = name;
    m_Name->setToolTip(name);
    ShowName();
}

void TPlayerPanel::ShowName()
{
    const int room = m_Name->contentsRect().width() - 2 * m_Name->fontMetrics().averageCharWidth();
    m_Name->setText(
        m_Name->fontMetrics().elidedText(m_FullName, Qt::ElideRight, std::max(room, 1)));
}

void TPlayerPanel::ShowSheet(const CPlayerScores& sheet, const TPlayerStats& match)
{
    EndCorrection(); // its row may be gone, or hold another turn now
    m_Turns->setText(QString::number(sheet.EntryCount() - 1));
    m_Darts->setText(QString::number(sheet.DartCount()));
    m_Scored->setText(QString::number(sheet.PointsScored()));
    m_TurnAvg->setText(Decimal2(sheet.TurnAverage()));
    m_DartAvg->setText(Decimal2(sheet.DartAverage()));
    m_GTurnAvg->setText(Decimal2(match.TurnAverage));
    m_GDartAvg->setText(Decimal2(match.DartAverage));
    m_Legs->setText(QString::number(match.LegsWon));
    m_Model->Refresh();
    const int rows = m_Model->rowCount();
    if (rows > 0) {
        const QModelIndex last = m_Model->index(rows - 1, 0);
        m_Scores->selectionModel()->setCurrentIndex(last, QItemSelectionModel::ClearAndSelect |
                                                              QItemSelectionModel::Rows);
        m_Scores->scrollTo(last, QAbstractItemView::EnsureVisible);
    }
}

void TPlayerPanel::SetPlayer(int player)
{
    if (player != m_Player) {
        EndCorrection();
        HideRefusal();
        ShowDarts(QString());
        m_Player = player;
        m_Model->SetPlayer(player);
    }
}

void TPlayerPanel::ShowDarts(const QString& text)
{
    m_DartsLine = text;
    const QString typed = TypedDarts();
    const QString& shown = typed.isEmpty() ? text : typed;
    // A notice too long for the line (what the computer waits for, in a longer language) takes
    // a second line rather than losing its key at the edge; darts always fit one.
    const int room = m_DartsLabel->contentsRect().width();
    const bool wraps = room > 0 && m_DartsLabel->fontMetrics().horizontalAdvance(shown) > room;
    if (m_DartsLabel->wordWrap() != wraps) {
        m_DartsLabel->setWordWrap(wraps);
    }
    m_DartsLabel->setText(shown);
    m_DartsLabel->setVisible(!shown.isEmpty());
}

QString TPlayerPanel::Darts() const
{
    return m_DartsLabel->text();
}

void TPlayerPanel::AppendDart(const QString& dart)
{
    const QString typed = m_Thrown->text().trimmed();
    m_Thrown->setText(typed.isEmpty() ? dart : typed + u' ' + dart);
    HideRefusal();
    ShowDarts(m_DartsLine);
}

void TPlayerPanel::SetTypedDarts(const QString& darts)
{
    m_Thrown->setText(darts);
    HideRefusal();
    ShowDarts(m_DartsLine);
}

void TPlayerPanel::RemoveLastDart()
{
    QString typed = m_Thrown->text().trimmed();
    typed.truncate(std::max<qsizetype>(typed.lastIndexOf(u' '), 0));
    m_Thrown->setText(typed);
    ShowDarts(m_DartsLine);
}

void TPlayerPanel::SetDartsMode(bool on)
{
    m_Thrown->SetDartsAllowed(on);
    // Three darts as called ("T20 T20 T20") fit the box.
    m_Thrown->setFixedWidth(on ? kDartsBoxWidth : kThrownBoxWidth);
}

namespace {

int32_t DartsSum(const std::vector<TDart>& darts)
{
    int32_t sum = 0;
    for (const TDart& dart : darts) {
        sum += DartPoints(dart);
    }
    return sum;
}

} // namespace

QString TPlayerPanel::TypedDarts(std::vector<TDart>* parsed) const
{
    const std::string typed = m_Thrown->text().toStdString();
    if (!m_Thrown->DartsAllowed() || !LooksLikeDarts(typed)) {
        return {};
    }
    std::vector<TDart> darts;
    std::string bad;
    if (!ParseDarts(typed, darts, &bad)) {
        std::vector<TDart> alone;
        return ParseDarts(bad, alone) ? tr("A turn has at most three darts")
                                      : tr("\"%1\" is not a dart").arg(QString::fromStdString(bad));
    }
    QString text = QString::fromStdString(DartsText(darts, " · ")) + QStringLiteral(" = ") +
                   QString::number(DartsSum(darts));
    const CLeg* leg = m_Game.CurrentLeg();
    if (const CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(m_Player) : nullptr) {
        // Darts typed after the one that bust or finished the turn (refused at Enter) do not
        // take back what that dart did: the line still says it.
        for (size_t count = darts.size(); count > 0; --count) {
            const std::vector<TDart> first(darts.begin(),
                                           darts.begin() + static_cast<std::ptrdiff_t>(count));
            const TThrowCheck check = sheet->CheckDarts(first);
            if (!check.Accepted()) {
                continue;
            }
            if (check.Darts > 0) {
                text += tr(" · checkout");
            } else if (check.Score == 0 && DartsSum(first) > 0) {
                text += tr(" · bust");
            }
            break;
        }
    }
    if (parsed != nullptr) {
        *parsed = std::move(darts);
    }
    return text;
}

void TPlayerPanel::ShowMatchScore(const QString& text)
{
    m_MatchScore->setText(text);
    m_MatchScore->setVisible(!text.isEmpty());
}

void TPlayerPanel::Clear()
{
    EndCorrection();
    HideRefusal();
    ShowDarts(QString());
    m_Model->Clear();
    m_Hints->clear();
}

void TPlayerPanel::FillHints(const CCheckoutTable* table, int score)
{
    ::FillHints(*m_Hints, table, score);
}

void TPlayerPanel::SetHintsShown(bool shown)
{
    m_Hints->setVisible(shown);
    m_HintsLabel->setVisible(shown);
}

void TPlayerPanel::SetActive(bool active)
{
    m_Thrown->setEnabled(active);
    m_ThrownLabel->setEnabled(active);
    QPalette namePalette = m_Name->palette();
    namePalette.setColor(
        QPalette::WindowText,
        palette().color(active ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    m_Name->setPalette(namePalette);
    if (active) {
        m_Thrown->setFocus();
    }
}

void TPlayerPanel::ShowRefusal(const QString& text)
{
    m_RefusalLabel->setText(text);
    m_RefusalLabel->show();
    // The refused entry stays to be read, selected: the next digit starts a new one.
    if (TDigitEdit* box = ActiveCorrection()) {
        box->selectAll();
    } else {
        m_Thrown->selectAll();
    }
}

void TPlayerPanel::HideRefusal()
{
    m_RefusalLabel->clear();
    m_RefusalLabel->hide();
}

QString TPlayerPanel::Refusal() const
{
    return m_RefusalLabel->text();
}

bool TPlayerPanel::StartCorrection(int row)
{
    if (row < 1 || row >= m_Model->rowCount()) {
        return false; // the opening entry is no turn
    }
    EndCorrection();
    const QModelIndex cell = m_Model->index(row, m_Model->ScoreColumn());
    m_Scores->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    m_Scores->scrollTo(cell);
    m_Correction = new TDigitEdit(m_Scores->viewport());
    m_Correction->setObjectName(QStringLiteral("EditCorrection%1").arg(m_Player + 1));
    m_Correction->setFont(m_Scores->font());
    m_Correction->setText(cell.data().toString());
    m_Correction->setAlignment(cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>());
    m_Correction->setGeometry(m_Scores->visualRect(cell));
    // Dart by dart a turn is corrected by its darts too, offered as they were entered.
    if (m_Thrown->DartsAllowed()) {
        m_Correction->SetDartsAllowed(true);
        const CLeg* leg = m_Game.CurrentLeg();
        const CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(m_Player) : nullptr;
        if (const std::vector<TDart>* darts = sheet != nullptr ? sheet->EntryDarts(row) : nullptr) {
            m_Correction->setText(QString::fromStdString(DartsText(*darts, " ")));
        } else {
            m_Correction->setText(cell.data().toString());
        }
        QRect place = m_Scores->visualRect(cell);
        // Wide enough for three darts as written ("T20 T20 T20") in the list's font.
        const int needed =
            m_Correction->fontMetrics().horizontalAdvance(QStringLiteral("T20 T20 T20 ")) +
            4 * m_Correction->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8;
        const int width = std::max(kDartsBoxWidth, needed);
        place.setLeft(std::max(0, place.right() - width));
        // Where the cell is near the list's left edge the box reaches over the cells to its
        // right, as far as the list shows.
        place.setRight(std::min(std::max(place.right(), place.left() + width - 1),
                                m_Scores->viewport()->width() - 1));
        m_Correction->setGeometry(place);
    }
    m_Correction->installEventFilter(this);
    connect(m_Correction, &TDigitEdit::CheckoutChord, this, &TPlayerPanel::CheckoutAsked);
    m_CorrectionRow = row;
    m_Correction->show();
    m_Correction->setFocus();
    m_Correction->selectAll();
    return true;
}

void TPlayerPanel::EndCorrection()
{
    if (m_Correction == nullptr) {
        return;
    }
    TDigitEdit* editor = m_Correction;
    m_Correction = nullptr; // before hiding it: hiding moves the focus, which ends it again
    m_CorrectionRow = -1;
    editor->hide();
    editor->deleteLater();
    HideRefusal();
}

bool TPlayerPanel::CorrectionOpen() const
{
    return m_Correction != nullptr;
}

TDigitEdit* TPlayerPanel::ActiveCorrection() const
{
    return m_Correction != nullptr && m_Correction->hasFocus() ? m_Correction.data() : nullptr;
}

int TPlayerPanel::FocusedRow() const
{
    return m_Scores->hasFocus() && m_Scores->currentIndex().isValid()
               ? m_Scores->currentIndex().row()
               : -1;
}

void TPlayerPanel::SelectLastRow()
{
    if (!m_Scores->selectionModel()->hasSelection() && m_Model->rowCount() > 0) {
        const QModelIndex last = m_Model->index(m_Model->rowCount() - 1, 0);
        m_Scores->selectionModel()->select(last, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
    }
}

bool TPlayerPanel::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == m_Name && type == QEvent::Resize) {
        ShowName();
    } else if (watched == m_Scores) {
        if (type == QEvent::FocusOut) {
            SelectLastRow(); // a list left without a selection marks its last row again
        } else if (type == QEvent::KeyPress) {
            // F2, Enter (when the list takes it before the window's Enter) correct the turn.
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_F2 || key == Qt::Key_Return || key == Qt::Key_Enter) {
                StartCorrection(m_Scores->currentIndex().row());
                return true;
            }
        }
    } else if (watched == m_Thrown || (watched == m_Correction && m_Correction != nullptr)) {
        // A refusal is read by the time the next key is pressed.
        if (type == QEvent::ShortcutOverride || type == QEvent::KeyPress) {
            HideRefusal();
        }
        if (watched == m_Correction) {
            if (type == QEvent::KeyPress &&
                static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                EndCorrection();
                emit CorrectionClosed();
                return true;
            }
            if (type == QEvent::FocusOut) {
                EndCorrection();
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}
