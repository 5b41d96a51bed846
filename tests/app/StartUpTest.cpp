// The start sequence with and without a settings file, driven in-process and offscreen.

#include "app/ProgramStart.h"
#include "app/Settings.h"
#include "caller/Caller.h"
#include "ui/board/BoardWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs the whole program in `directory`; `whenDialogShown` sees the windows when the New Game
// dialog is up and the main window shown behind it, then Exit is clicked. Returns the program's
// exit code.
int RunWithDialog(const QString& directory, const std::function<void(QWidget&)>& whenDialogShown)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(directory);
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || modal->parentWidget() == nullptr ||
            !modal->parentWidget()->isVisible()) {
            return;
        }
        poll.stop();
        whenDialogShown(*modal);
        modal->findChild<QPushButton*>(QStringLiteral("ButtonExit"))->click();
    });
    poll.start();
    const int code = RunProgram(*qApp);
    QDir::setCurrent(previous);
    return code;
}

} // namespace

class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void WithoutAFileTheFormDefaultsHoldAndNewGameComesFirst();
    void AFileSetsDialogHintsPlacementAndHintWindow();
    void MaximizedKeepsThePlaceAsItIs();
    void PlacesOffEveryScreenComeBack();
    void AHiddenHintWindowIsStillPlaced();
    void AnUnwritableFileStillLetsTheProgramClose();
    void AnUnreadableFileIsReportedAndSkipped();
    void SizesBeyondTheScreenAreFitted_data();
    void SizesBeyondTheScreenAreFitted();
    void AHintWindowNeverShownOpensAndIsSavedCentred();
    void ABrokenFileIsShownKeptAsBadAndItsValuesUsed();
    void AOnePlayerFileKeepsWhoStarts();
    void TheMenuEntryKeepsSettingsInTheConfigFolder();
    void TheBoardAndTheCallerComeBackAsTheyWere();
};

// What the start shows, in order: the dialog's first paint, then the main window (made then).
class TStartOrder final : public QObject
{
public:
    QStringList Seen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QString name = watched->objectName();
        if (event->type() == QEvent::Show && (name == "NewGameDialog" || name == "FormVTX")) {
            Seen.append(name + " shown");
        } else if (event->type() == QEvent::Paint && name == "NewGameDialog" &&
                   !Seen.contains("NewGameDialog painted")) {
            Seen.append(name + " painted");
            const auto* main = qobject_cast<const TFormVTX*>(watched->parent());
            Seen.append(main != nullptr && main->ContentsBuilt() ? "FormVTX made"
                                                                 : "FormVTX not made yet");
        }
        return false;
    }
};

void TestStartUp::WithoutAFileTheFormDefaultsHoldAndNewGameComesFirst()
{
    QTemporaryDir dir;
    bool sawDialog = false;
    TNewGameChoices shown;
    bool hintsShown = false;
    bool dialogKeepsTheKeyboard = false;
    TStartOrder order;
    qApp->installEventFilter(&order);
    const int code = RunWithDialog(dir.path(), [&](QWidget& modal) {
        auto* dialog = qobject_cast<TNewGameDialog*>(&modal);
        sawDialog = dialog != nullptr;
        if (dialog != nullptr) {
            shown = dialog->Choices();
            auto* main = qobject_cast<TFormVTX*>(dialog->parentWidget());
            hintsShown = main != nullptr && main->HintsShown();
            dialogKeepsTheKeyboard = QApplication::activeWindow() == dialog;
        }
    });
    qApp->removeEventFilter(&order);
    QCOMPARE(code, 0);
    QVERIFY(sawDialog);
    // The dialog is on screen before anything of the main window is made or shown.
    QCOMPARE(order.Seen.mid(0, 4), QStringList({"NewGameDialog shown", "NewGameDialog painted",
                                                "FormVTX not made yet", "FormVTX shown"}));
    QVERIFY(dialogKeepsTheKeyboard);
    QVERIFY(hintsShown);
    QCOMPARE(shown.GameType, 1);
    QVERIFY(shown.TwoPlayers);
    QVERIFY(shown.Player1Starts);
    QCOMPARE(shown.Player1Name, QString());
    // Exit closed the main window, which wrote the file.
    const TSettingsRead saved =
        ReadSettings(ReadFile(dir.filePath(QStringLiteral("VTXSettings.xml"))));
    QVERIFY(saved.Problems.isEmpty());
    QCOMPARE(saved.Settings.GameType, std::optional<int>(1));
    QCOMPARE(saved.Settings.MainWidth, std::optional<int>(669));
    QCOMPARE(saved.Settings.QuickHintVisible, std::optional<bool>(false));
}

void TestStartUp::AFileSetsDialogHintsPlacementAndHintWindow()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VTXSettings.xml"));
    TSettings stored;
    stored.GameType = 3;
    stored.TwoPlayers = true;
    stored.Player1Name = QStringLiteral("Cy");
    stored.Player2Name = QStringLiteral("Di");
    stored.Player1Starts = false;
    stored.Hints = false;
    stored.MainTop = 20;
    stored.MainLeft = 30;
    stored.MainWidth = 700;
    stored.MainHeight = 400;
    stored.MainViewState = kViewNormal;
    stored.QuickHintVisible = true;
    stored.QuickHintTop = 200;
    stored.QuickHintLeft = 210;
    QVERIFY(SaveSettingsFile(path, stored));

    TProgramWindows windows;
    QVERIFY(LoadSettings(path, windows));
    const TNewGameChoices choices = windows.NewGame.Choices();
    QCOMPARE(choices.GameType, 3);
    QCOMPARE(choices.Player1Name, QStringLiteral("Cy"));
    QCOMPARE(choices.Player2Name, QStringLiteral("Di"));
    QVERIFY(!choices.Player1Starts);
    QVERIFY(!windows.Main.HintsShown());
    QVERIFY(!windows.Main.findChild<QAction*>(QStringLiteral("ActionHints"))->isChecked());
    windows.Main.show();
    QVERIFY(!windows.Main.findChild<QListWidget*>(QStringLiteral("ListBoxHints1"))->isVisible());
    QCOMPARE(windows.Main.pos(), QPoint(30, 20));
    QCOMPARE(windows.Main.size(), QSize(700, 400));
    QVERIFY(windows.Hint.isVisible());
    QCOMPARE(windows.Hint.pos(), QPoint(210, 200));
    // What is saved again is what was loaded.
    QVERIFY(TakeSettings(windows.Main, windows.NewGame, windows.Hint) == stored);
}

void TestStartUp::MaximizedKeepsThePlaceAsItIs()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VTXSettings.xml"));
    WriteFile(path, "<VTXSettings><Layout><Main><Top>5</Top><Left>6</Left><Width>900</Width>"
                    "<Height>700</Height><ViewState>2</ViewState></Main></Layout></VTXSettings>");
    TProgramWindows windows;
    const QSize before = windows.Main.size();
    const QPoint place = windows.Main.pos();
    QVERIFY(LoadSettings(path, windows));
    QVERIFY(windows.Main.windowState() & Qt::WindowMaximized);
    QCOMPARE(windows.Main.size(), before);
    QCOMPARE(windows.Main.pos(), place);
}

void TestStartUp::PlacesOffEveryScreenComeBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VTXSettings.xml"));
    WriteFile(path, "<VTXSettings><Layout><Main><Top>-5000</Top><Left>99999</Left>"
                    "<Width>100</Width><Height>50</Height><ViewState>0</ViewState></Main>"
                    "<QuickHint><Visible>false</Visible><Top>4000</Top><Left>-4000</Left>"
                    "</QuickHint></Layout></VTXSettings>");
    TProgramWindows windows;
    QVERIFY(LoadSettings(path, windows));
    QCOMPARE(windows.Main.size(), windows.Main.minimumSize());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(screen.contains(windows.Main.pos()));
    QVERIFY(screen.contains(windows.Hint.pos()));
}

void TestStartUp::AHiddenHintWindowIsStillPlaced()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VTXSettings.xml"));
    WriteFile(path, "<VTXSettings><Layout><QuickHint><Visible>0</Visible><Top>120</Top>"
                    "<Left>130</Left></QuickHint></Layout></VTXSettings>");
    TProgramWindows windows;
    QVERIFY(LoadSettings(path, windows));
    QVERIFY(!windows.Hint.isVisible());
    QCOMPARE(windows.Hint.pos(), QPoint(130, 120));
}

void TestStartUp::AnUnwritableFileStillLetsTheProgramClose()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("VTXSettings.xml")));
    bool sawDialog = false;
    const int code = RunWithDialog(dir.path(), [&](QWidget&) { sawDialog = true; });
    QVERIFY(sawDialog);
    QCOMPARE(code, 0);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("VTXSettings.xml"))).isDir());
}

void TestStartUp::AnUnreadableFileIsReportedAndSkipped()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VTXSettings.xml"));
    WriteFile(path, "this is not a settings file");
    TProgramWindows windows;
    QVERIFY(LoadSettings(path, windows));
    QCOMPARE(windows.NewGame.Choices().GameType, -1); // the form's own default
    QVERIFY(windows.Main.HintsShown());
    QCOMPARE(windows.Main.size(), QSize(669, 570));
}

void TestStartUp::SizesBeyondTheScreenAreFitted_data()
{
    QTest::addColumn<QByteArray>("main");
    QTest::newRow("100000 square") << QByteArray("<Top>10</Top><Left>10</Left>"
                                                 "<Width>100000</Width><Height>100000</Height>");
    QTest::newRow("larger than the screen")
        << QByteArray("<Top>0</Top><Left>0</Left>"
                      "<Width>3000</Width><Height>2500</Height>");
    QTest::newRow("at the int limit") << QByteArray("<Top>2147483647</Top><Left>2147483647</Left>"
                                                    "<Width>800</Width><Height>600</Height>");
    QTest::newRow("hanging over the edge") << QByteArray("<Top>900</Top><Left>1000</Left>"
                                                         "<Width>800</Width><Height>600</Height>");
}

void TestStartUp::SizesBeyondTheScreenAreFitted()
{
    QFETCH(QByteArray, main);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VTXSettings.xml"));
    WriteFile(path, "<VTXSettings><Layout><Main>" + main + "</Main></Layout></VTXSettings>");
    TProgramWindows windows;
    QVERIFY(LoadSettings(path, windows));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(QRect(windows.Main.pos(), windows.Main.size())),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(windows.Main.x())
                            .arg(windows.Main.y())
                            .arg(windows.Main.width())
                            .arg(windows.Main.height())));
}

void TestStartUp::AHintWindowNeverShownOpensAndIsSavedCentred()
{
    TProgramWindows windows;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint saved(*TakeSettings(windows.Main, windows.NewGame, windows.Hint).QuickHintLeft,
                       *TakeSettings(windows.Main, windows.NewGame, windows.Hint).QuickHintTop);
    QCOMPARE(QRect(saved, windows.Hint.size()).center(), screen.center());
    windows.Hint.show();
    QCOMPARE(windows.Hint.pos(), saved);
    QCOMPARE(windows.Hint.size(), QSize(239, 196)); // fixed: nothing to remember
    QCOMPARE(windows.Hint.minimumSize(), windows.Hint.maximumSize());
}

void TestStartUp::ABrokenFileIsShownKeptAsBadAndItsValuesUsed()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VTXSettings.xml"));
    const QByteArray broken = "<VTXSettings><NewGame><GameType>3</GameType><TwoPlayers>";
    WriteFile(path, broken);
    WriteFile(path + QStringLiteral(".bad"), "an older one");
    TProgramWindows windows;
    QVERIFY(LoadSettings(path, windows));
    QCOMPARE(windows.NewGame.Choices().GameType, 3);
    QVERIFY(windows.Main.Notices().join(u'\n').contains(QStringLiteral("Settings file ") + path));
    QVERIFY(windows.Main.findChild<QWidget*>(QStringLiteral("PanelNotice"))
                ->isVisibleTo(&windows.Main));
    QVERIFY(SaveSettings(path, windows));
    // The one kept before stays; this one is kept beside it.
    QCOMPARE(ReadFile(path + QStringLiteral(".bad")), QByteArray("an older one"));
    QCOMPARE(ReadFile(path + QStringLiteral(".bad.1")), broken);
    QVERIFY(ReadSettings(ReadFile(path)).Problems.isEmpty());
    // Set aside once: the next save only replaces the file.
    QVERIFY(SaveSettings(path, windows));
    QCOMPARE(ReadFile(path + QStringLiteral(".bad.1")), broken);
    // A settings file that is a link is never written through: the target stays as it was.
    const QString target = dir.filePath(QStringLiteral("someone-else.xml"));
    WriteFile(target, "theirs");
    QVERIFY(QFile::remove(path) && QFile::link(target, path));
    QVERIFY(!CheckSettingsCanBeSaved(path, windows));
    QVERIFY(windows.Main.Notices().join(u'\n').contains(QStringLiteral("is a link")));
    QVERIFY(!SaveSettings(path, windows));
    QCOMPARE(ReadFile(target), QByteArray("theirs"));
}

void TestStartUp::AOnePlayerFileKeepsWhoStarts()
{
    TProgramWindows windows;
    TSettings stored;
    stored.TwoPlayers = false;
    stored.Player1Starts = false;
    ApplySettings(stored, windows.Main, windows.NewGame, windows.Hint);
    QCOMPARE(TakeSettings(windows.Main, windows.NewGame, windows.Hint).Player1Starts,
             std::optional<bool>(false));
    const TGameParams params = windows.NewGame.GameParams();
    QCOMPARE(params.PlayerCount, 1);
    QCOMPARE(params.FirstPlayer, 0);
}

void TestStartUp::TheMenuEntryKeepsSettingsInTheConfigFolder()
{
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    QCOMPARE(SettingsFilePath({QStringLiteral("vantorix")}), QStringLiteral("VTXSettings.xml"));
    const QString path =
        SettingsFilePath({QStringLiteral("vantorix"), QStringLiteral("--config-dir")});
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(path, dir.filePath(QStringLiteral("vantorix/VTXSettings.xml")));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("vantorix"))).isDir());
    // A place that cannot be written is said at start, not only when the program closes.
    TProgramWindows windows;
    QVERIFY(CheckSettingsCanBeSaved(path, windows));
    QVERIFY(!CheckSettingsCanBeSaved(dir.path(), windows));
    QVERIFY(windows.SaveProblemShown);
    QCOMPARE(windows.Main.Notices().size(), 2); // the missing table of the test, and this
}

void TestStartUp::TheBoardAndTheCallerComeBackAsTheyWere()
{
    TSettings saved;
    {
        TProgramWindows windows;
        QVERIFY(!windows.Main.CallerOn()); // a fresh start is silent, with no board
        QVERIFY(windows.Main.BoardWindow() == nullptr);
        TSettings file;
        file.Caller = true;
        file.BoardVisible = true;
        file.BoardLeft = 30;
        file.BoardTop = 40;
        file.BoardWidth = 700;
        file.BoardHeight = 400;
        ApplySettings(file, windows.Main, windows.NewGame, windows.Hint);
        QVERIFY(windows.Main.CallerOn());
        TFormBoard* board = windows.Main.BoardWindow();
        QVERIFY(board != nullptr && board->isVisible());
        QCOMPARE(QRect(board->pos(), board->size()), QRect(30, 40, 700, 400));
        board->ToggleFullScreen();
        QVERIFY(QTest::qWaitFor([board] { return board->isFullScreen(); }));
        saved = TakeSettings(windows.Main, windows.NewGame, windows.Hint);
    }
    QCOMPARE(saved.Caller, std::optional<bool>(true));
    QCOMPARE(saved.BoardFullScreen, std::optional<bool>(true));
    QCOMPARE(QRect(*saved.BoardLeft, *saved.BoardTop, *saved.BoardWidth, *saved.BoardHeight),
             QRect(30, 40, 700, 400)); // the place it leaves full screen for
    TProgramWindows again;
    saved.BoardVisible = false;
    ApplySettings(saved, again.Main, again.NewGame, again.Hint);
    QVERIFY(again.Main.BoardWindow() != nullptr && !again.Main.BoardWindow()->isVisible());
    QVERIFY(again.Main.CallerOn() && again.Main.Caller().Enabled());

    // The program's own start brings the board and the hint window back with the main window,
    // after the dialog, which keeps the keyboard.
    QTemporaryDir dir;
    saved.BoardVisible = true;
    saved.BoardFullScreen = false;
    saved.QuickHintVisible = true;
    QVERIFY(SaveSettingsFile(dir.filePath(QStringLiteral("VTXSettings.xml")), saved, nullptr));
    bool boardAndHintBack = false;
    bool dialogActive = false;
    QCOMPARE(RunWithDialog(dir.path(),
                           [&](QWidget& modal) {
                               auto* main = qobject_cast<TFormVTX*>(modal.parentWidget());
                               const auto* hint = main->findChild<QWidget*>("FormHint");
                               boardAndHintBack = main->BoardWindow() != nullptr &&
                                                  main->BoardWindow()->isVisible() &&
                                                  hint != nullptr && hint->isVisible();
                               dialogActive = QApplication::activeWindow() == &modal;
                           }),
             0);
    QVERIFY(boardAndHintBack);
    QVERIFY(dialogActive);
}

QTEST_MAIN(TestStartUp)
#include "StartUpTest.moc"
