// The orc side in the real program: a human archer shoots an orc farm of the
// map; two idle orc soldiers are sent against it, the tower kills it, and orc
// workers leave their gold to raise the farm again. F1 on the selected
// archer, held, and F2 show it in the logs.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "map/map_tool.h"
#include "support/run_game.h"

namespace {

constexpr char kObjects[] =
    "NEUTRE MINEO 2 6\nORC OHALL 2 14\nORC OFARM 10 10 hp=10\nORC WATOW 14 12\n"
    "ORC OGUER 10 2\nORC OGUER 11 2\n"
    "ORC OPAYS 6 12 task=RECOLTE_OR mine=2,6 hall=2,14\n"
    "ORC OPAYS 6 13 task=RECOLTE_OR mine=2,6 hall=2,14\n"
    "HUMAN ARCHE 13 10 hp=40\n";
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

TEST(OrcBaseEndToEnd, DefendersComeWorkersRebuildAndEachKeyMessageDumps) {
  test::GameTree game;
  std::ofstream source(game.root() / "orc_base.map");
  source << "mission 0\norc-gold 1000\norc-wood 1000\nexplored all\nterrain\n";
  for (int row = 0; row < 20; ++row) source << std::string(20, '.') << "\n";
  source << "end\n" << kObjects;
  source.close();
  std::ostringstream errors;
  ASSERT_EQ(mapmaker::CompileMap((game.root() / "orc_base.map").string(),
                                 (game.root() / "missions" / "demo.bin").string(), errors),
            0)
      << errors.str();
  // 51 ms frames: a worker steps at every frame, the farm gains a point every
  // second one. F1 (59) first with nothing selected, then held 816 ms on the
  // archer: the press and a repeat after 500 ms, then every 33 ms.
  const std::string script =
      "at 7 key 59 down\nat 8 key 59 up\n"                         // F1
      "at 8 mouse 400 304\nat 9 left down\nat 11 mouse 464 368\n"  // a band around
      "at 13 left up\nat 14 key 59 down\nat 30 key 59 up\n"        // the archer, F1
      "at 60 key 60 down\nat 61 key 60 up\nat 120 shot gone\n"     // F2
      "at 400 key 60 down\nat 401 key 60 up\nat 402 shot rebuilt\nat 404 close\n";
  const test::GameRun run = game.RunScript(script, 500, "--frame-ms 51 --map ../missions/demo.bin");
  ASSERT_EQ(run.exit_code, 0) << run.output;

  const std::string f1 = game.Log("output_F1.txt");
  EXPECT_EQ(Split(f1, kDumpHead).size(), 10u);
  EXPECT_EQ(DumpsOf(f1, "ARCHE").size(), 10u);
  const std::string f2 = game.Log("sprites.txt");
  EXPECT_EQ(f2.find("Nom    : ARCHE"), std::string::npos);  // the orc side only
  const auto lists = Split(f2, "LIST OF SPRITES ORC     ######################\n");
  ASSERT_EQ(lists.size(), 2u);
  // Both soldiers were sent, one a frame, against the farm's attacker.
  const std::vector<std::string> soldiers = DumpsOf(lists[0], "OGUER");
  ASSERT_EQ(soldiers.size(), 2u);
  for (const std::string& soldier : soldiers) {
    EXPECT_NE(soldier.find("Tache  : ATTACK\n"), std::string::npos);
    EXPECT_NE(soldier.find("ActualTarget :[ARCHE:13,10]\n"), std::string::npos);
  }
  // The farm stands again, of the map; both workers were sent while its site
  // was free: the one that founded it went back to its gold, the other finds
  // the site taken and waits beside it.
  const std::vector<std::string> farms = DumpsOf(lists[1], "OFARM");
  ASSERT_EQ(farms.size(), 1u);
  EXPECT_NE(farms[0].find("Px     : 10\nPy     : 10\n"), std::string::npos);
  EXPECT_NE(farms[0].find("present Map initale  : true\n"), std::string::npos);
  const std::vector<std::string> workers = DumpsOf(lists[1], "OPAYS");
  ASSERT_EQ(workers.size(), 2u);
  int harvesting = 0, waiting = 0;
  for (const std::string& worker : workers) {
    harvesting += worker.find("Tache  : RECOLTE OR\n") != std::string::npos;
    waiting += worker.find("Tache  : RE CONSTUCTION\n") != std::string::npos;
    EXPECT_NE(worker.find("XBuild : 10  YBuild : 10\n"), std::string::npos);
  }
  EXPECT_EQ(harvesting, 1);
  EXPECT_EQ(waiting, 1);
  const auto gone = game.Shot("gone"), rebuilt = game.Shot("rebuilt");
  ASSERT_TRUE(gone && rebuilt);
  EXPECT_FALSE(test::ShowsPicture(*gone, "batis_orcs.bmp", 1, 1, 64, 64, 320, 320));
  EXPECT_TRUE(test::ShowsPicture(*rebuilt, "batis_orcs.bmp", 1, 1, 64, 64, 320, 320));
}

}  // namespace
