// The generator's sheets, drawn once for all the tests that look at them,
// and the pixel counts those tests make.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "pictures/canvas.h"
#include "pictures/sheets.h"

namespace test {

const std::vector<pictures::Sheet>& DrawnSheets();
// The sheet of that file name; fails the test when there is none.
const platform::Image& DrawnSheet(const std::string& file_name);

// The pixels of the rectangle for which `test` holds.
template <typename Test>
int CountIn(const platform::Image& image, const pictures::Rect& r, Test test) {
  int count = 0;
  for (int y = r.y; y < r.Bottom(); ++y) {
    for (int x = r.x; x < r.Right(); ++x) count += bool(test(image.at(x, y)));
  }
  return count;
}

// The pixels of the rectangle of another colour than `colour`.
inline int CountOther(const platform::Image& image, const pictures::Rect& r,
                      pictures::Colour colour) {
  return CountIn(image, r, [colour](pictures::Colour c) { return c != colour; });
}

inline bool OnRamp(pictures::RampView ramp, pictures::Colour c) {
  return std::find(ramp.begin(), ramp.end(), c) != ramp.end();
}

// The pixels of the rectangle on the ramp.
inline int CountOnRamp(const platform::Image& image, const pictures::Rect& r,
                       pictures::RampView ramp) {
  return CountIn(image, r, [ramp](pictures::Colour c) { return OnRamp(ramp, c); });
}

}  // namespace test
