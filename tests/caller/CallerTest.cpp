#include "caller/Caller.h"

#include "games/GamesMatch.h"
#include "model/DartNotation.h"
#include "model/UnitVTXGameLogic.h"
#include "words/CallerPhrases.h"
#include "words/GamesCallPhrases.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace {

TGameParams Params(int32_t start, int32_t legsToWin = 0, int32_t setsToWin = 0)
{
    TGameParams params;
    params.PlayerCount = 2;
    params.StartScore = start;
    params.CheckOutRule = true;
    params.Player1Name = "Anna";
    params.Player2Name = "Ben";
    params.LegsToWin = legsToWin;
    params.SetsToWin = setsToWin;
    return params;
}

// Numbers as each language's callers say them: the irregular ones and the compounds.
TEST(CallerPhrases, NumbersInEveryLanguage)
{
    using L = TCallLanguage;
    const std::vector<std::tuple<int32_t, L, std::string>> cases = {
        {1, L::German, "eins"},
        {16, L::German, "sechzehn"},
        {17, L::German, "siebzehn"},
        {21, L::German, "einundzwanzig"},
        {30, L::German, "dreißig"},
        {81, L::German, "einundachtzig"},
        {101, L::German, "einhunderteins"},
        {180, L::German, "einhundertachtzig"},
        {1, L::Dutch, "een"},
        {21, L::Dutch, "eenentwintig"},
        {22, L::Dutch, "tweeëntwintig"},
        {23, L::Dutch, "drieëntwintig"},
        {80, L::Dutch, "tachtig"},
        {100, L::Dutch, "honderd"},
        {121, L::Dutch, "honderdeenentwintig"},
        {180, L::Dutch, "honderdtachtig"},
        {21, L::French, "vingt et un"},
        {22, L::French, "vingt-deux"},
        {70, L::French, "soixante-dix"},
        {71, L::French, "soixante et onze"},
        {77, L::French, "soixante-dix-sept"},
        {80, L::French, "quatre-vingts"},
        {81, L::French, "quatre-vingt-un"},
        {91, L::French, "quatre-vingt-onze"},
        {101, L::French, "cent un"},
        {180, L::French, "cent quatre-vingts"},
        {16, L::Spanish, "dieciséis"},
        {21, L::Spanish, "veintiuno"},
        {22, L::Spanish, "veintidós"},
        {41, L::Spanish, "cuarenta y uno"},
        {100, L::Spanish, "cien"},
        {101, L::Spanish, "ciento uno"},
        {180, L::Spanish, "ciento ochenta"},
        {81, L::English, "eighty-one"},
    };
    for (const auto& [number, language, words] : cases) {
        EXPECT_EQ(NumberWords(number, language), words) << number;
    }
    // Every score from 0 to 180 has words of its own in each language.
    for (L language : {L::English, L::German, L::Dutch, L::French, L::Spanish}) {
        std::set<std::string> seen;
        for (int32_t score = 0; score <= 180; ++score) {
            const std::string words = NumberWords(score, language);
            EXPECT_TRUE(seen.insert(words).second) << words;
            EXPECT_EQ(words.find("  "), std::string::npos) << words;
            EXPECT_EQ(words.find_first_of("0123456789"), std::string::npos) << words;
        }
    }
    TCallEvent shot{TCallKind::Turn, 81, TShot::Match, true, "Ben", 0};
    TCallEvent require{TCallKind::Turn, 180, TShot::None, true, "Anna", 81};
    const std::vector<std::tuple<L, std::string, std::string>> calls = {
        {L::English, "game shot, and the match",
         "one hundred and eighty! Anna, you require eighty-one"},
        {L::German, "Gejm Schott, und das Match",
         "einhundertachtzig! Anna, du brauchst einundachtzig"},
        {L::Dutch, "game shot, en de wedstrijd",
         "honderdtachtig! Anna, je hebt eenentachtig nodig"},
        {L::French, "game shot, et le match", "180 ! Anna, il te faut 81"},
        {L::Spanish, "guéim shot, y el partido", "¡ciento ochenta! Anna, necesitas ochenta y uno"},
    };
    for (const auto& [language, shotCall, requireCall] : calls) {
        EXPECT_EQ(CallPhrase(shot, language), shotCall);
        EXPECT_EQ(CallPhrase(require, language), requireCall);
    }
    EXPECT_EQ(ScoreInWords(0, L::German), "keine Punkte");
}

TEST(CallerPhrases, ScoresInWords)
{
    const std::pair<int32_t, const char*> cases[] = {
        {0, "no score"},
        {1, "one"},
        {13, "thirteen"},
        {20, "twenty"},
        {26, "twenty-six"},
        {99, "ninety-nine"},
        {100, "one hundred"},
        {101, "one hundred and one"},
        {140, "one hundred and forty"},
        {171, "one hundred and seventy-one"},
        {180, "one hundred and eighty!"},
    };
    for (const auto& [score, words] : cases) {
        EXPECT_EQ(ScoreInWords(score), words) << score;
    }
    // Every turn score has words of its own: no digits, no two alike.
    std::set<std::string> seen;
    for (int32_t score = 0; score <= 180; ++score) {
        const std::string words = ScoreInWords(score);
        EXPECT_EQ(words.find_first_of("0123456789"), std::string::npos) << score;
        EXPECT_TRUE(seen.insert(words).second) << words;
    }
}

// "You require" exactly for the remainders three darts can finish, and only on a double-out.
TEST(CallerPhrases, RequireOnlyWhatCanBeFinished)
{
    for (int32_t remainder = 0; remainder <= 501; ++remainder) {
        const bool finishable = remainder >= 2 && remainder <= 170 && remainder != 169 &&
                                remainder != 168 && remainder != 166 && remainder != 165 &&
                                remainder != 163 && remainder != 162 && remainder != 159;
        const TCallEvent event{TCallKind::Undo, 0, TShot::None, true, "Anna", remainder};
        const std::string expected =
            finishable ? "Anna, you require " + ScoreInWords(remainder) : std::string();
        EXPECT_EQ(CallPhrase(event), expected) << remainder;
        TCallEvent straight = event;
        straight.CheckOutRule = false;
        EXPECT_EQ(CallPhrase(straight), "") << remainder;
    }
}

struct TStep
{
    TCallKind Kind;
    int32_t Player;
    int32_t Entry; // correction: the turn corrected
    int32_t Score;
    int32_t Darts;
    const char* Call;
};

// Plays `steps` through a match and checks the call after each.
void ExpectCalls(const TGameParams& params, std::initializer_list<TStep> steps)
{
    CGame game;
    game.NewGame(params);
    int line = 0;
    for (const TStep& step : steps) {
        ++line;
        CLeg& leg = *game.CurrentLeg();
        bool taken = true;
        switch (step.Kind) {
        case TCallKind::Turn:
            taken = leg.GetSheet(step.Player)->AddThrow(step.Score, step.Darts);
            break;
        case TCallKind::Correction:
            taken = leg.GetSheet(step.Player)->ReplaceThrow(step.Entry, step.Score, step.Darts);
            break;
        case TCallKind::Undo:
            taken = leg.CurrentSheet()->UndoThrow();
            break;
        case TCallKind::NextLeg:
            game.NextLeg();
            break;
        }
        ASSERT_TRUE(taken) << "step " << line;
        EXPECT_EQ(CallPhrase(CallEventAfter(game, step.Kind, step.Player, step.Entry)), step.Call)
            << "step " << line;
    }
}

TEST(CallerPhrases, CallsOfAMatch)
{
    using enum TCallKind;
    constexpr int32_t kOut = CPlayerScores::kFinishingTurn;
    ExpectCalls(
        Params(301, 1, 2),
        {
            {Turn, 0, 0, 180, 0, "one hundred and eighty!"},
            {Turn, 1, 0, 100, 0, "one hundred. Anna, you require one hundred and twenty-one"},
            {Turn, 0, 0, 0, 0, "no score"},
            {Turn, 1, 0, 42, 0, "forty-two. Anna, you require one hundred and twenty-one"},
            {Turn, 0, 0, 2, 0, "two"}, // Ben's 159 is no finish
            {Correction, 1, 2, 40, 0, "forty"},
            {Turn, 1, 0, 1, 0, "one. Anna, you require one hundred and nineteen"},
            {Turn, 0, 0, kOut, 3, "game shot, and the set"},
            {Undo, 0, 0, 0, 0, "Anna, you require one hundred and nineteen"},
            {Turn, 0, 0, kOut, 3, "game shot, and the set"},
            {NextLeg, 0, 0, 0, 0, ""},
            {Turn, 1, 0, 180, 0, "one hundred and eighty!"},
            {Turn, 0, 0, 180, 0,
             "one hundred and eighty! Ben, you require one hundred and twenty-one"},
            {Turn, 1, 0, kOut, 3, "game shot, and the set"},
        });
    ExpectCalls(Params(101, 1, 1), {{Turn, 0, 0, kOut, 2, "game shot, and the match"}});
    ExpectCalls(Params(101, 2), {
                                    {Turn, 0, 0, kOut, 2, "game shot, and the leg"},
                                    {NextLeg, 0, 0, 0, 0, "Ben, you require one hundred and one"},
                                });
    TGameParams points = Params(0);
    points.TargetScore = -1;
    points.CountUp = true;
    points.CheckOutRule = false;
    ExpectCalls(points, {{Turn, 0, 0, 60, 0, "sixty"}, {Turn, 1, 0, 40, 0, "forty"}});
    // Pairs: the call goes to the thrower to come, who alternates within the side.
    TGameParams pairs = Params(101);
    pairs.TeamSize = 2;
    pairs.ThrowerNames = {"Anna", "Ben", "Cleo", "Dan"};
    ExpectCalls(pairs, {
                           {Turn, 0, 0, 60, 0, "sixty. Cleo, you require one hundred and one"},
                           {Turn, 1, 0, 20, 0, "twenty. Ben, you require forty-one"},
                           {Turn, 0, 0, 0, 0, "no score. Dan, you require eighty-one"},
                       });
}

// A match entered dart by dart is called dart by dart.
TEST(CallerPhrases, DartsAreCalledBeforeTheScore)
{
    TGameParams params = Params(101, 1, 1);
    params.EnterDarts = true;
    CGame game;
    game.NewGame(params);
    CLeg& leg = *game.CurrentLeg();
    const auto call = [&game](int32_t player) {
        return CallPhrase(CallEventAfter(game, TCallKind::Turn, player, 0));
    };
    ASSERT_TRUE(leg.GetSheet(0)->AddDarts({{20, 3}, {25, 1}, {0, 1}}));
    EXPECT_EQ(call(0), "treble twenty, twenty-five, miss: eighty-five. Ben, you require one "
                       "hundred and one");
    ASSERT_TRUE(leg.GetSheet(1)->AddThrow(1, 0)); // a total is called as ever
    EXPECT_EQ(call(1), "one. Anna, you require sixteen");
    ASSERT_TRUE(leg.GetSheet(0)->AddDarts({{4, 1}, {6, 2}}));
    EXPECT_EQ(call(0), "four, double six: game shot, and the match");
    // Each language calls its own darts, and French its numbers as its voice says them right.
    TCallEvent darts{TCallKind::Turn, 110, TShot::None, false, "", 0};
    darts.Thrown = {{20, 3}, {25, 2}, {0, 1}, {18, 2}, {25, 1}};
    const std::pair<TCallLanguage, const char*> languages[] = {
        {TCallLanguage::English,
         "treble twenty, bull, miss, double eighteen, twenty-five: one hundred and ten"},
        {TCallLanguage::German,
         "Triple zwanzig, Bull, daneben, Doppel achtzehn, fünfundzwanzig: einhundertzehn"},
        {TCallLanguage::Dutch,
         "triple twintig, bull, mis, dubbel achttien, vijfentwintig: honderdtien"},
        {TCallLanguage::French, "triple vingt, bull, raté, double dix-huit, vingt-cinq: cent dix"},
        {TCallLanguage::Spanish,
         "triple veinte, diana, fallo, doble dieciocho, veinticinco: ciento diez"},
    };
    for (const auto& [language, said] : languages) {
        EXPECT_EQ(CallPhrase(darts, language), said);
    }
    for (const int32_t number : {80, 82, 89, 91, 99, 182}) {
        EXPECT_EQ(SpokenNumber(number, TCallLanguage::French), std::to_string(number));
    }
    EXPECT_EQ(SpokenNumber(79, TCallLanguage::French), NumberWords(79, TCallLanguage::French));
}

// Cricket is called in marks and points, its wins as in X01; the practice games call what
// comes next. Each case plays its turns from a new match and checks the call after the last.
TEST(CallerPhrases, CricketAndPracticeCalls)
{
    struct TCase
    {
        TGameKind Kind;
        int32_t Players;
        int32_t LegsToWin;
        std::vector<std::string> Turns;
        std::string Call;
        TCallLanguage Language = TCallLanguage::English;
    };
    const std::vector<std::string> closeAll = {"T20 T19 T18", "", "T17 T16 T15", "", "bull 25"};
    const std::vector<TCase> cases = {
        {TGameKind::Cricket,
         2,
         0,
         {"T20 T20 T20"},
         "three in the bed, nine marks, one hundred and twenty points"},
        {TGameKind::Cricket, 2, 0, {"S19 S19 S19"}, "three in the bed, three marks"},
        {TGameKind::Cricket, 2, 0, {"S20 S19 miss"}, "two marks"},
        {TGameKind::Cricket, 2, 0, {"S20 S14"}, "one mark"},
        {TGameKind::Cricket, 2, 0, {"S14 S1 miss"}, "no score"},
        {TGameKind::CutThroatCricket, 2, 0, {"T20 T20"}, "six marks, sixty points"},
        {TGameKind::Cricket, 2, 2, closeAll, "game shot, and the leg"},
        {TGameKind::Cricket, 2, 1, closeAll, "game shot, and the match"},
        {TGameKind::AroundTheClock, 1, 0, {"S1 S2 miss"}, "going for three"},
        {TGameKind::AroundTheClockFast, 1, 0, {"T1"}, "going for four"},
        {TGameKind::Bobs27, 1, 0, {"D1 miss D1"}, "thirty-one"},
        {TGameKind::Bobs27, 1, 0, {"miss"}, "twenty-five"},
        {TGameKind::Checkout121, 1, 0, {"T20 S1"}, "you require sixty"},
        {TGameKind::Checkout121,
         1,
         0,
         {"T20 T11 D14"},
         "game shot. you require one hundred and twenty-two"},
        // The other languages, each of their words once.
        {TGameKind::Cricket,
         2,
         0,
         {"T20 T20 T20"},
         "drei in einem Feld, neun Marks, einhundertzwanzig Punkte",
         TCallLanguage::German},
        {TGameKind::Cricket, 2, 0, {"S20 S14"}, "één mark", TCallLanguage::Dutch},
        {TGameKind::Cricket, 2, 0, {"S14 S1 miss"}, "aucun point", TCallLanguage::French},
        {TGameKind::Cricket, 2, 1, closeAll, "guéim shot, y el partido", TCallLanguage::Spanish},
        {TGameKind::CutThroatCricket,
         2,
         0,
         {"T20 S20 miss"},
         "quatre marques, vingt points",
         TCallLanguage::French},
        {TGameKind::AroundTheClock, 1, 0, {"S1 S2 miss"}, "nu op drie", TCallLanguage::Dutch},
        {TGameKind::Bobs27, 1, 0, {"miss"}, "veinticinco", TCallLanguage::Spanish},
        {TGameKind::Checkout121, 1, 0, {"T20 S1"}, "je hebt zestig nodig", TCallLanguage::Dutch},
        {TGameKind::Checkout121,
         1,
         0,
         {"T20 T11 D14"},
         "Gejm Schott. du brauchst einhundertzweiundzwanzig",
         TCallLanguage::German},
    };
    for (const TCase& test : cases) {
        TGameParams params = Params(0, test.LegsToWin);
        params.PlayerCount = test.Players;
        CGamesMatch match(test.Kind, params);
        for (const std::string& turn : test.Turns) {
            std::vector<TDart> darts;
            ASSERT_TRUE(ParseDarts(turn, darts) && match.AddTurn(darts)) << turn;
        }
        EXPECT_EQ(GamesCallPhrase(match, TCallKind::Turn, test.Language), test.Call)
            << test.Turns.back();
        EXPECT_EQ(GamesCallPhrase(match, TCallKind::Undo), "");
    }
}

QString VoiceProgram()
{
    return QStringLiteral(VTX_VOICE_PROGRAM);
}

// Without an engine (or a program to speak) the caller says why once, stays silent, and no
// call waits for anything.
TEST(CallerVoice, SilentWithOneNoticeWhenNothingCanSpeak)
{
    const std::pair<QString, QString> setups[] = {
        {VoiceProgram(), QStringLiteral("vtx-no-such-engine")},
        {QStringLiteral("/nonexistent/vantorix-voice"), QString()},
    };
    for (const auto& [program, engine] : setups) {
        TCaller caller(program, engine);
        QSignalSpy problems(&caller, &TCaller::Problem);
        caller.Say(QStringLiteral("sixty")); // off: nothing is started
        EXPECT_TRUE(caller.LastSpoken().isEmpty());
        caller.SetEnabled(true);
        QElapsedTimer clock;
        clock.start();
        for (int call = 0; call < 3; ++call) {
            caller.Say(QStringLiteral("sixty"));
        }
        EXPECT_LT(clock.elapsed(), 200) << "calls waited for the voice";
        ASSERT_TRUE(problems.wait(10000) || problems.count() == 1) << qPrintable(program);
        caller.Say(QStringLiteral("forty"));
        QCoreApplication::processEvents();
        EXPECT_EQ(problems.count(), 1);
        EXPECT_TRUE(caller.Silenced());
        EXPECT_TRUE(problems.at(0).at(0).toString().startsWith(u"The caller is silent: "));
        EXPECT_NE(caller.LastSpoken(), QStringLiteral("forty"));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
