// The mission briefing screen: the mission's text rises slowly through a
// 400 x 400 window, with PLAY under it.
#pragma once

#include <optional>
#include <string>

#include "platform/ddraw.h"
#include "platform/win32.h"
#include "ui/Zone_Interactive.h"
#include "ui/icone.h"

class Zone_Scenario : public Zone_Interactive {
 public:
  static constexpr int kSurfaceWidth = 400;
  static constexpr int kSurfaceHeight = 3200;

  Zone_Scenario();
  Zone_Scenario(const Zone_Scenario&) = delete;
  Zone_Scenario& operator=(const Zone_Scenario&) = delete;
  ~Zone_Scenario() override;

  // Replaces the text (a copy is kept) and redraws the text surface; a null
  // text clears the surface and keeps the scroll where it was.
  void Set_Text(const char* new_text);
  void Display() override;

  const std::optional<std::string>& Text() const { return text; }
  int Scroll_Pos() const { return scroll_pos; }
  int Text_Height() const { return text_height; }
  LPDIRECTDRAWSURFACE Text_Surface() const { return text_surface; }

 private:
  std::optional<std::string> text;
  Icone_Texte play_button;
  LPDIRECTDRAWSURFACE text_surface = nullptr;
  DWORD last_scroll_tick = 0;
  int scroll_pos = 0;  // the first row of the text surface in the window
  int text_height = 0;
};

extern Zone_Scenario* scenario_zone;

// Builds the briefing zone.
void InitZoneScenario();
// PLAY: into the game, or, after the closing text, back to the menu.
void Scenario_Play();
