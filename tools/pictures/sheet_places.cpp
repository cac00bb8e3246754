// The places of each sheet, read from the same tables that draw them.
#include "pictures/sheet_places.h"

#include <iterator>

#include "pictures/building_layout.h"
#include "pictures/font_glyphs.h"
#include "pictures/icon_layout.h"
#include "pictures/interface_layout.h"
#include "pictures/marks_layout.h"
#include "pictures/minimap_layout.h"
#include "pictures/projectile_layout.h"
#include "pictures/terrain_layout.h"
#include "pictures/unit_sheet_layout.h"

namespace pictures {
namespace {

SheetPlaces TerrainPlaces() {
  namespace layout = terrain_layout;
  SheetPlaces s{layout::kPitch, {}};
  for (const layout::TilePlace& tile : {layout::kGrass, layout::kRocks}) {
    s.places.push_back({layout::TileRect(tile.column, tile.row), tile.label});
  }
  for (const layout::ForestPiece& piece : layout::kForestPieces) {
    s.places.push_back({layout::TileRect(piece.column, piece.row),
                        std::to_string(piece.value) + "\n" + piece.name});
  }
  return s;
}

SheetPlaces MinimapPlaces() {
  SheetPlaces s;
  for (const minimap_layout::MinimapColour& c : minimap_layout::kColours) {
    s.places.push_back({{c.x, 0, 1, 1}, c.label});
  }
  return s;
}

SheetPlaces ProjectilePlaces() {
  SheetPlaces s;
  s.places.push_back({projectile_layout::kBall, "BALL"});
  for (const projectile_layout::ArrowPicture& arrow : projectile_layout::kArrows) {
    s.places.push_back({arrow.rect, arrow.direction});
  }
  return s;
}

const char* OwnerName(building_layout::Owner owner) {
  switch (owner) {
    case building_layout::Owner::kHuman:
      return "HUMAN";
    case building_layout::Owner::kOrc:
      return "ORC";
    case building_layout::Owner::kNeutral:
      break;
  }
  return "NEUTRAL";
}

SheetPlaces BuildingPlaces(const building_layout::SheetSize& size) {
  SheetPlaces s{building_layout::kPitch, {}};
  for (const building_layout::BuildingPicture& p : building_layout::kPictures) {
    if (p.sheet != size.sheet) continue;
    s.places.push_back({p.Area(), std::string(p.label) + "\n" + OwnerName(p.owner)});
  }
  return s;
}

const char* UnitName(UnitKind kind) {
  constexpr const char* kNames[] = {"ARCHE", "PAYSA", "GUERR", "MONK", "OARCH", "OPAYS", "OGUER"};
  return kNames[int(kind)];
}

template <typename Blocks>
SheetPlaces UnitPlaces(const Blocks& blocks) {
  constexpr const char* kDirections[] = {"NE", "E", "SE", "S", "SW", "W", "NW", "N"};
  SheetPlaces s{unit_sheet::kPitch, {}};
  for (const unit_sheet::Block& block : blocks) {
    for (int direction = 1; direction <= 8; ++direction) {
      for (int pose = 0; pose < unit_sheet::kPoses; ++pose) {
        s.places.push_back({unit_sheet::BlockFrameRect(block, direction, pose),
                            std::string(UnitName(block.kind)) + "\n" + kDirections[direction - 1] +
                                " " + std::to_string(pose)});
      }
    }
  }
  return s;
}

// Named in the order of icon_sheet::Picture.
constexpr const char* kIconNames[] = {
    "EMPTY",      "WORKER", "ARCHER", "SOLDIER",    "MONK",     "O WORKER",  "O ARCHER",
    "O SOLDIER",  "FARM",   "HALL",   "BARRACKS",   "WORKSHOP", "CHURCH",    "INVENTOR",
    "MAGE TOWER", "O FARM", "O HALL", "O BARRACKS", "TOWER",    "GOLD MINE", "T NATURE",
    "T AIR",      "T FIRE", "FLEE",   "AGGRESSIVE", "REACTIVE"};
static_assert(std::size(kIconNames) == std::size_t(icon_sheet::Picture::kReactive) + 1);

SheetPlaces IconPlaces() {
  SheetPlaces s;
  for (const icon_sheet::Place& place : icon_sheet::kPlaces) {
    s.places.push_back({icon_sheet::IconRect(place.column, place.row),
                        std::string(kIconNames[int(place.picture)]) + "\n" +
                            std::to_string(place.column) + " " + std::to_string(place.row)});
  }
  return s;
}

SheetPlaces FontPlaces() {
  SheetPlaces s;
  for (const GlyphDesign& glyph : FontGlyphDesigns()) {
    const unsigned char code = static_cast<unsigned char>(glyph.code);
    const bool plain = (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9');
    s.places.push_back(
        {GlyphBox(code, glyph.width), plain ? std::string(1, char(code)) : std::to_string(code)});
  }
  return s;
}

SheetPlaces InterfacePlaces() {
  namespace layout = interface_layout;
  SheetPlaces s;
  s.places = {{layout::kMinimap, "MINIMAP"},   {layout::kMenuButton, "MENU"},
              {layout::kPortrait, "PORTRAIT"}, {layout::kHitPoints, "HIT\nPOINTS"},
              {layout::kTextArea, "TEXT"},     {layout::kResourceText, "RESOURCES"},
              {layout::kBarFrame, "BAR"},      {layout::kBarFill, "FILL"}};
  for (int column = 0; column < layout::kCommandColumns; ++column) {
    for (int row = 0; row < layout::kCommandRows; ++row) {
      s.places.push_back({layout::CommandCell(column, row),
                          "CELL\n" + std::to_string(column) + " " + std::to_string(row)});
    }
  }
  return s;
}

}  // namespace

SheetPlaces PlacesIn(const std::string& file_name) {
  if (file_name == "unit.bmp") return TerrainPlaces();
  if (file_name == "mini.bmp") return MinimapPlaces();
  if (file_name == "little_sprites.bmp") return ProjectilePlaces();
  if (file_name == "humains_new.bmp") return UnitPlaces(unit_sheet::kHumanBlocks);
  if (file_name == "orcs_new.bmp") return UnitPlaces(unit_sheet::kOrcBlocks);
  if (file_name == "font1.bmp") return FontPlaces();
  if (file_name == "icones.bmp") return IconPlaces();
  if (file_name == "edit_game.bmp") return InterfacePlaces();
  for (const building_layout::SheetSize& size : building_layout::kSheets) {
    if (file_name == size.file_name) return BuildingPlaces(size);
  }
  for (const marks_layout::MarkSheet& mark : marks_layout::kMarkSheets) {
    if (file_name == mark.file_name) {
      const int side = marks_layout::MarkSide(mark.cells);
      return {0, {{{0, 0, side, side}, std::to_string(mark.cells) + " WIDE"}}};
    }
  }
  return {};
}

}  // namespace pictures
