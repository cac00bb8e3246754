// Test support: the walk to a goal by the plain level-by-level flood, sweeping
// the whole map once per level. Slow and obviously right; the path finding of
// the units must give exactly the same walks.
#pragma once

#include "units/cHumanoide.h"

namespace test {

// How often output/Fatal_Errors.txt holds the message of a walk back that
// gave up.
int WalkBackMessages();

// Whether the unit's search and the literal flood from the same state give
// the same walk, goal, task, order and message; each difference fails the
// test. True when the walk succeeded: the unit, given a task, kept it.
bool WalksAsLiteral(cHumanoide& unit, int XBut, int YBut);

}  // namespace test
