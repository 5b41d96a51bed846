#include "UiTestSupport.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

QStringList Items(const QListWidget& list)
{
    QStringList items;
    for (int row = 0; row < list.count(); ++row) {
        items << list.item(row)->text();
    }
    return items;
}

QListWidget* PlayerHints(const TScoreboard& board, int player)
{
    return Find<QListWidget>(board.Window, QStringLiteral("ListBoxHints%1").arg(player + 1));
}

const QString kShippedTable = QStringLiteral(VTX_SHIPPED_TABLE);

} // namespace

class TestHints : public QObject
{
    Q_OBJECT

private slots:
    void PlayerListsFollowEachTurn();
    void WithoutATableTheListsKeepWhatTheyShow();
    void ContinuousPointsShowsNoRoutes();
    void TableFileQuirks();
    void QuickWindowFiltersKeysAndGivesVerdicts_data();
    void QuickWindowFiltersKeysAndGivesVerdicts();
    void QuickWindowSpinButtonsStayWithinRange();
    void QuickWindowWithoutTableKeepsItsList();
    void QuickWindowActions();
};

void TestHints::PlayerListsFollowEachTurn()
{
    TScoreboard board;
    QVERIFY(board.Window.OpenCheckoutTable(kShippedTable));
    QVERIFY(board.StartGame());
    QCOMPARE(PlayerHints(board, 0)->count(), 0); // no routes from 501
    board.TypeTurns({180, 60, 151});             // Anna 170
    QCOMPARE(Items(*PlayerHints(board, 0)), QStringList{QStringLiteral("T20 T20 Bull")});
    QCOMPARE(PlayerHints(board, 0)->currentRow(), 0);
    QCOMPARE(PlayerHints(board, 1)->count(), 0); // Ben 441
    board.TypeTurns({341});                      // refused: no such turn
    board.Thrown(1)->clear();
    board.TypeTurns({180, 70}); // Ben 261, Anna 100
    QCOMPARE(Items(*PlayerHints(board, 0)).value(0), QStringLiteral("T20 D20"));
    QVERIFY(PlayerHints(board, 0)->count() >= 2);
    QCOMPARE(PlayerHints(board, 1)->count(), 0);
    board.TypeTurns({161}); // Ben 100
    QCOMPARE(Items(*PlayerHints(board, 1)).value(0), QStringLiteral("T20 D20"));
    QVERIFY(board.TriggerAction("ActionUndoThrow")); // back to 261: no routes
    QCOMPARE(PlayerHints(board, 1)->count(), 0);
    // New Game clears both lists before the new match fills them.
    board.TypeTurns({161});
    QVERIFY(board.StartGame({0}));
    QCOMPARE(PlayerHints(board, 0)->count(), 0);
    QCOMPARE(PlayerHints(board, 1)->count(), 0);
}

void TestHints::WithoutATableTheListsKeepWhatTheyShow()
{
    TScoreboard board;
    QVERIFY(board.Window.OpenCheckoutTable(kShippedTable));
    QVERIFY(board.StartGame({0})); // 301
    board.TypeTurns({161});        // Anna 140
    const QStringList shown = Items(*PlayerHints(board, 0));
    QVERIFY(!shown.isEmpty());
    QVERIFY(!board.Window.OpenCheckoutTable(QStringLiteral("/nonexistent/VTXOutShots.ini")));
    board.TypeTurns({60, 40}); // Anna 100: nothing to read it from
    QCOMPARE(Items(*PlayerHints(board, 0)), shown);
    QVERIFY(board.StartGame({0})); // only New Game clears them
    QCOMPARE(PlayerHints(board, 0)->count(), 0);
}

void TestHints::ContinuousPointsShowsNoRoutes()
{
    TScoreboard board;
    QVERIFY(board.Window.OpenCheckoutTable(kShippedTable));
    QVERIFY(board.StartGame({4}));
    board.TypeTurns({40, 32, 60});
    QCOMPARE(PlayerHints(board, 0)->count(), 0);
    QCOMPARE(PlayerHints(board, 1)->count(), 0);
}

void TestHints::TableFileQuirks()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VTXOutShots.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "\xEF\xBB\xBF; routes\r\n[281]\r\nz=first \xE2\x86\x92 route\r\na=second\r\nZ=dup\r\n");
    file.close();
    TScoreboard board;
    QVERIFY(board.Window.OpenCheckoutTable(path));
    QVERIFY(board.StartGame({0}));
    board.TypeTurns({20}); // Anna 281
    QCOMPARE(Items(*PlayerHints(board, 0)),
             (QStringList{QStringLiteral("first → route"), QStringLiteral("second"),
                          QStringLiteral("first → route")}));
}

void TestHints::QuickWindowFiltersKeysAndGivesVerdicts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("firstRoute");
    QTest::newRow("empty") << ""
                           << ""
                           << "No Outshot"
                           << "";
    QTest::newRow("40") << "4x0"
                        << "40"
                        << "1-Dart Outshot"
                        << "D20";
    QTest::newRow("100") << "1 0-0"
                         << "100"
                         << "2-Dart Outshot"
                         << "T20 D20";
    QTest::newRow("170") << "170"
                         << "170"
                         << "3-Dart Outshot"
                         << "T20 T20 Bull";
    QTest::newRow("163") << "163"
                         << "163"
                         << "Invalid Score"
                         << "";
    QTest::newRow("180") << "180"
                         << "180"
                         << "No Outshot"
                         << "";
    QTest::newRow("999") << "9999"
                         << "999"
                         << "Invalid Score"
                         << "";
    QTest::newRow("1") << "1"
                       << "1"
                       << "No Outshot"
                       << "";
}

void TestHints::QuickWindowFiltersKeysAndGivesVerdicts()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, verdict);
    QFETCH(QString, firstRoute);
    TScoreboard board;
    QVERIFY(board.Window.OpenCheckoutTable(kShippedTable));
    QVERIFY(board.TriggerAction("ActionQuickShotHints"));
    QVERIFY(board.HintWindow->isVisible());
    auto* edit = Find<QLineEdit>(*board.HintWindow, QStringLiteral("EditShot"));
    QCOMPARE(edit->text(), QStringLiteral("0"));
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(Find<QLineEdit>(*board.HintWindow, QStringLiteral("EditOutshot"))->text(), verdict);
    auto* list = Find<QListWidget>(*board.HintWindow, QStringLiteral("ListBoxHints"));
    QCOMPARE(Items(*list).value(0), firstRoute);
    QCOMPARE(list->currentRow(), firstRoute.isEmpty() ? -1 : 0);
}

void TestHints::QuickWindowSpinButtonsStayWithinRange()
{
    TScoreboard board;
    QVERIFY(board.TriggerAction("ActionQuickShotHints"));
    auto* edit = Find<QLineEdit>(*board.HintWindow, QStringLiteral("EditShot"));
    auto* up = Find<QToolButton>(*board.HintWindow, QStringLiteral("UpDownUp"));
    auto* down = Find<QToolButton>(*board.HintWindow, QStringLiteral("UpDownDown"));
    edit->setText(QStringLiteral("179"));
    up->click();
    QCOMPARE(edit->text(), QStringLiteral("180"));
    up->click();
    QCOMPARE(edit->text(), QStringLiteral("180"));
    edit->setText(QStringLiteral("999"));
    down->click();
    QCOMPARE(edit->text(), QStringLiteral("179"));
    edit->setText(QStringLiteral("0"));
    down->click();
    QCOMPARE(edit->text(), QStringLiteral("0"));
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(edit->text(), QStringLiteral("1"));
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(edit->text(), QStringLiteral("0"));
    QCOMPARE(Find<QLineEdit>(*board.HintWindow, QStringLiteral("EditOutshot"))->text(),
             QStringLiteral("No Outshot"));
}

void TestHints::QuickWindowWithoutTableKeepsItsList()
{
    TScoreboard board;
    QVERIFY(board.Window.OpenCheckoutTable(kShippedTable));
    QVERIFY(board.TriggerAction("ActionQuickShotHints"));
    auto* edit = Find<QLineEdit>(*board.HintWindow, QStringLiteral("EditShot"));
    auto* list = Find<QListWidget>(*board.HintWindow, QStringLiteral("ListBoxHints"));
    edit->setText(QStringLiteral("32"));
    QCOMPARE(Items(*list).value(0), QStringLiteral("D16"));
    QVERIFY(!board.Window.OpenCheckoutTable(QString()));
    edit->setText(QStringLiteral("99"));
    QCOMPARE(Items(*list).value(0), QStringLiteral("D16"));
    QCOMPARE(Find<QLineEdit>(*board.HintWindow, QStringLiteral("EditOutshot"))->text(),
             QStringLiteral("3-Dart Outshot"));
}

void TestHints::QuickWindowActions()
{
    TScoreboard board;
    QAction* quick = board.Action("ActionQuickShotHints");
    QAction* toggle = board.Action("ActionToggleFocus");
    QVERIFY(!board.HintWindow->isVisible());
    QVERIFY(!quick->isChecked());
    QVERIFY(!toggle->isEnabled());
    QCOMPARE(board.HintWindow->windowTitle(), QStringLiteral("Quick Shot Hint"));
    QVERIFY(board.HintWindow->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(board.HintWindow->windowFlags().testFlag(Qt::Tool));

    QTest::keyClick(&board.Window, Qt::Key_H, Qt::ControlModifier);
    QVERIFY(board.HintWindow->isVisible());
    QVERIFY(quick->isChecked());
    QVERIFY(toggle->isEnabled());

    // Close hides it; the action follows.
    Find<QPushButton>(*board.HintWindow, QStringLiteral("ButtonClose"))->click();
    QVERIFY(!board.HintWindow->isVisible());
    QVERIFY(!quick->isChecked());
    QVERIFY(!toggle->isEnabled());

    QVERIFY(board.TriggerAction("ActionQuickShotHints"));
    QVERIFY(board.HintWindow->isVisible());
    QTest::keyClick(board.HintWindow, Qt::Key_Escape);
    QVERIFY(!board.HintWindow->isVisible());
    QVERIFY(!quick->isChecked());
}

QTEST_MAIN(TestHints)
#include "HintsTest.moc"
