// The text form of a map: header, terrain, explored area, objects.
#include "map/map_format.h"

#include <algorithm>
#include <sstream>

#include "map/object_lines.h"
#include "map/source_lines.h"
#include "map/terrain_text.h"
#include "world/sprites_defs.h"

namespace mapmaker {
namespace {

void Header(std::ostream& out, const MapSource& map) {
  out << "name " << QuoteText(map.name) << "\n"
      << "mission " << map.mission << "\n"
      << "gold " << map.gold << "\n"
      << "wood " << map.wood << "\n"
      << "orc-gold " << map.orc_gold << "\n"
      << "orc-wood " << map.orc_wood << "\n"
      << "view " << map.view.x << " " << map.view.y << "\n";
}

void Terrain(std::ostream& out, const MapSource& map) {
  const std::vector<std::string> rows = DrawTerrain(map.width, map.height, map.terrain);
  out << "\nterrain\n";
  for (const std::string& row : rows) out << row << "\n";
  out << "end\n";
  for (int y = 0; y < map.height; ++y) {
    for (int x = 0; x < map.width; ++x) {
      if (rows[y][x] == kRawChar) {
        out << "cell " << x << " " << y << " " << map.terrain[map.Index(x, y)] << "\n";
      }
    }
  }
}

void Explored(std::ostream& out, const MapSource& map) {
  const auto& seen = map.explored;
  out << "\n";
  if (std::all_of(seen.begin(), seen.end(), [](unsigned char c) { return c == 1; })) {
    out << "explored all\n";
    return;
  }
  if (std::all_of(seen.begin(), seen.end(), [](unsigned char c) { return c == 0; })) {
    out << "explored none\n";
    return;
  }
  out << "explored\n";
  for (int y = 0; y < map.height; ++y) {
    for (int x = 0; x < map.width; ++x) out << (seen[map.Index(x, y)] ? 'x' : '.');
    out << "\n";
  }
  out << "end\n";
}

void Place(std::ostream& out, const char* key, const std::optional<Cell>& place) {
  if (place) out << " " << key << "=" << place->x << "," << place->y;
}

void Object(std::ostream& out, const MapObject& object) {
  out << GetStringFromRACE(object.race) << " " << GetStringFromDECOR(object.kind) << " "
      << object.at.x << " " << object.at.y;
  const cDefUnit* def = GetDefUnit(object.kind);
  if (!def || object.hit_points != def->PointsDeVieMax) out << " hp=" << object.hit_points;
  if (object.task != SANS_TACHE) out << " task=" << TaskWord(object.task);
  if (!object.visible) out << " visible=no";
  if (!object.initial) out << " initial=no";
  Place(out, "mine", object.mine);
  Place(out, "wood", object.wood);
  Place(out, "hall", object.hall);
  out << "\n";
}

}  // namespace

std::string FormatMap(const MapSource& map) {
  std::ostringstream out;
  Header(out, map);
  Terrain(out, map);
  Explored(out, map);
  if (!map.objects.empty()) out << "\n";
  for (const MapObject& object : map.objects) Object(out, object);
  return out.str();
}

}  // namespace mapmaker
