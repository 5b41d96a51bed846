#include "caller/CallerFollower.h"

#include "caller/Caller.h"
#include "session/MatchSession.h"
#include "words/MatchCalls.h"

#include <QLocale>

namespace {

TCallKind CallKind(TOperationKind kind)
{
    switch (kind) {
    case TOperationKind::Turn:
        return TCallKind::Turn;
    case TOperationKind::Undo:
    case TOperationKind::UndoNextLeg:
        return TCallKind::Undo;
    case TOperationKind::Correction:
        return TCallKind::Correction;
    case TOperationKind::NextLeg:
        return TCallKind::NextLeg;
    }
    return TCallKind::Turn;
}

} // namespace

TCallerFollower::TCallerFollower(const TMatchSession& session, QObject* parent)
    : QObject(parent), m_Session(session)
{
    m_Caller = new TCaller(TCaller::DefaultProgram(), QString(), this);
    // The calls follow the language the program speaks.
    const QString language = QLocale().name().left(2);
    static const std::pair<const char16_t*, TCallLanguage> kLanguages[] = {
        {u"de", TCallLanguage::German},
        {u"nl", TCallLanguage::Dutch},
        {u"fr", TCallLanguage::French},
        {u"es", TCallLanguage::Spanish},
    };
    for (const auto& [code, callLanguage] : kLanguages) {
        if (language == code) {
            m_CallLanguage = callLanguage;
            m_Caller->SetLanguage(language);
        }
    }
    connect(&session, &TMatchSession::MatchStarted, this, &TCallerFollower::OnMatchShown);
    connect(&session, &TMatchSession::Resumed, this, &TCallerFollower::OnMatchShown);
    connect(&session, &TMatchSession::OperationApplied, this, &TCallerFollower::OnOperationApplied);
}

void TCallerFollower::OnMatchShown()
{
    if (m_Caller->Enabled()) {
        m_Caller->Stop();
        m_Caller->Prepare();
    }
}

void TCallerFollower::OnOperationApplied(const TMatchOperation& operation)
{
    if (!m_Caller->Enabled() || operation.Leg >= 0) {
        return; // a leg before the one in play: nothing to call in the room
    }
    const TCallKind kind = CallKind(operation.Kind);
    if (kind == TCallKind::Undo) {
        m_Caller->Stop(); // the turn being called is gone
    }
    const std::string said =
        MatchCallPhrase(m_Session.Match(), kind, operation.Player, operation.Entry, m_CallLanguage);
    if (m_CallLanguage == TCallLanguage::English) {
        m_Caller->Say(QString::fromStdString(said));
        return;
    }
    m_Caller->Say(QString::fromStdString(said),
                  QString::fromStdString(MatchCallPhrase(m_Session.Match(), kind, operation.Player,
                                                         operation.Entry, TCallLanguage::English)));
}
