#pragma once

// Competitions as the program wires them: "Competitions" (F9) shows them; Play takes the
// fixture for this board (on the club's server no other board can then start it) and opens New
// Game filled in; the match started for it enters its result by itself once it is won. With a
// club's server set (Club/Database) the status bar says how it stands and how many results
// wait for it. Nothing of it runs until it is used or a club's server is set.

#include "app/SettingsFile.h"
#include "store/CompetitionService.h"
#include "ui/competitions/CompetitionsDialog.h"

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <memory>

class QLabel;

class TFormVTX;
class TMatchKeeper;
class TMatchSession;
class TNewGameDialog;
struct TGameParams;

class TCompetitionLink final : public QObject
{
    Q_OBJECT

public:
    TCompetitionLink(TFormVTX& main, TNewGameDialog& newGame, TMatchSession& session,
                     TMatchKeeper& keeper, QString localPath);
    ~TCompetitionLink() override;

    // Takes Club/Database and Club/Board; with a club's server set it is reached once the
    // window's contents are made.
    void Apply(const TSettings& settings);
    void Take(TSettings& settings) const;

    // The competitions' service, started on first use.
    TCompetitionService& Service();
    // What is known of the competitions (nothing before the service has started).
    const TCompetitionSnapshot& Known() const;
    TCompetitionsDialog* Dialog() const { return m_Dialog; }
    QString Status() const;
    // The fixture the match in play is for: its competition's id, empty when none.
    const QString& PlayingCompetition() const { return m_Playing.Competition; }
    // The competition last played here, for the room's standings page: its name, its tables
    // and its next fixtures; empty while none has been played here.
    QJsonObject RoomJson() const;

signals:
    // RoomJson() changed.
    void RoomCompetitionChanged();

public:
    // Play: takes the fixture and, once this board has it, opens New Game filled in.
    void Play(const QString& competition, int32_t fixture, const QString& reason,
              bool takeOver = false);
    // A result by hand (a walkover), with the reason kept.
    void GiveResult(const QString& competition, int32_t fixture, int32_t homeLegs, int32_t awayLegs,
                    const QString& reason);

private:
    struct TPlaying
    {
        QString Competition;
        int32_t Fixture = -1;
        QString MatchKey;
        int32_t Home = -1;
        int32_t Away = -1;
        QString Reason;
        // The match's side of the fixture's home player (the other is away's); -1 until its
        // match is started.
        int32_t HomeSide = -1;
    };

    void Start();
    QString BoardName() const;
    // The fixture as the competition stands now; nullopt for one it does not have.
    std::optional<TCompetitionFixture> FixtureOf(const QString& competition, int32_t fixture) const;
    void OpenDialog();
    void Refresh();
    void StartFixture(const TPlaying& fixture);
    void OnMatchStarted(const TGameParams& params);
    void OnOperationApplied();

    TFormVTX& m_Main;
    TNewGameDialog& m_NewGame;
    TMatchSession& m_Session;
    TMatchKeeper& m_Keeper;
    QString m_LocalPath;
    // Made on first use (F9, Play, a club's server set): nothing of it runs at start otherwise.
    std::unique_ptr<TCompetitionService> m_Service;
    QString m_Club;
    QString m_Board;
    bool m_ClubUsed = false;
    TPlaying m_Playing;
    // The fixture New Game was opened for, until a match starts or it is cancelled.
    std::optional<TPlaying> m_Starting;
    QPointer<TCompetitionsDialog> m_Dialog;
    QPointer<QLabel> m_Status;
    // The competition last played here (its id).
    QString m_Shown;
    QJsonObject m_Room;
};
