// The command panel; its icons and descriptions come with the world.
#include "ui/edit.h"

void InitEdit() {}

void FreeEdit() {}
