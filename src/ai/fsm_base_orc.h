// The orc side's state machine: it rescues attacked orc objects and rebuilds
// or retrains those of the mission's map that are lost.
#pragma once

// The base's states. The names carry a prefix because ATTACK is also a task.
enum STATE_BASE_ORC : int { STATE_IDLE = 0, STATE_UNDER_ATTACK = 1, STATE_ATTACK = 2 };

extern STATE_BASE_ORC currentstate;
// Raised by every hit on an orc building; cleared by the check below once no
// orc object of the mission's map has attackers.
extern bool under_attack;
// Would send the base to ATTACK; nothing in the game raises it.
extern bool attack_request;

// "IDLE", "UNDER ATTACK", "ATTACK", or "UNKNOWN STATE".
const char* GetStringFromSTATE_BASE_ORC(STATE_BASE_ORC state);

// Back to IDLE with both flags down and nothing to rebuild.
void Init_FSM_Base_Orc();
// The three steps the game screen runs, in this order, after each world step.
void Check_Base_Orc_Under_Attack();
void Update_State_FSM_Base_Orc();
void Apply_State_FSM_Base_Orc();

#include "ai/utils_fsm_base_orc.h"
