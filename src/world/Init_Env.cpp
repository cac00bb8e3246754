// Missions.
#include "world/Init_Env.h"

#include "ai/fsm_base_orc.h"
#include "ui/selection.h"
#include "units/cMonk.h"
#include "units/combat.h"
#include "units/weapons.h"
#include "world/decors.h"
#include "world/map.h"
#include "world/sprites.h"

int current_mission = 0;

// The campaign's conditions come with the campaign.
void TestVictoire() {}

void ResetWorld() {
  PurgeSprites();
  ClearProjectiles();
  ClearOccupancy();
  ClearCombatGrids();
  ResetMap();
  InitMiniMap();
  ClearSelection();
  Init_FSM_Base_Orc();
  ResetSpriteCounts();
  ConquetesAir = ConquetesFeu = ConquetesNature = 0;
}
