// The rebuild list: a singly linked list in the order the objects fell.
#include "ai/utils_fsm_base_orc.h"

#include "frame/logfile.h"
#include "world/sprites_defs.h"

Orc_Rebuild_Entry* rebuild_list = nullptr;

void Signal_Sprite_Orc_To_Rebuild(cDefUnit* def, int px, int py) {
  Orc_Rebuild_Entry** link = &rebuild_list;
  while (*link) link = &(*link)->next;
  *link = new Orc_Rebuild_Entry{nullptr, def, px, py};
}

void Signal_Sprite_Orc_Rebuild(cDefUnit* def, int px, int py) {
  for (Orc_Rebuild_Entry** link = &rebuild_list; *link; link = &(*link)->next) {
    Orc_Rebuild_Entry* entry = *link;
    if (entry->def == def && entry->px == px && entry->py == py) {
      *link = entry->next;
      delete entry;
      return;
    }
  }
  // A null kind is named as the log names a null text.
  Fatal_Errors
      << "utils_fsm_base_orc void Signal_Sprite_Orc_Rebuild(cDefUnit * def, int px, int py) \n"
      << "impossible to find the cDefUnit...:" << (def ? GetStringFromDECOR(def->Nom) : nullptr)
      << " en : [" << px << "," << py << "]\n";
}

void ClearRebuildList() {
  while (Orc_Rebuild_Entry* entry = rebuild_list) {
    rebuild_list = entry->next;
    delete entry;
  }
}
