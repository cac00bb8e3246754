// End-to-end helpers.
#include "support/e2e.h"

#include <algorithm>

#include "frame/ddraw_text.h"
#include "support/run_game.h"

namespace test {

Script& Script::Click(int x, int y) {
  Line("mouse " + std::to_string(x) + " " + std::to_string(y));
  At(frame_ + 2).Line("left down");
  return At(frame_ + 1).Line("left up").At(frame_ + 15);
}

Script& Script::Band(int x0, int y0, int x1, int y1) {
  Line("mouse " + std::to_string(x0) + " " + std::to_string(y0));
  At(frame_ + 1).Line("left down");
  At(frame_ + 1).Line("mouse " + std::to_string(x1) + " " + std::to_string(y1));
  return At(frame_ + 3).Line("left up").At(frame_ + 8);
}

Script& Script::Scroll(int dx, int dy, int passes) {
  const int x = dx > 0 ? 636 : dx < 0 ? 0 : 300;
  const int y = dy > 0 ? 476 : dy < 0 ? 0 : 300;
  Line("mouse " + std::to_string(x) + " " + std::to_string(y));
  return At(frame_ + passes).Line("mouse 300 300").At(frame_ + 2);
}

Script& Script::Keys(std::initializer_list<int> keys) {
  for (int key : keys) {
    Line("key " + std::to_string(key) + " down");
    At(frame_ + 5).Line("key " + std::to_string(key) + " up");
    At(frame_ + 2);
  }
  return *this;
}

Box BoxFor(const char* text) {
  InitFont();
  const int width = std::max(LargeurTexte(text), 110) + 100;
  return {320 - width / 2, width};
}

::testing::AssertionResult ShowsCentredText(const platform::Image& shot, const std::string& text,
                                            int centre_x, int y) {
  InitFont();
  return ShowsText(shot, text, centre_x - LargeurTexte(text.c_str()) / 2, y);
}

::testing::AssertionResult ShowsCursor(const platform::Image& shot, int x, int y) {
  return ShowsPicture(shot, "cursor001.bmp", 0, 0, 12, 15, x, y, /*keyed=*/true);
}

}  // namespace test
