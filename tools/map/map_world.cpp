// Between maps and the world model.
#include "map/map_world.h"

#include "frame/ddutil.h"
#include "ui/money.h"
#include "ui/zone_game.h"
#include "units/cPaysan.h"
#include "units/weapons.h"
#include "world/Init_Env.h"
#include "world/map.h"
#include "world/sprites.h"

namespace mapmaker {
namespace {

void SetGround(const MapSource& map) {
  for (int x = 0; x < map.width; ++x) {
    for (int y = 0; y < map.height; ++y) {
      terrain_grid[CellIndex(x, y)] = static_cast<DECOR>(map.terrain[map.Index(x, y)]);
      Zone_Connue[CellIndex(x, y)] = map.explored[map.Index(x, y)];
    }
  }
}

void Put(const std::optional<Cell>& place, int& x, int& y) {
  if (!place) return;
  x = place->x;
  y = place->y;
}

// The fields the reader would read after making the sprite.
void SetFields(cSprite& sprite, const MapObject& object) {
  sprite.PointsDeVie = object.hit_points;
  sprite.Tache = object.task;
  sprite.visible = object.visible;
  sprite.Present_In_Initial_Map = object.initial;
  auto* worker = dynamic_cast<cPaysan*>(&sprite);
  if (!worker) return;
  Put(object.mine, worker->Xmine, worker->Ymine);
  Put(object.wood, worker->XBois, worker->YBois);
  Put(object.hall, worker->XHall, worker->YHall);
}

MapObject ObjectOf(const cSprite& sprite, RACE race) {
  MapObject object;
  object.race = race;
  object.kind = sprite.pDef->Nom;
  object.at = {sprite.Px, sprite.Py};
  object.hit_points = sprite.PointsDeVie;
  object.task = sprite.Tache;
  object.visible = sprite.visible;
  object.initial = sprite.Present_In_Initial_Map;
  if (const auto* worker = dynamic_cast<const cPaysan*>(&sprite)) {
    object.mine = Cell{worker->Xmine, worker->Ymine};
    object.wood = Cell{worker->XBois, worker->YBois};
    object.hall = Cell{worker->XHall, worker->YHall};
  }
  return object;
}

LPDIRECTDRAWSURFACE MakeSurface(IDirectDraw* dd, int width, int height) {
  LPDIRECTDRAWSURFACE surface;
  return CreateOffscreenSurface(dd, width, height, &surface) == DD_OK ? surface : nullptr;
}

// The explored area is drawn into the minimap as it opens. The tool has no
// screen: it gives the minimap surfaces of its own, kept to the end, rather
// than filling the game's logs with drawings that failed.
void GiveMinimapSurfaces() {
  static IDirectDraw* dd = nullptr;
  if (minimap_surface) return;
  if (!dd && DirectDrawCreate(nullptr, &dd, nullptr) != DD_OK) return;
  minimap_surface = MakeSurface(dd, kMapCapacity, kMapCapacity);
  minimap_compose_surface = MakeSurface(dd, kMapCapacity, kMapCapacity);
  mini_surface = MakeSurface(dd, 6, 1);
}

}  // namespace

void PrepareWorldModel() {
  if (!WeaponOfType(CIMITAR)) InitWeapons();
  if (!GetDefUnit(PAYSA)) InitDefUnits();
  GiveMinimapSurfaces();
}

bool BuildWorld(const MapSource& map, std::vector<MapError>& errors) {
  if (map.width < 1 || map.height < 1 || map.width > kMapCapacity || map.height > kMapCapacity) {
    errors.push_back({0, "the map must be 1 to 128 cells each way"});
    return false;
  }
  tx_map = ty_map = kMapCapacity;  // the reset clears the whole grids
  ResetWorld();
  tx_map = map.width;
  ty_map = map.height;
  current_mission = map.mission;
  SetGround(map);
  Money = map.gold;
  Wood = map.wood;
  MoneyOrc = map.orc_gold;
  WoodOrc = map.orc_wood;
  scroll_x = map.view.x;
  scroll_y = map.view.y;
  for (const MapObject& object : map.objects) {
    cSprite* sprite = AjouterSprite(object.race, object.kind, object.at.x, object.at.y);
    if (!sprite) {
      errors.push_back({object.line, "the game refuses this object"});
      return false;
    }
    SetFields(*sprite, object);
  }
  return true;
}

MapSource CaptureWorld(const std::string& name) {
  MapSource map;
  map.name = name;
  map.mission = current_mission;
  map.gold = Money;
  map.wood = Wood;
  map.orc_gold = MoneyOrc;
  map.orc_wood = WoodOrc;
  map.view = {scroll_x, scroll_y};
  map.width = tx_map;
  map.height = ty_map;
  for (int x = 0; x < map.width; ++x) {
    for (int y = 0; y < map.height; ++y) {
      map.terrain.push_back(terrain_grid[CellIndex(x, y)]);
      map.explored.push_back(Zone_Connue[CellIndex(x, y)]);
    }
  }
  for (RACE race : {HUMAN, ORC, NEUTRE}) {
    for (const cSprite* s = sprite_lists[race]; s; s = s->pNext) {
      map.objects.push_back(ObjectOf(*s, race));
    }
  }
  return map;
}

}  // namespace mapmaker
