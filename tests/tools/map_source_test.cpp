// Map sources: what a good source gives, and every error with its line.
#include "map/map_parse.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/world.h"

namespace {

using mapmaker::ParseMap;

// Each error as a line "LINE: message".
std::string Errors(const std::string& text) {
  std::string lines;
  for (const mapmaker::MapError& e : ParseMap(text).errors) {
    lines += std::to_string(e.line) + ": " + e.message + "\n";
  }
  return lines;
}

// A 6 x 4 grass map; lines 1 to 6, objects from line 7 on.
const std::string kGround =
    "terrain\n"
    "......\n"
    "......\n"
    "......\n"
    "......\n"
    "end\n";

class MapSourceText : public test::WorldTest {};

TEST_F(MapSourceText, AGoodSourceGivesEveryFieldAndTheDefaults) {
  const mapmaker::ParsedMap parsed = ParseMap(
      "name \"A \\\"B\\\" \\x01\"  # comment\n"
      "mission 2\ngold 100\nwood -5\norc-gold 7\norc-wood 8\nview 32 64\n" +
      kGround +
      "explored\n.x....\n......\n......\n.....x\nend\n"
      "HUMAN HALL1 0 0\n"
      "HUMAN PAYSA 4 0 hp=9 task=RECOLTE_BOIS visible=no initial=no wood=1,2 hall=-1,-1\n"
      "ORC OARCH 5 3 task=17\n");
  ASSERT_TRUE(parsed.errors.empty()) << parsed.errors[0].message;
  const mapmaker::MapSource& map = parsed.map;
  EXPECT_EQ(std::tuple(map.name, map.mission, map.wood, map.view, map.width, map.height),
            std::tuple("A \"B\" \x01", 2, -5, mapmaker::Cell{32, 64}, 6, 4));
  EXPECT_EQ(std::tuple(map.explored[map.Index(1, 0)], map.explored[map.Index(5, 3)],
                       map.explored[map.Index(0, 1)]),
            std::tuple(1, 1, 0));
  ASSERT_EQ(map.objects.size(), 3U);
  const mapmaker::MapObject &hall = map.objects[0], &worker = map.objects[1];
  // The hall full, not at the 1 a new human building starts with.
  EXPECT_EQ(std::tuple(hall.hit_points, hall.visible, hall.initial), std::tuple(100, true, true));
  EXPECT_EQ(std::tuple(worker.line, worker.hit_points, worker.task, worker.visible, worker.initial),
            std::tuple(21, 9, RECOLTE_BOIS, false, false));
  EXPECT_EQ(std::tuple(worker.mine, worker.wood, worker.hall),
            std::tuple(std::nullopt, mapmaker::Cell{1, 2}, mapmaker::Cell{-1, -1}));
  EXPECT_EQ(map.objects[2].task, 17);
}

// Errors of the header, the terrain, its cells and explored grid, the object
// lines and the objects' places.
TEST_F(MapSourceText, EveryErrorIsReportedWithItsLine) {
  EXPECT_EQ(Errors("name \"x\"\nmission two\nname \"y\"\ngold\nview 1\nspeed 3\n" + kGround),
            "2: bad number \"two\"\n"
            "3: name is given twice (first on line 1)\n"
            "4: expected gold NUMBER\n"
            "5: expected view X Y (pixels)\n"
            "6: unknown line \"speed\"\n");
  EXPECT_EQ(Errors("name \"a\\q\"\n" + kGround + "name \"open\n\"x\"\nwood 99999999999\n"),
            "1: bad escape in a quoted text (use \\\", \\\\ or \\xHH)\n"
            "8: a quoted text has no closing quote\n"
            "9: a line cannot start with a quoted text\n"
            "10: bad number \"99999999999\"\n");
  for (const std::string name : {"name \"a\\x00b\"\n", "name ab\n"}) {
    EXPECT_EQ(Errors(name + kGround), "1: the name must be a quoted text, without \\x00\n");
  }
  EXPECT_EQ(Errors("mission 1\n"), "0: there is no terrain block\n");
  EXPECT_EQ(Errors("terrain\n..\n"), "1: terrain has no end line\n");
  EXPECT_EQ(Errors("terrain\n...\n..k\n....\nend\n"),
            "3: unknown terrain character \"k\" in column 3\n"
            "4: the terrain row has 4 cells where the first has 3\n");
  EXPECT_EQ(Errors("terrain\n" + std::string(129, '.') + "\nend\n"),
            "2: the terrain row is 129 cells wide: at most 128\n");
  EXPECT_EQ(Errors("terrain\n.?.\n?..\nend\n"
                   "cell 1 0 99\ncell 1 0 98\ncell 2 0 99\ncell 3 0 99\ncell 0 1 1\ncell 0 0\n"),
            "3: no cell line gives the value of the '?' at 0,1\n"
            "6: cell 1,0 is given twice (first on line 5)\n"
            "7: cell 2,0 is drawn '.', not '?'\n"
            "8: cell 3,0 lies outside the 3x2 map\n"
            "9: terrain 1 is drawn '.' in the grid\n"
            "10: expected cell X Y VALUE\n");
  EXPECT_EQ(Errors(kGround + "explored\n......\nend\n"),
            "7: the explored grid is 6x1 but the terrain 6x4\n");
  EXPECT_EQ(Errors(kGround + "explored\n..o...\n......\n......\n......\nend\nexplored all\n"),
            "8: unknown explored character \"o\" in column 3\n"
            "13: explored is given twice (first on line 7)\n");
  EXPECT_EQ(Errors(kGround + "HUMAN HALLX 0 0\n"
                             "HUMAN OHALL 0 0\n"
                             "NEUTRE PAYSA 0 0\n"
                             "ORC OGUER 1 y\n"
                             "ORC OGUER 1\n"
                             "ORC OGUER 1 1 speed=3\n"
                             "ORC OGUER 1 1 hp=1 hp=2\n"
                             "ORC OGUER 1 1 mine=1,1\n"
                             "ORC OPAYS 1 1 mine=1\n"
                             "ORC OPAYS 1 1 task=DANCE\n"
                             "ORC OPAYS 1 1 initial\n"),
            "7: unknown kind \"HALLX\"\n"
            "8: HUMAN cannot have OHALL (a kind of the ORC side)\n"
            "9: NEUTRE cannot have PAYSA (a kind of the HUMAN side)\n"
            "10: bad number in the cell \"1 y\"\n"
            "11: an object line is RACE KIND X Y [fields]\n"
            "12: unknown field \"speed\"\n"
            "13: hp given twice\n"
            "14: mine= is for workers (PAYSA, OPAYS) only\n"
            "15: bad cell \"1\" for mine (write x,y)\n"
            "16: unknown task \"DANCE\"\n"
            "17: expected key=value, found \"initial\"\n");
  EXPECT_EQ(Errors(kGround + "HUMAN HALL1 3 0\n"  // 4 x 4 from column 3 reaches column 6
                             "ORC OGUER -1 0\n"
                             "ORC OGUER 0 4\n"
                             "HUMAN BARRA 0 0\n"
                             "ORC OGUER 2 2\n"               // on the barracks
                             "HUMAN PAYSA 0 0 visible=no\n"  // inside it, raising it
                             "HUMAN GUERR 5 3\n"
                             "ORC OARCH 5 3\n"),
            "7: HALL1 at 3,0 lies outside the 6x4 map\n"
            "8: OGUER at -1,0 lies outside the 6x4 map\n"
            "9: OGUER at 0,4 lies outside the 6x4 map\n"
            "11: OGUER at 2,2 overlaps the BARRA at 0,0 of line 10\n"
            "14: OARCH at 5,3 overlaps the GUERR at 5,3 of line 13\n");
}

}  // namespace
