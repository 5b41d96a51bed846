#pragma once

#include <QObject>
#include <QString>

class QProcess;

// The caller's voice. Each phrase is spoken by its own voice process (vantorix-voice), one of
// which is kept started and waiting so that a call begins at once; a new phrase ends the
// process still speaking, so the voice never lags behind play. Nothing here waits for the
// voice: the scoreboard's thread only starts processes and writes a line. The first voice is
// started on first use, never while the program starts. When nothing can be spoken (no
// engine, no voice, no sound device, no voice program) the caller goes silent and says so
// once through Problem.
class TCaller final : public QObject
{
    Q_OBJECT

public:
    // `program`: the voice program; `engine`: the speech engine it is to use, empty for the
    // system's default.
    explicit TCaller(QString program, QString engine = {}, QObject* parent = nullptr);
    ~TCaller() override;

    // The voice program beside the running executable.
    static QString DefaultProgram();

    bool Enabled() const { return m_Enabled; }
    // Switched off, a phrase still being spoken stops.
    void SetEnabled(bool enabled);
    // Starts a waiting voice now if the caller is on, so that the first call need not wait.
    void Prepare();
    // Speaks `phrase` when the caller is on and can speak, cutting short the phrase before
    // it; an empty phrase says nothing and leaves the voice as it is.
    void Say(const QString& phrase);
    void Stop();
    // Whether the caller has found that it cannot speak here.
    bool Silenced() const { return !m_Problem.isEmpty(); }
    // The last phrase handed to a voice.
    const QString& LastSpoken() const { return m_LastSpoken; }

signals:
    // Once, the first time speech is found impossible, in the operator's words.
    void Problem(const QString& text);

private:
    void StartSpare();
    void Finish(QProcess* voice);
    void ReadVoice(QProcess* voice);
    void Fail(const QString& reason);
    void EndAll();

    QString m_Program;
    QString m_Engine;
    QProcess* m_Spare = nullptr;    // started, waiting for its phrase
    QProcess* m_Speaking = nullptr; // handed a phrase
    QString m_Problem;
    QString m_LastSpoken;
    int m_FailuresInARow = 0;
    bool m_Enabled = false;
};
