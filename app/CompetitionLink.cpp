#include "app/CompetitionLink.h"

#include "app/StatusLine.h"
#include "session/MatchSession.h"
#include "store/CompetitionTable.h"
#include "store/MatchKeeper.h"
#include "ui/competitions/CompetitionsDialog.h"
#include "ui/competitions/NewCompetitionDialog.h"
#include "ui/main/MainActions.h"
#include "ui/main/UnitMain.h"
#include "ui/newgame/UnitGameDlg.h"

#include <QAction>
#include <QApplication>
#include <QJsonArray>
#include <QLabel>
#include <QStatusBar>
#include <QSysInfo>

TCompetitionLink::TCompetitionLink(TFormVTX& main, TNewGameDialog& newGame, TMatchSession& session,
                                   TMatchKeeper& keeper, QString localPath)
    : m_Main(main), m_NewGame(newGame), m_Session(session), m_Keeper(keeper),
      m_LocalPath(std::move(localPath))
{
    connect(main.Actions().ActionCompetitions, &QAction::triggered, this,
            &TCompetitionLink::OpenDialog);
    connect(&session, &TMatchSession::MatchStarted, this,
            [this](const QString&, const TGameParams& params) { OnMatchStarted(params); });
    connect(&session, &TMatchSession::OperationApplied, this,
            &TCompetitionLink::OnOperationApplied);
}

TCompetitionLink::~TCompetitionLink() = default;

void TCompetitionLink::Apply(const TSettings& settings)
{
    m_ClubUsed = settings.ClubDatabase.has_value() || settings.ClubBoard.has_value();
    m_Club = settings.ClubDatabase.value_or(QString()).trimmed();
    m_Board = settings.ClubBoard.value_or(QString()).simplified();
    if (!m_Club.isEmpty()) {
        m_Main.WhenBuilt([this] { Start(); });
    }
}

void TCompetitionLink::Take(TSettings& settings) const
{
    if (m_ClubUsed) {
        settings.ClubDatabase = m_Club;
        settings.ClubBoard = m_Board;
    }
}

void TCompetitionLink::Start()
{
    if (m_Service == nullptr) {
        m_Service = std::make_unique<TCompetitionService>(m_LocalPath);
        connect(m_Service.get(), &TCompetitionService::Changed, this, &TCompetitionLink::Refresh);
        // A board's name among the club's: its own setting, else the computer's.
        m_Service->Start(m_Club, m_Board.isEmpty() ? QSysInfo::machineHostName() : m_Board);
    }
}

TCompetitionService& TCompetitionLink::Service()
{
    Start();
    return *m_Service;
}

const TCompetitionSnapshot& TCompetitionLink::Known() const
{
    static const TCompetitionSnapshot nothing;
    return m_Service != nullptr ? m_Service->Known() : nothing;
}

QString TCompetitionLink::BoardName() const
{
    return m_Service != nullptr ? m_Service->Board() : QString();
}

QString TCompetitionLink::Status() const
{
    return m_Status != nullptr && !m_Status->isHidden() ? m_Status->text() : QString();
}

void TCompetitionLink::Refresh()
{
    const TCompetitionSnapshot& known = Known();
    QString status;
    if (known.Club) {
        const QString away = tr("not reachable (%1)").arg(known.Problem);
        if (known.Waiting > 0) {
            status = known.Waiting == 1
                         ? tr("Club server: %n result waiting", nullptr, known.Waiting)
                         : tr("Club server: %n results waiting", nullptr, known.Waiting);
            if (!known.Connected) {
                status += QStringLiteral(" \u00B7 ") + away;
            }
        } else {
            status =
                known.Connected ? tr("Club server: connected") : tr("Club server: %1").arg(away);
        }
    }
    if (m_Status == nullptr && !status.isEmpty()) {
        m_Status = new QLabel(&m_Main);
        m_Status->setObjectName(QStringLiteral("LabelClubStatus"));
        m_Main.statusBar()->addWidget(m_Status, 1);
    }
    if (m_Status != nullptr) {
        m_Status->setText(status);
        m_Status->setVisible(!status.isEmpty());
        FitStatusBar(*m_Main.statusBar());
    }
    const QJsonObject room = RoomJson();
    if (room != m_Room) {
        m_Room = room;
        emit RoomCompetitionChanged();
    }
    if (m_Dialog != nullptr) {
        m_Dialog->Show(known, BoardName());
        m_Dialog->SetStatus(known.Club ? status : QString());
    }
}

void TCompetitionLink::OpenDialog()
{
    // Not over New Game or another question: Play would start New Game inside it.
    if (QApplication::activeModalWidget() != nullptr) {
        return;
    }
    Start();
    if (m_Dialog == nullptr) {
        m_Dialog = new TCompetitionsDialog(&m_Main);
        m_Dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_Dialog, &TCompetitionsDialog::NewAsked, this, [this] {
            const QStringList known =
                m_Keeper.Store() != nullptr ? m_Keeper.Store()->PlayerNames() : QStringList();
            TNewCompetitionDialog create(known, m_Dialog);
            if (create.exec() != QDialog::Accepted) {
                return;
            }
            const TCompetitionRecord record = create.Record();
            Service().Create(record, [this, id = record.Id](const QString& problem) {
                if (!problem.isEmpty()) {
                    m_Main.ShowNotice(tr("The competition could not be made: %1").arg(problem));
                } else if (m_Dialog != nullptr) {
                    m_Dialog->SelectCompetition(id);
                }
            });
        });
        connect(m_Dialog, &TCompetitionsDialog::PlayAsked, this, &TCompetitionLink::Play);
        connect(m_Dialog, &TCompetitionsDialog::ResultGiven, this, &TCompetitionLink::GiveResult);
    }
    Refresh();
    m_Dialog->show();
    m_Dialog->raise();
    m_Dialog->activateWindow();
}

std::optional<TCompetitionFixture> TCompetitionLink::FixtureOf(const QString& competition,
                                                               int32_t fixture) const
{
    const TCompetitionSnapshot& known = Known();
    const TCompetitionRecord* record = known.Find(competition);
    if (record == nullptr) {
        return std::nullopt;
    }
    const CCompetition played = CompetitionOf(*record, known.ResultsOf(competition));
    if (fixture < 0 || fixture >= static_cast<int32_t>(played.Fixtures().size())) {
        return std::nullopt;
    }
    return played.Fixtures()[static_cast<size_t>(fixture)];
}

void TCompetitionLink::Play(const QString& competition, int32_t fixture, const QString& reason,
                            bool takeOver)
{
    const std::optional<TCompetitionFixture> found = FixtureOf(competition, fixture);
    if (!found) {
        return;
    }
    const TCompetitionFixture& row = *found;
    TPlaying playing{competition, fixture, NewMatchKey(), row.Home, row.Away, reason, -1};
    Service().Claim(competition, fixture, playing.MatchKey, takeOver,
                    [this, playing](const TFixtureClaim& claim, const QString& problem) {
                        if (claim.Board.isEmpty()) {
                            m_Main.ShowNotice(
                                tr("The fixture cannot be taken now: %1").arg(problem));
                        } else if (claim.MatchKey != playing.MatchKey) {
                            m_Main.ShowNotice(tr("The fixture is playing on %1.").arg(claim.Board));
                        } else {
                            StartFixture(playing);
                        }
                    });
}

void TCompetitionLink::StartFixture(const TPlaying& fixture)
{
    const TCompetitionRecord* record = Known().Find(fixture.Competition);
    if (record == nullptr) {
        return;
    }
    TNewGameChoices choices = m_NewGame.Choices();
    for (int index = 0; index < TNewGameDialog::kGameCount; ++index) {
        if (TNewGameDialog::GameTitleOf(index) == record->Game) {
            choices.GameType = index;
        }
    }
    choices.TwoPlayers = true;
    choices.Players = 2;
    choices.Pairs = false;
    choices.StartScores.clear();
    choices.ComputerAverages.clear();
    choices.Player1Name = record->Players.value(fixture.Home);
    choices.Player2Name = record->Players.value(fixture.Away);
    choices.Player1Starts = true;
    choices.Starter = -1;
    choices.LegsToWin = record->LegsToWin;
    choices.SetsToWin = record->SetsToWin;
    m_NewGame.SetChoices(choices);
    m_Starting = fixture;
    m_Shown = fixture.Competition;
    if (m_Dialog != nullptr) {
        m_Dialog->hide();
    }
    m_Main.Actions().ActionNew->trigger();
    if (m_Starting) {
        // New Game was cancelled: the fixture is free for any board again.
        Service().Release(fixture.Competition, fixture.Fixture);
        m_Starting.reset();
        OpenDialog();
    }
}

void TCompetitionLink::OnMatchStarted(const TGameParams& params)
{
    if (!m_Playing.Competition.isEmpty() && m_Playing.HomeSide >= 0) {
        // Another match instead of the fixture's: it is free for any board again.
        Service().Release(m_Playing.Competition, m_Playing.Fixture);
    }
    m_Playing = {};
    if (!m_Starting) {
        return;
    }
    TPlaying fixture = *m_Starting;
    m_Starting.reset();
    const TCompetitionRecord* record = Known().Find(fixture.Competition);
    const QString first = QString::fromStdString(SideName(params, 0));
    const QString second = QString::fromStdString(SideName(params, 1));
    if (record == nullptr || params.PlayerCount != 2) {
        Service().Release(fixture.Competition, fixture.Fixture);
        return;
    }
    // The operator may have swapped the names; a match of other players is not the fixture's.
    const QString home = record->Players.value(fixture.Home);
    const QString away = record->Players.value(fixture.Away);
    fixture.HomeSide = first == home && second == away   ? 0
                       : first == away && second == home ? 1
                                                         : -1;
    if (fixture.HomeSide < 0) {
        Service().Release(fixture.Competition, fixture.Fixture);
        m_Main.ShowNotice(tr("The match is not %1 v %2: it does not count for %3.")
                              .arg(home, away, record->Name));
        return;
    }
    m_Playing = fixture;
}

void TCompetitionLink::OnOperationApplied()
{
    if (m_Playing.HomeSide < 0) {
        return;
    }
    const CMatch& match = m_Session.Match();
    const int32_t winner = match.MatchWinner();
    if (winner < 0) {
        return;
    }
    const TGameParams& params = match.Params();
    const auto won = [&](int32_t side) {
        return params.SetsToWin > 0 ? match.SetsWon(side) : match.LegsWon(side);
    };
    const auto figures = [&](int32_t side) {
        const TPlayerStats stats = match.SideFigures(side);
        return TSideFigures{stats.PointsScored, stats.DartsThrown, stats.Count180,
                            stats.HighestOutShot};
    };
    const int32_t home = m_Playing.HomeSide;
    const int32_t away = 1 - home;
    TStoredResult result;
    result.MatchKey = m_Playing.MatchKey;
    result.Competition = m_Playing.Competition;
    result.Result = {m_Playing.Fixture, m_Playing.Home, m_Playing.Away, won(home), won(away)};
    result.Board = BoardName();
    result.Reason = m_Playing.Reason;
    result.Home = figures(home);
    result.Away = figures(away);
    const QString name = [&] {
        const TCompetitionRecord* record = Known().Find(m_Playing.Competition);
        return record != nullptr ? record->Name : QString();
    }();
    m_Playing = {};
    QString problem;
    if (Service().Report(result, problem)) {
        m_Main.ShowNotice(tr("The result went into %1.").arg(name));
    } else {
        m_Main.ShowNotice(tr("The result could not be kept: %1").arg(problem));
    }
}

QJsonObject TCompetitionLink::RoomJson() const
{
    const TCompetitionSnapshot& known = Known();
    const TCompetitionRecord* record = known.Find(m_Shown);
    if (record == nullptr) {
        return {};
    }
    const std::vector<TStoredResult>& results = known.ResultsOf(record->Id);
    std::map<int32_t, QJsonArray> groups;
    for (const TStandingRow& row : StandingRows(*record, results)) {
        const TStanding& standing = row.Standing;
        groups[row.Group].append(QJsonObject{
            {QStringLiteral("rank"), standing.Rank},
            {QStringLiteral("name"), row.Name},
            {QStringLiteral("played"), standing.Played},
            {QStringLiteral("won"), standing.Won},
            {QStringLiteral("drawn"), standing.Drawn},
            {QStringLiteral("lost"), standing.Lost},
            {QStringLiteral("difference"), standing.LegsFor - standing.LegsAgainst},
            {QStringLiteral("points"), standing.Points},
            {QStringLiteral("average"), row.Average},
            {QStringLiteral("playoff"), standing.PlayoffNeeded},
        });
    }
    QJsonArray tables;
    for (const auto& [group, rows] : groups) {
        tables.append(QJsonObject{
            {QStringLiteral("name"), group < 0 ? QString() : QString(QChar(u'A' + group))},
            {QStringLiteral("rows"), rows}});
    }
    QJsonArray next;
    for (const TNextFixture& fixture :
         NextFixtures(*record, results, known.Playing(record->Id), BoardName(), 6)) {
        next.append(QJsonObject{{QStringLiteral("home"), fixture.Home},
                                {QStringLiteral("away"), fixture.Away},
                                {QStringLiteral("board"), fixture.Board}});
    }
    return {{QStringLiteral("name"), record->Name},
            {QStringLiteral("tables"), tables},
            {QStringLiteral("next"), next}};
}

void TCompetitionLink::GiveResult(const QString& competition, int32_t fixture, int32_t homeLegs,
                                  int32_t awayLegs, const QString& reason)
{
    const std::optional<TCompetitionFixture> found = FixtureOf(competition, fixture);
    if (!found) {
        return;
    }
    const TCompetitionFixture& row = *found;
    TStoredResult result;
    result.MatchKey = NewMatchKey();
    result.Competition = competition;
    result.Result = {fixture, row.Home, row.Away, homeLegs, awayLegs};
    result.Board = BoardName();
    result.Reason = reason;
    QString problem;
    if (!Service().Report(result, problem)) {
        m_Main.ShowNotice(tr("The result could not be kept: %1").arg(problem));
    }
}
