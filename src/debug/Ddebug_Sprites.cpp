// The dumps come with the objects.
#include "debug/Ddebug_Sprites.h"

void DumpSelectedSprite(cSprite*) {}
