#pragma once

#include <string>

namespace orvalis::test {

// Classic patterns of ClassicPatterns.h written by hand in the other forms
// Life collections keep them in: Life 1.05 blocks at offsets, Life 1.06
// pairs, macrocell quadtrees.

// The glider gun in two blocks, each at its own offset.
inline const std::string gosperGliderGun105 =
    "#Life 1.05\n"
    "#D Gosper glider gun\n"
    "#N\n"
    "#P 1 -7\n"
    ".............*\n"
    "...........*.*\n"
    ".**......**............**\n"
    "*...*....**............**\n"
    "#P -10 -3\n"
    "**........*.....*...**\n"
    "**........*...*.**....*.*\n"
    "..........*.....*.......*\n"
    "...........*...*\n"
    "............**\n";

inline const std::string diehard105 =
    "#Life 1.05\n"
    "#D Diehard\n"
    "#R 23/3\n"
    "#P -4 -1\n"
    "......*.\n"
    "**......\n"
    ".*...***\n";

// A bare "#P", as in Golly's own acorn.lif.
inline const std::string acorn105 =
    "#Life 1.05\n"
    "#D Acorn\n"
    "#P\n"
    ".*\n"
    "...*\n"
    "**..***\n";

// Old Mac line ends and one cell twice.
inline const std::string acorn106 =
    "#Life 1.06\r-19 3\r-17 4\r-20 5\r-19 5\r-16 5\r-15 5\r-14 5\r-19 3\r";

// 8 x 8 leaves sharing nodes, up to level 7.
inline const std::string gosperGliderGunMacrocell =
    "[M2] (golly 4.2)\n"
    "#R B3/S23\n"
    "#C Gosper glider gun\n"
    "$$$$$$$.......*$\n"
    "$...**$...**$\n"
    "......*$.....*$.....*$.....*$......*$.......*$\n"
    "4 0 1 2 3\n"
    "$$$$$$$*......*$\n"
    "$$$$$...*$.*.*$*$\n"
    "..*....*$...*...*$.*.**$...*$..*$*$\n"
    "*$*$.*.*$...*$\n"
    "4 5 6 7 8\n"
    "5 4 9 0 0\n"
    "$$$$$$$.....**$\n"
    ".....**$\n"
    "4 11 0 12 0\n"
    "5 13 0 0 0\n"
    "6 10 14 0 0\n"
    "7 15 0 0 0\n";

// Cells as level 1 nodes of two by two.
inline const std::string rPentominoMacrocell =
    "[M2]\n"
    "1 0 1 1 1\n"
    "1 1 0 0 0\n"
    "1 0 1 0 0\n"
    "2 1 2 3 0\n"
    "3 4 0 0 0\n"
    "4 0 0 0 5\n";

}  // namespace orvalis::test
