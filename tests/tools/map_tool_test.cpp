// The map tool's commands: a slot written by the game survives decompiling
// and compiling byte for byte; files and sources it cannot take are refused
// with a clear message and a failing status.
#include "map/map_tool.h"

#include <gtest/gtest.h>

#include "support/files.h"

#include <fstream>
#include <sstream>

#include "support/world.h"
#include "ui/money.h"
#include "ui/zone_game.h"
#include "units/cPaysan.h"
#include "world/Init_Env.h"
#include "world/Saveload.h"
#include "world/map.h"
#include "world/sprites.h"

namespace {

using test::ReadBytes;
using test::WriteBytes;

class MapTool : public test::WorldTest {
 protected:
  int Run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = mapmaker::RunMapTool(args, out, err);
    out_ = out.str();
    err_ = err.str();
    return status;
  }

  std::string out_, err_;
};

// A world in play, with what only a game in progress holds: terrain the
// forest rule would not choose and values without a character, a building
// being raised with its worker hidden inside, damage, units produced in
// play, tasks without a name.
void BuildGameInProgress() {
  test::ResetWorldTo(12, 10);
  current_mission = 2, Money = 10, WoodOrc = -3, scroll_x = 96;
  for (int x = 6; x <= 8; ++x) {
    for (int y = 1; y <= 3; ++y) terrain_grid[CellIndex(x, y)] = BOIS05;
  }
  const DECOR odd[] = {DECOR_43, static_cast<DECOR>(99), static_cast<DECOR>(-5), HERBE2, VIDE,
                       DECOR_44};
  for (int x = 0; x < 6; ++x) terrain_grid[CellIndex(x, 0)] = odd[x];
  Zone_Connue[CellIndex(11, 9)] = 1;
  AjouterSprite(HUMAN, HALL1, 0, 2);  // a site at 1 hit point
  auto* builder = dynamic_cast<cPaysan*>(AjouterSprite(HUMAN, PAYSA, 0, 2));
  builder->visible = false;
  builder->Tache = CONSTUCTION;
  builder->Xmine = 4;
  builder->XHall = -1;
  AjouterSprite(HUMAN, GUERR, 5, 6)->PointsDeVie = 7;
  AjouterSprite(ORC, OPAYS, 10, 8)->Tache = static_cast<TACHE>(17);
  AjouterSprite(ORC, WATOW, 9, 5)->Present_In_Initial_Map = true;
  AjouterSprite(NEUTRE, T_FIR, 9, 0);
}

TEST_F(MapTool, ASlotWrittenByTheGameDecompilesAndCompilesBackByteForByte) {
  BuildGameInProgress();
  SaveInSlotFile(4, "SLOT \"4\"");
  const std::string slot = "../common_bin/slot4.bin";
  ASSERT_EQ(Run({"decompile", slot}), 0) << err_;
  const std::string text = out_;
  EXPECT_NE(text.find("name \"SLOT \\\"4\\\"\"\nmission 2\ngold 10\n"), std::string::npos);
  EXPECT_NE(text.find("cell 1 0 99\ncell 2 0 -5\n"), std::string::npos);
  EXPECT_NE(text.find("HUMAN HALL1 0 2 hp=1 initial=no\n"
                      "HUMAN PAYSA 0 2 task=CONSTUCTION visible=no initial=no "
                      "mine=4,0 wood=0,0 hall=-1,2\n"),
            std::string::npos);
  EXPECT_NE(text.find("ORC OPAYS 10 8 task=17 initial=no"), std::string::npos);
  WriteBytes("slot.map", text);
  ASSERT_EQ(Run({"compile", "slot.map", "again.bin"}), 0) << err_;
  EXPECT_EQ(ReadBytes("again.bin"), ReadBytes(slot));
}

// Sources and files it cannot take fail with a message naming them (and the
// line), and write nothing; a damaged file shows what could be read.
TEST_F(MapTool, WhatItCannotTakeFailsWithItsFileAndLine) {
  WriteBytes("bad.map", "terrain\n..\nend\nHUMAN HALLX 0 0\nORC OGUER 5 0\n");
  WriteBytes("empty.map", "");
  WriteBytes("good.map", "terrain\n..\nend\n");
  WriteBytes("huge.bin", test::Bytes().Ints({0, 1, 200, 5}).str());
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"compile", "missing.map", "x.bin"}, "quorvelnn-map: cannot read missing.map\n"},
      {{"compile", "bad.map", "x.bin"},
       "bad.map:4: unknown kind \"HALLX\"\nbad.map:5: OGUER at 5,0 lies outside the 2x1 map\n"},
      {{"compile", "empty.map", "x.bin"}, "empty.map: there is no terrain block\n"},
      {{"compile", "good.map", "no/such/dir/x.bin"},
       "quorvelnn-map: cannot write no/such/dir/x.bin\n"},
      {{"decompile", "missing.bin"}, "quorvelnn-map: cannot read missing.bin\n"},
      {{"decompile", "huge.bin"},
       "quorvelnn-map: huge.bin is no map: it is larger than 128 cells\n"},
  };
  for (const auto& [args, message] : cases) {
    EXPECT_EQ(Run(args), 1) << args[1];
    EXPECT_EQ(err_, message);
  }
  EXPECT_FALSE(std::ifstream("x.bin"));

  BuildGameInProgress();
  ASSERT_TRUE(SaveGame("whole.bin", "cut"));
  const std::string whole = ReadBytes("whole.bin");
  for (const std::size_t cut : {std::size_t(0), std::size_t(30), whole.size() - 5}) {
    WriteBytes("cut.bin", whole.substr(0, cut));
    EXPECT_EQ(Run({"decompile", "cut.bin"}), 1) << cut;
    EXPECT_NE(err_.find("cut.bin is damaged"), std::string::npos) << cut;
  }
  EXPECT_NE(out_.find("terrain\n"), std::string::npos);  // what could be read is still shown
}

TEST_F(MapTool, AWrongCommandLineShowsTheUsage) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"compile", "a.map"}, {"decompile"}, {"draw", "a", "b"}}) {
    EXPECT_EQ(Run(args), 2);
    EXPECT_EQ(err_.rfind("usage: quorvelnn-map compile SOURCE.map OUT.bin\n", 0), 0U);
  }
}

}  // namespace
