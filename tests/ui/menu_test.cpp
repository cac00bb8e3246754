// The campaign through the menu's actions: new campaign, briefings, the
// victory box and the next mission, saving and loading slots.
#include "ui/menu.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "frame/ddraw_text.h"
#include "frame/main.h"
#include "map/scenario_file.h"
#include "platform/dinput.h"
#include "support/files.h"
#include "support/world.h"
#include "ui/Menu_Save_Load.h"
#include "ui/Std_Boxes.h"
#include "ui/Zone_scenario.h"
#include "ui/icone.h"
#include "ui/zone_game.h"
#include "units/cMonk.h"
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
  ~Campaign() override {
    game_zone = nullptr;
    current_zone = nullptr;
  }

  // A small world of the mission, with that many orc soldiers, written to a
  // file and left in place.
  void MakeWorld(int mission, int orcs) {
    test::ResetWorldTo(12, 12);
    current_mission = mission;
    Add(HUMAN, MONK, 1, 1);
    for (int i = 0; i < orcs; ++i) Add(ORC, OGUER, 10, i);
  }
  void MakeMissionFile(int mission, int orcs) {
    MakeWorld(0, orcs);  // the start sets the number, whatever the file holds
    SaveGame("../missions/mission_" + std::to_string(mission) + ".bin", "MAP");
  }
  static int PlayButtons() {
    const auto& icons = main_menu_zone->Icones();
    return int(std::count(icons.begin(), icons.end(), menu_play_button));
  }
  static void Type(std::initializer_list<int> keys) {
    for (int key : keys) main_menu_zone->SignalKeyToActiveZone(static_cast<unsigned char>(key));
  }
  static void PressVictoryOk() { box_message->Icones()[0]->Execute(); }

  test::Machine machine;
  Zone_Game game;
};

TEST_F(Campaign, NewCampaignOpensMission1sBriefingThenTheGameThenMission2) {
  MakeMissionFile(1, 3);
  MakeMissionFile(2, 5);
  Menu_NewCampaign();
  EXPECT_EQ(current_zone, scenario_zone);
  EXPECT_TRUE(game_running);
  EXPECT_EQ(current_mission, 1);
  EXPECT_EQ(scenario_zone->Text(), "ONE");
  EXPECT_EQ(sprite_counts[ORC], 3);
  EXPECT_EQ(PlayButtons(), 1);
  Scenario_Play();
  EXPECT_EQ(current_zone, game_zone);
  ConquetesNature = 1;
  TestVictoire();
  EXPECT_FALSE(game_running);
  PressVictoryOk();
  EXPECT_EQ(current_zone, scenario_zone);
  EXPECT_TRUE(game_running);
  EXPECT_EQ(current_mission, 2);
  EXPECT_EQ(scenario_zone->Text(), "TWO");
  EXPECT_EQ(sprite_counts[ORC], 5);
  EXPECT_EQ(ConquetesNature, 0);
}

// PLAY added again takes another slot; removing it frees the first slot and
// every pixel of it, so the copy left is drawn but cannot be pressed.
TEST_F(Campaign, EveryNewCampaignAddsPlayAgain) {
  MakeMissionFile(1, 0);
  Menu_NewCampaign();
  Menu_NewCampaign();
  EXPECT_EQ(PlayButtons(), 2);
  main_menu_zone->RemoveIcone(menu_play_button);
  EXPECT_EQ(PlayButtons(), 1);
  EXPECT_EQ(main_menu_zone->IconAt(330, 260), nullptr);
}

TEST_F(Campaign, NewCampaignDuringAGameRestartsMission1AndClosesAnyBoxOverTheGame) {
  MakeMissionFile(1, 1);
  current_mission = 2;
  game_running = true;
  box_message->Show("VICTORY", game_zone, NextMission);
  Menu_NewCampaign();
  EXPECT_EQ(game.Get_Child(), nullptr);
  EXPECT_EQ(current_mission, 1);
  EXPECT_EQ(current_zone, scenario_zone);
}

TEST_F(Campaign, SaveAsksForAGameThenForANameAndKeepsTheLastName) {
  Menu_Save();
  EXPECT_EQ(main_menu_zone->Get_Child(), box_info);
  EXPECT_EQ(box_info->Message(), "NO GAME TO SAVE");
  box_info->Icones()[0]->Execute();
  EXPECT_EQ(main_menu_zone->Get_Child(), nullptr);

  MakeWorld(1, 0);
  game_running = true;
  Menu_Save();
  EXPECT_EQ(main_menu_zone->Get_Child(), save_zone);
  for (int key : {DIK_A, DIK_B}) {
    AskSlotName(0);
    EXPECT_EQ(save_zone->Get_Child(), box_input);
    Type({key, DIK_RETURN});
  }
  EXPECT_EQ(main_menu_zone->Get_Child(), save_zone);  // the screen stays
  EXPECT_EQ(slot_names[0], "B");
  ScanSlotNames();
  EXPECT_EQ(slot_names[0], "B");  // the file was written again under the new name

  AskSlotName(1);
  Type({DIK_RETURN});  // an empty name saves nothing
  SaveInSlot(1, nullptr);
  EXPECT_FALSE(slot_names[1]);
  EXPECT_FALSE(std::filesystem::exists(tree.root() / "common_bin" / "slot1.bin"));
}

TEST_F(Campaign, LoadingAnEmptySlotDoesNothingAndAUsedSlotLoadsAndOffersPlay) {
  Menu_Load();
  LoadSlot(3);
  EXPECT_EQ(main_menu_zone->Get_Child(), load_zone);
  EXPECT_FALSE(game_running);
  EXPECT_EQ(PlayButtons(), 0);

  MakeWorld(2, 4);
  char name[] = "FOUR ORCS";
  SaveInSlot(3, name);
  test::ResetWorldTo(12, 12);
  LoadSlot(3);
  EXPECT_EQ(main_menu_zone->Get_Child(), nullptr);
  EXPECT_TRUE(game_running);
  EXPECT_EQ(PlayButtons(), 1);
  EXPECT_EQ(current_mission, 2);
  EXPECT_EQ(sprite_counts[ORC], 4);
}

// After mission 2 the closing text's empty world wins at once: the game
// stops under a second VICTORY box, which PLAY shows and whose OK ends the
// campaign.
TEST_F(Campaign, AGameSavedInMission2AndWonEndsWithTheClosingTextThenPlayIsRemoved) {
  MakeWorld(2, 2);
  char name[] = "TWO LEFT";
  SaveInSlot(0, name);
  LoadSlot(0);
  Menu_Play();
  EXPECT_EQ(current_zone, game_zone);
  TestVictoire();
  EXPECT_FALSE(game_running);
  Menu_Save();
  EXPECT_EQ(main_menu_zone->Get_Child(), box_info);  // no game to save, PLAY still there
  box_info->Close();
  EXPECT_EQ(PlayButtons(), 1);

  PressVictoryOk();
  EXPECT_EQ(current_zone, scenario_zone);
  EXPECT_EQ(current_mission, 3);
  EXPECT_EQ(scenario_zone->Text(), "THE END");
  TestVictoire();  // the same pass of the game loop
  EXPECT_FALSE(game_running);
  EXPECT_EQ(game.Get_Child(), box_message);
  Scenario_Play();
  EXPECT_EQ(current_zone, main_menu_zone);

  Menu_Play();
  PressVictoryOk();
  EXPECT_EQ(current_zone, main_menu_zone);
  EXPECT_EQ(PlayButtons(), 0);
}

}  // namespace
