// The saved-game format: the exact stream and its stored form, the order of
// the lists across loads, slot names, damaged files and the two logs.
#include "world/Saveload.h"

#include <gtest/gtest.h>

#include "support/files.h"

#include <sys/resource.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <tuple>
#include <vector>

#include "support/world.h"
#include "ui/money.h"
#include "ui/zone_game.h"
#include "units/cPaysan.h"
#include "world/Init_Env.h"
#include "world/sprites.h"

namespace {

using test::ReadBytes;
using test::WriteBytes;

using Stream = test::Bytes;

// A sprite record's base: kind, cell, hit points, task, the two flags.
Stream& Record(Stream& s, DECOR kind, int x, int y, int hp, TACHE task, bool visible,
               bool initial) {
  return s.Int(kind).Int(x).Int(y).Int(hp).Int(task).Byte(visible).Byte(initial);
}

// What lies on disk: every 0x0A as 0x0D 0x0A.
std::string Stored(const std::string& stream) {
  std::string stored;
  for (char c : stream) stored += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return stored;
}

// The head of a file with no name and no terrain variety: w x h grass,
// nothing explored, the treasuries at 0, the view as given.
Stream GrassHead(int w, int h, int scroll_x = 0, int scroll_y = 0) {
  Stream s;
  s.Ints({0, 1, w, h});
  for (int i = 0; i < w * h; ++i) s.Int(HERBE1);
  for (int i = 0; i < w * h; ++i) s.Byte(0);
  return s.Ints({0, 0, 0, 0, scroll_x, scroll_y});
}

// Stores the stream, empties the world to w x h and loads the file.
bool LoadStored(const Stream& s, int w, int h) {
  WriteBytes("stored.bin", Stored(s.str()));
  test::ResetWorldTo(w, h);
  return LoadGame("stored.bin");
}

std::vector<DECOR> Kinds(RACE race) {
  std::vector<DECOR> kinds;
  for (cSprite* s = sprite_lists[race]; s; s = s->pNext) kinds.push_back(s->pDef->Nom);
  return kinds;
}

class SavedGame : public test::WorldTest {
 protected:
  // The 2 x 2 world with one human worker, saved under "ab".
  void BuildSmallWorld() {
    test::ResetWorldTo(2, 2);
    current_mission = 2;
    terrain_grid[CellIndex(0, 1)] = HERBE2;
    terrain_grid[CellIndex(1, 0)] = BOIS05;
    terrain_grid[CellIndex(1, 1)] = VIDE;
    Money = 10, Wood = 20, MoneyOrc = 30, WoodOrc = 40;
    scroll_x = 64, scroll_y = 32;
    auto* worker = dynamic_cast<cPaysan*>(AjouterSprite(HUMAN, PAYSA, 1, 1));
    ASSERT_NE(worker, nullptr);
    worker->PointsDeVie = 10;
    worker->Tache = RECOLTE_OR;
    worker->Present_In_Initial_Map = true;
    std::tie(worker->Xmine, worker->Ymine, worker->XBois, worker->YBois, worker->XHall,
             worker->YHall) = std::tuple(5, 6, 7, 8, -1, -1);
  }
  static Stream SmallWorldStream() {
    Stream s;
    s.Int(2).Text("ab").Ints({2, 2, 2});
    s.Ints({HERBE1, HERBE2, BOIS05, VIDE});  // column by column
    s.Byte(1).Byte(1).Byte(1).Byte(1);       // all seen by the worker
    s.Ints({10, 20, 30, 40, 64, 32, 1, 0, 0});
    Record(s, PAYSA, 1, 1, 10, RECOLTE_OR, true, true).Ints({5, 6, 7, 8, -1, -1});
    return s;
  }
};

// The world is saved as the expected stream, its stored form reads back to
// the same world, which saves again to it; the logs mirror the writer and
// the reader.
TEST_F(SavedGame, TwoByTwoWorldWithOneWorkerIsTheExpectedStreamBothWays) {
  BuildSmallWorld();
  ASSERT_TRUE(SaveGame("small.bin", "ab"));
  const std::string stream = SmallWorldStream().str();
  // Money (10) and the hit points (10) each gain a 0x0D before their 0x0A.
  EXPECT_EQ(ReadBytes("small.bin"), Stored(stream));
  EXPECT_EQ(Stored(stream).size(), stream.size() + 2);
  const std::string saved = tree.Log("Fake_save.txt");
  EXPECT_EQ(saved.find("length:02\nname:ab\nmission : 02\nTX_MAP :02\nTY_MAP :02\n"), 0U);
  EXPECT_NE(saved.find("nb sprites neutres : 00\n############# NEW SPRITE HUMAIN ##############\n"
                       "PAYSA\nPX : 01\n"),
            std::string::npos);

  ASSERT_TRUE(LoadStored(SmallWorldStream(), 5, 5));
  EXPECT_EQ(std::tie(tx_map, sprite_lists[HUMAN]->PointsDeVie, Money), std::make_tuple(2, 10, 10));
  const std::string read = tree.Log("Fake_read.txt");
  EXPECT_EQ(
      read.find("02\nab\nmission : 02\ntx_map : 02\nty_map : 02\nlecture de la map....done\n"), 0U);
  EXPECT_NE(read.find("name : PAYSA\npx : 01\npy : 01\npoints vie : 10\ntache : RECOLTE OR\n"),
            std::string::npos);
  // Everything read is written again: one sprite, so no order to reverse.
  ASSERT_TRUE(SaveGame("again.bin", "ab"));
  EXPECT_EQ(ReadBytes("again.bin"), Stored(stream));
}

TEST_F(SavedGame, ALoneCarriageReturnIsOrdinaryData) {
  test::ResetWorldTo(1, 1);
  Money = 13, Wood = 0x0A0D;  // a 0x0D with no 0x0A after it, and one with
  ASSERT_TRUE(SaveGame("cr.bin", ""));
  const std::string stored = ReadBytes("cr.bin");
  EXPECT_EQ(stored.substr(4 + 12 + 4 + 1, 8), std::string("\x0D\0\0\0\x0D\r\n\0", 8));
  test::ResetWorldTo(1, 1);
  ASSERT_TRUE(LoadGame("cr.bin"));
  EXPECT_EQ(std::tie(Money, Wood), std::make_tuple(13, 0x0A0D));
}

TEST_F(SavedGame, EachLoadReversesTheListsAndASecondLoadRestoresThem) {
  test::ResetWorldTo(10, 10);
  AjouterSprite(HUMAN, GUERR, 1, 1);
  AjouterSprite(HUMAN, ARCHE, 2, 1);
  AjouterSprite(HUMAN, MONK, 3, 1);
  AjouterSprite(ORC, OGUER, 1, 5);
  AjouterSprite(ORC, OARCH, 2, 5);
  AjouterSprite(NEUTRE, MINEO, 6, 6);
  ASSERT_TRUE(SaveGame("first.bin", "order"));

  test::ResetWorldTo(10, 10);
  ASSERT_TRUE(LoadGame("first.bin"));
  EXPECT_EQ(std::tuple(Kinds(HUMAN), Kinds(ORC)),
            std::tuple(std::vector<DECOR>{GUERR, ARCHE, MONK}, std::vector<DECOR>{OGUER, OARCH}));
  ASSERT_TRUE(SaveGame("second.bin", "order"));
  EXPECT_NE(ReadBytes("second.bin"), ReadBytes("first.bin"));

  test::ResetWorldTo(10, 10);
  ASSERT_TRUE(LoadGame("second.bin"));
  ASSERT_TRUE(SaveGame("third.bin", "order"));
  EXPECT_EQ(ReadBytes("third.bin"), ReadBytes("first.bin"));
}

TEST_F(SavedGame, AFileThatCannotBeOpenedIsReportedAndChangesNothing) {
  test::ResetWorldTo(3, 3);
  Money = 77;
  EXPECT_FALSE(LoadGame("../common_bin/gone.bin"));
  EXPECT_EQ(std::tie(Money, tx_map), std::make_tuple(77, 3));
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"), " impossible to open the file :../common_bin/gone.bin\n");
}

// Lowers the file-size limit for its lifetime.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit lower = saved_;
    lower.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lower);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

 private:
  rlimit saved_{};
};

// Every way a save can fail, root included (permissions do not stop root):
// the file it was to replace keeps its bytes, no temporary file is left and
// the failure is logged; the next save that can be made replaces the file.
TEST_F(SavedGame, ASaveThatFailsKeepsTheOldFile) {
  namespace fs = std::filesystem;
  test::ResetWorldTo(30, 30);  // 4 KB of terrain and more
  const std::string old_bytes = "OLD SLOT";
  auto old_file = [&](const char* path) { return WriteBytes(path, old_bytes), true; };
  struct Case {
    const char* what;
    std::string path;
    std::function<bool()> prepare;  // false: the failure cannot be made here
    rlim_t size_limit = 0;          // none
  };
  const std::vector<Case> cases = {
      {"missing directory", "gone/slot.bin", [] { return true; }},
      {"directory that is a file", "plain/slot.bin", [&] { return old_file("plain"); }},
      {"read-only directory", "locked/slot.bin",
       [&] {
         fs::create_directory("locked");
         old_file("locked/slot.bin");
         fs::permissions("locked", fs::perms::owner_read | fs::perms::owner_exec);
         return !std::ofstream("locked/probe");  // root writes there all the same
       }},
      {"full disk", "full.bin",
       [&] {
         std::error_code error;
         fs::create_symlink("/dev/full", "full.bin.tmp", error);
         return old_file("full.bin") && !error && fs::exists("/dev/full");
       }},
      {"file-size limit", "limited.bin", [&] { return old_file("limited.bin"); }, 1024},
      {"name taken by a directory", "taken.bin",
       [] { return fs::create_directories("taken.bin/inside"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (!c.prepare()) continue;
    const bool existed = fs::is_regular_file(c.path);
    std::optional<FileSizeLimit> limit;
    if (c.size_limit) limit.emplace(c.size_limit);
    const bool saved = SaveGame(c.path, "NEW");
    limit.reset();
    EXPECT_FALSE(saved);
    if (existed) {
      EXPECT_TRUE(ReadBytes(c.path) == old_bytes) << "the old file changed";
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(c.path + ".tmp")));
    EXPECT_NE(
        tree.Log("Fatal_Errors.txt").find(" impossible to save in the file :" + c.path + "\n"),
        std::string::npos);
  }
  std::error_code ignored;
  fs::permissions("locked", fs::perms::owner_all, ignored);
  ASSERT_TRUE(SaveGame("limited.bin", "NEW"));
  EXPECT_EQ(ReadBytes("limited.bin").substr(0, 7), Stream().Int(3).Text("NEW").str());
  EXPECT_FALSE(fs::exists("limited.bin.tmp"));
}

TEST_F(SavedGame, TheSlotScanFindsPresentMissingAndDamagedNames) {
  test::ResetWorldTo(2, 2);
  SaveInSlotFile(0, "FIRST GAME");
  WriteBytes("../common_bin/slot3.bin", "\x02");                            // no whole length
  WriteBytes("../common_bin/slot5.bin", Stream().Int(9).Text("ab").str());  // name cut short
  WriteBytes("../common_bin/slot6.bin", Stream().Int(-4).Text("xyz").str());
  slot_names[1] = "STALE";
  ScanSlotNames();
  const std::optional<std::string> none;
  EXPECT_EQ(slot_names, (std::array<std::optional<std::string>, 10>{
                            "FIRST GAME", none, none, "", none, "ab", "", none, none, none}));
}

TEST_F(SavedGame, OnlyAMapLargerThanTheGridsIsRefusedAndThenBeforeAnythingChanges) {
  for (const auto& [w, h] : {std::pair{129, 10}, {10, 129}, {INT_MAX, INT_MIN}}) {
    test::ResetWorldTo(4, 4);
    Money = 55;
    terrain_grid[CellIndex(2, 2)] = BOIS01;
    WriteBytes("big.bin", Stored(Stream().Ints({0, 3, w, h, HERBE2}).str()));
    EXPECT_FALSE(LoadGame("big.bin")) << w << "x" << h;
    EXPECT_EQ(std::tie(tx_map, ty_map, current_mission, terrain_grid[CellIndex(2, 2)], Money),
              std::make_tuple(4, 4, 0, BOIS01, 55));
  }
  // No cell at all, or a negative count of them: nothing to read, the rest follows.
  for (const auto& [w, h] : {std::pair{0, 5}, {-3, -4}}) {
    EXPECT_TRUE(LoadStored(Stream().Ints({0, 3, w, h, 7, 0, 0, 0, 0, 0}), 4, 4)) << w;
    EXPECT_EQ(std::tie(tx_map, ty_map, current_mission, Money), std::make_tuple(w, h, 3, 7));
  }
}

TEST_F(SavedGame, ATruncatedFileKeepsWhatWasRead) {
  test::ResetWorldTo(6, 6);
  AjouterSprite(HUMAN, GUERR, 1, 1)->PointsDeVie = 3;
  AjouterSprite(HUMAN, ARCHE, 2, 2)->PointsDeVie = 4;
  ASSERT_TRUE(SaveGame("whole.bin", "cut"));
  const std::string whole = ReadBytes("whole.bin");
  const std::size_t records = whole.size() - 2 * 22;
  // Every cut, anywhere: never a crash, never more than was stored.
  for (std::size_t length = 0; length < whole.size(); ++length) {
    WriteBytes("cut.bin", whole.substr(0, length));
    test::ResetWorldTo(6, 6);
    LoadGame("cut.bin");
    EXPECT_LE(sprite_counts[HUMAN], length < records + 22 ? 1 : 2) << length;
  }
  // Cut after the second record's cell: the sprite is made and keeps the
  // hit points its constructor gave it.
  WriteBytes("cut.bin", whole.substr(0, records + 22 + 12));
  test::ResetWorldTo(6, 6);
  ASSERT_TRUE(LoadGame("cut.bin"));
  ASSERT_EQ(Kinds(HUMAN), (std::vector<DECOR>{GUERR, ARCHE}));
  EXPECT_EQ(std::tuple(sprite_lists[HUMAN]->PointsDeVie, sprite_lists[HUMAN]->pNext->PointsDeVie),
            std::tuple(120, 4));
}

TEST_F(SavedGame, AbsurdCountsAndLengthsStopAtTheEndOfTheFile) {
  Stream huge_counts = GrassHead(3, 3);
  huge_counts.Ints({INT_MAX, INT_MAX, -7});
  Record(huge_counts, GUERR, 0, 0, 9, SANS_TACHE, true, false);
  EXPECT_TRUE(LoadStored(huge_counts, 3, 3));
  EXPECT_EQ(std::tie(sprite_counts[HUMAN], sprite_counts[ORC]), std::make_tuple(1, 0));

  LoadStored(Stream().Int(INT_MAX).Text("short"), 3, 3);
  EXPECT_EQ(sprite_counts[HUMAN] + sprite_counts[ORC] + sprite_counts[NEUTRE], 0);
  const std::string read = tree.Log("Fake_read.txt");
  EXPECT_NE(read.find("2147483647\nshort\n"), std::string::npos);  // the length as given
}

// Records are made as the registry makes any sprite: one past the map but on
// the grids, one on taken cells (a site around its hidden worker) with the
// registry's message. A kind its side refuses, a footprint off the grids or
// a kind of no side stops the read.
TEST_F(SavedGame, RecordsAreMadeByTheRegistryAndOneItRefusesStopsTheRead) {
  Stream s = GrassHead(10, 10);
  s.Ints({6, 1, 0});
  Record(s, HALL1, 8, 8, 100, SANS_TACHE, true, true);  // reaches (11, 11)
  Record(s, GUERR, 127, 127, 120, SANS_TACHE, true, true);
  Record(s, PAYSA, 4, 4, 1000, CONSTUCTION, false, false).Ints({0, 0, 0, 0, 0, 0});
  Record(s, FERME, 4, 4, 1, SANS_TACHE, true, false);
  Record(s, OHALL, 1, 1, 100, SANS_TACHE, true, true);  // an orc kind among the humans
  Record(s, ARCHE, 2, 2, 100, SANS_TACHE, true, true);
  Record(s, OGUER, 7, 7, 150, SANS_TACHE, true, true);
  EXPECT_TRUE(LoadStored(s, 10, 10));
  EXPECT_EQ(Kinds(HUMAN), (std::vector<DECOR>{FERME, PAYSA, GUERR, HALL1}));
  EXPECT_EQ(std::tuple(occupancy_grid[CellIndex(11, 11)]->pDef->Nom,
                       occupancy_grid[CellIndex(4, 4)]->pDef->Nom, sprite_lists[ORC]),
            std::tuple(HALL1, FERME, nullptr));
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            "sprites AjouterSprites il y a deja un sprite a cet endroit !\n"
            "sprites cSprite* AjouterSprite(RACE Race,DECOR Nom,int x,int y, bool LOAD) : \n"
            "        DECOR is not valid for HUMAINS\n");

  const std::tuple<int, int, int> refused[] = {
      {HALL1, 125, 0}, {GUERR, -1, 0}, {GUERR, 0, 128}, {-1, 0, 0}, {1000, 0, 0}};
  for (const auto& [kind, x, y] : refused) {
    Stream one = GrassHead(10, 10);
    Record(one.Ints({1, 0, 0}), static_cast<DECOR>(kind), x, y, 120, SANS_TACHE, true, true);
    EXPECT_TRUE(LoadStored(one, 10, 10));
    EXPECT_EQ(sprite_counts[HUMAN], 0) << kind << " at " << x << "," << y;
  }
}

// Hit points, worker places and the view are kept as the file gives them,
// and the game runs on them without reading off its grids.
TEST_F(SavedGame, DamagedNumbersAreKeptAndTheGameRunsOnThem) {
  Stream s = GrassHead(6, 6, INT_MAX, INT_MIN);
  s.Ints({2, 0, 0});
  Record(s, GUERR, 1, 1, INT_MIN, ATTACK, true, true);
  Record(s, PAYSA, 3, 1, 5, RECOLTE_OR, true, true).Ints({INT_MAX, 4, -2, 5, INT_MIN, 127});
  ASSERT_TRUE(LoadStored(s, 6, 6));
  EXPECT_EQ(std::tie(scroll_x, scroll_y), std::make_tuple(INT_MAX, INT_MIN));
  auto* worker = dynamic_cast<cPaysan*>(sprite_lists[HUMAN]);
  ASSERT_NE(worker, nullptr);
  EXPECT_EQ(std::tie(worker->Xmine, worker->Ymine, worker->XBois, worker->YBois, worker->XHall,
                     worker->YHall),
            std::make_tuple(INT_MAX, 4, -2, 5, INT_MIN, 127));
  EXPECT_EQ(worker->pNext->PointsDeVie, INT_MIN);
  test::Clock clock;
  for (int frame = 0; frame < 50; ++frame) test::PlayFrame(clock, 100);
  EXPECT_EQ(worker->Tache, SANS_TACHE);  // no way to a mine off the grids
}

}  // namespace
