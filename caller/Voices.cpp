#include "caller/Voices.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <utility>

namespace {

// A voice that fails now and then is tried again; one that keeps failing is given up.
constexpr int kFailuresToGiveUp = 3;
// The voice program's exit code when it has said why nothing can be spoken.
constexpr int kExitNoSpeech = 3;
// Well past the turn's painting, well below what a listener notices.
constexpr int kAfterTheTurnMilliseconds = 40;

} // namespace

TVoices::TVoices(QString program, QString engine, QString language,
                 std::function<void(const QString&)> problem)
    : m_Program(std::move(program)), m_Engine(std::move(engine)), m_Language(std::move(language)),
      m_Problem(std::move(problem))
{}

TVoices::~TVoices()
{
    EndAll();
}

void TVoices::Prepare()
{
    if (m_Spare == nullptr && !m_Failed) {
        StartSpare();
    }
}

void TVoices::Say(const QString& phrase)
{
    if (m_Failed) {
        return;
    }
    // The call waits until the scoreboard has shown the turn: starting processes and
    // synthesising speech would take the CPU from it on a small machine. The latest phrase
    // wins; the one still speaking is cut when it begins.
    m_Pending = phrase;
    if (m_Delay == nullptr) {
        m_Delay = new QTimer(this);
        m_Delay->setSingleShot(true);
        m_Delay->setInterval(kAfterTheTurnMilliseconds);
        connect(m_Delay, &QTimer::timeout, this, [this] { SayNow(std::exchange(m_Pending, {})); });
    }
    m_Delay->start();
}

void TVoices::SayNow(const QString& phrase)
{
    if (m_Failed || phrase.isEmpty()) {
        return;
    }
    Stop();
    if (m_Spare == nullptr) {
        StartSpare();
    }
    m_Speaking = m_Spare;
    m_Spare = nullptr;
    // Written before the voice is up, the line waits in the pipe.
    // Each part of the line (the call, and its English after a tab) on one line of its own.
    QStringList parts = phrase.split(u'\t');
    for (QString& part : parts) {
        part = part.simplified();
    }
    m_Speaking->write(parts.join(u'\t').toUtf8() + '\n');
    m_Speaking->closeWriteChannel();
    StartSpare();
}

void TVoices::Stop()
{
    m_Pending.clear();
    if (m_Speaking != nullptr) {
        QProcess* voice = m_Speaking;
        m_Speaking = nullptr;
        Finish(voice);
    }
}

// The voices are this object's children: each is ended and reaped here, so that none speaks
// on after the caller is switched off or the scoreboard ends, and none is left a zombie.
void TVoices::EndAll()
{
    m_Spare = nullptr;
    m_Speaking = nullptr;
    m_Pending.clear();
    for (QProcess* voice : findChildren<QProcess*>()) {
        voice->disconnect(this);
        voice->kill();
        voice->waitForFinished(1000);
        delete voice;
    }
}

void TVoices::StartSpare()
{
    auto* voice = new QProcess(this);
    voice->setProcessChannelMode(QProcess::SeparateChannels);
    voice->setStandardErrorFile(QProcess::nullDevice());
    connect(voice, &QProcess::readyReadStandardOutput, this, [this, voice] { ReadVoice(voice); });
    connect(voice, &QProcess::errorOccurred, this, [this, voice](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            Fail(QStringLiteral("the voice program %1 cannot be started").arg(m_Program));
        }
    });
    connect(voice, &QProcess::finished, this,
            [this, voice](int exitCode, QProcess::ExitStatus status) {
                // A voice that said why it failed has been counted by ReadVoice.
                const bool crashed = status == QProcess::CrashExit;
                if ((voice == m_Spare || voice == m_Speaking) &&
                    (crashed || (exitCode != 0 && exitCode != kExitNoSpeech))) {
                    Failed(QStringLiteral("the voice program keeps failing"));
                }
                if (voice == m_Spare) {
                    m_Spare = nullptr;
                }
                if (voice == m_Speaking) {
                    m_Speaking = nullptr;
                }
                voice->deleteLater();
            });
    m_Spare = voice;
    voice->start(m_Program, m_Language.isEmpty()
                                ? (m_Engine.isEmpty() ? QStringList() : QStringList{m_Engine})
                                : QStringList{m_Engine, m_Language});
}

void TVoices::ReadVoice(QProcess* voice)
{
    while (voice->canReadLine()) {
        const QString line = QString::fromUtf8(voice->readLine()).trimmed();
        if (line.startsWith(QStringLiteral("error "))) {
            Failed(line.mid(6));
        } else if (line == u"speaking") {
            m_HasSpoken = true;
        } else if (line == u"done") {
            m_FailuresInARow = 0;
        }
    }
}

// Ends a voice without waiting for it: its finished signal deletes it.
void TVoices::Finish(QProcess* voice)
{
    voice->disconnect(this);
    connect(voice, &QProcess::finished, voice, &QObject::deleteLater);
    if (voice->state() == QProcess::NotRunning) {
        voice->deleteLater();
    } else {
        voice->kill();
    }
}

// Until a voice has been heard, a failure is taken to hold for good (no engine, no sound
// server): the caller goes silent at once. After that it is taken as passing, and only a run
// of them silences the caller.
void TVoices::Failed(const QString& reason)
{
    if (!m_HasSpoken || ++m_FailuresInARow >= kFailuresToGiveUp) {
        Fail(reason);
    }
}

namespace {

// A voice's reason, sent in English, in the program's language.
QString Translated(const QString& reason)
{
    static const QRegularExpression engine(QStringLiteral("^the speech engine \"(.*)\" is not "
                                                          "installed$"));
    if (const QRegularExpressionMatch named = engine.match(reason); named.hasMatch()) {
        return QCoreApplication::translate("Voice", "the speech engine \"%1\" is not installed")
            .arg(named.captured(1));
    }
    return QCoreApplication::translate("Voice", reason.toUtf8().constData());
}

} // namespace

void TVoices::Fail(const QString& reason)
{
    if (m_Failed) {
        return;
    }
    m_Failed = true;
    Stop();
    if (m_Spare != nullptr) {
        QProcess* voice = m_Spare;
        m_Spare = nullptr;
        Finish(voice);
    }
    m_Problem(Translated(reason));
}
