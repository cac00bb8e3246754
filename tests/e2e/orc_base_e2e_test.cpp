// The orc side in the real program: a human archer shoots an orc farm of the
// map and the two idle orc soldiers are sent against it, which F1 on the
// selected archer, held, and F2 show in the logs; archers ordered onto a
// farm with the mouse destroy it and are walked away while an orc worker
// founds it again.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "map/map_tool.h"
#include "support/e2e.h"
#include "support/run_game.h"

namespace {

const std::string kDumpHead = std::string(61, '#') + "\n" + std::string(61, '#') + "\n";

// The pieces of text that follow each occurrence of a separator.
std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  for (auto at = text.find(separator); at != std::string::npos;) {
    const auto next = text.find(separator, at + separator.size());
    parts.push_back(text.substr(at + separator.size(), next - at - separator.size()));
    at = next;
  }
  return parts;
}

// The dumps of the kind in a list, each cut to its general block.
std::vector<std::string> DumpsOf(const std::string& list, const std::string& kind) {
  std::vector<std::string> dumps;
  for (const std::string& dump : Split(list, kDumpHead)) {
    if (dump.find("Nom    : " + kind + "\n") != std::string::npos) dumps.push_back(dump);
  }
  return dumps;
}

// Compiles a meadow of that size with the objects into missions/demo.bin.
::testing::AssertionResult MakeMap(const test::GameTree& game, int side, const char* objects) {
  std::ofstream source(game.root() / "orc_base.map");
  source << "mission 0\norc-gold 1000\norc-wood 1000\nexplored all\nterrain\n";
  for (int row = 0; row < side; ++row) source << std::string(std::size_t(side), '.') << "\n";
  source << "end\n" << objects;
  source.close();
  std::ostringstream errors;
  if (mapmaker::CompileMap((game.root() / "orc_base.map").string(),
                           (game.root() / "missions" / "demo.bin").string(), errors) == 0) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << errors.str();
}

TEST(OrcBaseEndToEnd, DefendersComeAndEachKeyMessageDumps) {
  test::GameTree game;
  ASSERT_TRUE(MakeMap(
      game, 20, "ORC OFARM 10 10 hp=10\nORC OGUER 10 2\nORC OGUER 11 2\nHUMAN ARCHE 13 10\n"));
  // 51 ms frames: a worker steps at every frame, the farm gains a point every
  // second one. F1 (59) first with nothing selected, then held 816 ms on the
  // archer: the press and a repeat after 500 ms, then every 33 ms.
  const std::string script =
      "at 7 key 59 down\nat 8 key 59 up\n"                         // F1
      "at 8 mouse 400 304\nat 9 left down\nat 11 mouse 464 368\n"  // a band around
      "at 13 left up\nat 14 key 59 down\nat 30 key 59 up\n"        // the archer, F1
      "at 60 key 60 down\nat 61 key 60 up\nat 62 close\n";         // F2
  const test::GameRun run = game.RunScript(script, 100, "--frame-ms 51 --map ../missions/demo.bin");
  ASSERT_EQ(run.exit_code, 0) << run.output;

  const std::string f1 = game.Log("output_F1.txt");
  EXPECT_EQ(Split(f1, kDumpHead).size(), 10u);
  EXPECT_EQ(DumpsOf(f1, "ARCHE").size(), 10u);
  const std::string f2 = game.Log("sprites.txt");
  EXPECT_EQ(f2.find("Nom    : ARCHE"), std::string::npos);  // the orc side only
  const auto lists = Split(f2, "LIST OF SPRITES ORC     ######################\n");
  ASSERT_EQ(lists.size(), 1u);
  // Both soldiers were sent, one a frame, against the farm's attacker.
  const std::vector<std::string> soldiers = DumpsOf(lists[0], "OGUER");
  ASSERT_EQ(soldiers.size(), 2u);
  for (const std::string& soldier : soldiers) {
    EXPECT_NE(soldier.find("Tache  : ATTACK\n"), std::string::npos);
    EXPECT_NE(soldier.find("ActualTarget :[ARCHE:13,10]\n"), std::string::npos);
  }
}

// Two archers out of the farm's reach, selected with a band and sent onto
// it, shoot it down from within three cells, inside the ten its dump shows
// around it; walked off to the north-east, they leave an orc worker to found
// the farm again.
TEST(OrcBaseEndToEnd, ArchersOrderedOntoAFarmDestroyItAndAreWalkedAway) {
  test::GameTree game;
  ASSERT_TRUE(MakeMap(game, 16,
                      "NEUTRE MINEO 1 1\nORC OHALL 1 9\nORC OFARM 7 5 hp=10\n"
                      "ORC OPAYS 5 4 task=RECOLTE_OR mine=1,1 hall=1,9\n"
                      "HUMAN ARCHE 13 11\nHUMAN ARCHE 14 11\n"));
  test::Script script;
  script.At(5).Band(405, 340, 475, 378).Click(240, 176).At(85).Shot("gone").Click(464, 48);
  script.At(240).Line("key 60 down").At(241).Line("key 60 up").Shot("away").Line("close");
  const test::GameRun run =
      game.RunScript(script.str(), 300, "--frame-ms 51 --map ../missions/demo.bin");
  ASSERT_EQ(run.exit_code, 0) << run.output;

  const std::vector<std::string> farms = DumpsOf(game.Log("sprites.txt"), "OFARM");
  ASSERT_EQ(farms.size(), 1u);
  EXPECT_NE(farms[0].find("Px     : 07\nPy     : 05\n"), std::string::npos);
  EXPECT_NE(farms[0].find("present Map initale  : true\n"), std::string::npos);
  EXPECT_EQ(farms[0].find("ARCHE"), std::string::npos);
  const auto gone = game.Shot("gone"), away = game.Shot("away");
  ASSERT_TRUE(gone && away);
  EXPECT_FALSE(test::ShowsPicture(*gone, "batis_orcs.bmp", 1, 1, 64, 64, 224, 160));
  EXPECT_TRUE(test::ShowsPicture(*away, "batis_orcs.bmp", 1, 1, 64, 64, 224, 160));
  // The first archer, still selected, on the cell clicked.
  EXPECT_TRUE(test::ShowsPicture(*away, "select.bmp", 0, 0, 34, 34, 447, 31, /*keyed=*/true));
}

}  // namespace
