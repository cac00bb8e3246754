// The save and load screens over the right half of the menu: the ten slots
// by name, a button per slot, BACK.
#pragma once

#include <array>
#include <vector>

#include "ui/Zone_Interactive.h"
#include "ui/icone.h"

constexpr int kSlotCount = 10;

class Menu_Save_Load : public Zone_Interactive {
 public:
  // `label` names the slot buttons; slot i's button runs slot_actions[i].
  Menu_Save_Load(const char* label, IconAction back,
                 const std::array<IconAction, kSlotCount>& slot_actions);
  // The screen with its buttons, then each slot's name, or "EMPTY".
  void Display() override;

 private:
  Icone_Texte back_button;
  std::vector<Icone_Texte> slot_buttons;  // never grows once built: the zone holds pointers
};

extern Menu_Save_Load* save_zone;
extern Menu_Save_Load* load_zone;

// Builds the save screen, then the load screen.
void InitSaveLoadZones();
// Asks for the name of slot i's game in the input box over the save screen.
void AskSlotName(int i);
// Writes the game into slot i under the name; an empty name saves nothing.
void SaveInSlot(int i, char* text);
// Loads slot i's game, if the slot holds one, and goes back to the menu.
void LoadSlot(int i);
