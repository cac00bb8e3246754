// The orc side's rebuild list: the orc objects of the mission's map that
// were destroyed, in the order they fell, to be rebuilt or retrained; and the
// orc side's helpers that rescue and rebuild.
#pragma once

class cDefUnit;
class cSprite;

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

// Who makes a kind for the orc side: a harvesting orc worker that is in sight
// for a building, an idle orc hall or barrack for their own kinds; null when
// nobody can, or for any other kind.
cSprite* Find_Orc_Producer(cDefUnit* def);
// One pass over the list: every building whose site is free gets a harvesting
// worker sent to rebuild it (its entry stays until the worker founds it); the
// first unit whose trainer is idle is ordered and its entry leaves, which ends
// the pass.
void Process_Orc_Rebuild_List();
