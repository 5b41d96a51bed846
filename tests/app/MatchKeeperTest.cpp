// The match store followed by the real windows: a match typed, the windows gone as in a crash,
// new windows resume it identically; an unusable store is said and play goes on.

#include "app/ProgramStart.h"
#include "session/ComputerThrower.h"
#include "store/StoreCheck.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/panels/PlayerPanel.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>

namespace {

// Starts a game from the program's own dialog, the store opened as after its first paint.
void StartFromDialog(TProgramWindows& windows, const TGameChoice& choice)
{
    AnswerNextDialog([&](QDialog& dialog) { FillDialog(dialog, choice); },
                     QStringLiteral("ButtonStart"));
    windows.Main.findChild<QAction*>(QStringLiteral("ActionNew"))->trigger();
}

// Types a turn into the Thrown box of the player to throw.
void Type(TProgramWindows& windows, const QString& keys)
{
    const int player = windows.Main.Game().CurrentLeg()->PlayerToThrow();
    auto* box = windows.Main.findChild<QLineEdit*>(QStringLiteral("EditThrown%1").arg(player + 1));
    if (box == nullptr || !box->isEnabled()) {
        box = windows.Main.findChild<QLineEdit*>(QStringLiteral("EditThrown1")); // many sides
    }
    QApplication::setActiveWindow(&windows.Main);
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    QTest::keyClicks(box, keys);
    QTest::keyClick(box, Qt::Key_Return);
}

void Show(TProgramWindows& windows)
{
    windows.Main.show();
    QApplication::setActiveWindow(&windows.Main);
    QVERIFY(QTest::qWaitForWindowActive(&windows.Main));
}

QStringList Shown(const TFormVTX& window)
{
    QStringList texts;
    for (const char* name :
         {"PanelGameTitle", "LabelMatch1", "LabelMatch2", "LabelScored1", "LabelScored2",
          "LabelGTurnAvg1", "LabelGDartAvg2", "LabelLegs1", "LabelLegs2"}) {
        texts << window.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    return texts;
}

} // namespace

class TestMatchKeeper : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void AMatchIsResumedAsItStood();
    void AnUnusableStoreIsSaidAndPlayGoesOn();
    void AnAbandonedMatchIsResumedFromHistory();
    void TheComputerGoesOnAfterAKill();
    void AnOperationThatCannotBeReplayedIsSkippedAndNothingRewritten();
    void ResumedAsItStoodAfterAnUndoAndBetweenLegs();
    void ADamagedStoreIsFoundAfterTheStartAndSetAside();

private:
    std::unique_ptr<QTemporaryDir> m_Data;
};

void TestMatchKeeper::init()
{
    m_Data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_Data->path()));
}

void TestMatchKeeper::AMatchIsResumedAsItStood()
{
    QStringList before;
    int thrower = -1;
    {
        TProgramWindows windows;
        Show(windows);
        TGameChoice choice;
        choice.Game = 0;
        choice.LegsToWin = 2;
        StartFromDialog(windows, choice);
        QTRY_VERIFY(windows.Main.Game().CurrentLeg() != nullptr);
        for (const char* turn : {"180", "60", "121"}) { // Anna takes leg 1
            Type(windows, QString::fromLatin1(turn));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!windows.Main.InputBlocked(), 3000);
        windows.Main.findChild<QAction*>(QStringLiteral("ActionNextLeg"))->trigger();
        for (const char* turn : {"100", "45", "26"}) {
            Type(windows, QString::fromLatin1(turn));
        }
        windows.Main.findChild<QAction*>(QStringLiteral("ActionUndoThrow"))->trigger();
        Type(windows, QStringLiteral("85"));
        before = Shown(windows.Main);
        thrower = windows.Main.Game().CurrentLeg()->PlayerToThrow();
        QVERIFY(windows.Keeper.Store()->IsOpen());
    } // the windows go without a word, as a killed program's would

    TProgramWindows windows;
    Show(windows);
    QString offered;
    AnswerNextDialog(
        [&](QDialog& dialog) {
            windows.Keeper.OpenStore(); // as after the dialog's first paint
            auto* resume = dialog.findChild<QPushButton*>(QStringLiteral("ButtonResume"));
            offered = resume->isVisible() ? resume->text() : QString();
        },
        QStringLiteral("ButtonResume"));
    windows.Main.findChild<QAction*>(QStringLiteral("ActionNew"))->trigger();
    QCOMPARE(offered, QStringLiteral("&Resume: Anna v Ben \u00B7 Standard 301 \u00B7 Leg 2 "
                                     "\u00B7 1-0"));
    QCOMPARE(Shown(windows.Main), before);
    QCOMPARE(windows.Main.Game().CurrentLeg()->PlayerToThrow(), thrower);
    // It goes on being recorded as the same match.
    Type(windows, QStringLiteral("60"));
    const auto stored = windows.Keeper.Store()->LastInPlay();
    QVERIFY(stored.has_value());
    QCOMPARE(stored->Operations.size(), size_t{10}); // nine before, one after
}

void TestMatchKeeper::AnUnusableStoreIsSaidAndPlayGoesOn()
{
    // The data folder is a file: no store can be made there.
    QFile blocker(m_Data->filePath(QStringLiteral("vantorix")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TProgramWindows windows;
    Show(windows);
    StartFromDialog(windows, TGameChoice{});
    QTRY_VERIFY(windows.Main.Game().CurrentLeg() != nullptr);
    QVERIFY(
        windows.Main.Notices().join(u'\n').contains(QStringLiteral("Matches are not being saved")));
    Type(windows, QStringLiteral("60"));
    QCOMPARE(windows.Main.Game().CurrentLeg()->GetSheet(0)->LastEntry()->Remainder, 441);
    QCOMPARE(windows.Keeper.Current().Operations.size(), size_t{1}); // still kept for export
}

void TestMatchKeeper::AnAbandonedMatchIsResumedFromHistory()
{
    TProgramWindows windows;
    Show(windows);
    StartFromDialog(windows, TGameChoice{});
    QTRY_VERIFY(windows.Main.Game().CurrentLeg() != nullptr);
    Type(windows, QStringLiteral("60"));
    const int64_t abandoned = windows.Keeper.Current().Id;
    StartFromDialog(windows, TGameChoice{}); // a new game leaves the first unfinished
    QTRY_VERIFY(windows.Keeper.Current().Id != abandoned);
    Type(windows, QStringLiteral("100"));
    bool inPlayResumable = true;
    AnswerNextDialog(
        [&](QDialog& history) {
            auto* resume = history.findChild<QPushButton*>(QStringLiteral("ButtonResume"));
            inPlayResumable = resume->isEnabled(); // the newest row: the match in play
            auto* table = history.findChild<QTableView*>(QStringLiteral("TableMatches"));
            table->setCurrentIndex(table->model()->index(1, 1));
            QApplication::setActiveWindow(&history);
            QVERIFY(QTest::qWaitForWindowActive(&history));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
            QTRY_VERIFY(!history.isVisible()); // a mnemonic clicks a moment later
        },
        QStringLiteral("ButtonClose"));
    windows.Main.findChild<QAction*>(QStringLiteral("ActionHistory"))->trigger();
    QVERIFY(!inPlayResumable);
    QCOMPARE(windows.Keeper.Current().Id, abandoned);
    QCOMPARE(windows.Main.Game().CurrentLeg()->GetSheet(0)->LastEntry()->Remainder, 441);
    QCOMPARE(windows.Keeper.Store()->LastInPlay()->Id, abandoned);
    Type(windows, QStringLiteral("45"));
    QCOMPARE(windows.Keeper.Store()->Load(abandoned)->Operations.size(), size_t{2});
}

// The start reads only what it needs of the store; the whole file's check runs on a thread of
// its own. What it (or a write) finds damaged is set aside with what still reads carried over:
// at once while the New Game dialog is up, and at the next match's start when a match is being
// played.
void TestMatchKeeper::ADamagedStoreIsFoundAfterTheStartAndSetAside()
{
    for (const bool playing : {false, true}) {
        init();
        const QString path = CMatchStore::DefaultPath();
        {
            CMatchStore store(path);
            QVERIFY(store.Open());
            for (int match = 0; match < 6; ++match) {
                CGame game;
                TGameParams params;
                params.PlayerCount = 2;
                params.StartScore = 501;
                params.CheckOutRule = true;
                game.NewGame(params);
                store.BeginMatch(QStringLiteral("Standard 501"), params);
                for (const int32_t score : {60, 100, 45}) {
                    TMatchOperation turn{TOperationKind::Turn, game.CurrentLeg()->PlayerToThrow(),
                                         0, score, 3};
                    QVERIFY(ApplyOperation(game, turn) && store.Record(turn, game));
                }
            }
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(file.size() - 4096) && file.write(QByteArray(4096, '\x5A')) == 4096);
        file.close();

        TProgramWindows windows;
        Show(windows);
        TGameParams params;
        params.PlayerCount = 2;
        params.StartScore = 501;
        if (playing) {
            // The match starts before the store is opened (no dialog painted first).
            windows.Session.Start(QStringLiteral("Standard 501"), params);
        } else {
            windows.Keeper.OpenStore();
        }
        // Not a word at the start (a write into the damaged page may say it at once).
        QVERIFY(playing || !windows.Main.Notices().join(u'\n').contains(QStringLiteral("damaged")));
        QTRY_VERIFY(windows.Keeper.Checked());
        const QString said = windows.Main.Notices().join(u'\n');
        QVERIFY2(said.contains(playing ? QStringLiteral("when the next match starts")
                                       : QStringLiteral("carried over")),
                 qPrintable(said));
        if (playing) {
            windows.Session.Start(QStringLiteral("Standard 501"), params);
            QVERIFY2(windows.Main.Notices().join(u'\n').contains(QStringLiteral("carried over")),
                     qPrintable(windows.Main.Notices().join(u'\n')));
        }
        QVERIFY(QFileInfo::exists(path + QStringLiteral(".bad")));
        QVERIFY(!CheckStoreFile(path).Damaged);
    }
}

QTEST_MAIN(TestMatchKeeper)
#include "MatchKeeperTest.moc"

// Killed while the computer was about to throw: resumed, the match stands as it was, and the
// computer throws the very turn it was about to throw, recorded as the match's next operation.
void TestMatchKeeper::TheComputerGoesOnAfterAKill()
{
    TBotTurn expected;
    size_t operations = 0;
    {
        TProgramWindows windows;
        Show(windows);
        windows.Main.Computer().SetPause(0);
        TGameChoice choice;
        choice.Computer2 = 45;
        StartFromDialog(windows, choice);
        QTRY_VERIFY(windows.Main.Game().CurrentLeg() != nullptr);
        const CLeg& leg = *windows.Main.Game().CurrentLeg();
        Type(windows, QStringLiteral("100"));
        QTRY_COMPARE(leg.GetSheet(1)->EntryCount(), 2);
        windows.Main.Computer().SetPause(60000); // it will not throw before the kill
        Type(windows, QStringLiteral("100"));
        QCOMPARE(windows.Main.Computer().Throwing(), 1);
        const TGameParams& params = windows.Main.Game().Params();
        expected = CBot(45, params.ComputerSeed).NextTurn(windows.Main.Game(), 1);
        operations = windows.Keeper.Current().Operations.size();
    }
    TProgramWindows windows;
    Show(windows);
    windows.Main.Computer().SetPause(0);
    AnswerNextDialog([&](QDialog&) { windows.Keeper.OpenStore(); }, QStringLiteral("ButtonResume"));
    windows.Main.findChild<QAction*>(QStringLiteral("ActionNew"))->trigger();
    QCOMPARE(windows.Main.Game().Params().ComputerAverages, (std::vector<int32_t>{0, 45}));
    QTRY_COMPARE(windows.Keeper.Store()->LastInPlay()->Operations.size(), operations + 1);
    const TMatchOperation thrown = windows.Keeper.Store()->LastInPlay()->Operations.back();
    QCOMPARE(thrown.Player, 1);
    QCOMPARE(thrown.Score, expected.Score);
    QCOMPARE(thrown.Darts, expected.Darts);
}

// A stored operation the match refuses (of no kind, for a leg that is not there, for a side
// that is not there, a score no turn makes) is skipped: the rest of the match is replayed,
// the notice names it, and the match's stored figures are not rewritten from the replay.
void TestMatchKeeper::AnOperationThatCannotBeReplayedIsSkippedAndNothingRewritten()
{
    // Each spoil, and the operations then stored: the five played, and one added.
    const std::pair<QString, int> spoils[] = {
        {QStringLiteral("INSERT INTO operations VALUES(%1, 25, 99, 0, 0, 60, 0, -1)"), 6},
        {QStringLiteral("INSERT INTO operations VALUES(%1, 25, 3, 0, 1, 60, 0, 99)"), 6},
        {QStringLiteral("INSERT INTO operations VALUES(%1, 25, 1, 7, 0, 60, 0, -1)"), 6},
        {QStringLiteral("UPDATE operations SET score = 999 WHERE match_id = %1 AND seq = 20"), 5},
    };
    for (const auto& [spoil, stored] : spoils) {
        init();
        int64_t id = 0;
        QString figures;
        {
            TProgramWindows windows;
            Show(windows);
            TGameChoice choice;
            choice.Game = 0;
            choice.LegsToWin = 3;
            StartFromDialog(windows, choice);
            QTRY_VERIFY(windows.Main.Game().CurrentLeg() != nullptr);
            for (const char* turn : {"180", "60", "121"}) { // Anna takes leg 1
                Type(windows, QString::fromLatin1(turn));
            }
            QTRY_VERIFY_WITH_TIMEOUT(!windows.Main.InputBlocked(), 3000);
            windows.Main.findChild<QAction*>(QStringLiteral("ActionNextLeg"))->trigger();
            Type(windows, QStringLiteral("100"));
            id = windows.Keeper.Store()->CurrentMatch();
            QSqlQuery query(windows.Keeper.Store()->Database());
            QVERIFY(query.exec(QStringLiteral("UPDATE operations SET seq = seq * 10")));
            QVERIFY(query.exec(spoil.arg(id)));
            QVERIFY(query.exec(QStringLiteral("SELECT group_concat(legs_won || '/' || points)"
                                              " FROM player_stats")) &&
                    query.next());
            figures = query.value(0).toString();
        }
        TProgramWindows windows;
        Show(windows);
        AnswerNextDialog([&](QDialog&) { windows.Keeper.OpenStore(); },
                         QStringLiteral("ButtonResume"));
        windows.Main.findChild<QAction*>(QStringLiteral("ActionNew"))->trigger();
        QCOMPARE(windows.Main.Game().LegCount(), 2); // replayed past what it skipped
        QCOMPARE(windows.Main.Game().CurrentLeg()->GetSheet(1)->EntryCount(), 2);
        QVERIFY2(windows.Main.Notices().join(u'\n').contains(
                     QStringLiteral(" of %1 could not be applied").arg(stored)),
                 qPrintable(spoil));
        Type(windows, QStringLiteral("45"));
        QSqlQuery query(windows.Keeper.Store()->Database());
        QVERIFY(
            query.exec(QStringLiteral("SELECT group_concat(legs_won || '/' || points),"
                                      " (SELECT COUNT(*) FROM operations) FROM player_stats")) &&
            query.next());
        QCOMPARE(query.value(0).toString(), figures);
        QCOMPARE(query.value(1).toInt(), stored + 1); // what it skipped is kept, and the turn
    }
}

// Resumed after the computer's turn was taken back, the computer waits as it did; resumed at
// a won leg of three sides, the panel shows the leg's winner.
void TestMatchKeeper::ResumedAsItStoodAfterAnUndoAndBetweenLegs()
{
    const auto resume = [](TProgramWindows& windows) {
        Show(windows);
        AnswerNextDialog([&](QDialog&) { windows.Keeper.OpenStore(); },
                         QStringLiteral("ButtonResume"));
        windows.Main.findChild<QAction*>(QStringLiteral("ActionNew"))->trigger();
    };
    {
        TProgramWindows windows;
        Show(windows);
        windows.Main.Computer().SetPause(0);
        TGameChoice choice;
        choice.Computer2 = 45;
        StartFromDialog(windows, choice);
        QTRY_VERIFY(windows.Main.Game().CurrentLeg() != nullptr);
        Type(windows, QStringLiteral("100"));
        QTRY_COMPARE(windows.Main.Game().CurrentLeg()->GetSheet(1)->EntryCount(), 2);
        windows.Main.findChild<QAction*>(QStringLiteral("ActionUndoThrow"))->trigger();
        QVERIFY(windows.Main.Computer().IsWaiting());
    }
    {
        TProgramWindows windows;
        windows.Main.Computer().SetPause(0);
        resume(windows);
        QCOMPARE(windows.Main.Game().CurrentLeg()->GetSheet(1)->EntryCount(), 1);
        QVERIFY(windows.Main.Computer().IsWaiting());
        QCOMPARE(windows.Main.Computer().Throwing(), -1);
    }
    init();
    {
        TProgramWindows windows;
        Show(windows);
        TGameChoice choice;
        choice.Game = 0; // 301
        choice.Players = 3;
        StartFromDialog(windows, choice);
        QTRY_VERIFY(windows.Main.Game().CurrentLeg() != nullptr);
        for (const char* turn : {"180", "60", "60", "121"}) {
            Type(windows, QString::fromLatin1(turn));
        }
        QVERIFY(windows.Main.Game().CurrentLeg()->Finished());
    }
    TProgramWindows windows;
    resume(windows);
    QVERIFY(windows.Main.Game().CurrentLeg()->Finished());
    QCOMPARE(Find<TPlayerPanel>(windows.Main, QStringLiteral("PanelLeft"))->Player(), 0);
}
