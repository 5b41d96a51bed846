#include "ui/competitions/CompetitionsDialog.h"

#include "league/BoardQueue.h"
#include "store/CompetitionTable.h"
#include "ui/competitions/BracketView.h"
#include "ui/competitions/FixtureResultDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <map>

namespace {

QTableWidget* NewTable(const char* name, const QStringList& headers, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

TCompetitionsDialog::TCompetitionsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormCompetitions"));
    setWindowTitle(tr("Competitions"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    m_Competitions = new QComboBox(this);
    m_Competitions->setObjectName(QStringLiteral("ComboCompetitions"));
    m_Competitions->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_Competitions->setMinimumContentsLength(24);
    auto* label = new QLabel(tr("&Competition:"), this);
    label->setBuddy(m_Competitions);
    auto* create = new QPushButton(tr("&New\u2026"), this);
    create->setObjectName(QStringLiteral("ButtonCompetitionNew"));
    top->addWidget(label);
    top->addWidget(m_Competitions, 1);
    top->addWidget(create);
    layout->addLayout(top);
    m_Status = new QLabel(this);
    m_Status->setObjectName(QStringLiteral("LabelCompetitionStatus"));
    m_Status->setWordWrap(true);
    layout->addWidget(m_Status);
    m_Tabs = new QTabWidget(this);
    m_Tabs->setObjectName(QStringLiteral("TabsCompetition"));
    m_Fixtures = NewTable(
        "TableFixtures",
        {tr("No."), tr("Round"), tr("Home"), tr("Away"), tr("Result"), tr("Order"), tr("Board")},
        this);
    m_Standings = NewTable("TableStandings",
                           {tr("Group"), tr("Rank"), tr("Player"), tr("P"), tr("W"), tr("D"),
                            tr("L"), tr("Legs for"), tr("Legs against"), tr("+/-"), tr("Points"),
                            tr("Average"), tr("180s"), tr("High out")},
                           this);
    m_Bracket = new TBracketView(this);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ScrollBracket"));
    scroll->setWidget(m_Bracket);
    scroll->setWidgetResizable(false);
    m_Tabs->addTab(m_Fixtures, tr("&Fixtures"));
    m_Tabs->addTab(m_Standings, tr("S&tandings"));
    m_Tabs->addTab(scroll, tr("&Bracket"));
    m_Fixtures->setFocus();
    layout->addWidget(m_Tabs, 1);
    auto* buttons = new QHBoxLayout;
    m_Play = new QPushButton(tr("&Play"), this);
    m_Play->setObjectName(QStringLiteral("ButtonFixturePlay"));
    m_Result = new QPushButton(tr("&Result by Hand\u2026"), this);
    m_Result->setObjectName(QStringLiteral("ButtonFixtureResult"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("ButtonCompetitionsClose"));
    buttons->addWidget(m_Play);
    buttons->addWidget(m_Result);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(820, 560);

    connect(create, &QPushButton::clicked, this, &TCompetitionsDialog::NewAsked);
    connect(close, &QPushButton::clicked, this, &TCompetitionsDialog::accept);
    connect(m_Play, &QPushButton::clicked, this, &TCompetitionsDialog::Play);
    connect(m_Result, &QPushButton::clicked, this, &TCompetitionsDialog::GiveResult);
    connect(m_Competitions, &QComboBox::currentIndexChanged, this,
            &TCompetitionsDialog::ShowCompetition);
    connect(m_Fixtures, &QTableWidget::itemSelectionChanged, this,
            &TCompetitionsDialog::UpdateButtons);
    connect(m_Fixtures, &QTableWidget::itemActivated, this, &TCompetitionsDialog::Play);
    UpdateButtons();
}

void TCompetitionsDialog::SetStatus(const QString& text)
{
    m_Status->setText(text);
    m_Status->setVisible(!text.isEmpty());
}

QString TCompetitionsDialog::SelectedCompetition() const
{
    return m_Competitions->currentData().toString();
}

int32_t TCompetitionsDialog::SelectedFixture() const
{
    const QList<QTableWidgetItem*> selected = m_Fixtures->selectedItems();
    return selected.isEmpty()
               ? -1
               : m_Fixtures->item(selected.front()->row(), 0)->data(Qt::UserRole).toInt();
}

void TCompetitionsDialog::SelectCompetition(const QString& id)
{
    const int index = m_Competitions->findData(id);
    if (index >= 0) {
        m_Competitions->setCurrentIndex(index);
    }
}

void TCompetitionsDialog::SelectFixture(int32_t number)
{
    for (int row = 0; row < m_Fixtures->rowCount(); ++row) {
        if (m_Fixtures->item(row, 0)->data(Qt::UserRole).toInt() == number) {
            m_Fixtures->selectRow(row);
            return;
        }
    }
}

void TCompetitionsDialog::Show(const TCompetitionSnapshot& snapshot, const QString& board)
{
    m_Snapshot = snapshot;
    m_Board = board;
    const QString chosen = SelectedCompetition();
    {
        const QSignalBlocker quiet(m_Competitions);
        m_Competitions->clear();
        for (const TCompetitionRecord& record : snapshot.Competitions) {
            m_Competitions->addItem(record.Name, record.Id);
        }
        const int kept = m_Competitions->findData(chosen);
        m_Competitions->setCurrentIndex(kept >= 0 ? kept : m_Competitions->count() - 1);
    }
    ShowCompetition();
}

void TCompetitionsDialog::ShowCompetition()
{
    const int32_t chosenFixture = SelectedFixture();
    m_Fixtures->setRowCount(0);
    m_Standings->setRowCount(0);
    const TCompetitionRecord* record = m_Snapshot.Find(SelectedCompetition());
    if (record == nullptr) {
        m_Bracket->SetBracket({}, {}, {});
        UpdateButtons();
        return;
    }
    const std::vector<TStoredResult>& results = m_Snapshot.ResultsOf(record->Id);
    const CCompetition competition = CompetitionOf(*record, results);
    // The order of play over the boards known: this one and every one playing a fixture.
    const std::map<int32_t, QString> playing = m_Snapshot.Playing(record->Id);
    const TFixturePlan planned = PlanFixtures(competition, playing, m_Board);
    const std::vector<TQueuedFixture>& queue = planned.Queue;
    const std::vector<TPlannedSlot>& plan = planned.Slots;
    std::vector<int32_t> winners;
    for (const TCompetitionFixture& fixture : competition.Fixtures()) {
        const std::optional<TFixtureResult> result = competition.ResultOf(fixture.Number);
        winners.push_back(
            !result ? -1 : (result->HomeLegs > result->AwayLegs ? result->Home : result->Away));
    }
    const auto name = [&](int32_t player) {
        return player >= 0 ? record->Players.value(player) : QStringLiteral("\u2026");
    };
    for (const TCompetitionFixture& fixture : competition.Fixtures()) {
        const auto at = static_cast<size_t>(fixture.Number);
        const int row = m_Fixtures->rowCount();
        m_Fixtures->insertRow(row);
        QTableWidgetItem* number = Cell(QString::number(fixture.Number + 1), Qt::AlignRight);
        number->setData(Qt::UserRole, fixture.Number);
        m_Fixtures->setItem(row, 0, number);
        const QString round =
            fixture.Group >= 0 && record->Shape.Kind == TCompetitionKind::GroupsKnockout
                ? tr("Group %1, round %2").arg(QChar(u'A' + fixture.Group)).arg(fixture.Round + 1)
            : fixture.LosersBracket ? tr("Losers' round %1").arg(fixture.Round + 1)
            : fixture.Knockout      ? tr("Knockout round %1").arg(fixture.Round + 1)
                                    : tr("Round %1").arg(fixture.Round + 1);
        m_Fixtures->setItem(row, 1, Cell(round));
        m_Fixtures->setItem(row, 2, Cell(name(fixture.Home)));
        m_Fixtures->setItem(row, 3, Cell(name(fixture.Away)));
        const std::optional<TFixtureResult> result = competition.ResultOf(fixture.Number);
        QString shown;
        if (result) {
            shown = QStringLiteral("%1\u2013%2").arg(result->HomeLegs).arg(result->AwayLegs);
            for (const TStoredResult& stored : results) {
                if (stored.Result.Number == fixture.Number && !stored.Reason.isEmpty()) {
                    shown = tr("%1 (%2)").arg(shown, stored.Reason);
                }
            }
        }
        m_Fixtures->setItem(row, 4, Cell(shown));
        const auto claimed = playing.find(fixture.Number);
        m_Fixtures->setItem(
            row, 5,
            Cell(result || plan[at].Slot < 0 ? QString() : QString::number(plan[at].Slot + 1),
                 Qt::AlignRight));
        m_Fixtures->setItem(
            row, 6,
            Cell(claimed != playing.end() ? tr("playing on %1").arg(claimed->second) : QString()));
    }
    for (const TStandingRow& standing : StandingRows(*record, results)) {
        const int row = m_Standings->rowCount();
        m_Standings->insertRow(row);
        const TStanding& figures = standing.Standing;
        QStringList cells = {standing.Group >= 0 ? QString(QChar(u'A' + standing.Group))
                                                 : QString(),
                             QString::number(figures.Rank) +
                                 (figures.PlayoffNeeded ? QStringLiteral("*") : QString()),
                             standing.Name};
        for (const int32_t figure :
             {figures.Played, figures.Won, figures.Drawn, figures.Lost, figures.LegsFor,
              figures.LegsAgainst, figures.LegsFor - figures.LegsAgainst, figures.Points}) {
            cells << QString::number(figure);
        }
        cells << QString::number(standing.Average, 'f', 2) << QString::number(standing.Count180)
              << QString::number(standing.HighestCheckout);
        for (int column = 0; column < cells.size(); ++column) {
            m_Standings->setItem(row, column,
                                 Cell(cells[column], column == 2 ? Qt::AlignLeft : Qt::AlignRight));
        }
    }
    m_Standings->setColumnHidden(0, record->Shape.Kind != TCompetitionKind::GroupsKnockout);
    m_Bracket->SetBracket(competition.Fixtures(), winners, record->Players);
    m_Tabs->setTabEnabled(2, record->Shape.Kind != TCompetitionKind::League);
    // The fixture chosen before stays chosen while it can still be played here; else the next
    // to play here.
    int32_t next = chosenFixture;
    if (next >= 0 && static_cast<size_t>(next) < queue.size() &&
        (queue[static_cast<size_t>(next)].Done || queue[static_cast<size_t>(next)].Board > 0)) {
        next = -1;
    }
    for (size_t at = 0; next < 0 && at < plan.size(); ++at) {
        if (plan[at].Slot == 0 && plan[at].Board == 0) {
            next = static_cast<int32_t>(at);
        }
    }
    SelectFixture(next);
    UpdateButtons();
}

void TCompetitionsDialog::UpdateButtons()
{
    const TCompetitionRecord* record = m_Snapshot.Find(SelectedCompetition());
    const int32_t fixture = SelectedFixture();
    bool known = false;
    bool taken = false;
    const CCompetition competition = record != nullptr
                                         ? CompetitionOf(*record, m_Snapshot.ResultsOf(record->Id))
                                         : CCompetition(TCompetitionShape{});
    if (fixture >= 0 && static_cast<size_t>(fixture) < competition.Fixtures().size()) {
        const TCompetitionFixture& row = competition.Fixtures()[static_cast<size_t>(fixture)];
        known = row.Home >= 0 && row.Away >= 0;
        const std::map<int32_t, QString> playing = m_Snapshot.Playing(record->Id);
        const auto claimed = playing.find(fixture);
        taken = claimed != playing.end() && claimed->second != m_Board;
    }
    m_Play->setEnabled(known);
    m_Result->setEnabled(known && !taken);
}

void TCompetitionsDialog::Play()
{
    const TCompetitionRecord* record = m_Snapshot.Find(SelectedCompetition());
    const int32_t fixture = SelectedFixture();
    if (record == nullptr || fixture < 0 || !m_Play->isEnabled()) {
        return;
    }
    const std::map<int32_t, QString> playing = m_Snapshot.Playing(record->Id);
    const auto claimed = playing.find(fixture);
    const QString holder =
        claimed != playing.end() && claimed->second != m_Board ? claimed->second : QString();
    // Any claim there (a result's, this board's own abandoned one, or one taken over after the
    // question) is replaced; without one the first board to ask gets it.
    bool takeOver = false;
    for (const TFixtureClaim& claim : m_Snapshot.Claims[record->Id]) {
        takeOver = takeOver || claim.Fixture == fixture;
    }
    if (!holder.isEmpty() &&
        QMessageBox::question(this, tr("Take Over"),
                              tr("The fixture is playing on %1. Take it over for this board? "
                                 "Only when %1 is not playing it any more.")
                                  .arg(holder)) != QMessageBox::Yes) {
        return;
    }
    QString reason;
    if (CompetitionOf(*record, m_Snapshot.ResultsOf(record->Id)).ResultOf(fixture)) {
        bool given = false;
        reason = QInputDialog::getText(this, tr("Play Again"),
                                       tr("The fixture has a result. Why is it played again?"),
                                       QLineEdit::Normal, QString(), &given)
                     .simplified();
        if (!given || reason.isEmpty()) {
            return;
        }
    }
    emit PlayAsked(record->Id, fixture, reason, takeOver);
}

void TCompetitionsDialog::GiveResult()
{
    const TCompetitionRecord* record = m_Snapshot.Find(SelectedCompetition());
    const int32_t fixture = SelectedFixture();
    if (record == nullptr) {
        return;
    }
    const CCompetition competition = CompetitionOf(*record, m_Snapshot.ResultsOf(record->Id));
    if (fixture < 0 || static_cast<size_t>(fixture) >= competition.Fixtures().size()) {
        return;
    }
    const TCompetitionFixture& row = competition.Fixtures()[static_cast<size_t>(fixture)];
    TFixtureResultDialog dialog(record->Players.value(row.Home), record->Players.value(row.Away),
                                !row.Knockout, this);
    if (dialog.exec() == QDialog::Accepted) {
        emit ResultGiven(record->Id, fixture, dialog.HomeLegs(), dialog.AwayLegs(),
                         dialog.Reason());
    }
}
