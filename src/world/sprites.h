// The registry of every object on the map, and the definitions of every kind.
#pragma once

class cSprite;

// Builds the definition of every kind of object.
void InitDefUnits();
// Frees the definitions at shutdown.
void FreeDefUnits();
// Frees every object of the three race lists and empties them.
void FreeAllSprites();
// Lists every orc-side object into output/sprites.txt.
void PrintOrcSprites();
