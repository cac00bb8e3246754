// The sprite registry; the objects and their kinds come with the world.
#include "world/sprites.h"

void InitDefUnits() {}
void FreeDefUnits() {}
void FreeAllSprites() {}
void PrintOrcSprites() {}
