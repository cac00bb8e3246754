// The orc side's rebuild list: the orc objects of the mission's map that
// were destroyed, in the order they fell, to be rebuilt or retrained.
#pragma once

class cDefUnit;

struct Orc_Rebuild_Entry {
  Orc_Rebuild_Entry* next = nullptr;
  cDefUnit* def = nullptr;  // the kind to rebuild or retrain
  int px = 0;  // the destroyed building's top-left cell, or a retrained unit's rally cell
  int py = 0;
};

extern Orc_Rebuild_Entry* rebuild_list;

// Appends an entry at the tail: the list keeps the order of destruction.
void Signal_Sprite_Orc_To_Rebuild(cDefUnit* def, int px, int py);
// Removes the first entry equal to (def, px, py): it is rebuilt or ordered.
// One that is not there is reported and nothing changes.
void Signal_Sprite_Orc_Rebuild(cDefUnit* def, int px, int py);
// Frees every entry.
void ClearRebuildList();
