// The source reader: a line at a time, grids in blocks closed by "end".
#include "map/map_parse.h"

#include <algorithm>
#include <map>
#include <optional>

#include "map/grid_blocks.h"
#include "map/object_lines.h"
#include "map/source_lines.h"
#include "world/decors.h"

namespace mapmaker {
namespace {

class SourceReader {
 public:
  explicit SourceReader(ParsedMap& out) : map_(out.map), errors_(out.errors) {}

  void Line(int number, std::string_view text) {
    if (block_) {
      if (Trim(text) == "end") {
        block_ = nullptr;
      } else {
        block_->AddRow(number, Trim(text), errors_);
      }
      return;
    }
    std::string error;
    const std::optional<std::vector<Token>> tokens = SplitLine(text, error);
    if (!tokens) {
      errors_.push_back({number, error});
    } else if (!tokens->empty()) {
      Statement(*tokens, number);
    }
  }

  void Finish() {
    if (block_) errors_.push_back({block_->line(), block_->name() + " has no end line"});
    if (!terrain_.line()) {
      errors_.push_back({0, "there is no terrain block"});
      return;
    }
    if (!terrain_.Resolve(map_, raw_cells_, errors_)) return;
    explored_.Resolve(map_, errors_);
    CheckPlacement(map_, errors_);
  }

 private:
  void Statement(const std::vector<Token>& tokens, int line) {
    const std::string& word = tokens[0].text;
    if (tokens[0].quoted) {
      errors_.push_back({line, "a line cannot start with a quoted text"});
    } else if (RaceOfWord(word)) {
      if (std::optional<MapObject> object = ParseObjectLine(tokens, line, errors_)) {
        map_.objects.push_back(*object);
      }
    } else if (word == "terrain" || word == "explored") {
      OpenBlock(tokens, line);
    } else if (word == "cell") {
      RawCell(tokens, line);
    } else {
      Header(tokens, line);
    }
  }

  bool Once(const std::string& key, int line) {
    const auto [place, first] = seen_.emplace(key, line);
    if (!first) {
      errors_.push_back(
          {line, key + " is given twice (first on line " + std::to_string(place->second) + ")"});
    }
    return first;
  }

  bool Arguments(const std::vector<Token>& tokens, std::size_t count, int line, const char* form) {
    if (tokens.size() == count + 1) return true;
    errors_.push_back({line, std::string("expected ") + form});
    return false;
  }

  std::optional<int> Number(const Token& token, int line) {
    const std::optional<int> value = token.quoted ? std::nullopt : ParseInt(token.text);
    if (!value) errors_.push_back({line, "bad number " + QuoteText(token.text)});
    return value;
  }

  void Header(const std::vector<Token>& tokens, int line) {
    const std::string& key = tokens[0].text;
    const std::map<std::string, int*> numbers = {{"mission", &map_.mission},
                                                 {"gold", &map_.gold},
                                                 {"wood", &map_.wood},
                                                 {"orc-gold", &map_.orc_gold},
                                                 {"orc-wood", &map_.orc_wood}};
    if (key == "name") {
      if (!Arguments(tokens, 1, line, "name \"TEXT\"") || !Once(key, line)) return;
      if (!tokens[1].quoted || tokens[1].text.find('\0') != std::string::npos) {
        errors_.push_back({line, "the name must be a quoted text, without \\x00"});
        return;
      }
      map_.name = tokens[1].text;
    } else if (key == "view") {
      if (!Arguments(tokens, 2, line, "view X Y (pixels)") || !Once(key, line)) return;
      const std::optional<int> x = Number(tokens[1], line), y = Number(tokens[2], line);
      if (!x || !y) return;
      // As far as the game's scrolling can take the view, and no farther.
      if (*x < -kViewWidth || *x > kMapCapacity * kCellSize || *y < -kViewHeight ||
          *y > kMapCapacity * kCellSize) {
        errors_.push_back(
            {line, "the view must lie within the map's reach (-520..4096, -480..4096)"});
        return;
      }
      map_.view = {*x, *y};
    } else if (const auto number = numbers.find(key); number != numbers.end()) {
      if (!Arguments(tokens, 1, line, (key + " NUMBER").c_str()) || !Once(key, line)) return;
      if (const std::optional<int> value = Number(tokens[1], line)) *number->second = *value;
    } else {
      errors_.push_back({line, "unknown line " + QuoteText(key)});
    }
  }

  void OpenBlock(const std::vector<Token>& tokens, int line) {
    const std::string& key = tokens[0].text;
    if (key == "explored" && tokens.size() == 2 &&
        (tokens[1].text == "all" || tokens[1].text == "none")) {
      if (Once(key, line)) explored_.SetAll(line, tokens[1].text == "all");
      return;
    }
    if (!Arguments(tokens, 0, line, (key + " alone, its rows below, then end").c_str())) return;
    GridBlock& block = key == "terrain" ? static_cast<GridBlock&>(terrain_) : explored_;
    block.Open(line);
    block_ = &block;
    Once(key, line);
  }

  void RawCell(const std::vector<Token>& tokens, int line) {
    if (!Arguments(tokens, 3, line, "cell X Y VALUE")) return;
    const std::optional<int> x = Number(tokens[1], line), y = Number(tokens[2], line),
                             value = Number(tokens[3], line);
    if (x && y && value) raw_cells_.push_back({line, {*x, *y}, *value});
  }

  MapSource& map_;
  std::vector<MapError>& errors_;
  TerrainBlock terrain_;
  ExploredBlock explored_;
  GridBlock* block_ = nullptr;  // the block whose rows come next
  std::vector<RawTerrainCell> raw_cells_;
  std::map<std::string, int> seen_;  // header keys and blocks, with their line
};

}  // namespace

ParsedMap ParseMap(std::string_view text) {
  ParsedMap out;
  SourceReader reader(out);
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    reader.Line(++number, text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  reader.Finish();
  std::stable_sort(out.errors.begin(), out.errors.end(),
                   [](const MapError& a, const MapError& b) { return a.line < b.line; });
  return out;
}

}  // namespace mapmaker
