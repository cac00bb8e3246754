// F1 and F2 through the program's window procedure: one dump per key-down
// message, held keys repeating as the system repeats them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/main.h"
#include "platform/backend.h"
#include "platform/dinput.h"
#include "support/world.h"
#include "ui/selection.h"

namespace {

constexpr char kDumpHead[] =
    "#############################################################\n"
    "#############################################################\n";

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

class DebugKeys : public test::WorldTest {
 protected:
  // Hands every message waiting to the program's window procedure; the
  // key-down messages' lParam, in order.
  static std::vector<LPARAM> Deliver() {
    std::vector<LPARAM> keys;
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_KEYDOWN) keys.push_back(msg.lParam);
      WndProc(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    }
    return keys;
  }

  test::Machine machine;
};

TEST_F(DebugKeys, F1DumpsTheOneSelectedSpriteAtEachPressAndRepeat) {
  cSprite* archer = Add(HUMAN, ARCHE, 4, 4);
  cSprite* soldier = Add(HUMAN, GUERR, 6, 4);
  platform::FeedKey(DIK_F1, true);  // nothing selected
  AddToSelection(archer);
  AddToSelection(soldier);
  platform::FeedKey(DIK_F1, true);  // two selected
  EXPECT_EQ(Deliver().size(), 2u);
  EXPECT_EQ(tree.Log("output_F1.txt"), "");

  ClearSelection();
  AddToSelection(soldier);
  platform::FeedKey(DIK_F1, false);
  platform::FeedKey(DIK_F1, true);
  platform::FeedKey(DIK_F1, true);  // the system's repeat of the held key
  EXPECT_EQ(Deliver(), (std::vector<LPARAM>{0x3B0001, 0x403B0001}));
  const std::string dumps = tree.Log("output_F1.txt");
  EXPECT_EQ(Count(dumps, kDumpHead), 2);
  EXPECT_EQ(Count(dumps, "Nom    : GUERR\n"), 2);
  EXPECT_EQ(Count(dumps, "name      : SWORD1\n"), 2);  // the unit's own block
}

TEST_F(DebugKeys, F2DumpsTheOrcListWholeWhateverIsSelected) {
  AddToSelection(Add(HUMAN, PAYSA, 2, 2));
  Add(ORC, WATOW, 10, 10);
  Add(ORC, OPAYS, 3, 3);
  platform::FeedKey(DIK_F2, true);
  Deliver();
  const std::string list = tree.Log("sprites.txt");
  const auto worker = list.find("Nom    : OPAYS"), tower = list.find("Nom    : WATOW");
  const auto worker_block = list.find("level 2 : cPaysan"), tower_block = list.find("cWarTower");
  EXPECT_EQ(list.find("####################### LIST OF SPRITES ORC     ######################\n"),
            0u);
  EXPECT_TRUE(worker < list.find("cHumanoide") && worker_block < tower && tower < tower_block)
      << list;
  EXPECT_EQ(Count(list, kDumpHead), 2);
  EXPECT_EQ(list.find("Nom    : PAYSA"), std::string::npos);
  EXPECT_TRUE(list.ends_with(  // the tower's block, the line break after each sprite
      "####################################################\n\n"
      "#######################          END OF LIST   #######################\n"));
  EXPECT_EQ(tree.Log("output_F1.txt"), "");
}

}  // namespace
