// Object lines of a source: "RACE KIND X Y" and optional fields, and the
// checks that every object lies on the map without covering another.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "map/map_source.h"
#include "map/source_lines.h"

namespace mapmaker {

// The race a line starts with, if it starts with one.
std::optional<RACE> RaceOfWord(const std::string& word);
// The object of a line whose first token is a race; none after an error.
std::optional<MapObject> ParseObjectLine(const std::vector<Token>& tokens, int line,
                                         std::vector<MapError>& errors);
// Every object's footprint on the map, and no two visible ones sharing a
// cell (a hidden worker may stand inside the building it raises).
void CheckPlacement(const MapSource& map, std::vector<MapError>& errors);

// The words a task is written with; a number for a value without a name.
std::string TaskWord(TACHE task);

}  // namespace mapmaker
