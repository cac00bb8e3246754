// A map as the compiler and the decompiler hold it: everything a saved game
// stores, with the source line of each object for messages.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "world/sprites_names.h"

namespace mapmaker {

struct Cell {
  int x = 0;
  int y = 0;
  bool operator==(const Cell&) const = default;
};

struct MapObject {
  int line = 0;  // where the source gives it; 0 when it comes from a file
  RACE race = NEUTRE;
  DECOR kind = VIDE;
  Cell at;  // top-left cell
  int hit_points = 0;
  TACHE task = SANS_TACHE;
  bool visible = true;
  bool initial = true;  // part of the mission's map, not produced in play
  // A worker's remembered places; unset keeps what its creation gives.
  std::optional<Cell> mine, wood, hall;
};

struct MapSource {
  std::string name;
  int mission = 1;
  int gold = 0, wood = 0, orc_gold = 0, orc_wood = 0;
  Cell view;  // world pixel at the top-left of the game view
  int width = 0, height = 0;
  std::vector<int> terrain;             // column by column: (x, y) at x * height + y
  std::vector<unsigned char> explored;  // same order; 1 explored
  std::vector<MapObject> objects;       // in the order they are made

  std::size_t Index(int x, int y) const { return std::size_t(x) * std::size_t(height) + y; }
};

// A problem found in a source, at a line (0: the whole source).
struct MapError {
  int line = 0;
  std::string message;
};

}  // namespace mapmaker
