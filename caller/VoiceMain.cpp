// vantorix-voice: speaks one phrase and exits. The scoreboard keeps one of these started and
// waiting, hands it a phrase, and ends it to cut a call short; a fault of the sound system can
// then never stop or hang the scoreboard, and a cut-short call never spoils the next one.
//
//   vantorix-voice [ENGINE [LANGUAGE]]
// Without ENGINE (or with "" or "flite") the phrase is spoken straight to the sound server: in
// LANGUAGE ("de", "nl", "fr", "es") by espeak-ng's voice for it when there is one, else in
// English by flite's voice. Another engine is reached through Qt's text-to-speech plugins and
// speaks English. The phrase line holds the phrase in LANGUAGE and in English (see PhrasePart).
// On standard output, one line each: "voice <language>" for the language the voice speaks (for
// the built-in voices); "ready" once the engine is made; "speaking" when sound
// begins; "done" when the phrase has been spoken; "cut" when the sound broke off after it began;
// "error <reason>" when nothing can be spoken here (then the exit code is 3). The phrase is the
// first line read from standard input; end of input without one ends the program quietly.

#include "caller/EspeakVoice.h"
#include "caller/FliteVoice.h"
#include "caller/VoiceProtocol.h"
#include "caller/VoiceSound.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextToSpeech>
#include <QTimer>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// After the engine says it is done, the sound server still holds the end of the phrase.
constexpr int kLingerMilliseconds = 250;
// No phrase is this long; a voice that never finishes must not live on.
constexpr int kLongestCallMilliseconds = 30000;

[[noreturn]] void Refuse(const QString& reason)
{
    ::Refuse(reason.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2 || QByteArray(argv[1]).isEmpty() || QByteArray(argv[1]) == "flite") {
        const QByteArray language = argc > 2 ? QByteArray(argv[2]) : QByteArray("en");
        if (language != "en" && TakeEspeakVoice(language.constData())) {
            return RunEspeakVoice(language.constData());
        }
        return RunFliteVoice(language == "en" ? 0 : 1);
    }
    // The sound server's default buffer is about two seconds; the engine of Qt 6.4 ends a
    // phrase before that buffer has played, which loses most of a short call.
    if (qEnvironmentVariableIsEmpty("PULSE_LATENCY_MSEC")) {
        qputenv("PULSE_LATENCY_MSEC", "30");
    }
    QCoreApplication application(argc, argv);
    const QString engine = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QStringList engines = QTextToSpeech::availableEngines();
    if (engine.isEmpty() ? engines.isEmpty() : !engines.contains(engine)) {
        // The reasons go to the program in English; it shows them in its language.
        Refuse(engine.isEmpty()
                   ? QStringLiteral(QT_TRANSLATE_NOOP("Voice", "no speech engine is "
                                                               "installed"))
                   : QStringLiteral(
                         QT_TRANSLATE_NOOP("Voice", "the speech engine \"%1\" is not installed"))
                         .arg(engine));
    }
    QTextToSpeech speech(engine.isEmpty() ? engines.first() : engine);
    if (speech.state() == QTextToSpeech::Error) {
        Refuse(QStringLiteral(QT_TRANSLATE_NOOP("Voice", "the speech engine cannot be used")));
    }
    if (speech.availableVoices().isEmpty()) {
        Refuse(QStringLiteral(QT_TRANSLATE_NOOP("Voice", "the speech engine has no voice")));
    }
    bool spoke = false;
    QObject::connect(
        &speech, &QTextToSpeech::stateChanged, &application, [&](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Error) {
                // Once sound has begun, an error is a fault of this phrase (the
                // sound server ran dry under load), not of the sound system.
                if (spoke) {
                    Say("cut");
                    std::_Exit(0);
                }
                Refuse(
                    QStringLiteral(QT_TRANSLATE_NOOP("Voice", "no sound device can be reached")));
            }
            if (state == QTextToSpeech::Speaking) {
                spoke = true;
                Say("speaking");
            } else if (state == QTextToSpeech::Ready && spoke) {
                QTimer::singleShot(kLingerMilliseconds, &application, [] {
                    Say("done");
                    QCoreApplication::quit();
                });
            }
        });
    Say("ready");

    std::string line;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &application, [&] {
        char buffer[512];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            input.setEnabled(false);
            if (line.empty()) {
                QCoreApplication::quit(); // the scoreboard let this voice go unused
            }
            return;
        }
        line.append(buffer, static_cast<size_t>(count));
        const size_t end = line.find('\n');
        if (end == std::string::npos) {
            return;
        }
        input.setEnabled(false);
        line.resize(end);
        speech.say(QString::fromStdString(PhrasePart(line, 1)));
        QTimer::singleShot(kLongestCallMilliseconds, &application, &QCoreApplication::quit);
    });
    return application.exec();
}
