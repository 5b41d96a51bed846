#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <unistd.h>

// Ends the process as soon as the first dialog has been shown and its first paint has run,
// so that a start-up measurement covers process start to "dialog on screen" and nothing after.
// With VTX_STARTUP_UNTIL=main it waits for the first paint of a main window instead: the whole
// start, the window behind the dialog included.
class TStartupProbe final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint &&
            (m_UntilMain ? qobject_cast<QMainWindow*>(watched) != nullptr
                         : qobject_cast<QDialog*>(watched) != nullptr)) {
            QTimer::singleShot(0, [] {
                // The CPU time to this moment (user and system, in microseconds), to the file
                // VTX_STARTUP_CPU names: finer than the shell's timing.
                if (const char* path = std::getenv("VTX_STARTUP_CPU")) {
                    rusage usage{};
                    getrusage(RUSAGE_SELF, &usage);
                    if (FILE* file = std::fopen(path, "w")) {
                        std::fprintf(
                            file, "%lld\n",
                            static_cast<long long>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) *
                                    1000000 +
                                usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
                        std::fclose(file);
                    }
                }
                std::fflush(stdout);
                _exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const bool m_UntilMain = qgetenv("VTX_STARTUP_UNTIL") == "main";
};
