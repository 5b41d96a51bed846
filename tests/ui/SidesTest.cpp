// More than two sides in the windows: the cards, the one panel that follows the side to throw,
// a correction of another side's turn, the board for the room and the statistics.

#include "UiTestSupport.h"
#include "ui/board/BoardWindow.h"
#include "ui/panels/SideCards.h"

#include <QTreeWidget>

class TestSides : public QObject
{
    Q_OBJECT

private slots:
    void FourSidesPlayALegWithACorrection();
    void TheBoardShowsEverySideLargeEnough();
    void APairsNameBarNamesItsThrowerToCome();
};

namespace {

// Remainders of every card, in side order.
QStringList CardRemainders(const TFormVTX& window, int sides)
{
    QStringList remainders;
    const auto* cards = Find<TSideCards>(window, QStringLiteral("PanelSides"));
    for (int side = 0; side < sides; ++side) {
        remainders << cards->Texts(side).value(2);
    }
    return remainders;
}

} // namespace

void TestSides::FourSidesPlayALegWithACorrection()
{
    TScoreboard board;
    QVERIFY(board.StartGame({.Game = 0, .LegsToWin = 2, .Players = 4}));
    QVERIFY(Find(board.Window, QStringLiteral("PanelSides"))->isVisible());
    QVERIFY(!Find(board.Window, QStringLiteral("PanelRight"))->isVisible());
    board.TypeTurns({60, 100, 45, 140});
    QCOMPARE(CardRemainders(board.Window, 4),
             (QStringList{QStringLiteral("241"), QStringLiteral("201"), QStringLiteral("256"),
                          QStringLiteral("161")}));
    // The one panel follows the side to throw; its Thrown box has the keyboard.
    QCOMPARE(board.Label("Turns", 0), QStringLiteral("1"));
    QCOMPARE(QApplication::focusWidget(), board.Thrown(0));
    const auto* cards = Find<TSideCards>(board.Window, QStringLiteral("PanelSides"));
    QCOMPARE(cards->Texts(0).value(1), QStringLiteral("to throw"));
    // Side 3's 45 was 85: its list is two keys away, the correction as for two players.
    QVERIFY(board.TriggerAction("ActionNextSheet"));
    QVERIFY(board.TriggerAction("ActionNextSheet"));
    auto* list = Find<QTreeView>(board.Window, QStringLiteral("ListViewScores1"));
    QCOMPARE(QApplication::focusWidget(), list);
    QVERIFY(!board.Thrown(0)->isEnabled()); // not side 3's turn
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QWidget* correction = QApplication::focusWidget();
    QCOMPARE(correction->objectName(), QStringLiteral("EditCorrection3"));
    QTest::keyClick(correction, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(correction, QStringLiteral("85"));
    QTest::keyClick(correction, Qt::Key_Return);
    QCOMPARE(CardRemainders(board.Window, 4).value(2), QStringLiteral("216"));
    QCOMPARE(QApplication::focusWidget(), board.Thrown(0)); // back with side 1, to throw
    QVERIFY(board.Thrown(0)->isEnabled());
    // Side 1 finishes in two more turns; the banner names it, side 2 starts the next leg.
    board.TypeTurns({180, 0, 0, 0});
    board.Type(QStringLiteral("61"));
    QCOMPARE(Find<QLabel>(board.Window, QStringLiteral("PanelWinner"))->text(),
             QStringLiteral("Anna wins"));
    QTRY_VERIFY_WITH_TIMEOUT(!board.Window.InputBlocked(), 3000);
    QVERIFY(board.TriggerAction("ActionNextLeg"));
    QCOMPARE(board.Leg().PlayerToThrow(), 1);
    QCOMPARE(cards->Texts(0).value(4), QStringLiteral("Legs 1"));
    // The statistics: a column per side.
    QVERIFY(board.TriggerAction("ActionStats"));
    auto* stats = Find<QTreeWidget>(board.Window, QStringLiteral("ListViewStats"));
    QCOMPARE(stats->columnCount(), 5);
    QCOMPARE(stats->headerItem()->text(3), QStringLiteral("Player 3"));
}

void TestSides::TheBoardShowsEverySideLargeEnough()
{
    TScoreboard board;
    for (const auto& [sides, least] : {std::pair{4, 120}, std::pair{8, 80}}) {
        QVERIFY(board.StartGame({.Players = sides, .Pairs = sides == 4}));
        QVERIFY(board.Action("ActionBoard")->isChecked() || board.TriggerAction("ActionBoard"));
        TFormBoard& shown = board.Window.Board();
        shown.resize(1920, 1080);
        QVERIFY(QTest::qWaitFor([&] { return shown.size() == QSize(1920, 1080); }));
        QCoreApplication::processEvents();
        for (int side = 1; side <= sides; ++side) {
            const auto* remainder =
                Find<QLabel>(shown, QStringLiteral("BoardRemainder%1").arg(side));
            QVERIFY(remainder->isVisible());
            QVERIFY2(remainder->font().pixelSize() >= least,
                     qPrintable(QStringLiteral("%1 sides: %2 px")
                                    .arg(sides)
                                    .arg(remainder->font().pixelSize())));
        }
        // A pair's thrower to come is named under the side.
        const auto* thrower = Find<QLabel>(shown, QStringLiteral("BoardThrower1"));
        QCOMPARE(thrower->isVisible(), sides == 4);
        if (sides == 4) {
            QCOMPARE(thrower->text(), QStringLiteral("Player 1"));
            QCOMPARE(Find<QLabel>(shown, QStringLiteral("BoardName3"))->text(),
                     QStringLiteral("Player 5 & Player 6")); // named by its throwers
        }
    }
}

// Two pairs keep the two panels; each name bar names the pair's thrower to come, leg by leg.
void TestSides::APairsNameBarNamesItsThrowerToCome()
{
    TScoreboard board;
    QVERIFY(board.StartGame({.Game = 0, .Pairs = true}));
    QVERIFY(Find(board.Window, QStringLiteral("PanelRight"))->isVisible());
    const auto bar = [&](int side) {
        return Find<QLabel>(board.Window, QStringLiteral("PanelPlayerName%1").arg(side))->toolTip();
    };
    QCOMPARE(bar(1), QStringLiteral("Anna \u00B7 Player 1"));
    board.TypeTurns({180});
    QCOMPARE(bar(1), QStringLiteral("Anna \u00B7 Player 2"));
    QCOMPARE(bar(2), QStringLiteral("Ben \u00B7 Player 3"));
    board.TypeTurns({0, 121});                // Player 2 checks out for Anna's pair
    QCOMPARE(bar(1), QStringLiteral("Anna")); // a won leg has nobody to come
    QCOMPARE(bar(2), QStringLiteral("Ben \u00B7 Player 4"));
    QTRY_VERIFY_WITH_TIMEOUT(!board.Window.InputBlocked(), 3000);
    QVERIFY(board.TriggerAction("ActionNextLeg"));
    // Leg 2: each pair opens with its second thrower.
    QCOMPARE(bar(1), QStringLiteral("Anna \u00B7 Player 2"));
    QCOMPARE(bar(2), QStringLiteral("Ben \u00B7 Player 4"));
}

QTEST_MAIN(TestSides)
#include "SidesTest.moc"
