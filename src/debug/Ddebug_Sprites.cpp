// The dumps; their blocks come with the debugging tools.
#include "debug/Ddebug_Sprites.h"

void DumpSprite(cSprite*, LogFile&) {}
