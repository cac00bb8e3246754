// Orders given on the map and the placing of a building.
#pragma once

class cSprite;

// The game screen's map icon: what a left press on the map means. It founds
// the building being placed, or gives the selected sprites their orders, or
// selects the human object under the cursor.
void SignalClickMap();
// Draws the building being placed on the cells under the cursor.
void AfficherConstruction();

// An order that keeps the selection (attack, mine, conquer) for s, by its
// kind and what lies under the cursor.
bool OrdonnerAction(cSprite* s);
// Sends s to the free cell under the cursor; those chasing it give up,
// unless they are aggressive.
void OrdonnerDeplacement(cSprite* s);
// Pays for and founds the building being placed, and sends the worker that
// chose it.
void PoserBatiment();
