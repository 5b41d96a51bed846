// Model benchmarks: recording a turn, match statistics over long matches, and the memory a
// recorded turn costs. Run from a release build: scripts/bench.sh.

#include "model/UnitVTXGameLogic.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

TGameParams Params(bool continuous, int32_t players)
{
    TGameParams params;
    params.PlayerCount = players;
    params.StartScore = continuous ? 0 : 501;
    params.TargetScore = continuous ? -1 : 0;
    params.CountUp = continuous;
    params.CheckOutRule = !continuous;
    params.Player1Name = "Anna";
    params.Player2Name = "Ben";
    return params;
}

void InstallTrivialHandlers(CGame& game, int64_t& sink)
{
    game.OnSheetChanged = [&sink](CPlayerScores& sheet) { sink += sheet.PlayerIndex(); };
    game.OnTurnChanged = [&sink](CPlayerScores* sheet) { sink += sheet != nullptr; };
    game.OnLegWon = [&sink](CPlayerScores& sheet) { sink += sheet.PlayerIndex(); };
}

void BM_AddThrow(benchmark::State& state)
{
    CGame game;
    int64_t sink = 0;
    InstallTrivialHandlers(game, sink);
    game.NewGame(Params(true, 2));
    int64_t turnsInLeg = 0;
    static constexpr int32_t kScores[] = {60, 26, 100, 45, 140, 81, 180, 41};
    size_t next = 0;
    for (auto _ : state) {
        CPlayerScores& sheet = *game.CurrentLeg()->CurrentSheet();
        const bool recorded = sheet.AddThrow(kScores[next], 0);
        benchmark::DoNotOptimize(recorded);
        next = (next + 1) % std::size(kScores);
        if (++turnsInLeg == 1'000'000) {
            state.PauseTiming();
            game.NewGame(Params(true, 2)); // keeps totals far from the int32 limit
            turnsInLeg = 0;
            state.ResumeTiming();
        }
    }
    benchmark::DoNotOptimize(sink);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AddThrow);

// A two-player 501 match of `legs` finished legs, eight turns a player a leg.
void PlayMatch(CGame& game, int64_t legs)
{
    game.NewGame(Params(false, 2));
    static constexpr int32_t kTurns[] = {60, 100, 45, 140, 26, 60, 30, 40};
    for (int64_t leg = 0; leg < legs; ++leg) {
        if (leg > 0) {
            game.NextLeg();
        }
        CLeg& current = *game.CurrentLeg();
        for (int32_t turn : kTurns) {
            for (int32_t player = 0; player < 2 && !current.Finished(); ++player) {
                [[maybe_unused]] const bool ok = current.CurrentSheet()->AddThrow(turn, 0);
            }
        }
    }
}

void BM_GetPlayerStats(benchmark::State& state)
{
    CGame game;
    PlayMatch(game, state.range(0));
    for (auto _ : state) {
        TPlayerStats stats = game.GetPlayerStats(0);
        benchmark::DoNotOptimize(stats);
    }
    // Each leg holds two sheets; the walk visits the requested player's sheet of every leg.
    state.counters["legs"] = static_cast<double>(state.range(0));
    state.counters["per_leg"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_GetPlayerStats)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN);

size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Bytes of heap per recorded turn in one Continous Points leg of a million turns.
void BM_MemoryPerTurn(benchmark::State& state)
{
    constexpr int64_t kTurns = 1'000'000;
    for (auto _ : state) {
        CGame game;
        const size_t before = HeapInUse();
        game.NewGame(Params(true, 1));
        CPlayerScores& sheet = *game.CurrentLeg()->GetSheet(0);
        for (int64_t turn = 0; turn < kTurns; ++turn) {
            [[maybe_unused]] const bool ok = sheet.AddThrow(60, 0);
        }
        const size_t after = HeapInUse();
        state.counters["bytes_per_turn"] =
            static_cast<double>(after - before) / static_cast<double>(kTurns);
        state.counters["turns"] = static_cast<double>(sheet.EntryCount() - 1);
    }
}
BENCHMARK(BM_MemoryPerTurn)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
