// The orc side's rebuild list: order of destruction, removal of the first
// equal entry, the report of a missing one, and its clearing.
#include "ai/utils_fsm_base_orc.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "ai/fsm_base_orc.h"
#include "support/scratch.h"
#include "world/sprites_defs.h"

namespace {

using Entry = std::tuple<DECOR, int, int>;

class RebuildList : public ::testing::Test {
 protected:
  RebuildList() { InitDefUnits(); }
  ~RebuildList() override {
    ClearRebuildList();
    FreeDefUnits();
  }

  static void Lost(DECOR kind, int px, int py) {
    Signal_Sprite_Orc_To_Rebuild(GetDefUnit(kind), px, py);
  }
  static void Rebuilt(DECOR kind, int px, int py) {
    Signal_Sprite_Orc_Rebuild(GetDefUnit(kind), px, py);
  }
  static std::vector<Entry> Entries() {
    std::vector<Entry> entries;
    for (Orc_Rebuild_Entry* e = rebuild_list; e; e = e->next)
      entries.emplace_back(e->def->Nom, e->px, e->py);
    return entries;
  }

  test::ScratchTree tree;
};

TEST_F(RebuildList, KeepsTheOrderOfLossRemovesTheFirstEqualEntryAndReportsAMissingOne) {
  Lost(OHALL, 1, 2);
  Lost(OGUER, 3, 4);
  Lost(OHALL, 1, 2);
  Lost(OARCH, 5, 6);
  Rebuilt(OHALL, 1, 2);
  EXPECT_EQ(Entries(), (std::vector<Entry>{{OGUER, 3, 4}, {OHALL, 1, 2}, {OARCH, 5, 6}}));
  Rebuilt(OARCH, 5, 6);  // the tail: a later entry must still follow the last one
  Lost(OPAYS, 7, 8);
  Rebuilt(OGUER, 3, 4);
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"), "");
  Rebuilt(OPAYS, 1, 2);  // one entry of the kind, another on the cell
  EXPECT_EQ(Entries(), (std::vector<Entry>{{OHALL, 1, 2}, {OPAYS, 7, 8}}));
  EXPECT_EQ(tree.Log("Fatal_Errors.txt"),
            "utils_fsm_base_orc void Signal_Sprite_Orc_Rebuild(cDefUnit * def, int px, int py) \n"
            "impossible to find the cDefUnit...:OPAYS en : [01,02]\n");

  Init_FSM_Base_Orc();  // a world reset: the leak checker sees any entry left behind
  EXPECT_EQ(rebuild_list, nullptr);
  Lost(OPAYS, 7, 8);
  EXPECT_EQ(Entries(), (std::vector<Entry>{{OPAYS, 7, 8}}));
}

}  // namespace
