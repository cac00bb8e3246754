// Where the game cuts each terrain tile out of unit.bmp: 32x32 tiles on a
// 33-pixel grid, with a one-pixel line of the key colour between them.
#pragma once

#include <array>

#include "pictures/canvas.h"

namespace pictures::terrain_layout {

inline constexpr int kTile = 32;
inline constexpr int kPitch = 33;
inline constexpr int kColumns = 6;
inline constexpr int kRows = 4;
inline constexpr int kWidth = kColumns * kPitch + 1;
inline constexpr int kHeight = kRows * kPitch + 1;

constexpr Rect TileRect(int column, int row) {
  return {column * kPitch + 1, row * kPitch + 1, kTile, kTile};
}

// The terrain values that the game reads from one sheet position.
struct TilePlace {
  int column;
  int row;
  const char* label;  // the values drawn from here, for the contact sheet
};

inline constexpr TilePlace kGrass{0, 0, "0 1 2"};
inline constexpr TilePlace kRocks{2, 0, "44"};

// A forest tile: its value, its place and which of its eight neighbours the
// picture takes for forest, as three rows of three ('#' forest, '.' grass; the
// middle is the tile itself). A tree is drawn only where all the cells it
// covers are forest, so pieces laid as their neighbours say join up.
struct ForestPiece {
  int value;
  int column;
  int row;
  std::array<const char*, 3> neighbours;
  const char* name;
};

inline constexpr std::array<ForestPiece, 13> kForestPieces = {{
    {3, 0, 1, {"...", ".##", ".##"}, "TOP LEFT"},
    {4, 1, 1, {"...", "###", "###"}, "TOP"},
    {5, 2, 1, {"...", "##.", "##."}, "TOP RIGHT"},
    {6, 0, 2, {".##", ".##", ".##"}, "LEFT"},
    {7, 1, 2, {"###", "###", "###"}, "MIDDLE"},
    {8, 2, 2, {"##.", "##.", "##."}, "RIGHT"},
    {9, 0, 3, {".##", ".##", "..."}, "BOTTOM LEFT"},
    {10, 1, 3, {"###", "###", "..."}, "BOTTOM"},
    {11, 2, 3, {"##.", "##.", "..."}, "BOTTOM RIGHT"},
    {12, 3, 1, {"###", "###", "##."}, "GRASS AT SE"},
    {13, 5, 1, {"###", "###", ".##"}, "GRASS AT SW"},
    {14, 3, 3, {"##.", "###", "###"}, "GRASS AT NE"},
    {15, 5, 3, {".##", "###", "###"}, "GRASS AT NW"},
}};

// Whether the piece takes the neighbour at (dx, dy), each -1 to 1, for forest.
constexpr bool ForestAt(const ForestPiece& piece, int dx, int dy) {
  return piece.neighbours[dy + 1][dx + 1] == '#';
}

}  // namespace pictures::terrain_layout
