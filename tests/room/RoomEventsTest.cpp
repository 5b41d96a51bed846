// The events stream's events from a real match session: a match of 101 with a dart as it
// lands, a bust, an undo and a checkout; a cricket turn's marks and points.

#include "room/RoomEvents.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class TestRoomEvents final : public QObject
{
    Q_OBJECT

private slots:
    void EveryEventOfAMatchInOrder();
};

void TestRoomEvents::EveryEventOfAMatchInOrder()
{
    TMatchSession session;
    std::vector<QJsonObject> sent;
    std::vector<bool> greetings;
    TRoomEvents events(session, [&](const QByteArray& json, bool greeting) {
        sent.push_back(QJsonDocument::fromJson(json).object());
        greetings.push_back(greeting);
    });
    TGameParams params;
    params.PlayerCount = 2;
    params.StartScore = 101;
    params.CheckOutRule = true;
    params.LegsToWin = 1;
    params.PlayerNames = {"Anna", "Ben"};
    params.Player1Name = "Anna";
    params.Player2Name = "Ben";
    session.Start(QStringLiteral("Standard 101"), params);
    events.Darts(0, {{20, 3}});
    QVERIFY(session.Apply({TOperationKind::Turn, 0, 0, 0, 0, -1, {{20, 3}, {20, 3}}})); // bust
    QVERIFY(session.Apply({TOperationKind::Turn, 1, 0, 60, 0}));
    QVERIFY(session.Apply({TOperationKind::Undo, 0}));
    QVERIFY(session.Apply({TOperationKind::Turn, 1, 0, 60, 0}));
    QVERIFY(session.Apply({TOperationKind::Turn, 0, 0, 0, 0, -1, {{20, 3}, {1, 1}, {20, 2}}}));
    QStringList names;
    for (const QJsonObject& event : sent) {
        names << event.value(QStringLiteral("event")).toString() +
                     QString::number(event.value(QStringLiteral("side")).toInt(-1));
    }
    QCOMPARE(names.join(u' '), QStringLiteral("match-1 to-throw0 dart0 turn0 to-throw1 turn1 "
                                              "to-throw0 undo1 to-throw1 turn1 to-throw0 turn0 "
                                              "checkout0 leg0 match-won0"));
    QVERIFY(greetings.front() && std::count(greetings.begin(), greetings.end(), true) == 1);
    const auto field = [&](size_t index, const char* key) {
        return sent[index].value(QLatin1String(key)).toVariant();
    };
    QCOMPARE(field(0, "game").toString(), QStringLiteral("Standard 101"));
    QCOMPARE(field(2, "darts").toStringList(), QStringList{QStringLiteral("T20")});
    QCOMPARE(field(3, "bust").toBool(), true);
    QCOMPARE(field(3, "remainder").toInt(), 101);
    QCOMPARE(field(5, "score").toInt(), 60);
    QCOMPARE(field(11, "score").toInt(), 101);
    QCOMPARE(field(11, "remainder").toInt(), 0);
    QCOMPARE(field(12, "darts").toStringList(),
             (QStringList{QStringLiteral("T20"), QStringLiteral("1"), QStringLiteral("D20")}));
    QCOMPARE(field(13, "legs").toList(), (QVariantList{1, 0}));
    QCOMPARE(field(14, "name").toString(), QStringLiteral("Anna"));

    // Cricket: the marks and points of a turn, and no remainder.
    params.StartScore = 0;
    params.CountUp = true;
    params.CheckOutRule = false;
    session.Start(QStringLiteral("Cricket"), params);
    sent.clear();
    QVERIFY(session.Apply({TOperationKind::Turn, 0, 0, 0, 0, -1, {{20, 3}, {20, 3}, {19, 1}}}));
    QCOMPARE(field(0, "event").toString(), QStringLiteral("turn"));
    QCOMPARE(field(0, "marks").toInt(), 7);
    QCOMPARE(field(0, "score").toInt(), 60);
    QVERIFY(!sent[0].contains(QStringLiteral("remainder")));
}

QTEST_GUILESS_MAIN(TestRoomEvents)
#include "RoomEventsTest.moc"
