// The orc side's state machine: IDLE rebuilds, UNDER ATTACK also sends
// defenders, ATTACK does nothing.
#include "ai/fsm_base_orc.h"

#include "frame/logfile.h"
#include "world/sprites.h"

STATE_BASE_ORC currentstate = STATE_IDLE;
bool under_attack = false;
bool attack_request = false;

const char* GetStringFromSTATE_BASE_ORC(STATE_BASE_ORC state) {
  switch (state) {
    case STATE_IDLE:
      return "IDLE";
    case STATE_UNDER_ATTACK:
      return "UNDER ATTACK";
    case STATE_ATTACK:
      return "ATTACK";
  }
  return "UNKNOWN STATE";
}

void Init_FSM_Base_Orc() {
  currentstate = STATE_IDLE;
  under_attack = false;
  attack_request = false;
  ClearRebuildList();
}

// Only hits on buildings raise the alarm, but any object of the mission's
// map, unit or building, keeps it up while something attacks it.
void Check_Base_Orc_Under_Attack() {
  for (cSprite* s = sprite_lists[ORC]; s; s = s->pNext) {
    if (!s->removed && s->Present_In_Initial_Map && s->ListOfPeopleWhoAttackMe) return;
  }
  under_attack = false;
}

void Update_State_FSM_Base_Orc() {
  switch (currentstate) {
    case STATE_IDLE:
      if (under_attack) {
        currentstate = STATE_UNDER_ATTACK;
      } else if (attack_request) {
        currentstate = STATE_ATTACK;
      }
      return;
    case STATE_UNDER_ATTACK:
      if (!under_attack) currentstate = STATE_IDLE;
      return;
    case STATE_ATTACK:
      if (under_attack) {
        currentstate = STATE_UNDER_ATTACK;
      } else if (!attack_request) {
        currentstate = STATE_IDLE;
      }
      return;
  }
  Fatal_Errors << "fsm_base_orc void Update_State_FSM_Base_Orc() undefined currentstate ! \n";
}

void Apply_State_FSM_Base_Orc() {
  switch (currentstate) {
    case STATE_IDLE:
      Process_Orc_Rebuild_List();
      return;
    case STATE_UNDER_ATTACK:
      // Every attacked orc object is helped, of the mission's map or not.
      ForEachSprite(ORC, [](cSprite* s) {
        if (s->ListOfPeopleWhoAttackMe) s->Call_Defenders_To_Rescue();
      });
      Process_Orc_Rebuild_List();
      return;
    case STATE_ATTACK:
      // Nothing raises attack_request, so what an attack would start and
      // order was never decided: the state is kept, with no action.
      return;
  }
  Fatal_Errors << "fsm_base_orc void Apply_State_FSM_Base_Orc() undefined currentstate ! \n";
}
