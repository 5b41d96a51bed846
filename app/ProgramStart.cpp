#include "app/ProgramStart.h"

#include "app/Language.h"
#include "app/Settings.h"
#include "store/StoreFile.h"
#include "ui/main/MainActions.h"
#include "ui/main/ToolIcons.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace {

void Report(const QString& line)
{
    std::fprintf(stderr, "vantorix: %s\n", qPrintable(line));
}

} // namespace

TProgramWindows::TProgramWindows() : TProgramWindows(TFormVTX::TContentsLater{})
{
    Main.BuildContents();
    Hint.BuildContents();
}

TProgramWindows::TProgramWindows(TFormVTX::TContentsLater later)
    : Main(Session, {Computer, Calls, Board}, later), Hint(TFormHint::TContentsLater{}, &Main)
{
    Main.SetNewGameDialog(&NewGame);
    Main.SetHintWindow(&Hint);
    // The competition played here reaches the room's standings page.
    QObject::connect(&Competitions, &TCompetitionLink::RoomCompetitionChanged, &Room,
                     [this] { Room.SetCompetition(Competitions.RoomJson()); });
    // A board's darts as they land reach the room's events stream too.
    QObject::connect(
        &Boards.Visit(), &TBoardVisit::DartsShown, &Room,
        [this](int side, const std::vector<TDart>& darts) { Room.BoardDarts(side, darts); });
}

bool LoadSettings(const QString& path, TProgramWindows& windows)
{
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()) {
        return false;
    }
    return LoadSettings(path, ReadSettingsFile(path), windows);
}

bool LoadSettings(const QString& path, const TSettingsRead& read, TProgramWindows& windows)
{
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()) {
        return false;
    }
    for (const QString& problem : read.Problems) {
        windows.Main.ShowNotice(
            QCoreApplication::translate("ProgramStart", "Settings file %1: %2").arg(path, problem));
    }
    windows.SetSettingsFileAside = !read.Problems.isEmpty() && QFileInfo(path).isFile();
    ApplySettings(read.Settings, windows.Main, windows.NewGame, windows.Hint);
    windows.Room.Apply(read.Settings);
    windows.Boards.Apply(read.Settings);
    windows.Competitions.Apply(read.Settings);
    if (read.RefusedRoomPort) {
        windows.Room.SetRefusedPort(*read.RefusedRoomPort);
    }
    windows.ChosenLanguage = read.Settings.Language.value_or(QString());
    for (QAction* action : windows.Main.Actions().LanguageActions) {
        action->setChecked(action->data().toString() == windows.ChosenLanguage);
    }
    return true;
}

bool CheckSettingsCanBeSaved(const QString& path, TProgramWindows& windows)
{
    const QFileInfo file(path);
    QString problem;
    if (file.isSymLink()) {
        problem = QCoreApplication::translate(
                      "ProgramStart", "it is a link to %1, and nothing is written through a link")
                      .arg(file.symLinkTarget());
    } else if (file.exists() && !file.isFile()) {
        problem =
            QCoreApplication::translate("ProgramStart", "something other than a file stands there");
    } else if (file.exists() ? !file.isWritable() : !QFileInfo(file.absolutePath()).isWritable()) {
        problem = QCoreApplication::translate("ProgramStart", "it is not writable");
    }
    if (problem.isEmpty()) {
        return true;
    }
    windows.Main.ShowNotice(
        QCoreApplication::translate("ProgramStart", "Settings cannot be saved to %1: %2.")
            .arg(path, problem));
    windows.SaveProblemShown = true;
    return false;
}

bool SaveSettings(const QString& path, TProgramWindows& windows)
{
    if (windows.SetSettingsFileAside) {
        // Never over one kept before: each broken file is kept under a name of its own.
        const QString aside = KeptAsidePath(path);
        if (QFileInfo(path).isFile() && !QFileInfo(path).isSymLink() &&
            QFile::rename(path, aside)) {
            Report(QCoreApplication::translate(
                       "ProgramStart", "the settings file that could not be used is kept as %1")
                       .arg(aside));
        }
        windows.SetSettingsFileAside = false;
    }
    QString error;
    TSettings settings = TakeSettings(windows.Main, windows.NewGame, windows.Hint);
    windows.Room.Take(settings);
    windows.Boards.Take(settings);
    windows.Competitions.Take(settings);
    if (!windows.ChosenLanguage.isEmpty()) {
        settings.Language = windows.ChosenLanguage;
    }
    if (!SaveSettingsFile(path, settings, &error)) {
        Report(QCoreApplication::translate("ProgramStart", "could not save the settings to %1: %2")
                   .arg(path, error));
        return false;
    }
    return true;
}

QString SettingsFilePath(const QStringList& arguments)
{
    const QString name = QString::fromLatin1(kSettingsFileName);
    if (!arguments.contains(QStringLiteral("--config-dir"))) {
        return name;
    }
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) {
        base = QDir::homePath() + QStringLiteral("/.config");
    }
    const QString folder = base + QStringLiteral("/vantorix");
    QDir().mkpath(folder); // a failure shows when the file cannot be saved there
    return folder + u'/' + name;
}

int RunProgram(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Vantorix"));
    QApplication::setApplicationVersion(QStringLiteral("1.06"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantorix.Vantorix"));

    // The language first: every window is made in it.
    const QString settingsPath = SettingsFilePath(QCoreApplication::arguments());
    const TSettingsRead read = ReadSettingsFile(settingsPath);
    const QString language = PickLanguage(read.Settings.Language.value_or(QString()));
    const bool translated = InstallLanguage(application, language);
    TProgramWindows windows(TFormVTX::TContentsLater{});
    LoadSettings(settingsPath, read, windows);
    if (!translated) {
        windows.Main.ShowNotice(
            QStringLiteral("The %1 translation could not be loaded").arg(language));
    }
    for (QAction* action : windows.Main.Actions().LanguageActions) {
        QObject::connect(action, &QAction::triggered, &windows.Main, [&windows, action] {
            windows.ChosenLanguage = action->data().toString();
            windows.Main.ShowNotice(QCoreApplication::translate(
                "Vantorix", "The language you chose is spoken from the next start."));
        });
    }
    CheckSettingsCanBeSaved(settingsPath, windows);
    QObject::connect(&windows.Main, &TFormVTX::Closing, &windows.Main, [&windows, settingsPath] {
        // Nobody reads standard error of a program started from the menu: a failure that
        // was not foreseen at start is said in a box before the window goes.
        if (!SaveSettings(settingsPath, windows) && !windows.SaveProblemShown) {
            QMessageBox::warning(&windows.Main, QStringLiteral("Vantorix"),
                                 QCoreApplication::translate(
                                     "ProgramStart", "The settings could not be saved to %1.")
                                     .arg(QFileInfo(settingsPath).absoluteFilePath()));
        }
    });
    // Under X11 the icon is drawn at six sizes for every window made after it is set: it comes
    // with the main window, once the dialog is on screen, and reaches the dialog then.
    windows.Main.WhenBuilt([] { QApplication::setWindowIcon(ApplicationIcon()); });

    // New Game runs as the first thing inside the event loop, so that choosing Exit in the
    // dialog ends the loop like any later close of the main window.
    QTimer::singleShot(0, &windows.Main, [&windows] { windows.Main.OpenNewGameFirst(); });
    return application.exec();
}
