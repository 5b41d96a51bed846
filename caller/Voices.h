#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QProcess;
class QTimer;

// The voice processes behind the caller, run on a thread of their own: starting a process
// copies the scoreboard's memory map, which would otherwise cost the turn it calls a few
// milliseconds. Each phrase is spoken by its own vantorix-voice process, one of which is kept
// started and waiting; a new phrase ends the one still speaking.
class TVoices final : public QObject
{
public:
    // `problem` is called (on this object's thread) once nothing can be spoken any more.
    // `language`: the calls' language, empty for English.
    TVoices(QString program, QString engine, QString language,
            std::function<void(const QString&)> problem);
    ~TVoices() override;

    void Prepare();
    void Say(const QString& phrase);
    void Stop();
    // Ends every voice, the spare too, and waits until they are gone.
    void EndAll();

private:
    void SayNow(const QString& phrase);
    void StartSpare();
    void Finish(QProcess* voice);
    void ReadVoice(QProcess* voice);
    void Failed(const QString& reason);
    void Fail(const QString& reason);

    QString m_Program;
    QString m_Engine;
    QString m_Language;
    std::function<void(const QString&)> m_Problem;
    QProcess* m_Spare = nullptr;    // started, waiting for its phrase
    QProcess* m_Speaking = nullptr; // handed a phrase
    QTimer* m_Delay = nullptr;
    QString m_Pending; // the phrase to hand over when m_Delay runs out
    int m_FailuresInARow = 0;
    bool m_HasSpoken = false;
    bool m_Failed = false;
};
