// Path finding and the movement of walking units.
//
// The path is a king-move breadth-first flood from the unit's cell over the
// free cells, followed by a walk back from the goal through ever lower levels.
// Every move costs one level, so the level of a cell is its distance; the
// flood keeps a queue of the cells it reaches, looks at each cell once and
// stops as soon as the goal has its level. The walk back reads only levels
// below the goal's, which are all settled by then.
#include "units/Motion.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "frame/logfile.h"
#include "frame/ticks.h"
#include "world/decors.h"
#include "world/map.h"
#include "world/util.h"

namespace {

constexpr int kLevelLimit = 256;       // the flood gives up beyond this level
constexpr int kLongestWalkBack = 251;  // a longer walk back gives up, with a message
constexpr int kSubSteps = 16;          // per move from one cell to the next
constexpr int kGlidePerSubStep = 2;    // pixels
constexpr int kPathShift = 250;        // path entries that move down by one per cell

struct Offset {
  int dx, dy;
};
// An occupied goal moves to the first free of its neighbours, west first.
constexpr std::array<Offset, 8> kGoalShiftOrder{
    {{-1, 0}, {-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}}};
// Of two equally short walks, the one whose cells come first in this order
// from the goal's side: east, south, north, west, then the diagonals.
constexpr std::array<Offset, 8> kWalkBackOrder{
    {{1, 0}, {0, 1}, {0, -1}, {-1, 0}, {1, 1}, {-1, 1}, {-1, -1}, {1, -1}}};

// The flood's levels, on the grid with a one-cell border all round so that
// the eight neighbours of any cell of the map have an entry. A column's cells
// are marked free or not the first time either side comes near it, so a short
// walk looks at few columns and the spreading itself only reads this grid.
//
// A second flood spreads from the goal over the free cells at the same pace,
// only to learn whether the goal can be reached at all: when it runs out of
// cells before touching the walker's flood, the goal is cut off and the search
// ends there, instead of covering everything the walker can reach.
class Flood {
 public:
  // Floods from (sx, sy), in the map, until (gx, gy), a free cell of the map,
  // has its level; that level, or -1 when the goal lies beyond kLevelLimit or
  // out of reach.
  int Reach(int sx, int sy, int gx, int gy);
  int LevelAt(int x, int y) const { return level_[Index(x, y)]; }

 private:
  static constexpr int kSide = kMapCapacity + 2;
  // Entries that are not levels.
  static constexpr std::int16_t kNever = -1;     // not free, or off the map
  static constexpr std::int16_t kUnseen = -2;    // free, not reached yet
  static constexpr std::int16_t kGoalSide = -3;  // free, reached from the goal only
  static constexpr int Index(int x, int y) { return (x + 1) * kSide + (y + 1); }
  static constexpr std::array<int, 8> kSteps{kSide,     1,          -kSide,     -1,
                                             kSide + 1, -kSide + 1, -kSide - 1, kSide - 1};

  // The cells a side has reached and has yet to spread from, and the columns
  // it has marked around them: a side's cells are joined, so those columns
  // are one run, from first to last.
  struct Queue {
    std::array<std::uint16_t, kSide * kSide> cells;
    int head = 0, tail = 0;
    int first = 0, last = -1;
  };
  enum class Outcome { kGoing, kGoal, kStuck, kJoined };

  void Clear();
  // Marks the free cells of the columns x - 1 to x + 1; before any other mark
  // goes into them.
  void MarkColumnsAround(Queue& side, int cell) {
    const int x = cell / kSide - 1;
    if (x - 1 < side.first || x + 1 > side.last) WidenColumns(side, x);
  }
  void WidenColumns(Queue& side, int x);
  void MarkColumn(int x);
  // Each side spreads this many cells in turn.
  static constexpr int kCellsPerTurn = 32;
  Outcome SpreadFromWalker(int cells);
  Outcome SpreadFromGoal(int cells);

  std::array<std::int16_t, kSide * kSide> level_;
  std::array<bool, kSide> column_marked_;
  Queue walker_;
  Queue goal_side_;
  int goal_ = 0;
  int goal_level_ = -1;
};

void Flood::Clear() {
  level_.fill(kNever);
  column_marked_.fill(false);
  for (Queue* side : {&walker_, &goal_side_}) {
    side->head = side->tail = 0;
    side->first = 0;
    side->last = -1;
  }
}

// The free-cell test, read straight from the grids: the cells are on the map.
void Flood::MarkColumn(int x) {
  column_marked_[x + 1] = true;
  // A map is never larger than the grids; the bounds keep it so regardless.
  const int width = std::min(tx_map, kMapCapacity), height = std::min(ty_map, kMapCapacity);
  if (x < 0 || x >= width) return;
  const DECOR* ground = &terrain_grid[CellIndex(x, 0)];
  cSprite* const* holder = &occupancy_grid[CellIndex(x, 0)];
  std::int16_t* column = &level_[Index(x, 0)];
  for (int y = 0; y < height; ++y) {
    // No branch: grass and forest follow no pattern a guess could learn.
    const bool free = (ground[y] == HERBE1) & (holder[y] == nullptr);
    column[y] = std::int16_t(kNever + free * (kUnseen - kNever));
  }
}

void Flood::WidenColumns(Queue& side, int x) {
  if (side.first > side.last) side.first = side.last = x;
  side.first = std::min(side.first, x - 1);
  side.last = std::max(side.last, x + 1);
  for (int c = side.first; c <= side.last; ++c) {
    if (!column_marked_[c + 1]) MarkColumn(c);
  }
}

// Cells of the walker's side give the next level to their free neighbours.
// The queue hands out the cells level by level, so a cell's level is settled
// when it is first given one; every level below the goal's is complete by the
// time the goal has its own.
Flood::Outcome Flood::SpreadFromWalker(int cells) {
  int head = walker_.head, tail = walker_.tail;
  Outcome outcome = Outcome::kGoing;
  for (; cells > 0; --cells) {
    if (head == tail) {
      outcome = Outcome::kStuck;
      break;
    }
    const int cell = walker_.cells[head++];
    const int level = level_[cell];
    if (level == kLevelLimit) {  // the rest of the queue is as far
      outcome = Outcome::kStuck;
      break;
    }
    MarkColumnsAround(walker_, cell);
    const auto next_level = std::int16_t(level + 1);
    bool goal = false;
    for (int step : kSteps) {
      const int next = cell + step;
      const std::int16_t seen = level_[next];
      if (seen != kUnseen && seen != kGoalSide) continue;
      level_[next] = next_level;
      walker_.cells[tail++] = std::uint16_t(next);
      goal |= next == goal_;
    }
    if (goal) {
      goal_level_ = next_level;
      outcome = Outcome::kGoal;
      break;
    }
  }
  walker_.head = head;
  walker_.tail = tail;
  return outcome;
}

// Cells of the goal's side take their free neighbours; a neighbour with a
// level (the walker's own cell included) joins the two sides.
Flood::Outcome Flood::SpreadFromGoal(int cells) {
  int head = goal_side_.head, tail = goal_side_.tail;
  bool joined = false;
  for (; cells > 0 && !joined; --cells) {
    if (head == tail) return Outcome::kStuck;
    const int cell = goal_side_.cells[head++];
    MarkColumnsAround(goal_side_, cell);
    for (int step : kSteps) {
      const int next = cell + step;
      const std::int16_t seen = level_[next];
      joined |= seen >= 0;
      if (seen != kUnseen) continue;
      level_[next] = kGoalSide;
      goal_side_.cells[tail++] = std::uint16_t(next);
    }
  }
  goal_side_.head = head;
  goal_side_.tail = tail;
  return joined ? Outcome::kJoined : Outcome::kGoing;
}

int Flood::Reach(int sx, int sy, int gx, int gy) {
  Clear();
  const int start = Index(sx, sy);
  goal_ = Index(gx, gy);
  goal_level_ = -1;
  MarkColumnsAround(walker_, start);
  MarkColumnsAround(goal_side_, goal_);
  level_[start] = 0;
  walker_.cells[walker_.tail++] = std::uint16_t(start);
  level_[goal_] = kGoalSide;
  goal_side_.cells[goal_side_.tail++] = std::uint16_t(goal_);
  bool joined = false;
  while (true) {
    const Outcome walker = SpreadFromWalker(kCellsPerTurn);
    if (walker == Outcome::kGoal) return goal_level_;
    if (walker == Outcome::kStuck) return -1;
    if (joined) continue;
    const Outcome goal = SpreadFromGoal(kCellsPerTurn);
    if (goal == Outcome::kStuck) return -1;  // the goal is cut off
    joined = goal == Outcome::kJoined;
  }
}

Flood& TheFlood() {
  static Flood flood;
  return flood;
}

// An occupied goal (any sprite, the walker included) moves to its first free
// neighbour; false when it has none. A goal off the grids holds nobody.
bool AdjustGoal(int& x, int& y) {
  if (!IsOnGrids(x, y) || !occupancy_grid[CellIndex(x, y)]) return true;
  for (const Offset& o : kGoalShiftOrder) {
    if (IsCellFree(x + o.dx, y + o.dy)) {
      x += o.dx;
      y += o.dy;
      return true;
    }
  }
  return false;
}

// The goal's level, or -1 when it is never reached. A goal that is not free
// never gets a level, unless it is the walker's own cell (level 0, whose path
// is that cell twice).
int GoalLevel(int sx, int sy, int gx, int gy) {
  if (!IsOnGrids(sx, sy)) return -1;
  if (gx == sx && gy == sy) return 1;
  if (!IsInMap(sx, sy) || !IsCellFree(gx, gy)) return -1;
  return TheFlood().Reach(sx, sy, gx, gy);
}

PathCell CellOf(int x, int y) {
  return PathCell{std::uint8_t(x), std::uint8_t(y)};
}

// From the goal down to the walker, each entry the first neighbour of the one
// after it that lies one level lower.
void WalkBack(cHumanoide& unit, int goal_level) {
  const Flood& flood = TheFlood();
  int x = unit.XObjectif, y = unit.YObjectif;
  unit.Trajet[goal_level] = CellOf(x, y);
  for (int level = goal_level - 1; level >= 1; --level) {
    for (const Offset& o : kWalkBackOrder) {
      if (flood.LevelAt(x + o.dx, y + o.dy) != level) continue;
      x += o.dx;
      y += o.dy;
      unit.Trajet[level] = CellOf(x, y);
      break;
    }
  }
  unit.Trajet[0] = CellOf(unit.Px, unit.Py);
}

void GiveUpWalk(cHumanoide& unit) {
  unit.Trajet.fill(PathCell{0, 0});
  unit.XObjectif = unit.YObjectif = 0;
  unit.Tache = SANS_TACHE;
  unit.Ordre = WAIT;
}

// Where the unit is drawn at sub-step s of its move into the cell (x, y): it
// glides from the cell it came from, two pixels per sub-step.
void Glide(cHumanoide& unit) {
  static constexpr std::array<Offset, 9> kHeading{
      {{0, 0}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}}};
  const int d = unit.CurrentDirection;
  const Offset h = d >= 0 && d < int(kHeading.size()) ? kHeading[d] : kHeading[0];
  const int s = unit.CurrentStep;
  unit.PixelX = kCellSize * (unit.Px - h.dx) + kGlidePerSubStep * s * h.dx;
  unit.PixelY = kCellSize * (unit.Py - h.dy) + kGlidePerSubStep * s * h.dy;
}

void Arrive(cHumanoide& unit) {
  unit.Ordre = WAIT;
  unit.PixelX = kCellSize * unit.Px;
  unit.PixelY = kCellSize * unit.Py;
  unit.CurrentDirection = DIR_NONE;
  unit.CurrentStep = 0;
}

// The logical position jumps to the next cell as the move begins, and the
// old cell is cleared.
void BeginMove(cHumanoide& unit, PathCell next) {
  unit.CurrentDirection = GetDirection(unit.Px, unit.Py, next.x, next.y);
  if (IsOnGrids(unit.Px, unit.Py)) occupancy_grid[CellIndex(unit.Px, unit.Py)] = nullptr;
  unit.Px = next.x;
  unit.Py = next.y;
}

// The new cell was free when the move began, and it is on the grids.
void EnterCell(cHumanoide& unit) {
  occupancy_grid[CellIndex(unit.Px, unit.Py)] = &unit;
  RevealAround(&unit);
  std::copy(unit.Trajet.begin() + 1, unit.Trajet.begin() + 1 + kPathShift, unit.Trajet.begin());
}

}  // namespace

void cHumanoide::TrouverTrajet(int XBut, int YBut) {
  ChercherTrajet(XBut, YBut);
}

bool cHumanoide::ChercherTrajet(int XBut, int YBut) {
  int x = XBut, y = YBut;
  if (!AdjustGoal(x, y)) {
    GiveUpWalk(*this);
    return false;
  }
  XObjectif = x;
  YObjectif = y;
  const int goal_level = GoalLevel(Px, Py, x, y);
  if (goal_level < 0) {
    GiveUpWalk(*this);
    return false;
  }
  // The walk back would give up after 250 steps; it is not started, so a goal
  // on level 256 never writes past the path's last entry.
  if (goal_level > kLongestWalkBack) {
    GiveUpWalk(*this);
    Fatal_Errors << "sprites void cHumanoide::TrouverTrajet(int XBut,int YBut) impossible de "
                    "trouver un chemin 002\n";
    return false;
  }
  WalkBack(*this, goal_level);
  return true;
}

void cHumanoide::RecalculerTrajet() {
  TrouverTrajet(XObjectif, YObjectif);
}

void cHumanoide::Avancer() {
  if (!pDef) return;  // no kind, no step interval: the unit cannot walk
  const DWORD now = GetTickCount();
  if (TicksBetween(dwLastMove, now) <= pDef->Vitesse) return;
  if (Px == XObjectif && Py == YObjectif && CurrentStep == 0) return Arrive(*this);
  const PathCell next = Trajet[1];
  if (CurrentStep == 0 && !IsCellFreeUnchecked(next.x, next.y)) {
    // A blocked destination ends the walk where the unit stands.
    if (next.x == XObjectif && next.y == YObjectif) {
      Ordre = WAIT;
    } else {
      RecalculerTrajet();
    }
    return;
  }
  dwLastMove = now;
  if (CurrentStep == 0) BeginMove(*this, next);
  ++CurrentStep;
  Glide(*this);
  if (CurrentStep == kSubSteps) CurrentStep = 0;
  if (CurrentStep == 1) EnterCell(*this);
}
