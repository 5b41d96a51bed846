#include "model/X01TurnSheet.h"

#include "model/UnitVTXGameLogic.h"

#include <algorithm>

// An X01 match's turns, leg by leg and round by round in throwing order: the score, the
// remainder after it and the darts claimed; pairs add the thrower of each turn at the end,
// other matches keep the seven columns.
TTurnSheet X01TurnSheet(const CGame& game)
{
    const bool pairs = game.Params().TeamSize == 2;
    TTurnSheet sheet{{"Leg", "Set", "Player", "Turn", "Score", "Remainder", "Darts claimed"},
                     {false, false, true, false, false, false, false},
                     {}};
    if (pairs) {
        sheet.Columns.emplace_back("Thrower");
        sheet.Names.push_back(true);
    }
    const int32_t players = game.Params().PlayerCount;
    for (int32_t index = 0; index < game.LegCount(); ++index) {
        const CLeg& leg = *game.GetLeg(index);
        const int32_t starter = leg.FirstThrower();
        int32_t turns = 0;
        for (int32_t player = 0; player < leg.SheetCount(); ++player) {
            turns = std::max(turns, leg.GetSheet(player)->EntryCount() - 1);
        }
        for (int32_t turn = 1; turn <= turns; ++turn) {
            for (int32_t offset = 0; offset < players; ++offset) {
                const int32_t player = (starter + offset) % players;
                const CPlayerScores& scores = *leg.GetSheet(player);
                const TurnEntry* entry = scores.GetEntry(turn);
                if (entry == nullptr) {
                    continue;
                }
                std::vector<std::string> row{std::to_string(index + 1),
                                             std::to_string(leg.SetNumber()),
                                             game.PlayerName(player),
                                             std::to_string(turn),
                                             std::to_string(entry->Score),
                                             std::to_string(entry->Remainder),
                                             std::to_string(CGame::TurnDarts(scores, turn))};
                if (pairs) {
                    row.push_back(game.ThrowerName(player, game.ThrowerOf(index, player, turn)));
                }
                sheet.Rows.push_back(std::move(row));
            }
        }
    }
    return sheet;
}
