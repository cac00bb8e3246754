// The map in the game's world model: made with the game's own functions,
// and read back from it.
#pragma once

#include <string>
#include <vector>

#include "map/map_source.h"

namespace mapmaker {

// The weapons and unit definitions, unless already built: sprites need them.
void PrepareWorldModel();

// Replaces the world by the map as the game's reader would: a reset world,
// the terrain and explored area, then each object made by AjouterSprite
// (with its side effects: food, exploring, occupancy, notifications) and
// given its fields. False, with the reason, when the game refuses an object.
bool BuildWorld(const MapSource& map, std::vector<MapError>& errors);

// The world as a map. Each side's objects are listed from the head of its
// list: made again in that order they end up reversed, which is the order
// of the file the world was read from.
MapSource CaptureWorld(const std::string& name);

}  // namespace mapmaker
