// A zone: a rectangle of the screen with up to 20 icons, a per-pixel map of
// which icon lies where, an optional background, sub-zones drawn over it, and
// a loop of its own that polls input, draws and flips until it is closed.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/ddraw.h"

class Icone;

constexpr int MAX_ICONES = 20;

class Zone_Interactive {
 public:
  Zone_Interactive(std::uint32_t x, std::uint32_t y, std::uint32_t width, std::uint32_t height,
                   Zone_Interactive* parent_zone, LPDIRECTDRAWSURFACE background);
  Zone_Interactive(const Zone_Interactive&) = delete;
  Zone_Interactive& operator=(const Zone_Interactive&) = delete;

  virtual void Run();
  virtual void SignalMouseLeftButtonPressed(int xmouse, int ymouse);
  virtual void SignalMouseLeftButtonReleased(int xmouse, int ymouse);
  virtual void SignalMouseLeftButtonDoubleClick(int xmouse, int ymouse);
  virtual void SignalMouseRightButtonPressed(int xmouse, int ymouse);
  virtual void SignalMouseLeftButtonDrag(int xpress, int ypress, int xmouse, int ymouse);
  virtual void Display();
  virtual void SignalKey(unsigned char key);
  virtual ~Zone_Interactive() = default;

  // Puts the icon into the first free slot and onto the map of its pixels;
  // false when all slots are taken.
  bool AddIcone(Icone* new_icone);
  void RemoveIcone(Icone* icone);
  void SetWidth(std::uint32_t new_width);
  void OpenSubZone(Zone_Interactive* child);
  void Close();
  void DisplayIcones();
  // Sends the key to the deepest zone of the sub-zone chain.
  void SignalKeyToActiveZone(unsigned char key);

  Zone_Interactive* Get_Child() const { return child_zone; }
  Zone_Interactive* Get_Parent() const { return parent_zone; }
  bool Is_End_Requested() const { return end_requested; }
  std::uint32_t Get_X() const { return x; }
  std::uint32_t Get_Y() const { return y; }
  std::uint32_t Get_Width() const { return width; }
  std::uint32_t Get_Height() const { return height; }
  // The icon under the pixel (px, py) of the zone, or null.
  Icone* IconAt(std::uint32_t px, std::uint32_t py) const;
  const std::array<Icone*, MAX_ICONES>& Icones() const { return icones; }

 protected:
  // One pass's message: takes it and hands it on. False when the loop must
  // end now: WM_QUIT was taken (it is posted again for the loop below), or
  // the message closed this zone (the window was destroyed).
  bool PumpOneMessage();
  // Draws every zone down the sub-zone chain, from this zone's child on.
  void DisplaySubZones();
  void Set_X(std::uint32_t new_x) { x = new_x; }

  Zone_Interactive* child_zone;
  std::vector<Icone*> icon_map;
  std::array<Icone*, MAX_ICONES> icones;
  Zone_Interactive* parent_zone;
  LPDIRECTDRAWSURFACE background;
  bool end_requested;
  std::uint32_t x;
  std::uint32_t y;
  std::uint32_t width;
  std::uint32_t height;

 private:
  // Writes the icon into the map; reports pixels outside the zone when asked.
  void MapIcon(Icone* icone, bool report_outside);
  void PressAt(int px, int py);
};
