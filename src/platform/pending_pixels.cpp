// The whole-surface fills and copies made lazily.
#include "platform/pending_pixels.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

constexpr std::int16_t kNoneBegin = INT16_MAX, kNoneEnd = INT16_MIN;

}  // namespace

void PendingPixels::Start(int rows, int width) {
  begin_.assign(std::size_t(rows), kNoneBegin);
  end_.assign(std::size_t(rows), kNoneEnd);
  width_ = width;
  pending_ = true;
}

void PendingPixels::StartFill(int rows, int width, std::uint16_t colour) {
  Start(rows, width);
  colour_ = colour;
  source_ = nullptr;
}

void PendingPixels::StartCopy(int rows, int width, const std::uint16_t* source, int source_pitch) {
  Start(rows, width);
  source_ = source;
  source_pitch_ = source_pitch;
}

void PendingPixels::Make(std::uint16_t* row, int y, int begin, int end) const {
  if (begin >= end) return;
  if (source_) {
    std::memcpy(row + begin, source_ + std::size_t(y) * source_pitch_ + begin,
                std::size_t(end - begin) * sizeof(std::uint16_t));
  } else {
    std::fill(row + begin, row + end, colour_);
  }
}

// Whether the columns [left, right) meet or overlap the drawn run of every
// row: then no row gets a gap. A count without branches, which the compiler
// makes a few vector steps: the terrain's 32-row tiles ask it some 400 times
// a frame.
bool PendingPixels::JoinsEveryRun(int top, int bottom, std::int16_t left,
                                  std::int16_t right) const {
  std::int16_t apart = 0;
  for (int y = top; y < bottom; ++y) {
    apart |= std::int16_t((begin_[std::size_t(y)] > right) | (left > end_[std::size_t(y)]));
  }
  return apart == 0;
}

void PendingPixels::Touch(std::uint16_t* pixels, int pitch, const RECT& area, bool covered) {
  const int top = int(area.top), bottom = int(area.bottom);
  const auto left = std::int16_t(area.left), right = std::int16_t(area.right);
  if (covered && JoinsEveryRun(top, bottom, left, right)) {
    for (int y = top; y < bottom; ++y) {
      begin_[std::size_t(y)] = std::min(begin_[std::size_t(y)], left);
      end_[std::size_t(y)] = std::max(end_[std::size_t(y)], right);
    }
    return;
  }
  for (int y = top; y < bottom; ++y) {
    TouchRow(pixels + std::size_t(y) * pitch, y, left, right, covered);
  }
}

// The drawn columns of a row stay one run: the area joins it, and whatever
// lies between them is made.
void PendingPixels::TouchRow(std::uint16_t* row, int y, std::int16_t left, std::int16_t right,
                             bool covered) {
  std::int16_t& begin = begin_[std::size_t(y)];
  std::int16_t& end = end_[std::size_t(y)];
  if (begin == kNoneBegin) {
    if (!covered) Make(row, y, left, right);
  } else if (covered) {
    Make(row, y, right, begin);  // a gap on the left
    Make(row, y, end, left);     // or on the right
  } else {
    Make(row, y, std::min(begin, left), begin);
    Make(row, y, end, std::max(end, right));
  }
  begin = std::min(begin, left);
  end = std::max(end, right);
}

void PendingPixels::SettleAll(std::uint16_t* pixels, int pitch) {
  if (!pending_) return;
  for (std::size_t y = 0; y < begin_.size(); ++y) {
    std::uint16_t* row = pixels + y * pitch;
    if (begin_[y] == kNoneBegin) {
      Make(row, int(y), 0, width_);
    } else {
      Make(row, int(y), 0, begin_[y]);
      Make(row, int(y), end_[y], width_);
    }
  }
  pending_ = false;
  source_ = nullptr;
}

}  // namespace platform
