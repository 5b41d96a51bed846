// The Scoring Boards dialog driven by its controls: Test reads the next dart from a stand-in
// camera service and enters nothing, Search ends with what it found or why it could not run,
// OK keeps the board (and New Game then enters darts), Cancel keeps what was set, and an
// address that is none is said in the notice strip.

#include "app/ProgramStart.h"
#include "boards/CameraMessages.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QWebSocket>
#include <QWebSocketServer>

class TestBoardLink final : public QObject
{
    Q_OBJECT

private slots:
    void TheDialogTestsSearchesAndKeepsTheBoards();
};

void TestBoardLink::TheDialogTestsSearchesAndKeepsTheBoards()
{
    TBoardLink::SetModulePath(QStringLiteral(VTX_BOARDS_MODULE));
    QWebSocketServer service(QStringLiteral("camera"), QWebSocketServer::NonSecureMode);
    QVERIFY(service.listen(QHostAddress::LocalHost, 0));
    std::vector<QWebSocket*> clients;
    connect(&service, &QWebSocketServer::newConnection, this, [&] {
        clients.push_back(service.nextPendingConnection());
        clients.back()->setParent(&service); // ours to delete
    });
    const QString address = QStringLiteral("127.0.0.1:%1").arg(service.serverPort());

    TProgramWindows windows;
    windows.Main.findChild<QAction*>(QStringLiteral("ActionBoards"))->trigger();
    auto* dialog = windows.Main.findChild<QDialog*>(QStringLiteral("FormBoards"));
    QVERIFY(dialog != nullptr && dialog->isVisible());
    const auto child = [dialog](const char* name) {
        return dialog->findChild<QWidget*>(QLatin1String(name));
    };
    auto* camera = qobject_cast<QLineEdit*>(child("EditBoardsCamera"));
    auto* tested = qobject_cast<QLabel*>(child("LabelBoardsTest"));
    camera->setText(address);
    qobject_cast<QPushButton*>(child("ButtonBoardsTest"))->click();
    QTRY_COMPARE(clients.size(), size_t{1});
    QTRY_COMPARE(windows.Boards.Status(), QStringLiteral("Board: ready"));
    clients.front()->sendTextMessage(QString::fromUtf8(CameraStateJson(
        {true, true, TCameraStatus::Throw, TCameraEvent::ThrowDetected, {{20, 3}}})));
    QTRY_COMPARE(tested->text(), QStringLiteral("Read: T20"));

    // Search: this machine may have no radio; either way the search ends and says so.
    auto* search = qobject_cast<QPushButton*>(child("ButtonBoardsSearch"));
    search->click();
    QTRY_VERIFY_WITH_TIMEOUT(search->isEnabled(), 20000);
    qInfo("search: %s", qPrintable(tested->text()));
    QVERIFY2(tested->text().startsWith(QStringLiteral("The search could not run")) ||
                 tested->text() == QStringLiteral("No soft-tip board was found nearby") ||
                 tested->text() == QStringLiteral("Choose the board from the list"),
             qPrintable(tested->text()));

    // Cancel: nothing was set; OK: the camera is kept and New Game enters darts.
    dialog->reject();
    TSettings settings;
    windows.Boards.Take(settings);
    QVERIFY(!settings.BoardsCamera);
    windows.Main.findChild<QAction*>(QStringLiteral("ActionBoards"))->trigger();
    QCOMPARE(camera->text(), QString());
    camera->setText(address);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    windows.Boards.Take(settings);
    QCOMPARE(settings.BoardsCamera, address);
    QVERIFY(windows.NewGame.Choices().EnterDarts);
    QVERIFY(!windows.Boards.SetBoards(QStringLiteral("host:99999"), QString()));
    QVERIFY(windows.Main.Notices().join(u'\n').contains(QStringLiteral("host:99999")));

    // A service not there yet: said, and tried again until it is.
    const quint16 port = service.serverPort();
    service.close();
    QVERIFY(windows.Boards.SetBoards(address, QString()));
    QTRY_COMPARE(windows.Boards.Status(), QStringLiteral("Board: not reachable at ") + address);
    QVERIFY(service.listen(QHostAddress::LocalHost, port));
    QTRY_COMPARE_WITH_TIMEOUT(windows.Boards.Status(), QStringLiteral("Board: ready"), 10000);
    // The status bar goes with the last line in it.
    QVERIFY(!windows.Main.statusBar()->isHidden());
    QVERIFY(windows.Boards.SetBoards(QString(), QString()));
    QVERIFY(windows.Main.statusBar()->isHidden());
}

QTEST_MAIN(TestBoardLink)
#include "BoardLinkTest.moc"
