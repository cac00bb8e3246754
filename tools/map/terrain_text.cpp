// Terrain characters and the forest pieces of a drawn grid.
#include "map/terrain_text.h"

#include <array>

#include "map/forest_rule.h"
#include "world/sprites_names.h"

namespace mapmaker {
namespace {

struct Drawn {
  char c;
  int value;
};

// Forest pieces drawn exactly: the nine of a block where they sit on a
// numeric keypad, the inner corners by the key at that corner of 's'.
constexpr std::array<Drawn, 18> kAlphabet = {{
    {'_', VIDE},
    {'.', HERBE1},
    {'#', HERBE2},
    {'7', BOIS01},
    {'8', BOIS02},
    {'9', BOIS03},
    {'4', BOIS04},
    {'5', BOIS05},
    {'6', BOIS06},
    {'1', BOIS07},
    {'2', BOIS08},
    {'3', BOIS09},
    {'c', BOIS10},
    {'z', BOIS11},
    {'e', BOIS12},
    {'q', BOIS13},
    {':', DECOR_43},
    {'R', DECOR_44},
}};

bool IsForestValue(int value) {
  return value >= BOIS01 && value <= BOIS13;
}

// Which cells around (x, y) are forest, by a test on the cells of the map.
template <typename IsForestAt>
Neighbourhood Around(int x, int y, int width, int height, IsForestAt forest_at) {
  Neighbourhood around{};
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const int nx = x + dx, ny = y + dy;
      const bool off_map = nx < 0 || ny < 0 || nx >= width || ny >= height;
      around[dy + 1][dx + 1] = off_map || forest_at(nx, ny);
    }
  }
  return around;
}

}  // namespace

std::optional<int> TerrainOfChar(char c) {
  for (const Drawn& d : kAlphabet) {
    if (d.c == c) return d.value;
  }
  return std::nullopt;
}

std::optional<char> CharOfTerrain(int value) {
  for (const Drawn& d : kAlphabet) {
    if (d.value == value) return d.c;
  }
  return std::nullopt;
}

bool IsTerrainChar(char c) {
  return c == kForestChar || c == kRawChar || TerrainOfChar(c).has_value();
}

bool IsForestChar(char c) {
  if (c == kForestChar) return true;
  const std::optional<int> value = TerrainOfChar(c);
  return value && IsForestValue(*value);
}

std::vector<int> ResolveTerrain(const std::vector<std::string>& rows) {
  const int height = int(rows.size());
  const int width = height > 0 ? int(rows[0].size()) : 0;
  auto forest_at = [&rows](int x, int y) { return IsForestChar(rows[y][x]); };
  std::vector<int> values(std::size_t(width) * std::size_t(height), VIDE);
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height; ++y) {
      const char c = rows[y][x];
      int& value = values[std::size_t(x) * height + y];
      if (c == kForestChar) {
        value = ChooseForestPiece(Around(x, y, width, height, forest_at));
      } else {
        value = TerrainOfChar(c).value_or(VIDE);
      }
    }
  }
  return values;
}

std::vector<std::string> DrawTerrain(int width, int height, const std::vector<int>& values) {
  auto value_at = [&](int x, int y) { return values[std::size_t(x) * height + y]; };
  auto forest_at = [&](int x, int y) { return IsForestValue(value_at(x, y)); };
  std::vector<std::string> rows(std::size_t(height), std::string(std::size_t(width), kRawChar));
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height; ++y) {
      const int value = value_at(x, y);
      char& c = rows[y][x];
      if (IsForestValue(value) &&
          ChooseForestPiece(Around(x, y, width, height, forest_at)) == value) {
        c = kForestChar;
      } else {
        c = CharOfTerrain(value).value_or(kRawChar);
      }
    }
  }
  return rows;
}

}  // namespace mapmaker
