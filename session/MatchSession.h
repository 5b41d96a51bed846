#pragma once

// The match session: the one match in play, its title, and the applying of operations to it.
// Every source of an operation (the typed entry, later the computer and the room's keypads)
// hands it here; the session checks it with the model, applies it and tells its followers
// (the windows, the board, the caller, the store keeper), none of which calls another.

#include "MatchOperation.h"

#include <QObject>
#include <QString>
#include <vector>

class TMatchSession final : public QObject
{
    Q_OBJECT

public:
    explicit TMatchSession(QObject* parent = nullptr);

    CGame& Game() { return m_Game; }
    const CGame& Game() const { return m_Game; }
    // The game's name as the New Game dialog shows it ("Standard 501").
    const QString& Title() const { return m_Title; }

    // Starts a new match; followers hear MatchStarted.
    void Start(const QString& title, const TGameParams& params);
    // Applies `operation` when the match takes it; followers hear OperationApplied before this
    // returns, so before anything is painted. False, and nothing changes, when it is refused.
    bool Apply(const TMatchOperation& operation);
    // Puts a stored match back by replaying its operations without the model's events per
    // step (the followers are told once, by Resumed). False when an operation was refused: the
    // match then holds those before it.
    bool Resume(const QString& title, const TGameParams& params,
                const std::vector<TMatchOperation>& operations);

signals:
    void MatchStarted(const QString& title, const TGameParams& params);
    void OperationApplied(const TMatchOperation& operation);
    void Resumed();

private:
    CGame m_Game;
    QString m_Title;
};
