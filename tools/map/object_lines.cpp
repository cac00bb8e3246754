// Reading object lines and checking where the objects stand.
#include "map/object_lines.h"

#include <array>

#include "world/decors.h"
#include "world/sprites_defs.h"

namespace mapmaker {
namespace {

// What a map source may give: hit points the game could reach, and worker
// places on the grids or -1 (a place lost).
constexpr int kMostHitPoints = 1000000;
bool IsSavedCell(int value) {
  return value >= -1 && value < kMapCapacity;
}

constexpr std::array<const char*, 7> kTaskWords = {"SANS_TACHE",  "RECOLTE_OR", "RECOLTE_BOIS",
                                                   "CONSTUCTION", "ATTACK",     "RE_CONSTUCTION",
                                                   "CONQUETE"};

// A kind of object, which has a definition.
std::optional<DECOR> KindOfWord(const std::string& word) {
  for (int value = MINEO; value <= OBARR; ++value) {
    const auto kind = static_cast<DECOR>(value);
    if (word == GetStringFromDECOR(kind) && GetDefUnit(kind)) return kind;
  }
  return std::nullopt;
}

std::optional<TACHE> TaskOfWord(const std::string& word) {
  for (std::size_t i = 0; i < kTaskWords.size(); ++i) {
    if (word == kTaskWords[i]) return static_cast<TACHE>(i);
  }
  if (const std::optional<int> value = ParseInt(word)) return static_cast<TACHE>(*value);
  return std::nullopt;
}

std::optional<bool> YesNo(const std::string& word) {
  if (word == "yes") return true;
  if (word == "no") return false;
  return std::nullopt;
}

// One "key=value" field into the object; false after an error.
bool ReadField(const std::string& key, const std::string& value, MapObject& object,
               std::vector<MapError>& errors, int line) {
  auto fail = [&](const std::string& message) {
    errors.push_back({line, message});
    return false;
  };
  const bool worker = GetDefUnit(object.kind)->Categorie == CATEGORIE_WORKER;
  if (key == "hp") {
    const std::optional<int> hp = ParseInt(value);
    if (!hp) return fail("bad number " + QuoteText(value) + " for hp");
    if (*hp < 1 || *hp > kMostHitPoints) {
      return fail("hp must lie between 1 and " + std::to_string(kMostHitPoints));
    }
    object.hit_points = *hp;
  } else if (key == "task") {
    const std::optional<TACHE> task = TaskOfWord(value);
    if (!task) return fail("unknown task " + QuoteText(value));
    object.task = *task;
  } else if (key == "visible" || key == "initial") {
    const std::optional<bool> flag = YesNo(value);
    if (!flag) return fail(key + " must be yes or no, not " + QuoteText(value));
    (key == "visible" ? object.visible : object.initial) = *flag;
  } else if (key == "mine" || key == "wood" || key == "hall") {
    if (!worker) return fail(key + "= is for workers (PAYSA, OPAYS) only");
    const std::optional<std::pair<int, int>> cell = ParsePair(value);
    if (!cell) return fail("bad cell " + QuoteText(value) + " for " + key + " (write x,y)");
    if (!IsSavedCell(cell->first) || !IsSavedCell(cell->second)) {
      return fail(key + "= must name a cell from -1 to 127 either way");
    }
    std::optional<Cell>& place = key == "mine"   ? object.mine
                                 : key == "wood" ? object.wood
                                                 : object.hall;
    place = Cell{cell->first, cell->second};
  } else {
    return fail("unknown field " + QuoteText(key));
  }
  return true;
}

bool ReadFields(const std::vector<Token>& tokens, MapObject& object, std::vector<MapError>& errors,
                int line) {
  std::vector<std::string> seen;
  for (std::size_t i = 4; i < tokens.size(); ++i) {
    const std::string& text = tokens[i].text;
    const std::size_t equals = text.find('=');
    if (tokens[i].quoted || equals == std::string::npos) {
      errors.push_back({line, "expected key=value, found " + QuoteText(text)});
      return false;
    }
    const std::string key = text.substr(0, equals);
    for (const std::string& earlier : seen) {
      if (earlier == key) {
        errors.push_back({line, key + " given twice"});
        return false;
      }
    }
    seen.push_back(key);
    if (!ReadField(key, text.substr(equals + 1), object, errors, line)) return false;
  }
  return true;
}

std::string Where(const MapObject& object) {
  return std::string(GetStringFromDECOR(object.kind)) + " at " + std::to_string(object.at.x) + "," +
         std::to_string(object.at.y);
}

bool FitsOnMap(const MapObject& object, const cDefUnit& def, const MapSource& map) {
  return object.at.x >= 0 && object.at.y >= 0 && object.at.x <= map.width - def.Largeur &&
         object.at.y <= map.height - def.Hauteur;
}

}  // namespace

std::optional<RACE> RaceOfWord(const std::string& word) {
  for (RACE race : {NEUTRE, HUMAN, ORC}) {
    if (word == GetStringFromRACE(race)) return race;
  }
  return std::nullopt;
}

std::optional<MapObject> ParseObjectLine(const std::vector<Token>& tokens, int line,
                                         std::vector<MapError>& errors) {
  MapObject object;
  object.line = line;
  if (tokens.size() < 4) {
    errors.push_back({line, "an object line is RACE KIND X Y [fields]"});
    return std::nullopt;
  }
  object.race = *RaceOfWord(tokens[0].text);
  const std::optional<DECOR> kind = KindOfWord(tokens[1].text);
  if (!kind) {
    errors.push_back({line, "unknown kind " + QuoteText(tokens[1].text)});
    return std::nullopt;
  }
  object.kind = *kind;
  const cDefUnit* def = GetDefUnit(object.kind);
  if (def->Race != object.race) {
    errors.push_back({line, tokens[0].text + " cannot have " + tokens[1].text + " (a kind of the " +
                                GetStringFromRACE(def->Race) + " side)"});
    return std::nullopt;
  }
  const std::optional<int> x = ParseInt(tokens[2].text), y = ParseInt(tokens[3].text);
  if (!x || !y) {
    errors.push_back(
        {line, "bad number in the cell " + QuoteText(tokens[2].text + " " + tokens[3].text)});
    return std::nullopt;
  }
  object.at = {*x, *y};
  object.hit_points = def->PointsDeVieMax;
  if (!ReadFields(tokens, object, errors, line)) return std::nullopt;
  return object;
}

void CheckPlacement(const MapSource& map, std::vector<MapError>& errors) {
  // The index + 1 of the visible object on each cell.
  std::vector<std::size_t> owner(std::size_t(map.width) * std::size_t(map.height), 0);
  for (std::size_t n = 0; n < map.objects.size(); ++n) {
    const MapObject& object = map.objects[n];
    const cDefUnit& def = *GetDefUnit(object.kind);
    if (!FitsOnMap(object, def, map)) {
      errors.push_back({object.line, Where(object) + " lies outside the " +
                                         std::to_string(map.width) + "x" +
                                         std::to_string(map.height) + " map"});
      continue;
    }
    if (!object.visible) continue;
    std::size_t covered = 0;
    for (int i = 0; i < def.Largeur; ++i) {
      for (int j = 0; j < def.Hauteur; ++j) {
        std::size_t& cell = owner[map.Index(object.at.x + i, object.at.y + j)];
        if (cell && !covered) covered = cell;
        cell = n + 1;
      }
    }
    if (covered) {
      const MapObject& other = map.objects[covered - 1];
      errors.push_back({object.line, Where(object) + " overlaps the " + Where(other) + " of line " +
                                         std::to_string(other.line)});
    }
  }
}

std::string TaskWord(TACHE task) {
  if (task >= 0 && task < int(kTaskWords.size())) return kTaskWords[std::size_t(task)];
  return std::to_string(int(task));
}

}  // namespace mapmaker
