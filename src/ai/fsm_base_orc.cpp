// The orc side's state machine; its states and rebuilding come later.
#include "ai/fsm_base_orc.h"

bool under_attack = false;

void Init_FSM_Base_Orc() {
  under_attack = false;
}

void Signal_Sprite_Orc_To_Rebuild(cDefUnit*, int, int) {}
