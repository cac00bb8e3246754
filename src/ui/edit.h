// The command panel of the game screen.
#pragma once

#include "world/sprites_names.h"

class cDescEdit;

// Builds the panel's icons and descriptions.
void InitEdit();
// Frees them at shutdown.
void FreeEdit();
// The panel description shared by every sprite of a kind; null for none.
cDescEdit* DescEditOf(DECOR kind);
