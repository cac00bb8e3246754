// The standard dialog boxes: confirmation, message, information and a
// one-line text input. Each is shown as the sub-zone of the zone that opens
// it, sized to its text and centred on the screen.
#pragma once

#include <array>
#include <deque>
#include <string>

#include "ui/Zone_Interactive.h"
#include "ui/icone.h"

using BoxAction = void (*)();
using TextCallback = void (*)(char*);

// What the boxes share: the size and place fitted to a text, the buttons.
class Std_Box : public Zone_Interactive {
 public:
  static constexpr std::uint32_t kButtonWidth = 90;

  Std_Box();

 protected:
  // The first steps of every Show: fit the width to the text, centre the
  // box, place the buttons (OK first).
  void Prepare(int text_width, Icone_Texte* ok, Icone_Texte* cancel);
  // From now on the box is drawn after its parent and takes the input.
  void OpenOver(Zone_Interactive* parent);
  // Draws one line centred on the box, 20 pixels below its top.
  void DrawCentred(std::string& line, int line_width);
};

// A box with a one-line message above its buttons.
class Std_Box_Text : public Std_Box {
 public:
  void Display() override;
  const std::string& Message() const { return message; }

 protected:
  // Keeps a copy of the text and its width in the font, which it returns.
  int SetMessage(const char* text);

 private:
  std::string message;
  int message_width = 0;
};

class Std_Box_Confirm : public Std_Box_Text {
 public:
  Std_Box_Confirm();
  void Show(const char* text, Zone_Interactive* parent, BoxAction on_ok);

 private:
  Icone_Texte ok_button;
  Icone_Texte cancel_button;
};

class Std_Box_Message : public Std_Box_Text {
 public:
  Std_Box_Message();
  void Show(const char* text, Zone_Interactive* parent, BoxAction on_ok);

 private:
  Icone_Texte ok_button;
};

class Std_Box_Info : public Std_Box_Text {
 public:
  Std_Box_Info();
  void Show(const char* text, Zone_Interactive* parent);

 private:
  Icone_Texte ok_button;
};

class Std_Box_Input : public Std_Box {
 public:
  static constexpr int kMaxTyped = 99;

  Std_Box_Input();
  void Show(const char* title, Zone_Interactive* parent, TextCallback on_text);
  void Display() override;
  void SignalKey(unsigned char key) override;

  const char* Typed() const { return typed_text.data(); }
  // The text last validated; empty before the first.
  std::string Last_Text() const { return validated.empty() ? std::string() : validated.back(); }
  // The OK button's action: hands the typed text to the callback, then closes.
  void Validate();

 private:
  int typed_length = 0;
  std::array<char, kMaxTyped + 1> typed_text{};
  Icone_Texte ok_button;
  Icone_Texte cancel_button;
  TextCallback callback = nullptr;
  // Every text validated, kept to the end: a callback may hold on to the
  // one it was given.
  std::deque<std::string> validated;
  int title_width = 0;
  std::string title;
};

extern Std_Box_Confirm* box_confirm;
extern Std_Box_Message* box_message;
extern Std_Box_Info* box_info;
extern Std_Box_Input* box_input;

// The caller's action and the box's close routine, run in that order by OK.
extern BoxAction confirm_action;
extern BoxAction confirm_close;
extern BoxAction message_action;
extern BoxAction message_close;

void InitBoxes();

// The character a key adds to the input line, or 0.
char InputCharacterOfKey(unsigned char key);
