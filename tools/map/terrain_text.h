// The terrain as people draw it: one character per cell, forests drawn with
// 'T' and their pieces chosen by the compiler, any piece also drawn exactly.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mapmaker {

inline constexpr char kForestChar = 'T';  // a forest piece chosen by its neighbours
inline constexpr char kRawChar = '?';     // a value given on a cell line

// The value a character draws exactly; none for 'T', '?' and strangers.
std::optional<int> TerrainOfChar(char c);
// The character drawing a value exactly; none for a value without one.
std::optional<char> CharOfTerrain(int value);
bool IsTerrainChar(char c);
bool IsForestChar(char c);

// Rows of characters of one length, north first, into values column by
// column (x * height + y). 'T' cells take the piece their drawn neighbours call for, counting
// cells beyond the map's edge as forest; '?' cells are left at 0.
std::vector<int> ResolveTerrain(const std::vector<std::string>& rows);
// The rows that resolve back to the values: 'T' wherever the rule chooses
// the stored piece, the exact character elsewhere, '?' for values without one.
std::vector<std::string> DrawTerrain(int width, int height, const std::vector<int>& values);

}  // namespace mapmaker
