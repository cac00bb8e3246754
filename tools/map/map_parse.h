// Reading a map source: the header, the terrain and explored grids, the raw
// terrain cells and the objects, with every error and its line.
#pragma once

#include <string_view>
#include <vector>

#include "map/map_source.h"

namespace mapmaker {

struct ParsedMap {
  MapSource map;
  std::vector<MapError> errors;  // in the order of the lines, the map is good when empty
};

// The unit definitions must be built first: they give each kind's side,
// footprint and full hit points.
ParsedMap ParseMap(std::string_view text);

}  // namespace mapmaker
