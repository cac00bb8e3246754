// The command panel of the game screen.
#pragma once

// Builds the panel's icons and descriptions.
void InitEdit();
// Frees them at shutdown.
void FreeEdit();
