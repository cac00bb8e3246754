// The pieces of buildings on the map.
#include "pictures/building_pieces.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "pictures/ground.h"
#include "pictures/noise.h"
#include "pictures/shading.h"

namespace pictures {
namespace {

// How lit a point of a span is: 1 at its left edge, 0 at its right.
double FromLeft(int x, int x0, int width) {
  return width > 1 ? 1.0 - double(x - x0) / (width - 1) : 0.5;
}

Colour StoneAt(const Rect& wall, int x, int y, std::uint32_t seed) {
  const int course = (y - wall.y) / 4;
  const int shifted = x - wall.x + (course % 2) * 3;
  const bool mortar = (y - wall.y) % 4 == 3 || shifted % 6 == 5;
  const double block = HashUnit(shifted / 6, course, seed) * 0.16;
  const double level = (mortar ? 0.25 : 0.45 + block) + FromLeft(x, wall.x, wall.w) * 0.16;
  return Dither(palette::kStone, level, x, y);
}

Colour TimberAt(const Rect& wall, int x, int y, std::uint32_t seed) {
  const int col = x - wall.x;
  const int row = y - wall.y;
  const int panel = col / 7;
  const bool post = col % 7 == 0 || x == wall.Right() - 1;
  const bool rail = row == 0 || y == wall.Bottom() - 1;
  const bool brace = panel % 2 == 1 && col % 7 == 1 + row * 5 / std::max(1, wall.h - 1);
  if (post || rail || brace) return palette::kWood[row == 0 ? 0 : 1];
  const double plaster = 0.78 + HashUnit(x, y, seed) * 0.08 - FromLeft(x, wall.x, wall.w) * -0.06;
  return Dither(palette::kStone, plaster, x, y);
}

Colour LogsAt(const Rect& wall, int x, int y) {
  const int row = (y - wall.y) % 3;
  if (x == wall.x || x == wall.Right() - 1) return palette::kWood[row == 1 ? 6 : 3];
  const int tones[3] = {5, 3, 1};
  return palette::kWood[tones[row] + (FromLeft(x, wall.x, wall.w) > 0.6 && row < 2 ? 1 : 0)];
}

Colour PlanksAt(const Rect& wall, int x, int y, std::uint32_t seed) {
  const int col = x - wall.x;
  if (col % 3 == 2) return palette::kWood[1];
  const double level = 0.42 + HashUnit(col / 3, 0, seed) * 0.14 - double(y - wall.y) / wall.h * 0.1;
  return Dither(palette::kWood, level, x, y);
}

Colour WallAt(WallKind kind, const Rect& wall, int x, int y, std::uint32_t seed) {
  switch (kind) {
    case WallKind::kStone:
      return StoneAt(wall, x, y, seed);
    case WallKind::kTimber:
      return TimberAt(wall, x, y, seed);
    case WallKind::kLogs:
      return LogsAt(wall, x, y);
    case WallKind::kPlanks:
      return PlanksAt(wall, x, y, seed);
  }
  return palette::kBlack;
}

// Roof tiles in courses parallel to the ridge: `across` is the distance from
// the ridge, `along` the position along it.
Colour TileAt(RampView tiles, double lit, int across, int along, int x, int y) {
  double level = lit;
  if (across % 3 == 2) {
    level -= 0.28;  // the shadow under each course
  } else if ((along + (across / 3) * 2) % 5 == 0) {
    level -= 0.14;
  } else if (across % 3 == 0) {
    level += 0.08;  // the lit lower edge of each tile
  }
  return Dither(tiles, level, x, y);
}

int RidgeAcross(const Rect& roof) {
  return roof.y + roof.h * 2 / 5;
}

void DrawRoofAcross(Canvas& canvas, const Rect& roof, RampView tiles) {
  const int ridge = RidgeAcross(roof);
  for (int y = roof.y; y < roof.Bottom(); ++y) {
    for (int x = roof.x; x < roof.Right(); ++x) {
      const bool back = y < ridge;
      const double lit = (back ? 0.62 : 0.32) + FromLeft(x, roof.x, roof.w) * 0.08;
      canvas.Set(x, y, TileAt(tiles, lit, std::abs(y - ridge), x, x, y));
    }
  }
  canvas.HLine(roof.x, roof.Right() - 1, ridge, tiles[tiles.size() - 1]);
  canvas.HLine(roof.x, roof.Right() - 1, roof.Bottom() - 1, tiles[0]);
}

void DrawRoofAway(Canvas& canvas, const Rect& roof, RampView tiles) {
  const int ridge = roof.x + roof.w / 2;
  for (int y = roof.y; y < roof.Bottom(); ++y) {
    for (int x = roof.x; x < roof.Right(); ++x) {
      const double lit = x < ridge ? 0.6 : 0.3;
      canvas.Set(x, y, TileAt(tiles, lit, std::abs(x - ridge), y, x, y));
    }
  }
  canvas.VLine(ridge, roof.y, roof.Bottom() - 1, tiles[tiles.size() - 1]);
}

}  // namespace

RampView OwnerCloth(Owner owner) {
  switch (owner) {
    case Owner::kHuman:
      return palette::kBanner;
    case Owner::kOrc:
      return palette::kCrimson;
    case Owner::kNeutral:
      break;
  }
  return palette::kStone;
}

Canvas GroundCanvas(int width, int height) {
  Canvas canvas(width, height);
  FillGrass(canvas, {0, 0, width, height}, 0, 0);
  return canvas;
}

void DrawShadowAndOutline(Canvas& canvas, const Mask& silhouette, int length) {
  Mask shadow(silhouette.width(), silhouette.height());
  for (int k = 1; k <= length; ++k) shadow.Add(silhouette, k, k);
  shadow.Remove(silhouette);
  DarkenMask(canvas, shadow, 0, 0, 2);
  Outline(canvas, silhouette, 0, 0, palette::kStone[0], 1);
}

void DrawEarth(Canvas& canvas, const Mask& shape, std::uint32_t seed) {
  PaintMask(canvas, shape, 0, 0, [seed](int x, int y) {
    const double level = 0.34 + (TiledNoise(x, y, 8, seed) - 0.5) * 0.2;
    return Dither(palette::kWood, HashUnit(x, y, seed) > 0.95 ? level + 0.2 : level, x, y);
  });
}

void DrawPaving(Canvas& canvas, const Rect& area, std::uint32_t seed) {
  for (int y = area.y; y < area.Bottom(); ++y) {
    for (int x = area.x; x < area.Right(); ++x) {
      const int row = (y - area.y) / 3;
      const int shifted = x - area.x + (row % 2) * 2;
      const bool joint = (y - area.y) % 3 == 2 || shifted % 4 == 3;
      const double level = joint ? 0.3 : 0.5 + HashUnit(shifted / 4, row, seed) * 0.14;
      canvas.Set(x, y, Dither(palette::kStone, level, x, y));
    }
  }
}

Mask HouseShape(const House& house, int width, int height) {
  Mask shape(width, height);
  shape.AddRect(house.body);
  return shape;
}

Mask RoofShape(const House& house, int width, int height) {
  const Rect& body = house.body;
  const int wall_top = body.Bottom() - house.wall;
  Mask roof(width, height);
  roof.AddRect({body.x, body.y, body.w, wall_top - body.y});
  if (house.ridge == Ridge::kAway) {
    Mask gable(width, height);
    gable.AddPolygon({{double(body.x), double(wall_top)},
                      {body.x + body.w / 2.0, double(wall_top - house.gable)},
                      {double(body.Right()), double(wall_top)}});
    roof.Remove(gable);
  }
  return roof;
}

int RidgeLine(const House& house) {
  const Rect& b = house.body;
  if (house.ridge == Ridge::kAway) return b.x + b.w / 2;
  return RidgeAcross({b.x, b.y, b.w, b.h - house.wall});
}

void DrawWall(Canvas& canvas, const Rect& wall, WallKind kind, std::uint32_t seed) {
  for (int y = wall.y; y < wall.Bottom(); ++y) {
    for (int x = wall.x; x < wall.Right(); ++x) canvas.Set(x, y, WallAt(kind, wall, x, y, seed));
  }
}

void DrawHouse(Canvas& canvas, const House& house, std::uint32_t seed) {
  const Rect& body = house.body;
  const Rect wall{body.x, body.Bottom() - house.wall, body.w, house.wall};
  const Rect roof{body.x, body.y, body.w, body.h - house.wall};
  if (house.ridge == Ridge::kAcross) {
    DrawRoofAcross(canvas, roof, house.tiles);
    DrawWall(canvas, wall, house.walls, seed);
    canvas.HLine(wall.x, wall.Right() - 1, wall.y, Darker(canvas.Get(wall.x, wall.y), 2));
    return;
  }
  DrawRoofAway(canvas, roof, house.tiles);
  const double apex_x = body.x + body.w / 2.0;
  Mask gable(canvas.width(), canvas.height());
  gable.AddPolygon({{double(body.x), double(wall.y)},
                    {apex_x, double(wall.y - house.gable)},
                    {double(body.Right()), double(wall.y)}});
  gable.AddRect(wall);
  const Rect face{body.x, wall.y - house.gable, body.w, house.wall + house.gable};
  PaintMask(canvas, gable, 0, 0,
            [&](int x, int y) { return WallAt(house.walls, face, x, y, seed); });
  canvas.Line(body.x, wall.y, int(apex_x), wall.y - house.gable, house.tiles[0]);
  canvas.Line(body.Right() - 1, wall.y, int(apex_x), wall.y - house.gable, house.tiles[0]);
}

Mask TowerShape(const Tower& t, int width, int height) {
  Mask shape(width, height);
  const double top = t.ground - t.height;
  const double eave = t.radius + 2;
  shape.AddRect({t.cx - t.radius, int(top), 2 * t.radius, t.height});
  shape.AddEllipse({double(t.cx), double(t.ground)}, t.radius, t.radius / 3.0);
  shape.AddPolygon({{double(t.cx), top - t.roof}, {t.cx + eave, top}, {t.cx - eave, top}});
  shape.AddEllipse({double(t.cx), top}, eave, eave / 2.5);
  return shape;
}

void DrawTower(Canvas& canvas, const Tower& t, std::uint32_t seed) {
  const int top = t.ground - t.height;
  Mask drum(canvas.width(), canvas.height());
  drum.AddRect({t.cx - t.radius, top, 2 * t.radius, t.height});
  drum.AddEllipse({double(t.cx), double(t.ground)}, t.radius, t.radius / 3.0);
  PaintMask(canvas, drum, 0, 0, [&](int x, int y) {
    const int course = (y - top) / 3;
    const bool mortar = (y - top) % 3 == 2 || (x + course * 2) % 5 == 0;
    const double round = FromLeft(x, t.cx - t.radius, 2 * t.radius);
    const double level = (mortar ? 0.22 : 0.4 + HashUnit(x / 5, course, seed) * 0.12) + round * 0.3;
    return Dither(palette::kStone, level, x, y);
  });
  const double eave = t.radius + 2;
  Mask cone(canvas.width(), canvas.height());
  cone.AddPolygon({{double(t.cx), double(top - t.roof)},
                   {t.cx + eave, double(top)},
                   {t.cx - eave, double(top)}});
  cone.AddEllipse({double(t.cx), double(top)}, eave, eave / 2.5);
  PaintMask(canvas, cone, 0, 0, [&](int x, int y) {
    const double lit = x < t.cx ? 0.6 : 0.3;
    return TileAt(t.tiles, lit, top + 8 - y, x, x, y);
  });
  canvas.VLine(t.cx, top - t.roof, top - t.roof + 1, palette::kGold[6]);
  DrawWindow(canvas, t.cx - 1, top + t.height / 3, false);
}

void DrawDoor(Canvas& canvas, int x, int bottom, int width, int height) {
  const Rect door{x, bottom - height, width, height};
  canvas.FillRect(door, palette::kWood[1]);
  for (int px = x + 1; px < door.Right(); px += 2)
    canvas.VLine(px, door.y + 1, bottom - 1, palette::kWood[0]);
  canvas.Set(door.x, door.y, palette::kStone[0]);
  canvas.Set(door.Right() - 1, door.y, palette::kStone[0]);
  canvas.HLine(door.x - 1, door.Right(), bottom, palette::kStone[3]);
}

void DrawWindow(Canvas& canvas, int x, int y, bool lit) {
  canvas.FillRect({x, y, 2, 3}, lit ? palette::kGold[5] : palette::kStone[0]);
  if (lit) canvas.HLine(x, x + 1, y + 2, palette::kGold[3]);
  canvas.HLine(x, x + 1, y + 3, palette::kStone[6]);
}

void DrawHangingBanner(Canvas& canvas, const Rect& cloth, RampView colours) {
  canvas.HLine(cloth.x - 1, cloth.Right(), cloth.y - 1, palette::kWood[1]);
  for (int y = cloth.y; y < cloth.Bottom(); ++y) {
    for (int x = cloth.x; x < cloth.Right(); ++x) {
      const int notch = cloth.Bottom() - y;
      const int middle = std::abs(2 * (x - cloth.x) - (cloth.w - 1));
      if (notch <= 2 && middle < (3 - notch) * 2) continue;  // the swallowtail
      const double level = FromLeft(x, cloth.x, cloth.w) * 0.35 + 0.45;
      canvas.Set(x, y, Dither(colours, level, x, y));
    }
  }
  const int cx = cloth.x + cloth.w / 2;
  canvas.Set(cx, cloth.y + cloth.h / 3, palette::kGold[6]);
  canvas.Set(cx - (cloth.w + 1) % 2, cloth.y + cloth.h / 3, palette::kGold[6]);
}

void DrawSpike(Canvas& canvas, int x, int base, int height) {
  for (int i = 0; i < height; ++i) {
    const int y = base - i;
    canvas.Set(x, y, palette::kStone[i == height - 1 ? 8 : 9]);
    if (i < height * 2 / 3) canvas.Set(x + 1, y, palette::kStone[5]);
  }
  canvas.Set(x - 1, base, palette::kStone[0]);
  canvas.Set(x + 2, base, palette::kStone[0]);
}

void DrawHides(Canvas& canvas, const Mask& shape, std::uint32_t seed) {
  // Patches of uneven size: a wobbling grid of seams, each hide its own tone.
  auto patch = [seed](int x, int y) {
    const int row = int((y + TiledNoise(x, 0, 8, seed) * 5) / 7);
    const int column = int((x + row * 5 + TiledNoise(0, y, 8, seed + 1) * 6) / 9);
    return std::pair{column, row};
  };
  PaintMask(canvas, shape, 0, 0, [&](int x, int y) {
    const auto here = patch(x, y);
    if (here != patch(x - 1, y) || here != patch(x, y - 1)) {
      return palette::kWood[(x + y) % 2 == 0 ? 1 : 2];  // stitches
    }
    const bool edge = here != patch(x + 1, y) || here != patch(x, y + 1);
    const double tone = 0.45 + HashUnit(here.first, here.second, seed) * 0.3 - (edge ? 0.1 : 0);
    return Dither(palette::kWood, tone + FromLeft(x, 0, canvas.width()) * 0.1, x, y);
  });
}

void DrawLogPile(Canvas& canvas, int x, int bottom, int columns, int rows) {
  for (int row = 0; row < rows; ++row) {
    const int count = columns - row;
    for (int i = 0; i < count; ++i) {
      const int lx = x + i * 4 + row * 2;
      const int ly = bottom - 4 - row * 3;
      canvas.FillRect({lx, ly, 4, 4}, palette::kWood[2]);
      canvas.FillRect({lx + 1, ly + 1, 2, 2}, palette::kWood[6]);
      canvas.Set(lx + 2, ly + 2, palette::kWood[4]);
      canvas.Set(lx, ly, palette::kWood[0]);
      canvas.Set(lx + 3, ly, palette::kWood[0]);
    }
  }
}

}  // namespace pictures
