// Pixels a surface stands for but has not made yet: the last fill or copy
// over the whole of it. Every frame the game fills its 1000 x 1000
// composition surface and then covers the middle of it with terrain tiles,
// and copies the interface picture over the whole back buffer and then the
// game view over most of it; made at once, those pixels would be written
// twice, and the composition's margins for nothing. Instead each row keeps
// the one run of columns that holds what was drawn since; the rest of the row
// holds older pixels but stands for the fill colour, or for the same pixels
// of the copied picture. A read, or a write that does not cover every pixel
// it touches, makes its part first; a write that covers its part only widens
// the run. Whoever looks at a pixel sees what the fill or copy left there.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32.h"

namespace platform {

class PendingPixels {
 public:
  // Every row, `width` pixels, now stands for `colour`.
  void StartFill(int rows, int width, std::uint16_t colour);
  // Every row now stands for the same row of `source`, which must keep its
  // pixels until they are made (the owner of both sees to it).
  void StartCopy(int rows, int width, const std::uint16_t* source, int source_pitch);
  // The area is about to be read, or written only in part (a colour-keyed
  // copy): its pixels are made first.
  void Settle(std::uint16_t* pixels, int pitch, const RECT& area) {
    if (pending_) Touch(pixels, pitch, area, false);
  }
  // Every pixel of the area is about to be written.
  void Cover(std::uint16_t* pixels, int pitch, const RECT& area) {
    if (pending_) Touch(pixels, pitch, area, true);
  }
  void SettleAll(std::uint16_t* pixels, int pitch);

 private:
  void Start(int rows, int width);
  void Touch(std::uint16_t* pixels, int pitch, const RECT& area, bool covered);
  bool JoinsEveryRun(int top, int bottom, std::int16_t left, std::int16_t right) const;
  void TouchRow(std::uint16_t* row, int y, std::int16_t left, std::int16_t right, bool covered);
  // Makes columns [begin, end) of row y.
  void Make(std::uint16_t* row, int y, int begin, int end) const;

  // Per row, the drawn run of columns [begin, end); a row with nothing drawn
  // holds kNoneBegin and kNoneEnd, which no area joins. Sixteen bits hold
  // every column of a surface and let a vector step take eight rows.
  std::vector<std::int16_t> begin_;
  std::vector<std::int16_t> end_;
  int width_ = 0;
  std::uint16_t colour_ = 0;
  const std::uint16_t* source_ = nullptr;  // a copy's picture; null for a fill
  int source_pitch_ = 0;
  bool pending_ = false;  // some row may still stand for the fill or copy
};

}  // namespace platform
