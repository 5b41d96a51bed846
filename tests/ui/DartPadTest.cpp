// The dartboard pad: a click at every bed's middle is that dart, a click beside a wire is the
// bed it is on, and a leg tapped on the pad in the window is recorded dart by dart.

#include "ui/entry/DartPad.h"

#include "UiTestSupport.h"
#include "ui/entry/TypedEntry.h"
#include "ui/hints/DigitEdit.h"
#include "ui/panels/PlayerPanel.h"

#include <QPushButton>
#include <QSignalSpy>
#include <cmath>
#include <numbers>

class TestDartPad : public QObject
{
    Q_OBJECT

private slots:
    void EveryBedAndTheWires();
    void ALegTappedInTheWindow();
    void ABoardsDartsGoIntoTheBoxAsTyped();
};

void TestDartPad::EveryBedAndTheWires()
{
    for (const QSize size : {QSize(200, 240), QSize(700, 760)}) { // it scales with its window
        TDartPad pad;
        pad.resize(size);
        pad.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pad));
        QSignalSpy chosen(&pad, &TDartPad::DartChosen);
        std::vector<TDart> darts{{25, 1}, {25, 2}};
        for (int32_t number = 1; number <= 20; ++number) {
            for (int32_t multiplier = 1; multiplier <= 3; ++multiplier) {
                darts.push_back({number, multiplier});
            }
        }
        for (const TDart& dart : darts) {
            QTest::mouseClick(&pad, Qt::LeftButton, {}, pad.PositionOf(dart).toPoint());
            QCOMPARE(chosen.takeLast().front().value<TDart>(), dart);
        }
        // Half a degree either side of the wire between the 20 and the 1, in the treble ring;
        // just inside and outside the double ring at the 6; off the board a miss.
        const QPointF centre = pad.PositionOf({25, 2});
        const double scale = (pad.PositionOf({6, 3}).x() - centre.x()) / 103.0;
        const auto at = [&](double degrees, double radius) {
            const double angle = degrees * std::numbers::pi / 180.0;
            return (centre + QPointF(std::sin(angle), -std::cos(angle)) * radius * scale).toPoint();
        };
        const std::pair<QPoint, TDart> nearWires[] = {
            {at(8.0, 103.0), {20, 3}}, {at(10.0, 103.0), {1, 3}}, {at(90.0, 164.0), {6, 2}},
            {at(90.0, 159.0), {6, 1}}, {at(90.0, 180.0), {0, 1}},
        };
        for (const auto& [point, dart] : nearWires) {
            QTest::mouseClick(&pad, Qt::LeftButton, {}, point);
            QCOMPARE(chosen.takeLast().front().value<TDart>(), dart);
        }
        pad.findChild<QPushButton*>(QStringLiteral("ButtonPadMiss"))->click();
        QCOMPARE(chosen.takeLast().front().value<TDart>(), (TDart{0, 1}));
    }
}

// 501 on the pad: T20 T20 T20 twice (the first corrected to T20 T20 T19), then T20 T20 and
// D12, with Back taking a wrong D6 away: a nine-darter of 501.
void TestDartPad::ALegTappedInTheWindow()
{
    TScoreboard board;
    TGameChoice choice;
    choice.TwoPlayers = false; // 501
    choice.EnterDarts = true;
    QVERIFY(board.StartGame(choice));
    QTRY_VERIFY(board.Window.findChild<TDartPad*>() != nullptr);
    auto* pad = board.Window.findChild<TDartPad*>();
    QTRY_VERIFY(pad->isVisible());
    QVERIFY(board.Action("ActionDartPad")->isChecked());
    const auto tap = [pad](const TDart& dart) {
        QTest::mouseClick(pad, Qt::LeftButton, {}, pad->PositionOf(dart).toPoint());
    };
    const auto enter = [pad] {
        pad->findChild<QPushButton*>(QStringLiteral("ButtonPadEnter"))->click();
    };
    for (const int left : {321, 141}) {
        for (int dart = 0; dart < 3; ++dart) {
            tap({20, 3});
        }
        QCOMPARE(board.Thrown(0)->text(), QStringLiteral("T20 T20 T20"));
        enter();
        QTRY_COMPARE(board.Remainder(0), left);
    }
    // The turn was T20 T20 T19: corrected by its darts, offered as they were entered.
    TPlayerPanel* panel = board.Window.findChild<TPlayerPanel*>(QStringLiteral("PanelLeft"));
    QApplication::setActiveWindow(&board.Window);
    QVERIFY(panel->StartCorrection(1));
    auto* box = board.Window.findChild<TDigitEdit*>(QStringLiteral("EditCorrection1"));
    QCOMPARE(box->text(), QStringLiteral("T20 T20 T20"));
    box->setText(QStringLiteral("t20 t20 t21"));
    QTRY_VERIFY(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Return);
    QTRY_VERIFY(panel->Refusal().contains(QStringLiteral("\"t21\" is not a dart")));
    box->setText(QStringLiteral("t20 t20 t19"));
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Return);
    QTRY_COMPARE(board.Remainder(0), 144);
    QCOMPARE(*board.Leg().GetSheet(0)->EntryDarts(1),
             (std::vector<TDart>{{20, 3}, {20, 3}, {19, 3}}));
    tap({20, 3});
    tap({20, 3});
    tap({6, 2});
    pad->findChild<QPushButton*>(QStringLiteral("ButtonPadBack"))->click();
    tap({12, 2});
    enter();
    QTRY_VERIFY(board.Leg().Finished());
    const CPlayerScores& sheet = *board.Leg().GetSheet(0);
    QCOMPARE(*sheet.EntryDarts(3), (std::vector<TDart>{{20, 3}, {20, 3}, {12, 2}}));
    QCOMPARE(sheet.DartCount(), 9);
    QCOMPARE(board.Window.Game().GetPlayerStats(0).CheckoutPercent, 100.0);
    // F7 puts the pad away.
    board.Action("ActionDartPad")->trigger();
    QVERIFY(!pad->isVisible());
}

// A scoring board's visit in the thrower's box: the board's darts replace what it showed before,
// an operator's edit stands with the board's next darts after it, and the box is entered as
// Enter enters it, in a box not set for darts too.
void TestDartPad::ABoardsDartsGoIntoTheBoxAsTyped()
{
    TScoreboard board;
    TGameChoice choice;
    choice.TwoPlayers = false; // 501, typed as totals
    QVERIFY(board.StartGame(choice));
    TTypedEntry& entry = *board.Window.Entry();
    entry.ShowBoardDarts(0, {}, {{20, 3}});
    entry.ShowBoardDarts(0, {{20, 3}}, {{20, 3}, {19, 3}});
    QCOMPARE(board.Thrown(0)->text(), QStringLiteral("T20 T19"));
    entry.ShowBoardDarts(0, {{20, 3}, {19, 3}}, {{20, 3}, {20, 3}}); // corrected on the board
    QCOMPARE(board.Thrown(0)->text(), QStringLiteral("T20 T20"));
    board.Thrown(0)->setText(QStringLiteral("T20 D20")); // the operator's own reading
    entry.ShowBoardDarts(0, {{20, 3}, {20, 3}}, {{20, 3}, {20, 3}, {5, 1}});
    QCOMPARE(board.Thrown(0)->text(), QStringLiteral("T20 D20 5"));
    entry.SubmitBoardDarts(0);
    QTRY_COMPARE(board.Remainder(0), 396);
    QCOMPARE(*board.Leg().GetSheet(0)->EntryDarts(1),
             (std::vector<TDart>{{20, 3}, {20, 2}, {5, 1}}));
    // Cleared on the board: the box is empty again, and an empty box enters nothing.
    entry.ShowBoardDarts(0, {}, {{1, 1}});
    entry.ShowBoardDarts(0, {{1, 1}}, {});
    QCOMPARE(board.Thrown(0)->text(), QString());
    entry.SubmitBoardDarts(0);
    QCOMPARE(board.Leg().GetSheet(0)->EntryCount(), 2);
}

QTEST_MAIN(TestDartPad)
#include "DartPadTest.moc"
