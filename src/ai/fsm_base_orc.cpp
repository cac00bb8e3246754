// The orc side's state machine; its states and rebuilding come later.
#include "ai/fsm_base_orc.h"

bool under_attack = false;

void Init_FSM_Base_Orc() {
  under_attack = false;
  ClearRebuildList();
}

void Check_Base_Orc_Under_Attack() {}
void Update_State_FSM_Base_Orc() {}
void Apply_State_FSM_Base_Orc() {}
