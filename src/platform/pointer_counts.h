// Motion of the desktop's pointer as the counts of the game's mouse. The game
// moves its cursor two pixels per count and the window shows each of its
// pixels `scale` times larger, so a count is 2 x scale pixels of desktop
// motion: the cursor then keeps pace with the pointer it replaces.
#pragma once

namespace platform {

// One axis. Speeds are kept in thousandths, so that the carried parts of a
// count add up exactly and slow motion is never lost.
class PointerCounts {
 public:
  // speed multiplies the counts (1: the desktop pointer's own pace).
  explicit PointerCounts(double speed = 1);
  // The whole counts for `pixels` of motion at the window's whole-factor
  // scale; the part of a count left over waits for the next motion.
  int Convert(int pixels, int scale);

 private:
  long long speed_thousandths_;
  long long carried_ = 0;  // thousandths of a pixel, signed as the motion was
};

}  // namespace platform
