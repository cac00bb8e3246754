// The command panel: its icons, the table of descriptions, the timed message
// and the clicks on the panel.
#include "ui/edit.h"

#include <cstring>
#include <initializer_list>

#include "frame/ddraw_text.h"
#include "frame/dix.h"
#include "frame/logfile.h"
#include "frame/poll_IO.h"
#include "frame/ticks.h"
#include "ui/money.h"
#include "ui/selection.h"
#include "world/decors.h"
#include "world/sprites.h"

namespace {

constexpr int kKinds = OBARR + 1;

// The panel table: every command icon and every description, built once.
struct PanelTable {
  std::array<std::unique_ptr<cDescEdit>, kKinds> descriptions;
  std::unique_ptr<cIcone> farm, barrack, worker, soldier, archer;
  std::unique_ptr<cIcone> flee, aggressive, reactive;
};
PanelTable table;

struct PanelCell {
  int column, row;
  cIcone* icon;
};

enum class DescClass { kPlain, kHall, kFarm };

// The working array holds the icons of one line of the table at a time; each
// description copies it as it stands when it is made.
void Describe(PanelIcons& working, std::initializer_list<DECOR> kinds, DescClass type,
              std::initializer_list<PanelCell> cells) {
  working = PanelIcons{};
  for (const PanelCell& cell : cells) {
    working[std::size_t(cell.column)][std::size_t(cell.row)] = cell.icon;
  }
  for (DECOR kind : kinds) {
    std::unique_ptr<cDescEdit>& slot = table.descriptions[std::size_t(kind)];
    switch (type) {
      case DescClass::kHall:
        slot = std::make_unique<cDescEditHall>(kind, working);
        break;
      case DescClass::kFarm:
        slot = std::make_unique<cDescEditFarm>(kind, working);
        break;
      case DescClass::kPlain:
        slot = std::make_unique<cDescEdit>(kind, working);
        break;
    }
  }
}

// A labelled figure of a panel's text area: the label, and the figure
// below it.
void DrawFigure(const char* label, int value, int y) {
  char text[16];
  std::strncpy(text, label, sizeof text - 1);
  text[sizeof text - 1] = '\0';
  AfficherTexte(text, 530, y);
  AfficherNombre(value, 550, y + 15);
}

}  // namespace

RECT PanelCellRect(int column, int row) {
  const int left = kPanelCellLeft + kPanelCellPitchX * column;
  const int top = kPanelCellTop + kPanelCellPitchY * row;
  return RECT{left, top, left + kIconWidth, top + kIconHeight};
}

RECT IconPicture(int column, int row) {
  const int left = kIconPitchX * column, top = kIconPitchY * row;
  return RECT{left, top, left + kIconWidth, top + kIconHeight};
}

void cEditMessage::SetMessage(const char* text, int x, int y, DWORD duration) {
  this->text.reset();
  if (text) {  // a null text leaves no message
    const std::size_t size = std::strlen(text) + 1;
    this->text = std::make_unique<char[]>(size);
    std::memcpy(this->text.get(), text, size);
  }
  this->x = x;
  this->y = y;
  this->duration = duration;
  start = GetTickCount();
}

void cEditMessage::Afficher(LPDIRECTDRAWSURFACE surface) {
  if (!text) return;
  if (TicksBetween(start, GetTickCount()) >= duration) {
    text.reset();
    return;
  }
  AfficherTexte(surface, text.get(), x, y);
}

void cIcone::Action() {}

void cIcone::Afficher(int x, int y) {
  RECT source = IconPicture(XIcone, YIcone);
  RECT dest = PanelCellRect(x, y);
  ReportDXError("edit void cIcone::Afficher(int x,int y)",
                lpDDSBack->Blt(&dest, icons_surface, &source, DDBLT_WAIT, nullptr));
}

cIconeUnit::cIconeUnit(cDefUnit* def) : cIcone(def, def ? def->XIcone : 0, def ? def->YIcone : 0) {}

// Nothing is paid here: a worker only starts placing the building, a hall or
// a barrack pays when the unit comes out.
void cIconeUnit::Action() {
  if (!pDef || Money < pDef->CoutOr || Wood < pDef->CoutBois) return;
  if (cSprite* s = GetSelectedSprite()) s->Construction(pDef);
}

void cIconeMode::Action() {
  if (cSprite* s = GetSelectedSprite()) s->SetModeAggressivity(mode);
}

// The portrait comes from the selected sprite's own definition, without the
// picture's border line.
void cDescEdit::Afficher() {
  cSprite* s = GetSelectedSprite();
  if (!s || !s->pDef) return;
  RECT source = IconPicture(s->pDef->XIcone, s->pDef->YIcone);
  source = RECT{source.left + 1, source.top + 1, source.right - 1, source.bottom - 1};
  RECT dest{530, 90, 576, 128};
  ReportDXError("edit void cDescEdit::Afficher(void)",
                lpDDSBack->Blt(&dest, icons_surface, &source, DDBLT_WAIT, nullptr));
  for (int column = 0; column < kPanelColumns; ++column) {
    for (int row = 0; row < kPanelRows; ++row) {
      if (cIcone* icon = icons[std::size_t(column)][std::size_t(row)]) icon->Afficher(column, row);
    }
  }
}

void cDescEditHall::Afficher() {
  if (kind == OHALL) {
    DrawFigure("MONEY : ", MoneyOrc, 135);
    DrawFigure("WOOD : ", WoodOrc, 165);
  }
  message.Afficher(lpDDSBack);
  cDescEdit::Afficher();
}

void cDescEditFarm::Afficher() {
  DrawFigure("FOOD : ", Food, 135);
  DrawFigure("NEEDED : ", FoodNeeded, 165);
  cDescEdit::Afficher();
}

void InitEdit() {
  table.farm = std::make_unique<cIconeUnit>(GetDefUnit(FERME));
  table.barrack = std::make_unique<cIconeUnit>(GetDefUnit(BARRA));
  table.worker = std::make_unique<cIconeUnit>(GetDefUnit(PAYSA));
  table.soldier = std::make_unique<cIconeUnit>(GetDefUnit(GUERR));
  table.archer = std::make_unique<cIconeUnit>(GetDefUnit(ARCHE));
  table.flee = std::make_unique<cIconeMode>(FUITE, 2, 2);
  table.aggressive = std::make_unique<cIconeMode>(AGGRESSIVE, 3, 2);
  table.reactive = std::make_unique<cIconeMode>(REACTIVE, 5, 2);

  cIcone* const flee = table.flee.get();
  cIcone* const aggressive = table.aggressive.get();
  cIcone* const reactive = table.reactive.get();
  PanelIcons working{};
  Describe(working, {PAYSA}, DescClass::kPlain,
           {{0, 0, table.farm.get()},
            {1, 0, table.barrack.get()},
            {0, 1, flee},
            {1, 1, reactive},
            {0, 2, aggressive}});
  Describe(working, {GUERR, ARCHE, MONK}, DescClass::kPlain,
           {{0, 0, flee}, {1, 0, reactive}, {0, 1, aggressive}});
  Describe(working, {HALL1}, DescClass::kHall, {{0, 0, table.worker.get()}});
  Describe(working, {BARRA}, DescClass::kPlain,
           {{0, 0, table.soldier.get()}, {1, 0, table.archer.get()}});
  Describe(working, {FERME}, DescClass::kFarm, {});
  Describe(working, {OHALL}, DescClass::kHall, {});
  Describe(working,
           {MINEO, T_AIR, T_NAT, T_FIR, WATOW, OGUER, OARCH, OPAYS, OBARR, OFARM, HALL2, HALL3,
            SCIER, FORGE, ETABL, EGLIS, INVEN, MAGEH},
           DescClass::kPlain, {});
}

// The descriptions go first: they only point at the icons.
void FreeEdit() {
  for (auto& description : table.descriptions) description.reset();
  for (auto* icon : {&table.farm, &table.barrack, &table.worker, &table.soldier, &table.archer,
                     &table.flee, &table.aggressive, &table.reactive}) {
    icon->reset();
  }
}

cDescEdit* DescEditOf(DECOR kind) {
  if (kind < 0 || kind >= kKinds) return nullptr;
  return table.descriptions[std::size_t(kind)].get();
}

// A cell's four edges all belong to it.
void ClickEdit(int x, int y) {
  cSprite* s = GetSelectedSprite();
  if (!s || !s->pDesc) return;
  for (int column = 0; column < kPanelColumns; ++column) {
    for (int row = 0; row < kPanelRows; ++row) {
      const RECT cell = PanelCellRect(column, row);
      if (x < cell.left || x > cell.right || y < cell.top || y > cell.bottom) continue;
      if (cIcone* icon = s->pDesc->icons[std::size_t(column)][std::size_t(row)]) icon->Action();
      return;  // the cells do not overlap
    }
  }
}

void SignalClickEdit() {
  ClickEdit(mouse_x, mouse_y);
}
