// The player's selection of up to ten human objects.
#pragma once

class cSprite;

void ClearSelection();
// The one selected object, or null when none or several are selected.
cSprite* GetSelectedSprite();
