// The campaign through the menu's actions: new campaign, briefings, the
// victory box and the next mission, saving and loading slots.
#include "ui/menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "frame/ddraw_text.h"
#include "frame/main.h"
#include "map/scenario_file.h"
#include "platform/dinput.h"
#include "support/files.h"
#include "support/world.h"
#include "ui/Menu_Save_Load.h"
#include "ui/Std_Boxes.h"
#include "ui/Zone_scenario.h"
#include "ui/zone_game.h"
#include "world/Init_Env.h"
#include "world/Saveload.h"

namespace {

class Campaign : public test::WorldTest {
 protected:
  Campaign() {
    InitFont();
    InitBoxes();
    game_zone = &game;
    InitMenu();
    InitZoneScenario();
    test::WriteBytes(tree.root() / "common_bin" / "scenario.sc",
                     mapmaker::ScenarioBytes({"ONE", "TWO", "THE END"}));
    game_running = false;
    slot_names = {};
  }
  ~Campaign() override { game_zone = nullptr; }

  // A 12 x 12 world of the mission with that many orc soldiers.
  void MakeWorld(int mission, int orcs) {
    test::ResetWorldTo(12, 12);
    current_mission = mission;
    for (int i = 0; i < orcs; ++i) Add(ORC, OGUER, 10, i);
  }
  // The same as mission 1's map file; the start sets the number.
  void MakeMission1File(int orcs) {
    MakeWorld(0, orcs);
    SaveGame("../missions/mission_1.bin", "MAP");
  }
  static int PlayButtons() {
    return int(std::ranges::count(main_menu_zone->Icones(), menu_play_button));
  }
  static void Type(std::initializer_list<int> keys) {
    for (int key : keys) main_menu_zone->SignalKeyToActiveZone(static_cast<unsigned char>(key));
  }
  static void Press(Zone_Interactive* box) { box->Icones()[0]->Execute(); }  // OK

  test::Machine machine;
  Zone_Game game;
};

// During a game NEW CAMPAIGN starts again from mission 1's briefing,
// without asking, and closes the box the last game left.
TEST_F(Campaign, NewCampaignRestartsMission1AndAddsPlayEachTime) {
  MakeMission1File(3);
  current_mission = 2;
  game_running = true;
  box_message->Show("VICTORY", game_zone, NextMission);
  Menu_NewCampaign();
  EXPECT_EQ(std::tuple(game.Get_Child(), current_zone, scenario_zone->Text(), current_mission,
                       sprite_counts[ORC], PlayButtons()),
            std::tuple(nullptr, scenario_zone, "ONE", 1, 3, 1));
  Scenario_Play();
  EXPECT_EQ(current_zone, game_zone);

  // PLAY added again takes another slot; removing it frees the first slot
  // and every pixel of it, so the copy left is drawn but cannot be pressed.
  Menu_NewCampaign();
  EXPECT_EQ(PlayButtons(), 2);
  main_menu_zone->RemoveIcone(menu_play_button);
  EXPECT_EQ(std::tuple(PlayButtons(), main_menu_zone->IconAt(330, 260)), std::tuple(1, nullptr));
}

TEST_F(Campaign, SaveNeedsAGameThenANameAndKeepsTheLastOne) {
  Menu_Save();
  EXPECT_EQ(std::tuple(main_menu_zone->Get_Child(), box_info->Message()),
            std::tuple(box_info, "NO GAME TO SAVE"));
  Press(box_info);
  MakeWorld(1, 0);
  game_running = true;
  Menu_Save();
  EXPECT_EQ(main_menu_zone->Get_Child(), save_zone);
  for (int key : {DIK_A, DIK_B}) {
    AskSlotName(0);
    Type({key, DIK_RETURN});
  }
  AskSlotName(1);
  Type({DIK_RETURN});  // an empty name saves nothing; the screen stays
  EXPECT_EQ(std::tuple(main_menu_zone->Get_Child(), slot_names[0], slot_names[1]),
            std::tuple(save_zone, "B", std::nullopt));
  if (std::filesystem::exists("/dev/full")) {  // a save that fails keeps the slot's name
    std::filesystem::create_symlink("/dev/full", "../common_bin/slot0.bin.tmp");
    AskSlotName(0);
    Type({DIK_C, DIK_RETURN});
    EXPECT_EQ(slot_names[0], "B");
  }
  ScanSlotNames();  // the file was written again under the new name
  EXPECT_EQ(std::tuple(slot_names[0], slot_names[1]), std::tuple("B", std::nullopt));
}

// After mission 2 the closing text's empty world wins at once: the game
// stops under a second VICTORY box, which PLAY shows and whose OK ends the
// campaign.
TEST_F(Campaign, AGameLoadedInMission2AndWonEndsWithTheClosingTextThenPlayIsRemoved) {
  Menu_Load();
  LoadSlot(3);  // empty: nothing happens
  EXPECT_EQ(std::tuple(main_menu_zone->Get_Child(), game_running, PlayButtons()),
            std::tuple(load_zone, false, 0));
  MakeWorld(2, 2);
  char name[] = "TWO LEFT";
  SaveInSlot(3, name);
  test::ResetWorldTo(12, 12);
  LoadSlot(3);
  EXPECT_EQ(std::tuple(main_menu_zone->Get_Child(), game_running, PlayButtons()),
            std::tuple(nullptr, true, 1));
  Menu_Play();
  TestVictoire();
  Menu_Save();
  EXPECT_EQ(main_menu_zone->Get_Child(), box_info);  // no game to save, but PLAY stays
  Press(box_info);
  EXPECT_EQ(PlayButtons(), 1);

  Press(box_message);
  EXPECT_EQ(std::tuple(current_zone, scenario_zone->Text()), std::tuple(scenario_zone, "THE END"));
  TestVictoire();  // the same pass of the game loop
  EXPECT_EQ(std::tuple(game_running, game.Get_Child()), std::tuple(false, box_message));
  Scenario_Play();
  EXPECT_EQ(current_zone, main_menu_zone);
  Menu_Play();
  Press(box_message);
  EXPECT_EQ(std::tuple(current_zone, PlayButtons()), std::tuple(main_menu_zone, 0));
}

}  // namespace
