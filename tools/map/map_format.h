// Writing a map as source text, the form the reader takes back exactly.
#pragma once

#include <string>

#include "map/map_source.h"

namespace mapmaker {

// Fields equal to what an object line assumes are left out.
std::string FormatMap(const MapSource& map);

}  // namespace mapmaker
