#pragma once

// The caller's voice as a follower of the match session: whoever changed the match (the
// operator, the computer, a keypad), the change is called in the program's language, with the
// English words as the fallback a voice without that language speaks.

#include "model/MatchOperation.h"
#include "words/CallerWords.h"

#include <QObject>

class TCaller;
class TMatchSession;

class TCallerFollower final : public QObject
{
    Q_OBJECT

public:
    explicit TCallerFollower(const TMatchSession& session, QObject* parent = nullptr);

    TCaller& Caller() const { return *m_Caller; }

private:
    // A match was started or put back: nothing of the one before is still called.
    void OnMatchShown();
    void OnOperationApplied(const TMatchOperation& operation);

    const TMatchSession& m_Session;
    TCaller* m_Caller = nullptr;
    TCallLanguage m_CallLanguage = TCallLanguage::English;
};
