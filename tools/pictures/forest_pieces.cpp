// Trees on a pattern that repeats every cell, kept or left out per piece.
#include "pictures/forest_pieces.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "pictures/ground.h"
#include "pictures/noise.h"
#include "pictures/shading.h"

namespace pictures {
namespace {

namespace layout = terrain_layout;

constexpr std::uint32_t kTreeSeed = 307;
constexpr int kShadowX = 3;
constexpr int kShadowY = 4;
constexpr int kReach = 2;  // how far the darkened ground reaches past a canopy

struct Tree {
  double x = 0;  // centre, in pixels of a cell
  double y = 0;
  double radius = 0;
  bool pine = false;
  std::uint32_t seed = 0;
};

// Three rows of three broadleaves or pines, jittered, and four bushes in the
// gaps between them.
std::vector<Tree> TreesOfOneCell() {
  FixedRandom random(kTreeSeed);
  std::vector<Tree> trees;
  const double step = kCellSize / 3.0;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      Tree tree;
      tree.x = step * (column + 0.5) + random.Unit() * 3 - 1.5 + (row % 2) * 2;
      tree.y = step * (row + 0.5) + random.Unit() * 3 - 1.5;
      tree.radius = 6.6 + random.Unit() * 1.6;
      tree.pine = random.Below(4) == 0;
      tree.seed = random.Next();
      trees.push_back(tree);
    }
  }
  for (int i = 0; i < 4; ++i) {
    Tree bush;
    bush.x = step * (1 + i % 2) + random.Unit() * 2 - 1;
    bush.y = step * (1 + i / 2) + random.Unit() * 2 - 1;
    bush.radius = 4.2 + random.Unit() * 1.2;
    bush.seed = random.Next();
    trees.push_back(bush);
  }
  return trees;
}

// Everything a tree paints (canopy, trunk, shadow and darkened ground) and
// one pixel more, so that a forest's edge ends in plain grass.
Rect Reach(const Tree& t) {
  const int left = int(std::floor(t.x - t.radius)) - kReach - 1;
  const int top = int(std::floor(t.y - t.radius)) - kReach - 1;
  const int right = int(std::ceil(t.x + t.radius)) + kShadowX + 2;
  const int bottom = int(std::ceil(t.y + t.radius)) + kShadowY + 2;
  return {left, top, right - left, bottom - top};
}

int CellOf(int pixel) {
  return pixel < 0 ? -1 : pixel / kCellSize;
}

bool StandsOnForest(const Tree& t, const layout::ForestPiece& piece) {
  const Rect reach = Reach(t);
  for (int cy = CellOf(reach.y); cy <= CellOf(reach.Bottom() - 1); ++cy) {
    for (int cx = CellOf(reach.x); cx <= CellOf(reach.Right() - 1); ++cx) {
      if (cx < -1 || cx > 1 || cy < -1 || cy > 1 || !layout::ForestAt(piece, cx, cy)) return false;
    }
  }
  return true;
}

// The trees of the piece's own cell and of its neighbours that it keeps, in
// the order they are painted: further up first, so lower trees overlap them.
std::vector<Tree> KeptTrees(const layout::ForestPiece& piece) {
  static const std::vector<Tree> pattern = TreesOfOneCell();
  std::vector<Tree> kept;
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      for (Tree t : pattern) {
        t.x += dx * kCellSize;
        t.y += dy * kCellSize;
        if (StandsOnForest(t, piece)) kept.push_back(t);
      }
    }
  }
  std::stable_sort(kept.begin(), kept.end(),
                   [](const Tree& a, const Tree& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
  return kept;
}

// A canopy's edge: broadleaves are lumpy, pines star-shaped.
double EdgeAt(const Tree& t, double angle) {
  const double phase = (t.seed % 628) / 100.0;
  if (t.pine) return t.radius * (0.72 + 0.28 * std::abs(std::cos(3.5 * angle + phase)));
  return t.radius * (1 + 0.09 * std::sin(5 * angle + phase) + 0.05 * std::sin(3 * angle));
}

int GroundDarkening(const std::vector<Tree>& trees, double px, double py) {
  int steps = 0;
  for (const Tree& t : trees) {
    if (std::hypot(px - t.x, py - t.y) < t.radius + kReach) steps += 1;
    if (std::hypot(px - t.x - kShadowX, py - t.y - kShadowY) < t.radius) steps += 2;
  }
  return std::min(steps, 5);
}

Colour CanopyColour(const Tree& t, double dx, double dy, double edge, int x, int y) {
  const double distance = std::hypot(dx, dy);
  const double light = -(dx + dy) * 0.7071 / edge;
  const int ox = int(std::floor(dx));
  const int oy = int(std::floor(dy));
  const double clusters = ValueNoise(ox / 2.3, oy / 2.3, t.seed);
  if (distance > edge - 1.5 && light < 0.2) return palette::kFoliage[1];
  double level = 0.42 + light * 0.3 + (clusters - 0.5) * 0.4 - std::pow(distance / edge, 3) * 0.14;
  if (clusters > 0.72 && light > 0.15) level += 0.14;  // sunlit leaves
  if (t.pine) level -= 0.1;
  return Dither(palette::kFoliage, level, x, y);
}

// The colour of the topmost tree part at (px, py) in cell pixels, if any.
bool TreeColour(const std::vector<Tree>& trees, double px, double py, int x, int y, Colour& out) {
  bool found = false;
  for (const Tree& t : trees) {
    const double dx = px - t.x;
    const double dy = py - t.y;
    const double edge = EdgeAt(t, std::atan2(dy, dx));
    if (std::hypot(dx, dy) <= edge) {
      out = CanopyColour(t, dx, dy, edge, x, y);
      found = true;
    } else if (std::abs(dx) < 1.0 && dy > 0 && dy < t.radius + 2) {
      out = palette::kWood[dx < 0 ? 2 : 1];
      found = true;
    }
  }
  return found;
}

}  // namespace

void DrawForestTile(Canvas& canvas, const Rect& tile, const layout::ForestPiece& piece) {
  const std::vector<Tree> trees = KeptTrees(piece);
  for (int y = 0; y < tile.h; ++y) {
    for (int x = 0; x < tile.w; ++x) {
      const double px = x + 0.5;
      const double py = y + 0.5;
      Colour colour = Darker(GrassAt(x, y), GroundDarkening(trees, px, py));
      TreeColour(trees, px, py, x, y, colour);
      canvas.Set(tile.x + x, tile.y + y, colour);
    }
  }
}

}  // namespace pictures
