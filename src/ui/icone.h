// Clickable rectangles of a zone: the plain icon, which runs an action, and
// the text button.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ddraw.h"

using IconAction = void (*)();

class Icone {
 public:
  Icone(IconAction action, std::uint32_t x, std::uint32_t y, std::uint32_t width,
        std::uint32_t height);

  // Runs the action and returns true when (px, py), in zone coordinates, lies on the icon.
  virtual bool Is_Clicked(unsigned px, unsigned py);
  // Draws the icon; (ox, oy) is the owning zone's screen origin. A plain icon draws nothing.
  virtual void Afficher(LPDIRECTDRAWSURFACE destination, int ox, int oy);
  // Runs the action; the position is not tested.
  virtual void SignalClick(int x, int y);
  virtual void Execute();
  virtual int Get_Text_Width();
  virtual ~Icone() = default;

  std::uint32_t Get_X() const { return x; }
  std::uint32_t Get_Y() const { return y; }
  std::uint32_t Get_Width() const { return width; }
  std::uint32_t Get_Height() const { return height; }
  void Set_X(std::uint32_t new_x) { x = new_x; }
  void Set_Y(std::uint32_t new_y) { y = new_y; }
  void SetAction(IconAction new_action) { action = new_action; }

 protected:
  IconAction action;
  std::uint32_t x;
  std::uint32_t y;
  std::uint32_t width;
  std::uint32_t height;
};

// A text button 20 pixels high: its label centred, a red frame around it.
class Icone_Texte : public Icone {
 public:
  static constexpr std::uint32_t kHeight = 20;

  Icone_Texte(const char* label, IconAction action, std::uint32_t x, std::uint32_t y,
              std::uint32_t width);

  void Afficher(LPDIRECTDRAWSURFACE destination, int ox, int oy) override;
  int Get_Text_Width() override { return text_width; }
  const char* Get_Text() const { return has_text ? text.c_str() : nullptr; }

 private:
  bool has_text;
  std::string text;  // turned to upper case the first time it is drawn
  int text_width;
};
