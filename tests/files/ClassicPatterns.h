#pragma once

#include <string>

namespace orvalis::test {

// Well-known patterns as they are published, and what Golly's QuickLife
// (bgolly) made of them on the same bounded plane: the living cells of the
// given generation, in RLE without position.

inline const std::string gosperGliderGun =
    "#N Gosper glider gun\n"
    "#O Bill Gosper\n"
    "#C A true period 30 glider gun.\n"
    "#C www.conwaylife.com/wiki/index.php?title=Gosper_glider_gun\n"
    "x = 36, y = 9, rule = B3/S23\n"
    "24bo11b$22bobo11b$12b2o6b2o12b2o$11bo3bo4b2o12b2o$2o8bo5bo3b2o14b$2o8b\n"
    "o3bob2o4bobo11b$10bo5bo7bo11b$11bo3bo20b$12b2o!\n";
// On a 60 x 40 plane, generation 120: the gun and three gliders, the first
// of them turned into a block at the edge.
inline const std::string gosperGliderGunAt120 =
    "x = 36, y = 20, rule = B3/S23:P60,40\n"
    "24bo$22bobo$12b2o6b2o12b2o$11bo3bo4b2o12b2o$2o8bo5bo3b2o$2o8bo3bob2o4b\n"
    "obo$10bo5bo7bo$11bo3bo$12b2o$23bo$24b2o$23b2o6$30bobo$31b2o$31bo!\n";

inline const std::string rPentomino =
    "#N R-pentomino\r\n"
    "x = 3, y = 3, rule = B3/S23\r\n"
    "b2o$2o$bo!\r\n";
// On a 100 x 100 plane, generation 1000.
inline const std::string rPentominoAt1000 =
    "x = 100, y = 100, rule = B3/S23:P100,100\n"
    "80b2o$80b2o9$63bo$62b2o$2o60bobo$2o23$44bo47b2o4b2o$43bobo3b2o40bo2bo\n"
    "4bo$44b2o3b2o40bo2bo2bobo$92b2o3b2o5$78b2o$78bobo$79bo3$83bo$10b2o71bo\n"
    "$9bobo71bo$9b2o31bo$41bobo35b3o3b3o$41bobo$42bo6bo33bo$28b2o18bobo32bo\n"
    "$28b2o18bobo32bo$49bo2$20b2o$20b2o$92b2o$60bo30bobo$60bo31bo$60bo6bo$\n"
    "66bobo$67bo22bo$89bobo$90b2o5$66bo$66bo$66bo5$58b2o$58b2o9$98b2o$98b2o\n"
    "6$48b2o40b2o$48b2o40b2o!\n";

inline const std::string acorn =
    "#N Acorn\n"
    "#O Charles Corderman\n"
    "x = 7, y = 3, rule = b3/s23\n"
    "bo5b$3bo3b$2o2b3o!\n";
// On a 120 x 80 plane, generation 100.
inline const std::string acornAt100 =
    "x = 48, y = 29, rule = B3/S23:P120,80\n"
    "19bo$18bobo$18bobo$19bo$42b2o$42b2o4$5b3o$5bobo9bo$3bo14bo$3bo5b2o5bo\n"
    "2bo$3bo3bob2o6b2o$5b5o2$ob2obo$o4bo$ob2obo2$5b5o$3bo3bob2o17b3o$3bo5b\n"
    "2o35b2o$3bo42b2o$5bobo$5b3o9b2o$16bo2bo$16bobo$16bo!\n";

inline const std::string pulsar =
    "#N Pulsar\n"
    "x = 13, y = 13, rule = 23/3\n"
    "2b3o3b3o2$o4bobo4bo$o4bobo4bo$o4bobo4bo$2b3o3b3o2$2b3o3b3o$o4bobo4bo$\n"
    "o4bobo4bo$o4bobo4bo2$2b3o3b3o!\n";
// On a 20 x 20 plane, generation 1.
inline const std::string pulsarAt1 =
    "x = 15, y = 15, rule = B3/S23:P20,20\n"
    "4bo5bo$4bo5bo$4b2o3b2o2$3o2b2ob2o2b3o$2bobobobobobo$4b2o3b2o2$4b2o3b2o\n"
    "$2bobobobobobo$3o2b2ob2o2b3o2$4b2o3b2o$4bo5bo$4bo5bo!\n";

inline const std::string lightweightSpaceship =
    "!Name: LWSS\n"
    "!The smallest orthogonal spaceship.\n"
    ".O..O\n"
    "O....\n"
    "O...O\n"
    "OOOO.\n";
// On a 30 x 10 plane, generation 4: the same shape two cells on.
inline const std::string lightweightSpaceshipAt4 =
    "x = 5, y = 4, rule = B3/S23:P30,10\n"
    "bo2bo$o$o3bo$4o!\n";

inline const std::string diehard =
    "#N Diehard\n"
    "x = 8, y = 3\n"
    "6bob$2o6b$bo3b3o!\n";
// On a 40 x 40 plane, generation 129, the last before it dies out.
inline const std::string diehardAt129 =
    "x = 1, y = 2, rule = B3/S23:P40,40\n"
    "o$o!\n";

}  // namespace orvalis::test
