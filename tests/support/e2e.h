// Test support for end-to-end runs: scripts built frame by frame, the
// dialog boxes' places, and checks of text and cursor in screenshots.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>

#include "platform/bitmap_file.h"

namespace test {

// Builds an input script frame by frame.
class Script {
 public:
  Script& At(long frame) {
    frame_ = frame;
    return *this;
  }
  Script& Line(const std::string& command) {
    text_ << "at " << frame_ << " " << command << "\n";
    return *this;
  }
  // Moves to (x, y), presses and releases the left button, then waits long
  // enough for the next press not to be a double click.
  Script& Click(int x, int y);
  // Presses and releases the right button where the cursor is.
  Script& RightClick() {
    Line("right down");
    return At(frame_ + 1).Line("right up").At(frame_ + 2);
  }
  // Drags a selection band from (x0, y0) to (x1, y1).
  Script& Band(int x0, int y0, int x1, int y1);
  // Holds the cursor against the screen's edge for that many passes of the
  // game screen, each scrolling the view by 10 pixels: dx, dy of -1 for the
  // left or top edge, 1 for the right or bottom one.
  Script& Scroll(int dx, int dy, int passes);
  // Presses each key long enough for a keyboard scan to see it.
  Script& Keys(std::initializer_list<int> keys);
  Script& Shot(const std::string& name) { return Line("shot " + name).At(frame_ + 1); }
  Script& Wait(long frames) { return At(frame_ + frames); }
  long frame() const { return frame_; }
  std::string str() const { return text_.str(); }

 private:
  long frame_ = 0;
  std::ostringstream text_;
};

// A dialog box sized to its text, centred on the screen.
struct Box {
  int x;
  int width;
  int OkCentre() const { return x + width / 4; }
  int CancelCentre() const { return x + 3 * width / 4; }
  int LoneOkCentre() const { return x + width / 2; }
  static constexpr int kButtonRow = 190 + 80;
};
Box BoxFor(const char* text);

constexpr std::uint32_t kRed = 0xFF0000;

// Whether the text is drawn centred on x, as a box or a button centres it.
::testing::AssertionResult ShowsCentredText(const platform::Image& shot, const std::string& text,
                                            int centre_x, int y);
// Whether the cursor's picture is drawn at (x, y) wherever it is not transparent.
::testing::AssertionResult ShowsCursor(const platform::Image& shot, int x, int y);

}  // namespace test
