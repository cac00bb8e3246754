// The dialog boxes: sizing and centring, their buttons, the input line.
#include "ui/Std_Boxes.h"

#include <gtest/gtest.h>

#include <tuple>

#include "frame/ddraw_text.h"
#include "platform/dinput.h"
#include "support/scratch.h"

namespace {

std::string received;
int confirmations = 0;
constexpr TextCallback Receive = [](char* text) { received = text; };
constexpr BoxAction Confirm = [] { ++confirmations; };

class Boxes : public ::testing::Test {
 protected:
  Boxes() : menu(0, 0, 640, 480, nullptr, nullptr) {
    InitFont();
    InitBoxes();
    received.clear();
    confirmations = 0;
  }
  // The icon of the box at a pixel of it, to press it as the mouse would.
  static void Press(Zone_Interactive& parent, const Zone_Interactive& box, int bx, int by) {
    parent.SignalMouseLeftButtonPressed(int(box.Get_X()) + bx, int(box.Get_Y()) + by);
  }
  static void Type(const std::vector<int>& keys) {
    for (int k : keys) box_input->SignalKey(static_cast<unsigned char>(k));
  }

  test::ScratchTree tree;
  Zone_Interactive menu;
};

// A box is 100 wider than its text, at least 210, centred at 190 down; its
// OK (the lone one centred) runs the action and closes it, CANCEL only
// closes it, and so does Escape.
TEST_F(Boxes, BoxesFitTheirTextAndTheirButtonsCloseThem) {
  box_info->Show("NO GAME TO SAVE", &menu);
  const std::uint32_t w = LargeurTexte("NO GAME TO SAVE") + 100;
  EXPECT_EQ(std::tuple(box_info->Get_Width(), box_info->Get_X(), box_info->Get_Y(),
                       box_info->Icones()[0]->Get_X(), menu.Get_Child()),
            std::tuple(w, 320 - w / 2, 190U, w / 2 - 45, box_info));
  Press(menu, *box_info, int(box_info->Icones()[0]->Get_X()) + 5, 75);
  EXPECT_EQ(menu.Get_Child(), nullptr);

  box_confirm->Show("SURE ?", &menu, Confirm);
  EXPECT_EQ(std::tuple(box_confirm->Get_Width(), box_confirm->Get_X(),
                       box_confirm->Icones()[0]->Get_X(), box_confirm->Icones()[1]->Get_X()),
            std::tuple(210U, 215U, 7U, 112U));
  Press(menu, *box_confirm, 115, 75);  // CANCEL
  EXPECT_EQ(std::tuple(confirmations, menu.Get_Child()), std::tuple(0, nullptr));
  box_confirm->Show("SURE ?", &menu, Confirm);
  Press(menu, *box_confirm, 10, 75);  // OK: the action, then the box closes
  EXPECT_EQ(std::tuple(confirmations, menu.Get_Child(), box_confirm->Is_End_Requested()),
            std::tuple(1, nullptr, true));
  box_message->Show("VICTORY", &menu, Confirm);
  menu.SignalKeyToActiveZone(DIK_ESCAPE);
  EXPECT_EQ(std::tuple(confirmations, menu.Get_Child()), std::tuple(1, nullptr));
}

// Only letters, digits and the blank are typed; backspace removes only what
// was typed; Enter hands the text over, Escape leaves without it, and the
// box opens empty again.
TEST_F(Boxes, TypedTextIsHandedToTheCallbackOnEnter) {
  box_input->Show("NAME OF THE FILE", &menu, Receive);
  Type({DIK_BACK, DIK_S, DIK_L, DIK_O, DIK_Q, DIK_BACK, DIK_T, DIK_SPACE, DIK_1, DIK_F1});
  EXPECT_STREQ(box_input->Typed(), "SLOT 1");
  menu.SignalKeyToActiveZone(DIK_ESCAPE);
  EXPECT_EQ(std::tuple(received, menu.Get_Child()), std::tuple("", nullptr));
  box_input->Show("NAME", &menu, Receive);
  EXPECT_STREQ(box_input->Typed(), "");
  Type({DIK_S, DIK_L, DIK_O, DIK_T, DIK_SPACE, DIK_1, DIK_RETURN});
  EXPECT_EQ(std::tuple(received, box_input->Last_Text(), menu.Get_Child()),
            std::tuple("SLOT 1", "SLOT 1", nullptr));
}

TEST_F(Boxes, AFullLineRefusesKeysButOkAndEscapeStillWork) {
  box_input->Show("NAME", &menu, Receive);
  for (int i = 0; i < 120; ++i) box_input->SignalKey(DIK_A);
  EXPECT_EQ(std::string(box_input->Typed()).size(), 99U);
  Type({DIK_BACK, DIK_RETURN});
  EXPECT_EQ(std::tuple(std::string(box_input->Typed()).size(), menu.Get_Child()),
            std::tuple(99U, box_input));
  Press(menu, *box_input, int(box_input->Icones()[0]->Get_X()) + 1, 71);
  EXPECT_EQ(received, std::string(99, 'A'));
}

TEST(InputKeys, EveryKeyOfTheTableGivesItsCharacter) {
  std::string typed;
  for (int k = 0; k < 256; ++k) {
    if (char c = InputCharacterOfKey(static_cast<unsigned char>(k))) typed += c;
  }
  EXPECT_EQ(typed, "1234567890QWERTYUIOPASDFGHJKLZXCVBNM ");
}

}  // namespace
