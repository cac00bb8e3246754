// The generator's sheets, drawn once for all the tests that look at them,
// and the pixel counts those tests make.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "pictures/canvas.h"
#include "pictures/sheets.h"

namespace test {

inline const std::vector<pictures::Sheet>& DrawnSheets() {
  static const std::vector<pictures::Sheet> sheets = pictures::AllSheets();
  return sheets;
}

// The sheet of that file name; fails the test when there is none.
inline const platform::Image& DrawnSheet(const std::string& file_name) {
  static const platform::Image none;
  for (const pictures::Sheet& sheet : DrawnSheets()) {
    if (sheet.file_name == file_name) return sheet.image;
  }
  ADD_FAILURE() << "no sheet named " << file_name;
  return none;
}

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
