// The standard dialog boxes.
#include "ui/Std_Boxes.h"

#include <algorithm>

#include "frame/ddraw_text.h"
#include "platform/dinput.h"

Std_Box_Confirm* box_confirm = nullptr;
Std_Box_Message* box_message = nullptr;
Std_Box_Info* box_info = nullptr;
Std_Box_Input* box_input = nullptr;
BoxAction confirm_action = nullptr;
BoxAction confirm_close = nullptr;
BoxAction message_action = nullptr;
BoxAction message_close = nullptr;

namespace {

constexpr std::uint32_t kBoxX = 215, kBoxY = 190, kBoxWidth = 210, kBoxHeight = 100;
constexpr std::uint32_t kButtonY = 70;
constexpr int kMinTextWidth = 110;
constexpr int kTextMargin = 100;

void RunThen(BoxAction first, BoxAction second) {
  if (first) first();
  if (second) second();
}

void CloseConfirm() {
  box_confirm->Close();
}
void CloseMessage() {
  box_message->Close();
}
void CloseInfo() {
  box_info->Close();
}
void CloseInput() {
  box_input->Close();
}
void ConfirmOk() {
  RunThen(confirm_action, confirm_close);
}
void MessageOk() {
  RunThen(message_action, message_close);
}
void InputOk() {
  box_input->Validate();
}

}  // namespace

Std_Box::Std_Box() : Zone_Interactive(kBoxX, kBoxY, kBoxWidth, kBoxHeight, nullptr, nullptr) {}

void Std_Box::Prepare(int text_width, Icone_Texte* ok, Icone_Texte* cancel) {
  end_requested = false;
  SetWidth(std::uint32_t(std::max(text_width, kMinTextWidth) + kTextMargin));
  Set_X(320 - width / 2);
  RemoveIcone(ok);
  if (cancel) RemoveIcone(cancel);
  if (cancel) {
    ok->Set_X(width / 4 - kButtonWidth / 2);
    cancel->Set_X((3 * width) / 4 - kButtonWidth / 2);
  } else {
    ok->Set_X(width / 2 - kButtonWidth / 2);
  }
  AddIcone(ok);
  if (cancel) AddIcone(cancel);
}

void Std_Box::OpenOver(Zone_Interactive* parent) {
  if (parent) parent->OpenSubZone(this);
}

void Std_Box::DrawCentred(std::string& line, int line_width) {
  AfficherTexte(line.data(), int(x + width / 2) - line_width / 2, int(y) + 20);
}

Std_Box_Confirm::Std_Box_Confirm()
    : ok_button("OK", ConfirmOk, 10, kButtonY, kButtonWidth),
      cancel_button("CANCEL", CloseConfirm, 110, kButtonY, kButtonWidth) {
  AddIcone(&ok_button);
  AddIcone(&cancel_button);
}

// Measured quietly: drawing the text reports a character the font lacks.
int Std_Box_Text::SetMessage(const char* text) {
  message = text ? text : "";
  message_width = LargeurTexte(text);
  return message_width;
}

void Std_Box_Text::Display() {
  Zone_Interactive::Display();
  DrawCentred(message, message_width);
}

void Std_Box_Confirm::Show(const char* text, Zone_Interactive* parent, BoxAction on_ok) {
  Prepare(SetMessage(text), &ok_button, &cancel_button);
  confirm_action = on_ok;
  confirm_close = CloseConfirm;
  ok_button.SetAction(ConfirmOk);
  OpenOver(parent);
}

Std_Box_Message::Std_Box_Message() : ok_button("OK", MessageOk, 10, kButtonY, kButtonWidth) {
  AddIcone(&ok_button);
}

void Std_Box_Message::Show(const char* text, Zone_Interactive* parent, BoxAction on_ok) {
  Prepare(SetMessage(text), &ok_button, nullptr);
  message_action = on_ok;
  message_close = CloseMessage;
  ok_button.SetAction(MessageOk);
  OpenOver(parent);
}

Std_Box_Info::Std_Box_Info() : ok_button("OK", CloseInfo, 10, kButtonY, kButtonWidth) {
  AddIcone(&ok_button);
}

void Std_Box_Info::Show(const char* text, Zone_Interactive* parent) {
  Prepare(SetMessage(text), &ok_button, nullptr);
  ok_button.SetAction(CloseInfo);
  OpenOver(parent);
}

Std_Box_Input::Std_Box_Input()
    : ok_button("OK", InputOk, 10, kButtonY, kButtonWidth),
      cancel_button("CANCEL", CloseInput, 110, kButtonY, kButtonWidth) {
  AddIcone(&ok_button);
  AddIcone(&cancel_button);
}

void Std_Box_Input::Show(const char* new_title, Zone_Interactive* parent, TextCallback on_text) {
  title_width = LargeurTexte(new_title);
  Prepare(title_width, &ok_button, &cancel_button);
  callback = on_text;
  ok_button.SetAction(InputOk);
  OpenOver(parent);
  title = new_title ? new_title : "";
  typed_length = 0;
  typed_text.fill(0);
}

void Std_Box_Input::Display() {
  Zone_Interactive::Display();
  DrawCentred(title, title_width);
  AfficherTexte(typed_text.data(), int(x) + 10, int(y) + 35);
}

void Std_Box_Input::SignalKey(unsigned char key) {
  if (typed_length < kMaxTyped) {
    if (const char c = InputCharacterOfKey(key)) {
      typed_text[typed_length++] = c;
      typed_text[typed_length] = 0;
    } else if (key == DIK_BACK) {
      if (typed_length > 0) typed_text[--typed_length] = 0;
    } else if (key == DIK_RETURN) {
      ok_button.Execute();
    }
  }
  Zone_Interactive::SignalKey(key);
}

void Std_Box_Input::Validate() {
  validated.emplace_back(typed_text.data(), std::size_t(typed_length));
  if (callback) callback(validated.back().data());
  Close();
}

char InputCharacterOfKey(unsigned char key) {
  static constexpr char kTop[] = "QWERTYUIOP";
  static constexpr char kMiddle[] = "ASDFGHJKL";
  static constexpr char kBottom[] = "ZXCVBNM";
  if (key >= DIK_1 && key <= DIK_9) return char('1' + (key - DIK_1));
  if (key == DIK_0) return '0';
  if (key >= DIK_Q && key <= DIK_P) return kTop[key - DIK_Q];
  if (key >= DIK_A && key <= DIK_L) return kMiddle[key - DIK_A];
  if (key >= DIK_Z && key <= DIK_M) return kBottom[key - DIK_Z];
  if (key == DIK_SPACE) return ' ';
  return 0;
}

void InitBoxes() {
  delete box_confirm;
  delete box_message;
  delete box_info;
  delete box_input;
  box_confirm = new Std_Box_Confirm();
  box_message = new Std_Box_Message();
  box_info = new Std_Box_Info();
  box_input = new Std_Box_Input();
}
