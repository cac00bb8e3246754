// The random player.
#include "soak/random_player.h"

#include <algorithm>
#include <array>
#include <random>
#include <sstream>
#include <vector>

#include "frame/ddraw_text.h"
#include "ui/edit.h"

namespace soak {
namespace {

struct Point {
  int x, y;
};

struct Area {
  int left, top, right, bottom;  // right and bottom excluded
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// Keys: Escape, the digits, the letters, Backspace, Enter, the space, F1, F2.
constexpr int kEscape = 1, kBackspace = 14, kEnter = 28, kSpace = 57, kF1 = 59, kF2 = 60;
constexpr std::array<int, 26> kLetters = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                                          49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};

// A dialog box sizes itself to its text and stands centred, its buttons on
// one row: where the OK (or the lone OK) and the CANCEL of a box lie.
constexpr int kBoxButtonTop = 190 + 70;

int BoxWidth(const char* text) {
  InitFont();
  return std::max(LargeurTexte(text), 110) + 100;
}
Area BoxButton(const char* text, int left_in_box) {
  const int x = 320 - BoxWidth(text) / 2 + left_in_box;
  return {x, kBoxButtonTop, x + 90, kBoxButtonTop + 20};
}
Area PairedOk(const char* text) {
  return BoxButton(text, BoxWidth(text) / 4 - 45);
}
Area PairedCancel(const char* text) {
  return BoxButton(text, 3 * BoxWidth(text) / 4 - 45);
}
Area LoneOk(const char* text) {
  return BoxButton(text, BoxWidth(text) / 2 - 45);
}

constexpr char kQuitText[] = "DO YOU REALLY WANT TO QUIT THE GAME ?";

Point Centre(const Area& a) {
  return {(a.left + a.right) / 2, (a.top + a.bottom) / 2};
}

// Every button of every screen, where a click on it lands.
std::vector<Area> KnownButtons() {
  std::vector<Area> buttons = {
      {320, 200, 520, 220},  // NEW CAMPAIGN
      {320, 250, 520, 270},  // PLAY, once a game exists
      {380, 300, 460, 320},  // LOAD
      {380, 340, 460, 360},  // SAVE
      {380, 400, 460, 420},  // QUIT
      {500, 450, 580, 470},  // BACK of the save and load screens
      {500, 420, 600, 440},  // PLAY under a briefing
      {590, 40, 636, 83},    // the game screen's MENU
      PairedCancel(kQuitText),
      LoneOk("NO GAME TO SAVE"),
      PairedOk("NAME OF THE FILE"),
      PairedCancel("NAME OF THE FILE"),
      LoneOk("VICTORY"),
  };
  for (int slot = 0; slot < 10; ++slot) {
    buttons.push_back({520, 100 + 30 * slot, 600, 120 + 30 * slot});  // SAVE i, LOAD i
  }
  for (int column = 0; column < kPanelColumns; ++column) {
    for (int row = 0; row < kPanelRows; ++row) {
      const RECT cell = PanelCellRect(column, row);
      buttons.push_back({int(cell.left), int(cell.top), int(cell.right), int(cell.bottom)});
    }
  }
  return buttons;
}

class RandomPlayer {
 public:
  explicit RandomPlayer(std::uint32_t seed) : random_(seed), buttons_(KnownButtons()) {}

  std::string Play(long frames) {
    frame_ = 3;  // after the intro, on the menu
    end_ = frames;
    // Only before the first game does SAVE tell that there is none.
    Click({420, 350});
    Click(Centre(LoneOk("NO GAME TO SAVE")));
    while (frame_ < end_ - kLongestShortAction) Act();
    frame_ = std::max(frame_, end_);
    Line("close");
    return out_.str();
  }

 private:
  // No action takes more frames than these: the first mission's victory,
  // and any other.
  static constexpr long kVictoryFrames = 1700;
  static constexpr long kLongestShortAction = 300;

  int Pick(int n) { return int(random_() % unsigned(n)); }
  int Between(int low, int high) { return low + Pick(high - low + 1); }

  void Line(const std::string& command) { out_ << "at " << frame_ << " " << command << "\n"; }
  void Wait(long frames) { frame_ += frames; }

  // The cursor lands on the even pixel at or before (x, y), and never past
  // (636, 476), as the game moves it two pixels a count.
  void MoveTo(int x, int y) {
    Line("mouse " + std::to_string(x) + " " + std::to_string(y));
    cursor_ = {std::min(x & ~1, 636), std::min(y & ~1, 476)};
    Wait(1);
  }
  void Nudge(int dx, int dy) {
    Line("move " + std::to_string(dx) + " " + std::to_string(dy));
    cursor_ = {std::clamp(cursor_.x + 2 * dx, 0, 636), std::clamp(cursor_.y + 2 * dy, 0, 476)};
    Wait(1);
  }

  // A left press, unless it would land on the quit box's OK.
  bool Press() {
    if (quit_ok_.Contains(cursor_.x, cursor_.y)) return false;
    Line("left down");
    Wait(1);
    return true;
  }
  void Release() {
    Line("left up");
    Wait(1);
  }
  // Then long enough for the next press not to be a double click.
  void Click(Point at) {
    MoveTo(at.x, at.y);
    if (Press()) Release();
    Wait(5);
  }
  void Key(int code, int held = 3) {
    Line("key " + std::to_string(code) + " down");
    Wait(held);
    Line("key " + std::to_string(code) + " up");
    Wait(1);
  }

  Point Inside(const Area& a) {
    return {Between(a.left, a.right - 1), Between(a.top, a.bottom - 1)};
  }
  Point OnTheMap() { return {Pick(520), Pick(480)}; }
  Point Anywhere() { return {Pick(640), Pick(480)}; }

  void Act() {
    using Action = void (RandomPlayer::*)();
    struct Choice {
      int weight;
      Action action;
    };
    static constexpr Choice kChoices[] = {
        {30, &RandomPlayer::ClickAButton},
        {14, &RandomPlayer::ClickTheMap},
        {5, &RandomPlayer::DragABand},
        {6, &RandomPlayer::RightClick},
        {3, &RandomPlayer::DoubleClick},
        {4, &RandomPlayer::ClickAnywhere},
        {6, &RandomPlayer::Wander},
        {4, &RandomPlayer::ScrollAtAnEdge},
        {8, &RandomPlayer::TypeAName},
        {4, &RandomPlayer::EnterOrEscape},
        {3, &RandomPlayer::AnyKey},
        {4, &RandomPlayer::Idle},
        {3, &RandomPlayer::SaveAGame},
        {3, &RandomPlayer::LoadAGame},
        {1, &RandomPlayer::WinTheFirstMission},
    };
    // The victory only while it fits before the end.
    const bool victory_fits = frame_ + kVictoryFrames < end_;
    const auto weight = [victory_fits](const Choice& c) {
      return c.action == &RandomPlayer::WinTheFirstMission && !victory_fits ? 0 : c.weight;
    };
    int total = 0;
    for (const Choice& c : kChoices) total += weight(c);
    int pick = Pick(total);
    for (const Choice& c : kChoices) {
      if (pick < weight(c)) return (this->*c.action)();
      pick -= weight(c);
    }
  }

  void ClickAButton() { Click(Inside(buttons_[std::size_t(Pick(int(buttons_.size())))])); }
  void ClickTheMap() { Click(OnTheMap()); }
  void ClickAnywhere() { Click(Anywhere()); }

  void DragABand() {
    const Point from = OnTheMap(), to = OnTheMap();
    MoveTo(from.x, from.y);
    if (!Press()) return;
    Wait(Pick(3));
    MoveTo(to.x, to.y);
    Wait(1 + Pick(4));
    Release();
    Wait(5);
  }

  void RightClick() {
    const Point at = Anywhere();
    MoveTo(at.x, at.y);
    Line("right down");
    Wait(1 + Pick(3));
    Line("right up");
    Wait(2);
  }

  // Two presses within the 200 ms of a double click.
  void DoubleClick() {
    const Point at = OnTheMap();
    MoveTo(at.x, at.y);
    for (int i = 0; i < 2; ++i) {
      if (!Press()) return;
      Release();
    }
    Wait(5);
  }

  void Wander() {
    for (int i = Between(3, 10); i > 0; --i) Nudge(Between(-60, 60), Between(-60, 60));
  }

  // The game view scrolls while the cursor touches an edge.
  void ScrollAtAnEdge() {
    static constexpr Point kEdges[] = {{0, 240}, {636, 240}, {260, 0}, {260, 476},
                                       {0, 0},   {636, 476}, {636, 0}, {0, 476}};
    const Point edge = kEdges[Pick(8)];
    MoveTo(edge.x, edge.y);
    Wait(Between(5, 80));
    MoveTo(300, 300);
  }

  void TypeAName() {
    for (int i = Between(1, 8); i > 0; --i) {
      const int kind = Pick(10);
      Key(kind < 7   ? kLetters[std::size_t(Pick(26))]
          : kind < 8 ? Between(2, 11)
          : kind < 9 ? kSpace
                     : kBackspace);
    }
  }
  void EnterOrEscape() { Key(Pick(2) ? kEnter : kEscape); }
  // Any key at all, F1 and F2 (the dumps) among them; now and then held
  // long enough to repeat (a dump a repeat: rarely, they are long).
  void AnyKey() {
    const int code = Pick(8) == 0 ? kF1 + Pick(2) : Between(1, 88);
    Key(code, Pick(code == kF1 || code == kF2 ? 20 : 5) == 0 ? Between(12, 30) : 3);
  }
  void Idle() { Wait(Between(20, 200)); }

  // Back to the menu (on the way a game is started if it stood on a
  // victory), SAVE, a slot, a name and Enter, then back to the menu.
  void SaveAGame() {
    BackToTheMenu();
    Click({420, 350});
    Click({560, 110 + 30 * Pick(10)});
    TypeAName();
    Key(kEnter);
    Key(kEscape);
  }
  // Back to the menu, LOAD, a slot, then PLAY.
  void LoadAGame() {
    BackToTheMenu();
    Click({420, 310});
    Click({560, 110 + 30 * Pick(10)});
    Click({420, 260});
  }

  // Wherever the game stands: the victory box's OK, a briefing's PLAY, the
  // game screen's MENU, then Escape for any box or slot screen over the menu.
  void BackToTheMenu() {
    Click(Centre(LoneOk("VICTORY")));
    Click({550, 430});
    Click({613, 61});
    Key(kEscape);
    Key(kEscape);
  }
  void Scroll(Point edge, long passes) {
    MoveTo(edge.x, edge.y);
    Wait(passes);
    MoveTo(300, 300);
    Wait(2);
  }
  // A new campaign, then the first mission won as a player would: four
  // soldiers banded against the guards of the west pass, then the monk sent
  // beyond it into a temple, the view moved between them at the map's corner.
  void WinTheFirstMission() {
    BackToTheMenu();
    Click({420, 210});
    Click({550, 430});
    RightClick();
    MoveTo(380, 380);
    if (!Press()) return;
    MoveTo(446, 446);
    Wait(2);
    Release();
    Wait(8);
    Scroll({300, 476}, 48);
    Click({432, 304});
    Wait(800);
    Scroll({300, 0}, 48);
    Click({336, 272});
    Scroll({300, 476}, 48);
    Click({240, 455});
    Wait(520);
  }

  std::mt19937 random_;
  std::vector<Area> buttons_;
  Area quit_ok_ = PairedOk(kQuitText);
  std::ostringstream out_;
  long frame_ = 0;
  long end_ = 0;  // the frame of the close
  Point cursor_{320, 200};
};

}  // namespace

std::string RandomPlayerScript(long frames, std::uint32_t seed) {
  return RandomPlayer(seed).Play(frames);
}

}  // namespace soak
