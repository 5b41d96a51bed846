#include "app/SettingsFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

TSettings Everything()
{
    TSettings settings;
    settings.GameType = 3;
    settings.TwoPlayers = false;
    settings.Player1Name = QStringLiteral("Zoë <b>&amp;</b> \"Ann\"");
    settings.Player2Name = QStringLiteral("  Ben  ");
    settings.Player1Starts = false;
    settings.Hints = false;
    settings.MainTop = -20;
    settings.MainLeft = 1930;
    settings.MainWidth = 800;
    settings.MainHeight = 600;
    settings.MainViewState = 2;
    settings.QuickHintVisible = true;
    settings.QuickHintTop = 40;
    settings.QuickHintLeft = 50;
    return settings;
}

QByteArray Document(const QByteArray& newGame, const QByteArray& layout = {})
{
    return "<VTXSettings><NewGame>" + newGame + "</NewGame><Layout>" + layout +
           "</Layout></VTXSettings>";
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void RoundTripOfEveryField();
    void WrittenBytesInElementOrder();
    void BooleansInEveryAcceptedSpelling_data();
    void BooleansInEveryAcceptedSpelling();
    void EachElementIsReadOnItsOwn_data();
    void EachElementIsReadOnItsOwn();
    void NotXmlIsIgnoredAsAWhole_data();
    void NotXmlIsIgnoredAsAWhole();
    void ValuesBeforeAnXmlErrorAreKept_data();
    void ValuesBeforeAnXmlErrorAreKept();
    void ReadingIsLinearInTheNestingDepth();
    void OnlyARegularFileOfSaneSizeIsReadOrReplaced();
    void MatchLengthIsStoredAfterTheFormElements();
    void RoomSettingsAreStoredAfterTheOthers();
    void SidesPairsAndHandicapsOnlyWhenUsed();
    void ControlCharactersCannotSpoilTheFile();
    void FirstElementOfANameWinsAndOthersAreIgnored();
    void SavingReplacesTheFileOrLeavesItAlone();
};

void TestSettingsFile::RoundTripOfEveryField()
{
    const TSettings settings = Everything();
    const TSettingsRead read = ReadSettings(WriteSettings(settings));
    QVERIFY2(read.Problems.isEmpty(), qPrintable(read.Problems.join(u'\n')));
    QVERIFY(read.Settings == settings);
}

void TestSettingsFile::WrittenBytesInElementOrder()
{
    TSettings settings = Everything();
    settings.Player1Name = QStringLiteral("A<&>");
    settings.Player2Name = QString();
    QCOMPARE(
        WriteSettings(settings),
        QByteArray("<VTXSettings><NewGame><GameType>3</GameType><TwoPlayers>false</TwoPlayers>"
                   "<Player1Name>A&lt;&amp;&gt;</Player1Name><Player2Name></Player2Name>"
                   "<Player1Starts>false</Player1Starts></NewGame><Layout><Hints>false</Hints>"
                   "<Main><Top>-20</Top><Left>1930</Left><Width>800</Width><Height>600</Height>"
                   "<ViewState>2</ViewState></Main><QuickHint><Visible>true</Visible>"
                   "<Top>40</Top><Left>50</Left></QuickHint></Layout></VTXSettings>"));
}

void TestSettingsFile::BooleansInEveryAcceptedSpelling_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("value");
    QTest::newRow("true") << QByteArray("true") << true;
    QTest::newRow("TRUE") << QByteArray("TRUE") << true;
    QTest::newRow("False") << QByteArray("False") << false;
    QTest::newRow("1") << QByteArray("1") << true;
    QTest::newRow("0") << QByteArray("0") << false;
    QTest::newRow("-1") << QByteArray("-1") << true;
    QTest::newRow("padded") << QByteArray(" true\n") << true;
}

void TestSettingsFile::BooleansInEveryAcceptedSpelling()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, value);
    const TSettingsRead read =
        ReadSettings(Document("<TwoPlayers>" + text + "</TwoPlayers>",
                              "<QuickHint><Visible>" + text + "</Visible></QuickHint>"));
    QVERIFY(read.Problems.isEmpty());
    QCOMPARE(read.Settings.TwoPlayers, std::optional<bool>(value));
    QCOMPARE(read.Settings.QuickHintVisible, std::optional<bool>(value));
}

void TestSettingsFile::EachElementIsReadOnItsOwn_data()
{
    QTest::addColumn<QByteArray>("newGame");
    QTest::addColumn<int>("problems");
    QTest::newRow("missing game") << QByteArray("<TwoPlayers>false</TwoPlayers>") << 0;
    QTest::newRow("game not a number") << QByteArray("<GameType>five</GameType>"
                                                     "<TwoPlayers>false</TwoPlayers>")
                                       << 1;
    QTest::newRow("game above the list") << QByteArray("<GameType>15</GameType>"
                                                       "<TwoPlayers>false</TwoPlayers>")
                                         << 1;
    QTest::newRow("game below the list") << QByteArray("<GameType>-1</GameType>"
                                                       "<TwoPlayers>false</TwoPlayers>")
                                         << 1;
    QTest::newRow("game overflows") << QByteArray("<GameType>99999999999</GameType>"
                                                  "<TwoPlayers>false</TwoPlayers>")
                                    << 1;
    QTest::newRow("boolean not a boolean") << QByteArray("<GameType>x</GameType>"
                                                         "<TwoPlayers>false</TwoPlayers>"
                                                         "<Player1Starts>yes</Player1Starts>")
                                           << 2;
}

void TestSettingsFile::EachElementIsReadOnItsOwn()
{
    QFETCH(QByteArray, newGame);
    QFETCH(int, problems);
    const TSettingsRead read = ReadSettings(
        Document(newGame, "<Hints>false</Hints><Main><Width>x</Width><Height>700</Height></Main>"));
    QCOMPARE(read.Problems.size(), problems + 1); // the width as well
    QVERIFY(!read.Settings.GameType.has_value());
    QVERIFY(!read.Settings.Player1Starts.has_value());
    QVERIFY(!read.Settings.MainWidth.has_value());
    // Everything else is still taken.
    QCOMPARE(read.Settings.TwoPlayers, std::optional<bool>(false));
    QCOMPARE(read.Settings.Hints, std::optional<bool>(false));
    QCOMPARE(read.Settings.MainHeight, std::optional<int>(700));
    QVERIFY(!read.Settings.Player1Name.has_value());
}

void TestSettingsFile::NotXmlIsIgnoredAsAWhole_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("GameType=3\n");
    QTest::newRow("binary") << QByteArray("\x00\xFF\x10<\x01>", 6);
    QTest::newRow("cut short") << Document("<GameType>3</GameType>").left(40);
    QTest::newRow("other root") << QByteArray("<Settings><NewGame><GameType>3</GameType>"
                                              "</NewGame></Settings>");
}

void TestSettingsFile::NotXmlIsIgnoredAsAWhole()
{
    QFETCH(QByteArray, bytes);
    const TSettingsRead read = ReadSettings(bytes);
    QCOMPARE(read.Problems.size(), 1);
    QVERIFY(read.Settings == TSettings{});
}

void TestSettingsFile::ValuesBeforeAnXmlErrorAreKept_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<std::optional<bool>>("twoPlayers"); // read after the game type
    const QByteArray game = "<VTXSettings><NewGame><GameType>3</GameType>";
    QTest::newRow("stray element after the root")
        << Document("<GameType>3</GameType><TwoPlayers>0</TwoPlayers>") + "<VTXSettings/>"
        << std::optional<bool>(false);
    QTest::newRow("missing closing tag")
        << game + "<TwoPlayers>0</TwoPlayers></NewGame><Layout></VTXSettings>"
        << std::optional<bool>(false);
    QTest::newRow("character reference &#1;")
        << game + "<Player1Name>A&#1;</Player1Name><TwoPlayers>0</TwoPlayers>"
        << std::optional<bool>();
    QTest::newRow("cut short in a value") << game + "<TwoPlayers>fal" << std::optional<bool>();
}

void TestSettingsFile::ValuesBeforeAnXmlErrorAreKept()
{
    QFETCH(QByteArray, bytes);
    QFETCH(std::optional<bool>, twoPlayers);
    const TSettingsRead read = ReadSettings(bytes);
    QCOMPARE(read.Problems.size(), 1);
    QCOMPARE(read.Settings.GameType, std::optional<int>(3));
    QCOMPARE(read.Settings.TwoPlayers, twoPlayers);
    QVERIFY(!read.Settings.Player1Name.has_value()); // a value the error cut is not used
}

// A valid file nested deep took minutes when the element path was rebuilt for each element.
void TestSettingsFile::ReadingIsLinearInTheNestingDepth()
{
    const auto nested = [](int depth) {
        return "<VTXSettings><NewGame><GameType>2</GameType></NewGame>" +
               QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth) +
               "</VTXSettings>";
    };
    QElapsedTimer timer;
    qint64 times[2] = {};
    for (const int index : {0, 1}) {
        const QByteArray bytes = nested(100'000 * (index + 1));
        timer.start();
        const TSettingsRead read = ReadSettings(bytes);
        times[index] = std::max<qint64>(timer.elapsed(), 1);
        QCOMPARE(read.Settings.GameType, std::optional<int>(2));
    }
    qInfo("100,000 and 200,000 levels deep: %lld ms and %lld ms", times[0], times[1]);
    QVERIFY2(times[1] < 4 * times[0] + 50, "twice the depth must not take four times as long");
    QVERIFY(times[1] < 10'000);
}

void TestSettingsFile::OnlyARegularFileOfSaneSizeIsReadOrReplaced()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.xml"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    const QString zero = dir.filePath(QStringLiteral("zero.xml"));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString large = dir.filePath(QStringLiteral("large.xml"));
    {
        QFile file(large); // sparse: takes no room on disk
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(kMaxSettingsFileBytes + 1));
    }
    for (const QString& path : {fifo, zero, large, dir.path()}) {
        QElapsedTimer timer;
        timer.start();
        const TSettingsRead read = ReadSettingsFile(path);
        QVERIFY2(timer.elapsed() < 2000, qPrintable(path));
        QCOMPARE(read.Problems.size(), 1);
        QVERIFY(read.Settings == TSettings{});
    }
    QVERIFY(ReadSettingsFile(dir.filePath(QStringLiteral("none.xml"))).Problems.isEmpty());
    // Saving never writes through a FIFO or a device link, and leaves them as they are.
    QString error;
    QVERIFY(!SaveSettingsFile(fifo, Everything(), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!SaveSettingsFile(zero, Everything()));
    QVERIFY(QFileInfo(zero).isSymLink());
    QVERIFY(!QFileInfo(fifo).isFile());
}

void TestSettingsFile::MatchLengthIsStoredAfterTheFormElements()
{
    TSettings settings;
    settings.LegsToWin = 3;
    settings.SetsToWin = 2;
    const QByteArray bytes = WriteSettings(settings);
    QVERIFY(bytes.contains("<Player1Starts>true</Player1Starts><LegsToWin>3</LegsToWin>"
                           "<SetsToWin>2</SetsToWin></NewGame>"));
    const TSettings read = ReadSettings(bytes).Settings;
    QCOMPARE(read.LegsToWin, settings.LegsToWin);
    QCOMPARE(read.SetsToWin, settings.SetsToWin);
    // Not written for an open match, and a file without them reads as open.
    QVERIFY(!WriteSettings(TSettings{}).contains("ToWin"));
    const TSettingsRead bad = ReadSettings(Document("<LegsToWin>100</LegsToWin>"));
    QCOMPARE(bad.Problems.size(), 1);
    QVERIFY(!bad.Settings.LegsToWin.has_value());
}

void TestSettingsFile::RoomSettingsAreStoredAfterTheOthers()
{
    TSettings settings = Everything();
    settings.Caller = true;
    settings.BoardVisible = true;
    settings.BoardTop = -1080;
    settings.BoardLeft = 1920;
    settings.BoardWidth = 1280;
    settings.BoardHeight = 720;
    settings.BoardFullScreen = true;
    const QByteArray bytes = WriteSettings(settings);
    QVERIFY(bytes.endsWith(
        "<Left>50</Left></QuickHint><Board><Visible>true</Visible><Top>-1080</Top>"
        "<Left>1920</Left><Width>1280</Width><Height>720</Height><FullScreen>true</FullScreen>"
        "</Board></Layout><Caller>true</Caller></VTXSettings>"));
    const TSettingsRead read = ReadSettings(bytes);
    QVERIFY(read.Problems.isEmpty());
    QVERIFY(read.Settings == settings);
    // A silent program that never showed the board writes the file as before.
    settings.Caller = false;
    settings.BoardVisible.reset();
    const QByteArray plain = WriteSettings(settings);
    QVERIFY(!plain.contains("Caller") && !plain.contains("Board"));
}

void TestSettingsFile::SidesPairsAndHandicapsOnlyWhenUsed()
{
    TSettings settings = Everything();
    settings.SetsToWin = 2;
    settings.Players = 4;
    settings.MorePlayerNames[0] = QStringLiteral("Cleo");
    settings.Pairs = true;
    settings.ThrowerNames[0] = QStringLiteral("Anna");
    settings.ThrowerNames[15] = QStringLiteral("Pia");
    for (size_t side = 0; side < settings.StartScores.size(); ++side) {
        settings.StartScores[side] = 301 + static_cast<int>(side);
    }
    settings.ComputerAverages[1] = 60;
    settings.ComputerAverages[7] = 110;
    settings.ComputerPause = 250;
    settings.EnterDarts = true;
    settings.RoomOn = true;
    settings.RoomPort = 8406;
    settings.RoomBoardToken = QStringLiteral("b-123");
    settings.RoomKeypadToken = QStringLiteral("k_456");
    settings.RoomEventsToken = QStringLiteral("e-789");
    settings.Language = QStringLiteral("nl");
    settings.BoardsCamera = QStringLiteral("192.168.1.20:3180");
    settings.BoardsSoft = QString();
    settings.ClubDatabase = QStringLiteral("host=club.local dbname=darts");
    settings.ClubBoard = QStringLiteral("Board 2");
    const QByteArray bytes = WriteSettings(settings);
    QVERIFY(bytes.contains("<SetsToWin>2</SetsToWin><Players>4</Players>"
                           "<Player3Name>Cleo</Player3Name><Pairs>true</Pairs>"
                           "<Thrower1Name>Anna</Thrower1Name><Thrower16Name>Pia</Thrower16Name>"
                           "<StartScore1>301</StartScore1>"));
    QVERIFY(bytes.contains("<StartScore8>308</StartScore8><Computer2>60</Computer2>"
                           "<Computer8>110</Computer8><EnterDarts>true</EnterDarts></NewGame>"));
    QVERIFY(bytes.contains("<ComputerPause>250</ComputerPause><Room><On>true</On><Port>8406</Port>"
                           "<BoardToken>b-123</BoardToken><KeypadToken>k_456</KeypadToken>"
                           "<EventsToken>e-789</EventsToken></Room><Language>nl</Language>"
                           "<Boards><Camera>192.168.1.20:3180</Camera><Soft></Soft></Boards>"
                           "<Club><Database>host=club.local dbname=darts</Database>"
                           "<Board>Board 2</Board></Club></VTXSettings>"));
    const TSettingsRead read = ReadSettings(bytes);
    QVERIFY2(read.Problems.isEmpty(), qPrintable(read.Problems.join(u'\n')));
    QVERIFY(read.Settings == settings);
    // Two players, no pairs, no handicap: none of them is written.
    settings.Players = 2;
    settings.MorePlayerNames[0].reset();
    settings.Pairs = false;
    settings.ThrowerNames = {};
    settings.StartScores = {};
    settings.ComputerAverages = {};
    settings.ComputerPause.reset();
    settings.EnterDarts = false;
    settings.RoomOn.reset();
    settings.RoomPort.reset();
    settings.RoomBoardToken.reset();
    settings.RoomKeypadToken.reset();
    settings.RoomEventsToken.reset();
    settings.Language.reset();
    settings.BoardsCamera.reset();
    settings.BoardsSoft.reset();
    settings.ClubDatabase.reset();
    settings.ClubBoard.reset();
    const QByteArray plain = WriteSettings(settings);
    for (const char* element :
         {"<Players>", "<Player3", "<Pairs>", "<Thrower", "<StartScore", "<Computer", "<Enter",
          "<Room>", "<Language>", "<Boards>", "<Club>"}) {
        QVERIFY2(!plain.contains(element), element);
    }
    // Out of range, each on its own.
    const TSettingsRead bad =
        ReadSettings(Document("<Players>9</Players><StartScore2>1</StartScore2><Pairs>x</Pairs>"
                              "<Computer1>19</Computer1><Computer2>111</Computer2>"));
    QCOMPARE(bad.Problems.size(), 5);
    QVERIFY(!bad.Settings.Players && !bad.Settings.StartScores[1] && !bad.Settings.Pairs &&
            !bad.Settings.ComputerAverages[0] && !bad.Settings.ComputerAverages[1]);
}

void TestSettingsFile::ControlCharactersCannotSpoilTheFile()
{
    TSettings settings;
    settings.Player1Name = QStringLiteral("An\u0001na\u001B");
    const TSettingsRead read = ReadSettings(WriteSettings(settings));
    QVERIFY(read.Problems.isEmpty());
    QCOMPARE(read.Settings.Player1Name, std::optional<QString>(QStringLiteral("Anna")));
}

void TestSettingsFile::FirstElementOfANameWinsAndOthersAreIgnored()
{
    const TSettingsRead read = ReadSettings("<?xml version=\"1.0\"?>\n<VTXSettings>\n"
                                            "  <Extra><GameType>4</GameType></Extra>\n"
                                            "  <NewGame><GameType> 2 </GameType>"
                                            "<GameType>3</GameType><Player1Name/></NewGame>\n"
                                            "</VTXSettings>\n");
    QVERIFY(read.Problems.isEmpty());
    QCOMPARE(read.Settings.GameType, std::optional<int>(2));
    QCOMPARE(read.Settings.Player1Name, std::optional<QString>(QString()));
}

void TestSettingsFile::SavingReplacesTheFileOrLeavesItAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VTXSettings.xml"));
    QVERIFY(SaveSettingsFile(path, Everything()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), WriteSettings(Everything()));
    file.close();
    QVERIFY(SaveSettingsFile(path, TSettings{}));
    QVERIFY(ReadSettings([&] {
                QFile again(path);
                again.open(QIODevice::ReadOnly);
                return again.readAll();
            }())
                .Settings.GameType == 1);
    // A directory where the file should be: saving fails, says why, and leaves it.
    const QString blocked = dir.filePath(QStringLiteral("blocked.xml"));
    QVERIFY(QDir().mkdir(blocked));
    QString error;
    QVERIFY(!SaveSettingsFile(blocked, Everything(), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(blocked).isDir());
    // No temporary files are left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             QStringList{QStringLiteral("VTXSettings.xml")});
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "SettingsFileTest.moc"
