// Desktop pointer motion to mouse counts.
#include "platform/pointer_counts.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace platform {

PointerCounts::PointerCounts(double speed) : speed_thousandths_(std::llround(speed * 1000)) {}

int PointerCounts::Convert(int pixels, int scale) {
  const long long per_count = 2LL * std::max(scale, 1) * 1000;
  const long long total = carried_ + pixels * speed_thousandths_;
  // Division truncates toward zero, and the remainder keeps the motion's sign:
  // both directions are treated alike.
  carried_ = total % per_count;
  return int(std::clamp<long long>(total / per_count, INT_MIN, INT_MAX));
}

}  // namespace platform
