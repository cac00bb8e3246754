// The command panel: the table of descriptions and the timed message.
#include "ui/edit.h"

#include <cstring>

#include "frame/ddraw_text.h"
#include "frame/dix.h"
#include "frame/ticks.h"

namespace {

constexpr int kKinds = OBARR + 1;
std::array<std::unique_ptr<cDescEdit>, kKinds> descriptions;

std::unique_ptr<cDescEdit> MakeDescription(DECOR kind) {
  const PanelIcons none{};
  switch (kind) {
    case HALL1:
    case OHALL:
      return std::make_unique<cDescEditHall>(kind, none);
    case FERME:
      return std::make_unique<cDescEditFarm>(kind, none);
    default:
      return std::make_unique<cDescEdit>(kind, none);
  }
}

}  // namespace

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

// The portrait, the command icons and the resource lines are drawn with the
// rest of the panel.
void cDescEdit::Afficher() {}

void cDescEditHall::Afficher() {
  message.Afficher(lpDDSBack);
  cDescEdit::Afficher();
}

void cDescEditFarm::Afficher() {
  cDescEdit::Afficher();
}

void InitEdit() {
  for (int kind = MINEO; kind <= OBARR; ++kind) {
    descriptions[std::size_t(kind)] = MakeDescription(static_cast<DECOR>(kind));
  }
}

void FreeEdit() {
  for (auto& description : descriptions) description.reset();
}

cDescEdit* DescEditOf(DECOR kind) {
  if (kind < 0 || kind >= kKinds) return nullptr;
  return descriptions[std::size_t(kind)].get();
}

void DrawDescription(cDescEdit* description) {
  if (description) description->Afficher();
}

void SignalClickEdit() {}
