// Walls, roofs, towers, doors and banners for the portraits.
#include "pictures/icon_portraits_pieces.h"

#include <algorithm>
#include <cmath>

#include "pictures/architecture.h"
#include "pictures/noise.h"
#include "pictures/shading.h"

namespace pictures::portrait {
namespace {

double Across(int x, int left, int width) {
  return width > 1 ? double(x - left) / (width - 1) : 0.5;
}

void PlasterWall(Canvas& canvas, const Rect& wall) {
  for (int y = wall.y; y < wall.Bottom(); ++y) {
    for (int x = wall.x; x < wall.Right(); ++x) {
      canvas.Set(x, y, Dither(palette::kLinen, 0.85 - 0.2 * Across(x, wall.x, wall.w), x, y));
    }
  }
  const Colour beam = palette::kWood[2];
  for (int x = wall.x; x < wall.Right(); x += 7) canvas.VLine(x, wall.y, wall.Bottom() - 1, beam);
  canvas.VLine(wall.Right() - 1, wall.y, wall.Bottom() - 1, beam);
  canvas.HLine(wall.x, wall.Right() - 1, wall.y, beam);
  canvas.HLine(wall.x, wall.Right() - 1, wall.y + wall.h / 2, beam);
}

// Logs laid one on another, each rounded toward the light.
void LogWall(Canvas& canvas, const Rect& wall) {
  constexpr int kLog = 3;
  for (int y = wall.y; y < wall.Bottom(); ++y) {
    const int in_log = (y - wall.y) % kLog;
    for (int x = wall.x; x < wall.Right(); ++x) {
      const double level = in_log == kLog - 1 ? 0.12 : in_log == 0 ? 0.62 : 0.45;
      canvas.Set(x, y, Dither(palette::kWood, level - 0.15 * Across(x, wall.x, wall.w), x, y));
    }
  }
}

std::vector<PointF> RoofCorners(const Rect& wall, int height, int overhang) {
  const double inset = height * 0.6;
  return {{wall.x - overhang + 0.0, wall.y + 0.0},
          {wall.Right() + overhang + 0.0, wall.y + 0.0},
          {wall.Right() + overhang - inset, wall.y - height + 0.0},
          {wall.x - overhang + inset, wall.y - height + 0.0}};
}

template <typename ColourAt>
void FillPolygon(Canvas& canvas, Silhouette& outline, const std::vector<PointF>& corners,
                 ColourAt colour) {
  Mask shape(canvas.width(), canvas.height());
  shape.AddPolygon(corners);
  PaintMask(canvas, shape, 0, 0, colour);
  outline.mask().Add(shape);
}

}  // namespace

void Silhouette::Outline(Canvas& canvas, const Rect& clip) const {
  for (int y = clip.y; y < clip.Bottom(); ++y) {
    for (int x = clip.x; x < clip.Right(); ++x) {
      if (mask_.Get(x, y)) continue;
      if (mask_.Get(x - 1, y) || mask_.Get(x + 1, y) || mask_.Get(x, y - 1) ||
          mask_.Get(x, y + 1)) {
        canvas.Set(x, y, palette::kBlack);
      }
    }
  }
}

void DrawWall(Canvas& canvas, Silhouette& outline, const Rect& wall, Wall kind,
              std::uint32_t seed) {
  switch (kind) {
    case Wall::kStone:
      DrawStoneWall(canvas, wall, LightFrom::kLeft, seed, {3, 6, -0.02});
      break;
    case Wall::kPlaster:
      PlasterWall(canvas, wall);
      break;
    case Wall::kLogs:
      LogWall(canvas, wall);
      break;
  }
  outline.mask().AddRect(wall);
}

// Tiles in courses three rows apart; the roof's left end takes the light.
void DrawRoof(Canvas& canvas, Silhouette& outline, const Rect& wall, int height, int overhang,
              RampView tiles) {
  const std::vector<PointF> corners = RoofCorners(wall, height, overhang);
  FillPolygon(canvas, outline, corners, [&](int x, int y) {
    const bool course = (wall.y - y) % 3 == 2;
    const double level = 0.72 - 0.3 * Across(x, wall.x, wall.w) - (course ? 0.22 : 0.0);
    return Dither(tiles, level, x, y);
  });
  canvas.HLine(wall.x - overhang, wall.Right() + overhang - 1, wall.y, tiles[0]);
}

// Patches of tan hide sewn together with dark stitches.
void DrawHideRoof(Canvas& canvas, Silhouette& outline, const Rect& wall, int height, int overhang,
                  std::uint32_t seed) {
  const std::vector<PointF> corners = RoofCorners(wall, height, overhang);
  FillPolygon(canvas, outline, corners, [&](int x, int y) {
    const int px = (x - wall.x + 20) / 7;
    const int py = (wall.y - y) / 5;
    const bool seam_x = (x - wall.x + 20) % 7 == 0 && y % 2 == 0;
    const bool seam_y = (wall.y - y) % 5 == 0 && x % 2 == 0;
    if (seam_x || seam_y) return palette::kWood[1];
    const double patch = HashUnit(px, py, seed) * 0.25;
    return Dither(palette::kLinen, 0.45 + patch - 0.2 * Across(x, wall.x, wall.w), x, y);
  });
  canvas.HLine(wall.x - overhang, wall.Right() + overhang - 1, wall.y, palette::kWood[0]);
}

void DrawTower(Canvas& canvas, Silhouette& outline, int cx, int ground, int radius, int height,
               int roof, RampView tiles) {
  const Rect drum{cx - radius, ground - height, 2 * radius, height};
  DrawStoneWall(canvas, drum, LightFrom::kLeft, std::uint32_t(cx * 7 + ground), {3, 5, 0.0});
  outline.mask().AddRect(drum);
  const int base = drum.y;
  DrawConeRoof(canvas, drum.x, drum.Right(), base, roof, tiles, LightFrom::kLeft);
  outline.mask().AddPolygon({{cx + 0.0, double(base - roof)},
                             {drum.Right() + 2.0, double(base)},
                             {drum.x - 2.0, double(base)}});
}

void DrawDoor(Canvas& canvas, int x, int bottom, int width, int height) {
  Mask door(canvas.width(), canvas.height());
  door.AddRect({x, bottom - height + width / 2, width, height - width / 2});
  door.AddEllipse({x + width / 2.0, bottom - height + width / 2.0}, width / 2.0, width / 2.0);
  Outline(canvas, door, 0, 0, palette::kWood[1], 1);
  PaintMask(canvas, door, 0, 0, palette::kWood[0]);
}

void DrawBanner(Canvas& canvas, const Rect& cloth, RampView colours) {
  Mask banner(canvas.width(), canvas.height());
  const double mid = cloth.x + cloth.w / 2.0;
  banner.AddPolygon({{double(cloth.x), double(cloth.y)},
                     {double(cloth.Right()), double(cloth.y)},
                     {double(cloth.Right()), double(cloth.Bottom())},
                     {mid, cloth.Bottom() - cloth.w / 2.0},
                     {double(cloth.x), double(cloth.Bottom())}});
  Outline(canvas, banner, 0, 0, palette::kBlack, 1);
  PaintMask(canvas, banner, 0, 0, [&](int x, int y) {
    return Dither(colours, 0.75 - 0.4 * Across(x, cloth.x, cloth.w), x, y);
  });
  canvas.HLine(cloth.x - 1, cloth.Right(), cloth.y - 1, palette::kGold[5]);
}

void DrawSmoke(Canvas& canvas, int x, int y, std::uint32_t seed) {
  FixedRandom random(seed);
  for (int puff = 0; puff < 4; ++puff) {
    Mask cloud(canvas.width(), canvas.height());
    const double cx = x + puff * 1.5 + random.Unit() * 2;
    const double cy = y - puff * 3.5;
    cloud.AddEllipse({cx, cy}, 1.5 + puff * 0.6, 1.4 + puff * 0.4);
    PaintMask(canvas, cloud, 0, 0,
              [&](int px, int py) { return Dither(palette::kHaze, 0.85 - 0.1 * puff, px, py); });
  }
}

void DrawShape(Canvas& canvas, Silhouette& outline, const std::vector<PointF>& corners,
               RampView ramp, double lit, double shaded) {
  double left = corners.front().x;
  double right = left;
  for (PointF p : corners) left = std::min(left, p.x), right = std::max(right, p.x);
  FillPolygon(canvas, outline, corners, [&](int x, int y) {
    const double t = right > left ? (x + 0.5 - left) / (right - left) : 0.5;
    return Dither(ramp, lit + (shaded - lit) * t, x, y);
  });
}

}  // namespace pictures::portrait
