#pragma once

// The words for a match's format and score, shared by the title bar and the player panels.

#include <QString>

class CMatch;
struct TGameParams;

// "first to 3 legs", "first to 2 sets of 3 legs": the length of a match that has one (any
// game's, X01 or not).
QString MatchLengthText(const TGameParams& params);

// Any game's: "Standard 501 · first to 3 legs · Leg 4", "Cricket · first to 3 legs · Leg 2",
// "… · first to 2 sets of 3 legs · Set 2 · Leg 1"; "… · Anna wins the match" once it is won;
// the game's name alone when no match length is set.
QString MatchTitle(const QString& gameName, const CMatch& game);
// Any game's: "Legs 2", "Legs 2 · Sets 1"; "Sets 2" once a match of sets is won; empty when no
// match length is set.
QString MatchScoreText(const CMatch& match, int player);
// Once the leg in play has ended: "Anna wins the leg" (the set, the match), "Anna: game over"
// for a side that played a game alone, "Game over: a tie"; empty while it is played.
QString WinLine(const CMatch& match);
// A side's name bar: its name, and for a pair " · " and the thrower to come ("Anna & Ben ·
// Ben"); a side that has won the leg has nobody to come.
QString SideBarName(const CMatch& match, int player);
