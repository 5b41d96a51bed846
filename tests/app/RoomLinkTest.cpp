// The room on the network with the real windows and the real module, its pages played by
// WebSocket clients: a keypad's turns reach the desktop window and every page, refusals carry
// the desktop's reasons, and the tokens, limits, new codes and switching off hold.

#include "app/Language.h"
#include "app/ProgramStart.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/panels/PlayerPanel.h"
#include "words/Refusals.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWebSocket>
#include <random>

namespace {

// A page's socket and what it has been sent.
struct TPage
{
    explicit TPage(QString address)
    {
        QObject::connect(&Socket, &QWebSocket::textMessageReceived, &Socket,
                         [this](const QString& text) {
                             Messages << QJsonDocument::fromJson(text.toUtf8()).object();
                         });
        Socket.open(QUrl(address.replace(QStringLiteral("http:"), QStringLiteral("ws:"))));
    }
    bool Open()
    {
        return QTest::qWaitFor([this] { return Socket.isValid(); }, 5000);
    }
    // Sends `json` and waits for its reply; a request without "for" is sent for the version of
    // the last state this page was sent, as the page sends it.
    QJsonObject Send(const QByteArray& json)
    {
        QJsonObject request = QJsonDocument::fromJson(json).object();
        QByteArray sent = json;
        if (request.contains(QStringLiteral("op")) && !request.contains(QStringLiteral("for"))) {
            request.insert(QStringLiteral("for"), Version());
            sent = QJsonDocument(request).toJson(QJsonDocument::Compact);
        }
        return SendAsIs(sent);
    }
    QJsonObject SendAsIs(const QByteArray& json)
    {
        const qsizetype before = Replies().size();
        Socket.sendTextMessage(QString::fromUtf8(json));
        if (!QTest::qWaitFor([&] { return Replies().size() > before; }, 5000)) {
            return {};
        }
        return Replies().last();
    }
    QList<QJsonObject> Replies() const
    {
        QList<QJsonObject> replies;
        for (const QJsonObject& message : Messages) {
            if (message.value(QStringLiteral("type")).toString() == u"reply") {
                replies << message;
            }
        }
        return replies;
    }
    qint64 Version() const
    {
        for (qsizetype index = Messages.size(); index-- > 0;) {
            if (Messages[index].value(QStringLiteral("type")).toString() == u"state") {
                return Messages[index].value(QStringLiteral("version")).toInteger();
            }
        }
        return -1;
    }
    QString Remainder(int side) const
    {
        for (qsizetype index = Messages.size(); index-- > 0;) {
            if (Messages[index].value(QStringLiteral("type")).toString() == u"state") {
                return Messages[index]
                    .value(QStringLiteral("sides"))[side]
                    .toObject()
                    .value(QStringLiteral("remainder"))
                    .toString();
            }
        }
        return {};
    }

    QWebSocket Socket;
    QList<QJsonObject> Messages;
};

// The first line of the answer to a GET of `target`.
QByteArray StatusOf(quint16 port, const QByteArray& target)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(5000)) {
        return "not connected";
    }
    socket.write("GET " + target + " HTTP/1.1\r\nHost: x\r\n\r\n");
    if (!QTest::qWaitFor([&] { return socket.canReadLine(); }, 5000)) {
        return "no answer";
    }
    return socket.readLine().trimmed();
}

// A port for the room below the range the system hands connecting sockets (32768 on): a port
// from that range, found free, was once taken by another test's connection before the room
// bound it (the tests run side by side).
quint16 FreePort()
{
    static std::mt19937 random(std::random_device{}());
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const auto port =
            static_cast<quint16>(std::uniform_int_distribution<int>(20000, 29999)(random));
        QTcpServer server;
        if (server.listen(QHostAddress::Any, port)) {
            return port;
        }
    }
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

// The remainders the score list of `player` shows.
QStringList ListShown(const TFormVTX& window, int player)
{
    auto* list =
        window.findChild<QAbstractItemView*>(QStringLiteral("ListViewScores%1").arg(player));
    QStringList shown;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        for (int column = 0; column < list->model()->columnCount(); ++column) {
            shown << list->model()->index(row, column).data().toString();
        }
    }
    return shown;
}

// Every key of `object` and of the objects in it, by path ("keypad.side", "sides[].name").
QStringList KeyPaths(const QJsonObject& object, const QString& prefix = QString())
{
    QStringList paths;
    for (auto item = object.begin(); item != object.end(); ++item) {
        const QString path = prefix + item.key();
        paths << path;
        if (item->isObject()) {
            paths << KeyPaths(item->toObject(), path + u'.');
        } else if (item->isArray() && !item->toArray().isEmpty() &&
                   item->toArray().first().isObject()) {
            paths << KeyPaths(item->toArray().first().toObject(), path + QStringLiteral("[]."));
        }
    }
    return paths;
}

QString Local(QString address)
{
    const QUrl url(address);
    return address.replace(url.host(), QStringLiteral("127.0.0.1"));
}

} // namespace

class TestRoomLink : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void KeypadTurnsReachTheWindowAndEveryPage();
    void TokensLimitsNewCodesAndSwitchingOff();
    void TheKeypadWorksInEveryLanguage();

private:
    void Start(TProgramWindows& windows);
    std::unique_ptr<QTemporaryDir> m_Data;
    quint16 m_Port = 0;
};

void TestRoomLink::init()
{
    m_Data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_Data->path()));
    TRoomLink::SetModulePath(QStringLiteral(VTX_ROOM_MODULE));
}

void TestRoomLink::Start(TProgramWindows& windows)
{
    TSettings settings;
    windows.Room.Take(settings);
    QCOMPARE(settings, TSettings{}); // nothing is written before the room is used
    m_Port = FreePort();
    settings.RoomPort = m_Port;
    windows.Room.Apply(settings);
    AnswerNextDialog([](QDialog& dialog) { FillDialog(dialog, TGameChoice{}); },
                     QStringLiteral("ButtonStart"));
    windows.Main.findChild<QAction*>(QStringLiteral("ActionNew"))->trigger();
    windows.Main.findChild<QAction*>(QStringLiteral("ActionRoomNetwork"))->trigger();
    QVERIFY(windows.Room.IsOn());
}

void TestRoomLink::KeypadTurnsReachTheWindowAndEveryPage()
{
    TProgramWindows windows;
    Start(windows);
    TPage board(Local(windows.Room.BoardAddresses().first()));
    TPage keypad(Local(windows.Room.KeypadAddresses().first()));
    TPage second(Local(windows.Room.KeypadAddresses().first()));
    QVERIFY(board.Open() && keypad.Open() && second.Open());
    QTRY_COMPARE(windows.Main.findChild<QLabel*>(QStringLiteral("LabelRoomConnections"))->text(),
                 QStringLiteral("Room on the network: 1 board · 2 keypads"));
    QCOMPARE(board.Remainder(0), QStringLiteral("501"));

    QCOMPARE(keypad.Send(R"({"op":"turn","score":60,"id":4})").value(QStringLiteral("ok")), true);
    QVERIFY(ListShown(windows.Main, 1).contains(QStringLiteral("441")));
    QTRY_COMPARE(board.Remainder(0), QStringLiteral("441"));
    QTRY_COMPARE(second.Remainder(0), QStringLiteral("441"));

    // A refusal says what the desktop says, and changes nothing.
    const QJsonObject refused = keypad.Send(R"({"op":"turn","score":200})");
    QCOMPARE(refused.value(QStringLiteral("refused")).toString(),
             RefusalText({TRefusal::NotAScore, 200}));
    QCOMPARE(windows.Main.Game().CurrentLeg()->PlayerToThrow(), 1);
    // The board's token takes no turns.
    QVERIFY(board.Send(R"({"op":"turn","score":60})").contains(QStringLiteral("error")));
    QCOMPARE(windows.Main.Game().CurrentLeg()->PlayerToThrow(), 1);

    // Two keypads one after the other: the second is checked against the first.
    QCOMPARE(keypad.Send(R"({"op":"turn","score":100})").value(QStringLiteral("ok")), true);
    QTRY_COMPARE(second.Version(), keypad.Version());
    QCOMPARE(second.Send(R"({"op":"checkout","score":401,"darts":3})")
                 .value(QStringLiteral("refused"))
                 .toString(),
             QStringLiteral("401 does not finish the 441 left"));
    QVERIFY(ListShown(windows.Main, 2).contains(QStringLiteral("401")));

    // The operator undoes what a keypad did; every page follows.
    QVERIFY(windows.Main.findChild<QAction*>(QStringLiteral("ActionUndoThrow"))->isEnabled());
    windows.Main.findChild<QAction*>(QStringLiteral("ActionUndoThrow"))->trigger();
    QTRY_COMPARE(board.Remainder(1), QStringLiteral("501"));
    QTRY_COMPARE(second.Version(), board.Version());
    QCOMPARE(second.Send(R"({"op":"undo"})").value(QStringLiteral("ok")), true);
    QTRY_COMPARE(board.Remainder(0), QStringLiteral("501"));
    QCOMPARE(second.Send(R"({"op":"undo"})").value(QStringLiteral("refused")).toString(),
             QStringLiteral("There is no turn to take back"));

    // Two phones typing for Anna on the state both were sent: the first is Anna's, the second
    // is refused with who throws now, never stored for Ben; Enter tapped twice likewise.
    QTRY_COMPARE(keypad.Version(), second.Version());
    const qint64 version = keypad.Version();
    const QByteArray typed =
        R"({"op":"turn","score":%1,"for":)" + QByteArray::number(version) + "}";
    QCOMPARE(keypad.SendAsIs(QByteArray(typed).replace("%1", "60")).value(QStringLiteral("ok")),
             true);
    QCOMPARE(second.SendAsIs(QByteArray(typed).replace("%1", "45"))
                 .value(QStringLiteral("refused"))
                 .toString(),
             QStringLiteral("The match has moved on since this was typed: Ben is to throw now"));
    QVERIFY(
        keypad.SendAsIs(QByteArray(typed).replace("%1", "60")).contains(QStringLiteral("refused")));
    QCOMPARE(windows.Main.Game().CurrentLeg()->GetSheet(1)->EntryCount(), 1);
    QTRY_COMPARE(keypad.Version(), version + 1);
    QCOMPARE(
        keypad.SendAsIs(R"({"op":"turn","score":45})").value(QStringLiteral("refused")).toString(),
        QStringLiteral("This keypad page is out of date: load it again"));

    // Once the leg is won nobody throws: a checkout, a turn or darts from a keypad are refused.
    for (const auto& [player, score] : {std::pair{1, 180}, {0, 180}, {1, 180}, {0, 180}}) {
        QVERIFY(windows.Main.Session().Apply({TOperationKind::Turn, player, 0, score}));
    }
    QVERIFY(windows.Main.Session().Apply(
        {TOperationKind::Turn, 1, 0, CPlayerScores::kFinishingTurn, 3}));
    QTRY_COMPARE(keypad.Version(), version + 6); // the page has the won leg
    for (const char* request : {R"({"op":"checkout","score":81,"darts":2})",
                                R"({"op":"turn","score":60})", R"({"op":"darts","darts":"T20"})"}) {
        QCOMPARE(keypad.Send(request).value(QStringLiteral("refused")).toString(),
                 RefusalText({TRefusal::LegFinished}));
    }
}

void TestRoomLink::TokensLimitsNewCodesAndSwitchingOff()
{
    // A port the settings file holds that cannot be used is said when the room starts.
    for (const char* port : {"0", "-1", "70000", "eighty"}) {
        const TSettingsRead read = ReadSettings(QByteArray("<VTXSettings><Room><Port>") + port +
                                                "</Port></Room></VTXSettings>");
        QCOMPARE(read.RefusedRoomPort, std::optional<QString>(QString::fromLatin1(port)));
    }
    TProgramWindows windows;
    windows.Room.SetRefusedPort(QStringLiteral("70000"));
    Start(windows);
    QVERIFY(windows.Main.Notices().contains(
        QStringLiteral(
            "The room's port \"70000\" in the settings cannot be used (it must be 1 to 65535); the "
            "room is served on port %1")
            .arg(m_Port)));
    const QString keypadAddress = Local(windows.Room.KeypadAddresses().first());
    const QByteArray keypadToken = QUrl(keypadAddress).query().mid(2).toLatin1();
    // The token with its last character changed (tokens are random: never to itself).
    const QByteArray nearlyKeypad = keypadToken.left(31) + (keypadToken.endsWith('x') ? "y" : "x");
    const QByteArray boardToken =
        QUrl(windows.Room.BoardAddresses().first()).query().mid(2).toLatin1();
    QVERIFY(keypadToken.size() >= 32 && boardToken.size() >= 32 && keypadToken != boardToken);
    const QList<std::pair<QByteArray, QByteArray>> gets = {
        {"/keypad?t=" + keypadToken, "HTTP/1.1 200 OK"},
        {"/board?t=" + boardToken, "HTTP/1.1 200 OK"},
        {"/keypad", "HTTP/1.1 403 Forbidden"},
        {"/keypad?t=" + boardToken, "HTTP/1.1 403 Forbidden"},
        {"/board?t=" + keypadToken, "HTTP/1.1 403 Forbidden"},
        {"/keypad?t=" + nearlyKeypad, "HTTP/1.1 403 Forbidden"},
        {"/history?t=" + keypadToken, "HTTP/1.1 403 Forbidden"},
        {"/", "HTTP/1.1 403 Forbidden"},
    };
    for (const auto& [target, status] : gets) {
        QCOMPARE(StatusOf(m_Port, target), status);
    }
    TPage wrong(QStringLiteral("ws://127.0.0.1:%1/keypad?t=%2")
                    .arg(m_Port)
                    .arg(QString::fromLatin1(boardToken)));
    QTRY_COMPARE(wrong.Socket.state(), QAbstractSocket::UnconnectedState);
    QVERIFY(wrong.Messages.isEmpty());

    TPage keypad(keypadAddress);
    QVERIFY(keypad.Open());
    QVERIFY(keypad.Send("{not json").contains(QStringLiteral("error")));
    QVERIFY(keypad.Send(R"({"op":"turn","score":60,"pad":")" + QByteArray(5000, 'x') + "\"}")
                .value(QStringLiteral("error"))
                .toString()
                .contains(QStringLiteral("at most 4096 bytes")));
    // More than 20 messages within a second: the rest are dropped, with a reply that says so.
    for (int message = 0; message < 25; ++message) {
        keypad.Socket.sendTextMessage(QStringLiteral("{}"));
    }
    QTRY_VERIFY(keypad.Replies().size() >= 27);
    int dropped = 0;
    for (const QJsonObject& reply : keypad.Replies()) {
        dropped += reply.value(QStringLiteral("error")).toString().startsWith(u"Too many");
    }
    QVERIFY(dropped >= 5);
    QCOMPARE(windows.Main.Game().CurrentLeg()->GetSheet(0)->LastEntry()->Remainder, 501);

    // New codes shut out what was opened with the old ones.
    QSignalSpy closed(&keypad.Socket, &QWebSocket::disconnected);
    windows.Main.findChild<QPushButton*>(QStringLiteral("ButtonNewCodes"))->click();
    QTRY_COMPARE(closed.size(), 1);
    QCOMPARE(StatusOf(m_Port, "/keypad?t=" + keypadToken), QByteArray("HTTP/1.1 403 Forbidden"));
    TPage renewed(Local(windows.Room.KeypadAddresses().first()));
    QVERIFY(renewed.Open());

    // Switched off, every connection is closed at once and nothing more is served.
    QSignalSpy off(&renewed.Socket, &QWebSocket::disconnected);
    windows.Main.findChild<QAction*>(QStringLiteral("ActionRoomNetwork"))->trigger();
    QVERIFY(!windows.Room.IsOn());
    QTRY_COMPARE(off.size(), 1);
    QCOMPARE(StatusOf(m_Port, "/keypad"), QByteArray("not connected"));
    TSettings settings;
    windows.Room.Take(settings);
    QCOMPARE(settings.RoomOn, std::optional<bool>(false));
    QCOMPARE(settings.RoomPort, std::optional<int>(m_Port));
    QVERIFY(settings.RoomKeypadToken && settings.RoomKeypadToken->toLatin1() != keypadToken);
}

// Protocol keys are never translated: in every language the pages get the same keys, and a
// turn typed on the keypad is recorded. Counts take each language's plural (French: 0 tableau).
void TestRoomLink::TheKeypadWorksInEveryLanguage()
{
    const QMap<QString, std::pair<QString, QString>> counted = {
        {QStringLiteral("en"),
         {QStringLiteral("Room on the network: 0 boards · 1 keypad"),
          QStringLiteral("1-Dart Outshot")}},
        {QStringLiteral("de"),
         {QStringLiteral("Raum im Netzwerk: 0 Anzeigen · 1 Eingabe"),
          QStringLiteral("Finish mit 1 Dart")}},
        {QStringLiteral("nl"),
         {QStringLiteral("Zaal op het netwerk: 0 scoreborden · 1 toetsenblok"),
          QStringLiteral("Uitgooi met 1 dart")}},
        {QStringLiteral("fr"),
         {QStringLiteral("Salle sur le réseau : 0 tableau · 1 pavé"),
          QStringLiteral("Finish en 1 fléchette")}},
        {QStringLiteral("es"),
         {QStringLiteral("Sala en la red: 0 marcadores · 1 teclado"),
          QStringLiteral("Cierre con 1 dardo")}},
    };
    QStringList english;
    for (const QString& code : LanguageCodes()) {
        qDeleteAll(qApp->findChildren<QTranslator*>());
        QVERIFY(InstallLanguage(*qApp, code));
        TProgramWindows windows;
        Start(windows);
        TPage keypad(Local(windows.Room.KeypadAddresses().first()));
        QVERIFY(keypad.Open());
        QTRY_VERIFY(!keypad.Messages.isEmpty());
        QTRY_COMPARE(
            windows.Main.findChild<QLabel*>(QStringLiteral("LabelRoomConnections"))->text(),
            counted[code].first);
        QCOMPARE(windows.Main.findChild<QAction*>(QStringLiteral("ActionOutShot1"))->text(),
                 counted[code].second);
        const QStringList keys = KeyPaths(keypad.Messages.last());
        QVERIFY2(keys.contains(QStringLiteral("keypad.side")), qPrintable(code));
        if (code == u"en") {
            english = keys;
        }
        QCOMPARE(keys, english);
        QCOMPARE(keypad.Send(R"({"op":"turn","score":60})").value(QStringLiteral("ok")), true);
        QCOMPARE(windows.Main.Game().CurrentLeg()->GetSheet(0)->LastEntry()->Remainder, 441);
    }
    qDeleteAll(qApp->findChildren<QTranslator*>());
    QVERIFY(InstallLanguage(*qApp, QStringLiteral("en")));
}

QTEST_MAIN(TestRoomLink)
#include "RoomLinkTest.moc"
