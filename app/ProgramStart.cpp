#include "ProgramStart.h"

#include "Settings.h"
#include "ToolIcons.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

namespace {

void Report(const QString& line)
{
    std::fprintf(stderr, "vantorix: %s\n", qPrintable(line));
}

} // namespace

TProgramWindows::TProgramWindows()
{
    Main.SetNewGameDialog(&NewGame);
    Main.SetHintWindow(&Hint);
}

bool LoadSettings(const QString& path, TProgramWindows& windows)
{
    QFile file(path);
    if (!file.exists()) {
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        Report(QStringLiteral("cannot read %1 (%2); using the defaults")
                   .arg(path, file.errorString()));
        return true;
    }
    const TSettingsRead read = ReadSettings(file.readAll());
    for (const QString& problem : read.Problems) {
        Report(QStringLiteral("%1: %2").arg(path, problem));
    }
    ApplySettings(read.Settings, windows.Main, windows.NewGame, windows.Hint);
    return true;
}

bool SaveSettings(const QString& path, const TProgramWindows& windows)
{
    QString error;
    if (!SaveSettingsFile(path, TakeSettings(windows.Main, windows.NewGame, windows.Hint),
                          &error)) {
        Report(QStringLiteral("could not save the settings to %1: %2").arg(path, error));
        return false;
    }
    return true;
}

int RunProgram(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Vantorix"));
    QApplication::setApplicationVersion(QStringLiteral("1.06"));
    QApplication::setWindowIcon(ApplicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantorix.Vantorix"));

    TProgramWindows windows;
    const QString settingsPath = QString::fromLatin1(kSettingsFileName);
    LoadSettings(settingsPath, windows);
    QObject::connect(&windows.Main, &TFormVTX::Closing, &windows.Main,
                     [&windows, settingsPath] { SaveSettings(settingsPath, windows); });
    windows.Main.show();

    // New Game runs as the first thing inside the event loop, so that choosing Exit in the
    // dialog ends the loop like any later close of the main window.
    QTimer::singleShot(0, &windows.Main, [&windows] {
        if (auto* action = windows.Main.findChild<QAction*>(QStringLiteral("ActionNew"))) {
            action->trigger();
        }
    });
    return application.exec();
}
