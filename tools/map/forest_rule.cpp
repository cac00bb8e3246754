// The forest pieces and the neighbours each one's picture assumes.
#include "map/forest_rule.h"

namespace mapmaker {
namespace {

// Three rows of three from the north-west: '#' forest, '.' grass.
struct Piece {
  DECOR value;
  std::array<const char*, 3> rows;
};

// Nine pieces of a forest block, then four inner corners named by the
// diagonal where the grass cuts in.
constexpr std::array<Piece, 13> kPieces = {{
    {BOIS01, {"...", ".##", ".##"}},  // top left
    {BOIS02, {"...", "###", "###"}},  // top
    {BOIS03, {"...", "##.", "##."}},  // top right
    {BOIS04, {".##", ".##", ".##"}},  // left
    {BOIS05, {"###", "###", "###"}},  // middle
    {BOIS06, {"##.", "##.", "##."}},  // right
    {BOIS07, {".##", ".##", "..."}},  // bottom left
    {BOIS08, {"###", "###", "..."}},  // bottom
    {BOIS09, {"##.", "##.", "..."}},  // bottom right
    {BOIS10, {"###", "###", "##."}},  // grass at the south-east
    {BOIS11, {"###", "###", ".##"}},  // grass at the south-west
    {BOIS12, {"##.", "###", "###"}},  // grass at the north-east
    {BOIS13, {".##", "###", "###"}},  // grass at the north-west
}};

// Trees drawn out over grass show more than a gap at the forest's edge.
constexpr int kTreesOverGrass = 3;
constexpr int kGapInForest = 1;

int Mismatch(const Piece& piece, const Neighbourhood& forest) {
  int cost = 0;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      if (row == 1 && column == 1) continue;
      const bool assumed = piece.rows[row][column] == '#';
      const bool actual = forest[row][column];
      if (assumed && !actual) cost += kTreesOverGrass;
      if (!assumed && actual) cost += kGapInForest;
    }
  }
  return cost;
}

}  // namespace

DECOR ChooseForestPiece(const Neighbourhood& forest) {
  const Piece* best = &kPieces[0];
  int best_cost = Mismatch(*best, forest);
  for (const Piece& piece : kPieces) {
    const int cost = Mismatch(piece, forest);
    if (cost < best_cost) {
      best = &piece;
      best_cost = cost;
    }
  }
  return best->value;
}

}  // namespace mapmaker
