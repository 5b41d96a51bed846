#include "Caller.h"

#include <QCoreApplication>
#include <QProcess>

namespace {

// A voice that crashes now and then is tried again; one that keeps crashing is given up.
constexpr int kFailuresToGiveUp = 3;

} // namespace

TCaller::TCaller(QString program, QString engine, QObject* parent)
    : QObject(parent), m_Program(std::move(program)), m_Engine(std::move(engine))
{}

// The voices are this object's children: each is ended and reaped before it goes, so that
// none speaks on after the scoreboard or is left a zombie.
TCaller::~TCaller()
{
    for (QProcess* voice : findChildren<QProcess*>()) {
        voice->disconnect(this);
        voice->kill();
        voice->waitForFinished(1000);
    }
}

QString TCaller::DefaultProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/vantorix-voice");
}

void TCaller::SetEnabled(bool enabled)
{
    m_Enabled = enabled;
    if (!enabled) {
        EndAll();
    }
}

void TCaller::Prepare()
{
    if (m_Enabled && m_Spare == nullptr && !Silenced()) {
        StartSpare();
    }
}

void TCaller::Say(const QString& phrase)
{
    if (!m_Enabled || phrase.isEmpty() || Silenced()) {
        return;
    }
    Stop();
    if (m_Spare == nullptr) {
        StartSpare();
    }
    m_Speaking = m_Spare;
    m_Spare = nullptr;
    m_LastSpoken = phrase;
    // Written before the voice is up, the line waits in the pipe.
    m_Speaking->write(phrase.simplified().toUtf8() + '\n');
    m_Speaking->closeWriteChannel();
    StartSpare();
}

void TCaller::Stop()
{
    if (m_Speaking != nullptr) {
        QProcess* voice = m_Speaking;
        m_Speaking = nullptr;
        Finish(voice);
    }
}

void TCaller::StartSpare()
{
    auto* voice = new QProcess(this);
    voice->setProcessChannelMode(QProcess::SeparateChannels);
    voice->setStandardErrorFile(QProcess::nullDevice());
    connect(voice, &QProcess::readyReadStandardOutput, this, [this, voice] { ReadVoice(voice); });
    connect(voice, &QProcess::errorOccurred, this, [this, voice](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            Fail(QStringLiteral("the voice program %1 cannot be started").arg(m_Program));
        }
        if (voice != m_Spare && voice != m_Speaking) {
            voice->deleteLater();
        }
    });
    connect(voice, &QProcess::finished, this,
            [this, voice](int exitCode, QProcess::ExitStatus status) {
                const bool ours = voice == m_Spare || voice == m_Speaking;
                if (ours && (status == QProcess::CrashExit || exitCode != 0) &&
                    ++m_FailuresInARow >= kFailuresToGiveUp) {
                    Fail(QStringLiteral("the voice program keeps failing"));
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
    voice->start(m_Program, m_Engine.isEmpty() ? QStringList() : QStringList{m_Engine});
}

void TCaller::ReadVoice(QProcess* voice)
{
    while (voice->canReadLine()) {
        const QString line = QString::fromUtf8(voice->readLine()).trimmed();
        if (line.startsWith(QStringLiteral("error "))) {
            Fail(line.mid(6));
        } else if (line == u"done") {
            m_FailuresInARow = 0;
        }
    }
}

// Ends a voice without waiting for it: its finished signal deletes it.
void TCaller::Finish(QProcess* voice)
{
    voice->disconnect(this);
    connect(voice, &QProcess::finished, voice, &QObject::deleteLater);
    if (voice->state() == QProcess::NotRunning) {
        voice->deleteLater();
    } else {
        voice->kill();
    }
}

void TCaller::EndAll()
{
    Stop();
    if (m_Spare != nullptr) {
        QProcess* voice = m_Spare;
        m_Spare = nullptr;
        Finish(voice);
    }
}

void TCaller::Fail(const QString& reason)
{
    if (!m_Problem.isEmpty()) {
        return;
    }
    m_Problem = reason;
    EndAll();
    emit Problem(QStringLiteral("The caller is silent: %1.").arg(reason));
}
