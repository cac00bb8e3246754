// Reading grids and giving the map its size, terrain and explored area.
#include "map/grid_blocks.h"

#include "map/source_lines.h"
#include "map/terrain_text.h"
#include "world/decors.h"

namespace mapmaker {
namespace {

std::string CellText(Cell c) {
  return std::to_string(c.x) + "," + std::to_string(c.y);
}

std::string Size(int width, int height) {
  return std::to_string(width) + "x" + std::to_string(height);
}

}  // namespace

void GridBlock::Open(int line) {
  line_ = line;
  rows_.clear();
  row_lines_.clear();
  damaged_ = too_many_rows_ = false;
}

void GridBlock::AddRow(int line, std::string_view row, std::vector<MapError>& errors) {
  if (too_many_rows_) return;
  if (Height() == kMapCapacity) {
    errors.push_back(
        {line, "the " + name() + " has more than " + std::to_string(kMapCapacity) + " rows"});
    damaged_ = too_many_rows_ = true;
    return;
  }
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (!Allowed(row[i])) {
      errors.push_back({line, "unknown " + name() + " character " + QuoteText(row.substr(i, 1)) +
                                  " in column " + std::to_string(i + 1)});
      damaged_ = true;
      break;
    }
  }
  if (row.size() > std::size_t(kMapCapacity)) {
    errors.push_back({line, "the " + name() + " row is " + std::to_string(row.size()) +
                                " cells wide: at most " + std::to_string(kMapCapacity)});
    damaged_ = true;
    row = row.substr(0, std::size_t(kMapCapacity));
  } else if (row.empty() || (!rows_.empty() && int(row.size()) != Width())) {
    errors.push_back({line, "the " + name() + " row has " + std::to_string(row.size()) +
                                " cells where the first has " + std::to_string(Width())});
    damaged_ = true;
  }
  rows_.emplace_back(row);
  row_lines_.push_back(line);
}

bool TerrainBlock::Allowed(char c) const {
  return IsTerrainChar(c);
}

bool TerrainBlock::Resolve(MapSource& map, const std::vector<RawTerrainCell>& raw,
                           std::vector<MapError>& errors) const {
  if (rows_.empty()) errors.push_back({line_, "the terrain has no rows"});
  if (rows_.empty() || damaged_) return false;
  map.width = Width();
  map.height = Height();
  map.terrain = ResolveTerrain(rows_);
  ApplyRaw(map, raw, errors);
  return true;
}

void TerrainBlock::ApplyRaw(MapSource& map, const std::vector<RawTerrainCell>& raw,
                            std::vector<MapError>& errors) const {
  std::vector<int> given(map.terrain.size(), 0);  // the line giving each '?' cell
  for (const RawTerrainCell& cell : raw) {
    const Cell c = cell.at;
    if (c.x < 0 || c.y < 0 || c.x >= map.width || c.y >= map.height) {
      errors.push_back({cell.line, "cell " + CellText(c) + " lies outside the " +
                                       Size(map.width, map.height) + " map"});
    } else if (const char drawn = rows_[c.y][c.x]; drawn != kRawChar) {
      errors.push_back({cell.line, "cell " + CellText(c) + " is drawn '" + std::string(1, drawn) +
                                       "', not '?'"});
    } else if (given[map.Index(c.x, c.y)]) {
      errors.push_back({cell.line, "cell " + CellText(c) + " is given twice (first on line " +
                                       std::to_string(given[map.Index(c.x, c.y)]) + ")"});
    } else if (const std::optional<char> own = CharOfTerrain(cell.value)) {
      errors.push_back({cell.line, "terrain " + std::to_string(cell.value) + " is drawn '" +
                                       std::string(1, *own) + "' in the grid"});
    } else {
      given[map.Index(c.x, c.y)] = cell.line;
      map.terrain[map.Index(c.x, c.y)] = cell.value;
    }
  }
  for (int y = 0; y < map.height; ++y) {
    for (int x = 0; x < map.width; ++x) {
      if (rows_[y][x] == kRawChar && !given[map.Index(x, y)]) {
        errors.push_back(
            {row_lines_[y], "no cell line gives the value of the '?' at " + CellText({x, y})});
      }
    }
  }
}

void ExploredBlock::Open(int line) {
  GridBlock::Open(line);
  form_ = Form::kGrid;
}

void ExploredBlock::SetAll(int line, bool explored) {
  GridBlock::Open(line);
  form_ = explored ? Form::kAll : Form::kNone;
}

void ExploredBlock::Resolve(MapSource& map, std::vector<MapError>& errors) const {
  map.explored.assign(map.terrain.size(), form_ == Form::kAll ? 1 : 0);
  if (form_ != Form::kGrid) return;
  if (Width() != map.width || Height() != map.height) {
    errors.push_back({line_, "the explored grid is " + Size(Width(), Height()) +
                                 " but the terrain " + Size(map.width, map.height)});
    return;
  }
  if (damaged_) return;
  for (int y = 0; y < map.height; ++y) {
    for (int x = 0; x < map.width; ++x) map.explored[map.Index(x, y)] = rows_[y][x] == 'x';
  }
}

}  // namespace mapmaker
