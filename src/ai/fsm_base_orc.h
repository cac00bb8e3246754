// The orc side's state machine: it rescues attacked orc objects and rebuilds
// or retrains those of the mission's map that are lost.
#pragma once

class cDefUnit;

// Set when an orc building is hit.
extern bool under_attack;

// Forgets the alarm and the objects to rebuild.
void Init_FSM_Base_Orc();
// The three steps the game screen runs once per world step.
void Check_Base_Orc_Under_Attack();
void Update_State_FSM_Base_Orc();
void Apply_State_FSM_Base_Orc();

#include "ai/utils_fsm_base_orc.h"
