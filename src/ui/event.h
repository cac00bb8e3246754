// Orders given on the map and the placing of a building.
#pragma once

// The game screen's map icon: what a left press on the map means.
void SignalClickMap();
// Draws the building being placed under the cursor.
void AfficherConstruction();
