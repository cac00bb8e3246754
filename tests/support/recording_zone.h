// A zone that records the signals it receives, in order.
#pragma once

#include <string>
#include <vector>

#include "ui/Zone_Interactive.h"

namespace test {

class RecordingZone : public Zone_Interactive {
 public:
  RecordingZone() : Zone_Interactive(0, 0, 640, 480, nullptr, nullptr) {}

  void SignalMouseLeftButtonPressed(int x, int y) override {
    Record("press", x, y);
    Zone_Interactive::SignalMouseLeftButtonPressed(x, y);
  }
  void SignalMouseLeftButtonReleased(int x, int y) override { Record("release", x, y); }
  void SignalMouseLeftButtonDoubleClick(int x, int y) override { Record("double", x, y); }
  void SignalMouseRightButtonPressed(int x, int y) override { Record("right", x, y); }
  void SignalMouseLeftButtonDrag(int, int, int x, int y) override { Record("drag", x, y); }
  void SignalKey(unsigned char key) override {
    signals.push_back("key " + std::to_string(key));
    Zone_Interactive::SignalKey(key);
  }

  std::vector<std::string> signals;

 private:
  void Record(const char* what, int x, int y) {
    signals.push_back(std::string(what) + " " + std::to_string(x) + "," + std::to_string(y));
  }
};

}  // namespace test
