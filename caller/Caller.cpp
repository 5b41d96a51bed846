#include "caller/Caller.h"

#include "caller/Voices.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

TCaller::TCaller(QString program, QString engine, QObject* parent)
    : QObject(parent), m_Program(std::move(program)), m_Engine(std::move(engine))
{}

// Every voice is ended and reaped on its thread before the thread goes.
TCaller::~TCaller()
{
    if (m_Thread == nullptr) {
        return;
    }
    QMetaObject::invokeMethod(
        m_Voices, [voices = m_Voices] { delete voices; }, Qt::BlockingQueuedConnection);
    m_Thread->quit();
    m_Thread->wait();
    delete m_Thread;
}

QString TCaller::DefaultProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/vantorix-voice");
}

void TCaller::OnVoices(std::function<void(TVoices&)> work, bool start)
{
    if (m_Thread == nullptr) {
        if (!start) {
            return;
        }
        m_Thread = new QThread;
        m_Thread->setObjectName(QStringLiteral("Caller voices"));
        QPointer<TCaller> self(this);
        m_Voices = new TVoices(m_Program, m_Engine, m_Language, [self](const QString& reason) {
            QMetaObject::invokeMethod(
                self, [self, reason] { self->Silence(reason); }, Qt::QueuedConnection);
        });
        m_Voices->moveToThread(m_Thread);
        m_Thread->start();
    }
    QMetaObject::invokeMethod(
        m_Voices, [voices = m_Voices, work = std::move(work)] { work(*voices); },
        Qt::QueuedConnection);
}

void TCaller::SetEnabled(bool enabled)
{
    m_Enabled = enabled;
    if (!enabled) {
        OnVoices([](TVoices& voices) { voices.EndAll(); }, false);
    }
}

void TCaller::Prepare()
{
    if (m_Enabled && !Silenced()) {
        OnVoices([](TVoices& voices) { voices.Prepare(); });
    }
}

void TCaller::SetLanguage(const QString& code)
{
    m_Language = code == u"en" ? QString() : code;
}

void TCaller::Say(const QString& phrase, const QString& english)
{
    if (!m_Enabled || phrase.isEmpty() || Silenced()) {
        return;
    }
    m_LastSpoken = phrase;
    // One line for the voice: the call in the caller's language and, after a tab, in English.
    const QString line = m_Language.isEmpty() || english.isEmpty()
                             ? m_LastSpoken
                             : phrase.simplified() + u'\t' + english.simplified();
    OnVoices([line](TVoices& voices) { voices.Say(line); });
}

void TCaller::Stop()
{
    OnVoices([](TVoices& voices) { voices.Stop(); }, false);
}

void TCaller::Silence(const QString& reason)
{
    if (!m_Problem.isEmpty()) {
        return;
    }
    m_Problem = reason;
    emit Problem(tr("The caller is silent: %1.").arg(reason));
}
