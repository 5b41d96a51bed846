#include "UiTestSupport.h"
#include "ui/board/BoardWindow.h"
#include "ui/hints/CheckoutTable.h"

#include <map>

namespace {

QString Text(const QWidget& board, const QString& name)
{
    const auto* label = Find<QLabel>(board, name);
    return label != nullptr ? label->text() : QStringLiteral("<missing>");
}

// Each line's texts, as "name|remainder|match|last|route|throws".
QString Column(const QWidget& board, int player)
{
    QStringList parts;
    for (const char* line : {"Name", "Remainder", "Match", "Last", "Route"}) {
        parts << Text(board, QStringLiteral("Board%1%2").arg(QLatin1String(line)).arg(player));
    }
    const QWidget* column = Find(board, QStringLiteral("BoardColumn%1").arg(player));
    parts << (column->property("throws").toBool() ? QStringLiteral("throws") : QString());
    return parts.join(u'|');
}

// Counts the paint events of the board's widgets by name.
class TPaints final : public QObject
{
public:
    std::map<QString, int> Count;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++Count[watched->objectName()];
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void FollowsEveryChangeOfTheMatch();
    void NothingOverflowsFromSmallestToLargest();
    void ATurnRepaintsOnlyWhatChanged();
};

void TestBoard::FollowsEveryChangeOfTheMatch()
{
    TScoreboard board;
    QVERIFY(board.Window.OpenCheckoutTable(QStringLiteral(VTX_SHIPPED_TABLE)));
    QVERIFY(board.Window.BoardWindow() == nullptr); // not made before it is wanted
    QVERIFY(board.StartGame({.Game = 0, .LegsToWin = 2}));
    QVERIFY(board.TriggerAction("ActionBoard"));
    const TFormBoard* shown = board.Window.BoardWindow();
    QVERIFY(shown != nullptr && shown->isVisible());
    QCOMPARE(shown->windowTitle(), QStringLiteral("Vantorix Board"));
    QCOMPARE(Text(*shown, QStringLiteral("BoardTitle")),
             QStringLiteral("Standard 301 \u00B7 first to 2 legs \u00B7 Leg 1"));
    QCOMPARE(Column(*shown, 1), QStringLiteral("Anna|301|Legs 0|||throws"));

    const QString route121 =
        QString::fromStdString(board.Window.CheckoutTable()->Hints(121).front());
    board.TypeTurns({180, 60});
    QCOMPARE(Column(*shown, 1), QStringLiteral("Anna|121|Legs 0|Last 180|%1|throws").arg(route121));
    QCOMPARE(Column(*shown, 2), QStringLiteral("Ben|241|Legs 0|Last 60||"));
    QVERIFY(board.TriggerAction("ActionUndoThrow"));
    QCOMPARE(Column(*shown, 2), QStringLiteral("Ben|301|Legs 0|||throws"));
    board.TypeTurns({100, 121});
    QCOMPARE(Column(*shown, 1), QStringLiteral("Anna|0|Legs 1|Last 121||"));
    QCOMPARE(Column(*shown, 2), QStringLiteral("Ben|201|Legs 0|Last 100||"));
    QCOMPARE(Text(*shown, QStringLiteral("BoardTitle")), QStringLiteral("Anna wins the leg"));
    QTest::qWait(TFormVTX::kBannerMilliseconds + 100);
    QVERIFY(board.TriggerAction("ActionNextLeg"));
    QCOMPARE(Column(*shown, 2), QStringLiteral("Ben|301|Legs 0|||throws"));

    // Typed at the board, a turn reaches the scoreboard; so do its shortcuts.
    auto* typed = board.Window.BoardWindow();
    typed->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(typed));
    QTest::keyClicks(typed, QStringLiteral("600"));
    QTest::keyClick(typed, Qt::Key_Backspace);
    QTest::keyClick(typed, Qt::Key_Return);
    QCOMPARE(Column(*shown, 2), QStringLiteral("Ben|241|Legs 0|Last 60||"));
    QTest::keyClick(typed, Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(Column(*shown, 2), QStringLiteral("Ben|301|Legs 0|||throws"));
    QApplication::setActiveWindow(&board.Window);

    // A new game of one player: one column, centred.
    QVERIFY(board.StartGame({.Game = 4, .TwoPlayers = false, .Name1 = QStringLiteral("Cleo")}));
    board.TypeTurns({45});
    QCOMPARE(Column(*shown, 1), QStringLiteral("Cleo|45|Legs 0|Last 45||throws"));
    const QWidget* only = Find(*shown, QStringLiteral("BoardColumn1"));
    QVERIFY(!Find(*shown, QStringLiteral("BoardColumn2"))->isVisible());
    QVERIFY(qAbs(only->geometry().center().x() - shown->rect().center().x()) <= 2);

    // Closed by its own button it only hides, and the action says so.
    QVERIFY(board.Window.BoardWindow()->close());
    QVERIFY(!board.Action("ActionBoard")->isChecked());
}

void TestBoard::NothingOverflowsFromSmallestToLargest()
{
    TScoreboard board;
    const QString name = QStringLiteral("Maximiliana Wolfensteinn"); // 24 characters
    QCOMPARE(name.size(), 24);
    QVERIFY(board.StartGame(
        {.Game = 3, .Name1 = name, .Name2 = name, .LegsToWin = 10, .SetsToWin = 10}));
    board.TypeTurns({180});
    QVERIFY(board.TriggerAction("ActionBoard"));
    TFormBoard& shown = board.Window.Board();
    for (const QSize size : {QSize(640, 360), QSize(1920, 1080), QSize(3840, 2160)}) {
        shown.resize(size);
        QVERIFY(QTest::qWaitFor([&] { return shown.size() == size; }));
        QCoreApplication::processEvents();
        int largest = 0;
        for (const QLabel* label : shown.findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty()) {
                continue;
            }
            const QFontMetrics metrics(label->font());
            const QRect room = label->contentsRect();
            const QString where = QStringLiteral("%1 at %2x%3")
                                      .arg(label->objectName())
                                      .arg(size.width())
                                      .arg(size.height());
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= room.width(), qPrintable(where));
            QVERIFY2(metrics.height() <= room.height(), qPrintable(where));
            const QRect inBoard(label->mapTo(&shown, QPoint(0, 0)), label->size());
            QVERIFY2(shown.rect().contains(inBoard), qPrintable(where));
            largest = std::max(largest, label->font().pixelSize());
        }
        // The remainder has the largest digits of all.
        QCOMPARE(Find<QLabel>(shown, QStringLiteral("BoardRemainder1"))->font().pixelSize(),
                 largest);
        const QString nameShown = Text(shown, QStringLiteral("BoardName1"));
        QVERIFY2(nameShown == name || nameShown.endsWith(u'\u2026'), qPrintable(nameShown));
    }
    QCOMPARE(Text(shown, QStringLiteral("BoardName1")), name); // room enough at 3840
    shown.resize(640, 360);
    QVERIFY(QTest::qWaitFor([&] { return shown.width() == 640; }));
    TBoardState longer = shown.State();
    longer.Players[0].Name = name + name + name;
    shown.Show(longer);
    QVERIFY(Text(shown, QStringLiteral("BoardName1")).endsWith(u'\u2026'));
}

// A turn repaints the lines that changed (the thrower's remainder and last turn, the names'
// colours) and the frames' edges, never the whole board: the other lines keep their pixels.
void TestBoard::ATurnRepaintsOnlyWhatChanged()
{
    TScoreboard board;
    QVERIFY(board.StartGame({.Game = 1}));
    QVERIFY(board.TriggerAction("ActionBoard"));
    TFormBoard* shown = board.Window.BoardWindow();
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    board.TypeTurns({60});
    QTRY_COMPARE(Text(*shown, QStringLiteral("BoardRemainder1")), QStringLiteral("441"));
    QCoreApplication::processEvents();
    TPaints paints;
    for (QWidget* widget : shown->findChildren<QWidget*>()) {
        widget->installEventFilter(&paints);
    }
    board.TypeTurns({100}); // Ben: 401 left
    QTRY_VERIFY(paints.Count[QStringLiteral("BoardRemainder2")] > 0);
    QCOMPARE(Text(*shown, QStringLiteral("BoardRemainder2")), QStringLiteral("401"));
    QVERIFY(paints.Count[QStringLiteral("BoardLast2")] > 0);
    QVERIFY(paints.Count[QStringLiteral("BoardName1")] > 0); // no longer the thrower's colour
    for (const char* still :
         {"BoardTitle", "BoardRemainder1", "BoardLast1", "BoardMatch1", "BoardMatch2"}) {
        QVERIFY2(paints.Count[QString::fromLatin1(still)] == 0, still);
    }
}

QTEST_MAIN(TestBoard)
#include "BoardTest.moc"
