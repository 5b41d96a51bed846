#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QThread;
class TVoices;

// The caller's voice. Phrases are spoken by separate voice processes (see TVoices), managed on
// a thread of the caller's own: the scoreboard's thread only hands a phrase over and never
// waits for the voice. Nothing is started before first use (switching on during a match, the
// first call): never while the program starts. When nothing can be spoken (no engine, no
// voice, no sound device, no voice program) the caller goes silent and says so once through
// Problem.
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
    // The language of the calls, "en" unless set ("de", "nl", "fr", "es"): spoken by a voice
    // of that language where the system has one, else in English. Set before the first call.
    void SetLanguage(const QString& code);
    // Speaks `phrase` when the caller is on and can speak, cutting short the phrase before
    // it; an empty phrase says nothing and leaves the voice as it is. `english` is the same call
    // in English, for a caller of another language that has no voice for it.
    void Say(const QString& phrase, const QString& english = {});
    void Stop();
    // Whether the caller has found that it cannot speak here.
    bool Silenced() const { return !m_Problem.isEmpty(); }
    // The last phrase handed to a voice.
    const QString& LastSpoken() const { return m_LastSpoken; }

signals:
    // Once, the first time speech is found impossible, in the operator's words.
    void Problem(const QString& text);

private:
    // Runs `work` on the voices' thread, starting it first when needed.
    void OnVoices(std::function<void(TVoices&)> work, bool start = true);
    void Silence(const QString& reason);

    QString m_Program;
    QString m_Engine;
    QString m_Language;
    QThread* m_Thread = nullptr;
    TVoices* m_Voices = nullptr; // lives on m_Thread
    QString m_Problem;
    QString m_LastSpoken;
    bool m_Enabled = false;
};
