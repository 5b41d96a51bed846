// Competitions driven through the program's own windows by objectName: F9, a league made in
// New Competition (a bad one refused with its reason), Play opening New Game filled in with
// the fixture, the match won entering its result by itself, and a result given by hand with
// its reason. Without a club's server, everything stays in the local store.

#include "app/ProgramStart.h"
#include "store/CompetitionTable.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

// Runs `answer` on the next modal dialog once it is up (it must be `name`).
void WhenModal(const char* name, std::function<void(QDialog&)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, name, answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog->objectName() == QLatin1String(name)) {
            timer->deleteLater();
            timer->stop();
            answer(*dialog);
        }
    });
    timer->start();
}

template <typename T>
T* Child(QWidget& parent, const char* name)
{
    T* found = parent.findChild<T*>(QLatin1String(name));
    [&] { QVERIFY2(found != nullptr, name); }();
    return found;
}

} // namespace

class TestCompetitionLink final : public QObject
{
    Q_OBJECT

private slots:
    void ALeagueIsMadePlayedAndGivenResults();
};

void TestCompetitionLink::ALeagueIsMadePlayedAndGivenResults()
{
    QFile::remove(CMatchStore::DefaultPath());
    QFile::remove(CompetitionStorePath());
    TProgramWindows windows;
    windows.Main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&windows.Main));
    windows.Main.findChild<QAction*>(QStringLiteral("ActionCompetitions"))->trigger();
    QDialog* dialog = windows.Competitions.Dialog();
    QVERIFY(dialog != nullptr && dialog->isVisible());

    // New Competition: one player is refused with the reason; then four, first to 1 leg.
    QString refused;
    WhenModal("FormNewCompetition", [&](QDialog& create) {
        Child<QLineEdit>(create, "EditCompetitionName")->setText(QStringLiteral("Friday"));
        Child<QPlainTextEdit>(create, "EditCompetitionPlayers")
            ->setPlainText(QStringLiteral("Anna"));
        create.accept();
        refused = Child<QLabel>(create, "LabelCompetitionProblem")->text();
        Child<QPlainTextEdit>(create, "EditCompetitionPlayers")
            ->setPlainText(QStringLiteral("Anna\nBen\n  Cleo  \n\nDave"));
        Child<QSpinBox>(create, "SpinCompetitionLegs")->setValue(1);
        create.accept();
    });
    Child<QPushButton>(*dialog, "ButtonCompetitionNew")->click();
    QCOMPARE(refused, QStringLiteral("A competition has 2 to 64 players."));
    auto* fixtures = Child<QTableWidget>(*dialog, "TableFixtures");
    QTRY_COMPARE(fixtures->rowCount(), 6);
    QCOMPARE(Child<QComboBox>(*dialog, "ComboCompetitions")->currentText(),
             QStringLiteral("Friday"));
    const QString home = fixtures->item(0, 2)->text();
    const QString away = fixtures->item(0, 3)->text();

    // Play: New Game comes filled in with the fixture; the match won enters its result.
    QString names;
    WhenModal("NewGameDialog", [&](QDialog& newGame) {
        const TGameParams params = windows.NewGame.GameParams();
        names = QString::fromStdString(params.Player1Name + " v " + params.Player2Name);
        newGame.done(TNewGameDialog::kResultStart);
    });
    Child<QPushButton>(*dialog, "ButtonFixturePlay")->click();
    QTRY_COMPARE(names, home + QStringLiteral(" v ") + away);
    QCOMPARE(windows.Competitions.PlayingCompetition().isEmpty(), false);
    for (const TMatchOperation& turn :
         std::vector<TMatchOperation>{{TOperationKind::Turn, 0, 0, 180, 0},
                                      {TOperationKind::Turn, 1, 0, 60, 0},
                                      {TOperationKind::Turn, 0, 0, 180, 0},
                                      {TOperationKind::Turn, 1, 0, 60, 0},
                                      {TOperationKind::Turn, 0, 0, 141, 3}}) {
        QVERIFY(windows.Session.Apply(turn));
    }
    QTRY_COMPARE(fixtures->item(0, 4)->text(), QStringLiteral("1\u20130"));
    const TCompetitionSnapshot& known = windows.Competitions.Known();
    const TStoredResult& result = known.Results.begin()->second.front();
    QCOMPARE(result.Home, (TSideFigures{501, 9, 2, 141}));
    QVERIFY(windows.Main.Notices().join(u'\n').contains(QStringLiteral("Friday")));
    // The room's standings page is sent the competition played here: its table and what is next.
    const QJsonObject room = windows.Competitions.RoomJson();
    QCOMPARE(room[QStringLiteral("name")].toString(), QStringLiteral("Friday"));
    const QJsonArray rows = room[QStringLiteral("tables")][0][QStringLiteral("rows")].toArray();
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[0][QStringLiteral("name")].toString(), home);
    QCOMPARE(room[QStringLiteral("next")].toArray().size(), 5);

    // A result by hand needs its reason, and keeps it.
    windows.Main.findChild<QAction*>(QStringLiteral("ActionCompetitions"))->trigger();
    QTRY_VERIFY(dialog->isVisible());
    fixtures->selectRow(1);
    QString asked;
    WhenModal("FormFixtureResult", [&](QDialog& given) {
        Child<QSpinBox>(given, "SpinResultHome")->setValue(2);
        given.accept();
        asked = Child<QLabel>(given, "LabelResultProblem")->text();
        Child<QLineEdit>(given, "EditResultReason")->setText(QStringLiteral("Walkover"));
        given.accept();
    });
    Child<QPushButton>(*dialog, "ButtonFixtureResult")->click();
    QCOMPARE(asked, QStringLiteral("Say why the result is given by hand."));
    QTRY_COMPARE(fixtures->item(1, 4)->text(), QStringLiteral("2\u20130 (Walkover)"));
    auto* standings = Child<QTableWidget>(*dialog, "TableStandings");
    QCOMPARE(standings->rowCount(), 4);
    QCOMPARE(standings->item(0, 10)->text(), QStringLiteral("2")); // a win's points
    QVERIFY(windows.Main.findChild<QLabel*>(QStringLiteral("LabelClubStatus")) == nullptr);
    // The match store kept the fixture's match beside the competition's own file.
    QTRY_VERIFY(windows.Keeper.Store() != nullptr && windows.Keeper.Store()->IsWriter());
    QVERIFY(windows.Main.Notices().filter(QStringLiteral("not being saved")).isEmpty());
}

QTEST_MAIN(TestCompetitionLink)
#include "CompetitionLinkTest.moc"
