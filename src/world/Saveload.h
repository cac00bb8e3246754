// Saved games and mission maps.
#pragma once

// Reads the name stored at the head of each of the ten slot files.
void ScanSlotNames();
