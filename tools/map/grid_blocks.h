// The two grids of a source, read row by row: the terrain (with the cell
// lines that give '?' cells their value) and the explored area.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "map/map_source.h"

namespace mapmaker {

// "cell X Y VALUE": a terrain value the grid's alphabet cannot draw.
struct RawTerrainCell {
  int line = 0;
  Cell at;
  int value = 0;
};

class GridBlock {
 public:
  virtual ~GridBlock() = default;

  // Starts the block over at its opening line.
  virtual void Open(int line);
  // One row, without blanks at either end.
  void AddRow(int line, std::string_view row, std::vector<MapError>& errors);
  int line() const { return line_; }
  virtual std::string name() const = 0;

 protected:
  virtual bool Allowed(char c) const = 0;
  int Width() const { return rows_.empty() ? 0 : int(rows_[0].size()); }
  int Height() const { return int(rows_.size()); }

  int line_ = 0;
  std::vector<std::string> rows_;
  std::vector<int> row_lines_;
  bool damaged_ = false;        // a row was refused: the grid cannot be used
  bool too_many_rows_ = false;  // reported at the first row too many
};

class TerrainBlock : public GridBlock {
 public:
  std::string name() const override { return "terrain"; }
  // The map's size and terrain; false when the grid is unusable.
  bool Resolve(MapSource& map, const std::vector<RawTerrainCell>& raw,
               std::vector<MapError>& errors) const;

 protected:
  bool Allowed(char c) const override;

 private:
  void ApplyRaw(MapSource& map, const std::vector<RawTerrainCell>& raw,
                std::vector<MapError>& errors) const;
};

class ExploredBlock : public GridBlock {
 public:
  std::string name() const override { return "explored"; }
  void Open(int line) override;
  // "explored all" or "explored none" instead of a grid.
  void SetAll(int line, bool explored);
  // The explored area of a map whose size is known; none when not given.
  void Resolve(MapSource& map, std::vector<MapError>& errors) const;

 protected:
  bool Allowed(char c) const override { return c == '.' || c == 'x'; }

 private:
  enum class Form { kNone, kAll, kGrid };
  Form form_ = Form::kNone;
};

}  // namespace mapmaker
