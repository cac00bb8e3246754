// The maps of the repository: they hold what they are made to show, compile
// back to themselves, and the game finds them where the build puts them.
#include <gtest/gtest.h>

#include "support/files.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "map/map_parse.h"
#include "map/map_tool.h"
#include "support/run_game.h"
#include "support/world.h"
#include "world/sprites_defs.h"

namespace {

using test::ReadBytes;

const std::filesystem::path kMaps = std::filesystem::path(QUORVELNN_SOURCE_DIR) / "maps";

class Missions : public test::WorldTest, public ::testing::WithParamInterface<const char*> {
 protected:
  std::filesystem::path Source() const { return kMaps / (std::string(GetParam()) + ".map"); }
};

class TestMap : public test::WorldTest {};

TEST_P(Missions, CompileDecompileAndCompileAgainGiveTheSameBytes) {
  std::ostringstream err, text;
  ASSERT_EQ(mapmaker::CompileMap(Source().string(), "first.bin", err), 0) << err.str();
  ASSERT_EQ(mapmaker::DecompileMap("first.bin", text, err), 0) << err.str();
  std::ofstream("again.map", std::ios::binary) << text.str();
  ASSERT_EQ(mapmaker::CompileMap("again.map", "second.bin", err), 0) << err.str();
  EXPECT_EQ(ReadBytes("second.bin"), ReadBytes("first.bin"));
}

TEST_P(Missions, EveryObjectStandsOnOpenGrass) {
  const mapmaker::ParsedMap parsed = mapmaker::ParseMap(ReadBytes(Source()));
  ASSERT_TRUE(parsed.errors.empty());
  const mapmaker::MapSource& map = parsed.map;
  for (const mapmaker::MapObject& object : map.objects) {
    const cDefUnit* def = GetDefUnit(object.kind);
    for (int i = 0; i < def->Largeur; ++i) {
      for (int j = 0; j < def->Hauteur; ++j) {
        EXPECT_EQ(map.terrain[map.Index(object.at.x + i, object.at.y + j)], HERBE1)
            << "line " << object.line;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Maps, Missions,
                         ::testing::Values("test", "demo", "mission_1", "mission_2"));

TEST_F(TestMap, HoldsEveryTerrainPieceAndEveryKindItIsMadeToShow) {
  const mapmaker::ParsedMap parsed = mapmaker::ParseMap(ReadBytes(kMaps / "test.map"));
  ASSERT_TRUE(parsed.errors.empty());
  const std::set<int> terrain(parsed.map.terrain.begin(), parsed.map.terrain.end());
  for (int value = VIDE; value <= BOIS13; ++value) EXPECT_TRUE(terrain.count(value)) << value;
  EXPECT_TRUE(terrain.count(DECOR_44));
  std::set<DECOR> kinds;
  for (const mapmaker::MapObject& object : parsed.map.objects) kinds.insert(object.kind);
  for (DECOR kind : {HALL1, PAYSA, BARRA, FERME, GUERR, ARCHE, MONK, MINEO, T_AIR, T_FIR, T_NAT,
                     OHALL, OFARM, OBARR, WATOW, OGUER, OARCH, OPAYS}) {
    EXPECT_TRUE(kinds.count(kind)) << GetStringFromDECOR(kind);
  }
  EXPECT_EQ(parsed.map.view, (mapmaker::Cell{0, 0}));
}

// The port's --map opens a built map in the game screen.
TEST(MissionFiles, TheGameReadsTheBuiltMapsFromItsMissionsDirectory) {
  const test::GameTree game;  // with the built missions in its missions/
  const struct {
    const char* file;
    const char* head;
  } kMaps[] = {{"test.bin", "08\nTEST MAP\n"}, {"demo.bin", "04\nDEMO\n"}};
  for (const auto& map : kMaps) {
    std::filesystem::remove(game.root() / "bin" / "output" / "Fake_read.txt");
    game.RunScript("", 10, std::string("--map ../missions/") + map.file);
    const std::string read = game.Log("Fake_read.txt");
    EXPECT_EQ(read.rfind(map.head, 0), 0U) << read.substr(0, 40);
    EXPECT_EQ(game.Log("Fatal_Errors.txt").find("impossible to open"), std::string::npos);
  }
}

}  // namespace
