// Icons and text buttons.
#include "ui/icone.h"

#include "frame/ddraw_text.h"
#include "frame/ddutil.h"

Icone::Icone(IconAction action, std::uint32_t x, std::uint32_t y, std::uint32_t width,
             std::uint32_t height)
    : action(action), x(x), y(y), width(width), height(height) {}

bool Icone::Is_Clicked(unsigned px, unsigned py) {
  if (px < x || px >= x + width || py < y || py >= y + height) return false;
  if (action) action();
  return true;
}

void Icone::Afficher(LPDIRECTDRAWSURFACE, int, int) {}

void Icone::SignalClick(int, int) {
  if (action) action();
}

void Icone::Execute() {
  if (action) action();
}

int Icone::Get_Text_Width() {
  return 0;
}

Icone_Texte::Icone_Texte(const char* label, IconAction action, std::uint32_t x, std::uint32_t y,
                         std::uint32_t width)
    : Icone(action, x, y, width, kHeight),
      has_text(label != nullptr),
      text(label ? label : ""),
      text_width(label ? LargeurTexte(text.c_str()) : 0) {}

void Icone_Texte::Afficher(LPDIRECTDRAWSURFACE destination, int ox, int oy) {
  if (has_text) {
    AfficherTexte(destination, text.data(), ox + int(x) + int(width) / 2 - text_width / 2,
                  oy + int(y) + 3);
  }
  Draw_Rectangle(destination, ox + int(x), oy + int(y), ox + int(x + width), oy + int(y + height));
}
