// The command panel of the game screen: one description per kind of sprite,
// shared by every sprite of that kind, with its grid of command icons and a
// timed message line.
#pragma once

#include <array>
#include <memory>

#include "platform/ddraw.h"
#include "world/sprites_names.h"

class cIcone;

// A line of text shown on the panel for a while. Its time is only looked at
// when it is drawn: an undrawn message stays until the next one replaces it.
class cEditMessage {
 public:
  void SetMessage(const char* text, int x, int y, DWORD duration);
  // Draws the text, or forgets it once its time is over.
  void Afficher(LPDIRECTDRAWSURFACE surface);

  DWORD start = 0;               // GetTickCount of SetMessage
  DWORD duration = 0;            // ms
  int x = 0, y = 0;              // screen pixels of the text
  std::unique_ptr<char[]> text;  // null: no message
};

constexpr int kPanelColumns = 2;
constexpr int kPanelRows = 5;
// Indexed [column][row]; a null icon is an empty cell.
using PanelIcons = std::array<std::array<cIcone*, kPanelRows>, kPanelColumns>;

class cDescEdit {
 public:
  cDescEdit(DECOR kind, const PanelIcons& icons) : kind(kind), icons(icons) {}
  cDescEdit(const cDescEdit&) = delete;
  cDescEdit& operator=(const cDescEdit&) = delete;
  virtual ~cDescEdit() = default;

  // Draws the panel of the single selected sprite.
  virtual void Afficher();

  DECOR kind;        // of the sprites that use it
  PanelIcons icons;  // owned by the panel table, not by the description
  cEditMessage message;
};

// The halls' panel, the only one that shows its message.
class cDescEditHall : public cDescEdit {
 public:
  using cDescEdit::cDescEdit;
  void Afficher() override;
};

class cDescEditFarm : public cDescEdit {
 public:
  using cDescEdit::cDescEdit;
  void Afficher() override;
};

// Builds the panel's icons and descriptions, one description per kind of
// object.
void InitEdit();
// Frees them at shutdown.
void FreeEdit();
// The panel description shared by every sprite of a kind; null for none.
cDescEdit* DescEditOf(DECOR kind);
// The game screen's panel icon: runs the command icon under the mouse.
void SignalClickEdit();
// Draws the panel of the one selected sprite.
void DrawDescription(cDescEdit* description);
