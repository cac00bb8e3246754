// The orc side in the real program: a human archer shoots an orc farm of
// the map; two idle orc soldiers are sent against it, the tower kills it,
// and orc workers leave their gold to raise the farm again. F1 held on the
// selected archer and F2 show it all in the logs.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "map/map_tool.h"
#include "support/run_game.h"

namespace {

constexpr char kMap[] = R"(name "ORC BASE"
mission 0
orc-gold 1000
orc-wood 1000
terrain
....................
....................
....................
....................
....................
....................
....................
....................
....................
....................
....................
....................
....................
....................
....................
....................
....................
....................
....................
....................
end
explored all
NEUTRE MINEO 2 6
ORC OHALL 2 14
ORC OFARM 10 10 hp=10
ORC WATOW 14 12
ORC OGUER 10 2
ORC OGUER 11 2
ORC OPAYS 6 12 task=RECOLTE_OR mine=2,6 hall=2,14
ORC OPAYS 6 13 task=RECOLTE_OR mine=2,6 hall=2,14
HUMAN ARCHE 13 10 hp=40
)";

constexpr char kDumpHead[] =
    "#############################################################\n"
    "#############################################################\n";
constexpr char kOrcList[] =
    "####################### LIST OF SPRITES ORC     ######################\n";

// The pieces of text between two occurrences of a separator.
std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  for (auto at = text.find(separator); at != std::string::npos;) {
    const auto next = text.find(separator, at + separator.size());
    parts.push_back(text.substr(at + separator.size(), next - at - separator.size()));
    at = next;
  }
  return parts;
}

// The dumps of one orc list that are of a kind.
std::vector<std::string> DumpsOf(const std::string& list, const std::string& kind) {
  std::vector<std::string> dumps;
  for (const std::string& dump : Split(list, kDumpHead)) {
    if (dump.find("Nom    : " + kind + "\n") != std::string::npos) dumps.push_back(dump);
  }
  return dumps;
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(OrcBaseEndToEnd, DefendersComeWorkersRebuildAndTheKeysDumpEachMessage) {
  test::GameTree game;
  std::ofstream(game.root() / "orc_base.map") << kMap;
  std::ostringstream errors;
  ASSERT_EQ(mapmaker::CompileMap((game.root() / "orc_base.map").string(),
                                 (game.root() / "missions" / "demo.bin").string(), errors),
            0)
      << errors.str();
  // 51 ms frames: a worker steps at every frame and the farm gains a point
  // every second frame.
  const std::string script =
      "at 3 mouse 420 260\n"  // DEMO MAP
      "at 5 left down\n"
      "at 6 left up\n"
      "at 8 mouse 400 304\n"  // a band around the archer at (13, 10)
      "at 9 left down\n"
      "at 11 mouse 464 368\n"
      "at 13 left up\n"
      "at 14 key 59 down\n"  // F1 held 16 frames: 816 ms
      "at 30 key 59 up\n"
      "at 60 key 60 down\n"  // F2
      "at 61 key 60 up\n"
      "at 120 shot gone\n"
      "at 400 key 60 down\n"
      "at 401 key 60 up\n"
      "at 402 shot rebuilt\n"
      "at 404 close\n";
  const test::GameRun run = game.RunScript(script, 500, "--frame-ms 51");
  ASSERT_EQ(run.exit_code, 0) << run.output;

  // The press, then a repeat after 500 ms and every 33 ms while held.
  const std::string f1 = game.Log("output_F1.txt");
  EXPECT_EQ(Split(f1, kDumpHead).size(), 10u);
  EXPECT_EQ(DumpsOf(f1, "ARCHE").size(), 10u);

  const std::vector<std::string> lists = Split(game.Log("sprites.txt"), kOrcList);
  ASSERT_EQ(lists.size(), 2u);
  // Both soldiers were sent, one a frame, against the farm's attacker.
  const std::vector<std::string> soldiers = DumpsOf(lists[0], "OGUER");
  ASSERT_EQ(soldiers.size(), 2u);
  for (const std::string& soldier : soldiers) {
    EXPECT_TRUE(Has(soldier, "Tache  : ATTACK\n")) << soldier.substr(0, 200);
    EXPECT_TRUE(Has(soldier, "ActualTarget :[ARCHE:13,10]\n"));
  }

  // The farm stands again, of the map; both workers were sent while its
  // site was free and both went back to their gold.
  const std::vector<std::string> farms = DumpsOf(lists[1], "OFARM");
  ASSERT_EQ(farms.size(), 1u);
  EXPECT_TRUE(Has(farms[0], "Px     : 10\nPy     : 10\n"));
  EXPECT_TRUE(Has(farms[0], "present Map initale  : true\n"));
  const std::vector<std::string> workers = DumpsOf(lists[1], "OPAYS");
  ASSERT_EQ(workers.size(), 2u);
  for (const std::string& worker : workers) {
    EXPECT_TRUE(Has(worker, "Tache  : RECOLTE OR\n"));
    EXPECT_TRUE(Has(worker, "XBuild : 10  YBuild : 10\n"));
  }

  const auto gone = game.Shot("gone"), rebuilt = game.Shot("rebuilt");
  ASSERT_TRUE(gone && rebuilt);
  EXPECT_FALSE(test::ShowsPicture(*gone, "batis_orcs.bmp", 1, 1, 64, 64, 320, 320));
  EXPECT_TRUE(test::ShowsPicture(*rebuilt, "batis_orcs.bmp", 1, 1, 64, 64, 320, 320));
}

}  // namespace
