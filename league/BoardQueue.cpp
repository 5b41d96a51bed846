#include "league/BoardQueue.h"

#include <set>

int32_t NextFixture(const std::vector<TQueuedFixture>& fixtures)
{
    std::set<int32_t> busy;
    for (const TQueuedFixture& fixture : fixtures) {
        if (fixture.Board >= 0 && !fixture.Done) {
            busy.insert(fixture.Home);
            busy.insert(fixture.Away);
        }
    }
    for (size_t index = 0; index < fixtures.size(); ++index) {
        const TQueuedFixture& fixture = fixtures[index];
        if (!fixture.Done && fixture.Board < 0 && fixture.Home >= 0 && fixture.Away >= 0 &&
            busy.count(fixture.Home) == 0 && busy.count(fixture.Away) == 0) {
            return static_cast<int32_t>(index);
        }
    }
    return -1;
}

std::vector<TPlannedSlot> OrderOfPlay(const std::vector<TQueuedFixture>& fixtures, int32_t boards)
{
    std::vector<TPlannedSlot> plan(fixtures.size(), {-1, -1});
    if (boards < 1) {
        return plan;
    }
    std::vector<TQueuedFixture> state = fixtures;
    for (size_t index = 0; index < state.size(); ++index) {
        if (!state[index].Done && state[index].Board >= 0) {
            plan[index] = {0, state[index].Board};
        }
    }
    // Slot by slot: every free board takes its next, then every match of the slot ends (in the
    // first slot, the boards still playing are not free).
    for (int32_t slot = 0;; ++slot) {
        std::vector<bool> taken(static_cast<size_t>(boards), false);
        bool playing = false;
        for (const TQueuedFixture& fixture : state) {
            if (!fixture.Done && fixture.Board >= 0) {
                playing = true;
                if (fixture.Board < boards) {
                    taken[static_cast<size_t>(fixture.Board)] = true;
                }
            }
        }
        for (int32_t board = 0; board < boards; ++board) {
            const int32_t next = taken[static_cast<size_t>(board)] ? -1 : NextFixture(state);
            if (next >= 0) {
                state[static_cast<size_t>(next)].Board = board;
                plan[static_cast<size_t>(next)] = {slot, board};
                playing = true;
            }
        }
        if (!playing) {
            break;
        }
        for (TQueuedFixture& fixture : state) {
            fixture.Done = fixture.Done || fixture.Board >= 0;
        }
    }
    return plan;
}
