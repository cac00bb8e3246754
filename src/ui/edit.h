// The command panel of the game screen: one description per kind of sprite,
// shared by every sprite of that kind, with its grid of command icons and a
// timed message line.
#pragma once

#include <array>
#include <memory>

#include "platform/ddraw.h"
#include "world/sprites_names.h"

class cDefUnit;

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

// A command of the panel: a picture of the icon sheet and what a click on it
// does to the one selected sprite.
class cIcone {
 public:
  cIcone(cDefUnit* def, int column, int row) : pDef(def), XIcone(column), YIcone(row) {}
  cIcone(const cIcone&) = delete;
  cIcone& operator=(const cIcone&) = delete;

  virtual void Action();
  // Draws the picture in panel cell (column x, row y).
  virtual void Afficher(int x, int y);
  virtual ~cIcone() = default;

  cDefUnit* pDef;  // null for an icon without a kind
  int XIcone;      // the picture's column in the icon sheet
  int YIcone;      // and row
};

// Builds (or trains) a kind: a worker starts placing it, a hall or a barrack
// trains it. Nothing happens unless the treasury covers its cost.
class cIconeUnit : public cIcone {
 public:
  explicit cIconeUnit(cDefUnit* def);
  void Action() override;
};

// Sets how the selected unit behaves when enemies come.
class cIconeMode : public cIcone {
 public:
  cIconeMode(MODE_AGGRESSIVITY mode, int column, int row)
      : cIcone(nullptr, column, row), mode(mode) {}
  void Action() override;

  MODE_AGGRESSIVITY mode;
};

constexpr int kPanelColumns = 2;
constexpr int kPanelRows = 5;
// Indexed [column][row]; a null icon is an empty cell.
using PanelIcons = std::array<std::array<cIcone*, kPanelRows>, kPanelColumns>;

// Where the panel cells lie on the screen: 48 x 40 pixels, 52 apart across
// and 46 down.
constexpr int kPanelCellLeft = 528, kPanelCellTop = 246;
constexpr int kPanelCellPitchX = 52, kPanelCellPitchY = 46;
constexpr int kIconWidth = 48, kIconHeight = 40;
// The pictures of the icon sheet share their border lines.
constexpr int kIconPitchX = 47, kIconPitchY = 39;
// The screen rectangle of panel cell (column, row).
RECT PanelCellRect(int column, int row);
// The 48 x 40 picture at (column, row) of the icon sheet.
RECT IconPicture(int column, int row);

class cDescEdit {
 public:
  cDescEdit(DECOR kind, const PanelIcons& icons) : kind(kind), icons(icons) {}
  cDescEdit(const cDescEdit&) = delete;
  cDescEdit& operator=(const cDescEdit&) = delete;

  // Draws the panel of the single selected sprite: its portrait and the
  // command icons.
  virtual void Afficher();
  virtual ~cDescEdit() = default;

  DECOR kind;        // of the sprites that use it
  PanelIcons icons;  // owned by the panel table, not by the description
  cEditMessage message;
};

// The halls' panel, the only one that shows its message; the orc hall's
// also shows the orc treasury.
class cDescEditHall : public cDescEdit {
 public:
  using cDescEdit::cDescEdit;
  void Afficher() override;
};

// The farm's panel shows the food.
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
// Runs the command icon under screen point (x, y), for the one selected sprite.
void ClickEdit(int x, int y);
// The game screen's panel icon: ClickEdit under the mouse.
void SignalClickEdit();
