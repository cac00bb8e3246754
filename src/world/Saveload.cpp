// Saved games come with the world.
#include "world/Saveload.h"

void ScanSlotNames() {}
