#pragma once

// The statistics of a match as its Stats page shows them, whatever its game: a table of figures
// with a column per side (and for pairs per thrower), a table of its legs, and the charts of a
// game that has them. The X01 match gives its averages, outshots, doubles and charts; cricket
// and the practice games their own figures and legs, without charts.

#include "words/ChartData.h"

#include <QStringList>
#include <vector>

class CMatch;

struct TStatsTable
{
    QStringList Columns;
    std::vector<QStringList> Rows; // an empty row: a gap between groups of figures
};

struct TMatchStats
{
    TStatsTable Figures;
    // How the figures are laid out: each value column as wide as its side's name (100 px, or
    // 150 with two sides, to 220) with the values to the left, or every column as wide as its
    // contents with the values centred.
    bool ColumnsByName = false;
    TStatsTable Legs;
    // Whether a leg's turns can be corrected (the X01 match's).
    bool LegsCorrectable = false;
    std::vector<TChartData> Charts; // none: the room under the tables stays empty
};

TMatchStats MatchStatsOf(const CMatch& match);
