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
// The game screen's panel icon: runs the command icon under the mouse.
void SignalClickEdit();
// Draws the panel of the one selected sprite.
void DrawDescription(cDescEdit* description);
