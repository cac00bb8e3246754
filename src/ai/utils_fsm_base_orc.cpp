// The rebuild list; its operations come with the unit behaviour.
#include "ai/utils_fsm_base_orc.h"

Orc_Rebuild_Entry* rebuild_list = nullptr;

void Signal_Sprite_Orc_To_Rebuild(cDefUnit*, int, int) {}
void Signal_Sprite_Orc_Rebuild(cDefUnit*, int, int) {}
void ClearRebuildList() {}
