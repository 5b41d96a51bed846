#pragma once

// The match session: the one match in play, its title, and the applying of operations to it.
// Every source of an operation (the typed entry, later the computer and the room's keypads)
// hands it here; the session checks it with the model, applies it and tells its followers
// (the windows, the board, the caller, the store keeper), none of which calls another.

#include "games/GamesMatch.h"
#include "model/Match.h"
#include "model/MatchOperation.h"
#include "model/UnitVTXGameLogic.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class TMatchSession final : public QObject
{
    Q_OBJECT

public:
    explicit TMatchSession(QObject* parent = nullptr);
    ~TMatchSession() override;

    // For reading: every change goes through Start, Apply and Resume. The match in play,
    // whatever its game.
    const CMatch& Match() const { return *m_Match; }
    // The X01 match's sheets, which the X01 readers hold on to from match to match: the match
    // itself when it is X01, else one of the same sides that nobody plays.
    const CGame& Game() const { return m_Game; }
    // The game's name as the New Game dialog shows it ("Standard 501").
    const QString& Title() const { return m_Title; }

    // Starts a new match; followers hear MatchStarted (and no per-sheet events of its making).
    void Start(const QString& title, const TGameParams& params);
    // What the match would say to `operation` now: accepted, or refused and why.
    TThrowCheck Check(const TMatchOperation& operation) const;
    // Applies `operation` when the match takes it; followers hear the sheets it changed, then
    // OperationApplied, before this returns, so before anything is painted. False, and
    // nothing changes, when it is refused.
    bool Apply(const TMatchOperation& operation);
    // Puts a stored match back by replaying its operations without per-sheet events (the
    // followers are told once, by Resumed). An operation the match refuses is skipped and the
    // replay goes on past it; false when one was, with their indexes in `skipped`.
    bool Resume(const QString& title, const TGameParams& params,
                const std::vector<TMatchOperation>& operations,
                std::vector<size_t>* skipped = nullptr);

    // Whether the last operation that moved the match on or back (not a correction) was an
    // undo: a match resumed there has its computer wait as it did.
    bool LastMoveWasUndo() const { return m_LastMoveWasUndo; }

signals:
    void MatchStarted(const QString& title, const TGameParams& params);
    // The model's events, as they happen within Apply: a sheet's entries changed, the turn
    // passed (none: nobody is to throw), a leg was won.
    void SheetChanged(CPlayerScores* sheet);
    void TurnChanged(CPlayerScores* sheet);
    void LegWon(CPlayerScores* sheet);
    void OperationApplied(const TMatchOperation& operation);
    void Resumed();

private:
    // Makes the match of `title`; the X01 readers' sheets are started afresh whatever it is.
    void Make(const QString& title, const TGameParams& params);

    CGame m_Game;
    std::unique_ptr<CMatch> m_Other;
    CMatch* m_Match = &m_Game;
    QString m_Title;
    // While a match is made or replayed its steps are not announced one by one.
    bool m_Quiet = false;
    bool m_LastMoveWasUndo = false;
    void NoteMove(TOperationKind kind);
};
