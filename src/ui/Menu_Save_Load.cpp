// The save and load screens.
#include "ui/Menu_Save_Load.h"

#include <utility>

#include "frame/ddraw_text.h"
#include "ui/Std_Boxes.h"
#include "ui/menu.h"
#include "world/Saveload.h"

Menu_Save_Load* save_zone = nullptr;
Menu_Save_Load* load_zone = nullptr;

namespace {

constexpr std::uint32_t kScreenX = 320;
constexpr int kSlotTop = 100, kSlotStep = 30;
constexpr int kNameX = 340;

void CloseSaveZone() {
  save_zone->Close();
}
void CloseLoadZone() {
  load_zone->Close();
}

// Each slot's button and each slot's name callback is a routine of its own,
// bound to its slot's number.
template <int i>
void AskSlotNameOf() {
  AskSlotName(i);
}
template <int i>
void LoadSlotOf() {
  LoadSlot(i);
}
template <int i>
void SaveInSlotOf(char* text) {
  SaveInSlot(i, text);
}

template <std::size_t... i>
constexpr std::array<IconAction, kSlotCount> AskActions(std::index_sequence<i...>) {
  return {AskSlotNameOf<int(i)>...};
}
template <std::size_t... i>
constexpr std::array<IconAction, kSlotCount> LoadActions(std::index_sequence<i...>) {
  return {LoadSlotOf<int(i)>...};
}
template <std::size_t... i>
constexpr std::array<TextCallback, kSlotCount> SaveCallbacks(std::index_sequence<i...>) {
  return {SaveInSlotOf<int(i)>...};
}

constexpr auto kSlots = std::make_index_sequence<kSlotCount>();
constexpr auto kAskActions = AskActions(kSlots);
constexpr auto kLoadActions = LoadActions(kSlots);
constexpr auto kSaveCallbacks = SaveCallbacks(kSlots);

}  // namespace

Menu_Save_Load::Menu_Save_Load(const char* label, IconAction back,
                               const std::array<IconAction, kSlotCount>& slot_actions)
    : Zone_Interactive(kScreenX, 0, 320, 480, nullptr, nullptr),
      back_button("BACK", back, 180, 450, 80) {
  AddIcone(&back_button);
  slot_buttons.reserve(kSlotCount);
  for (int i = 0; i < kSlotCount; ++i) {
    slot_buttons.emplace_back(label, slot_actions[std::size_t(i)], 200,
                              std::uint32_t(kSlotTop + kSlotStep * i), 80);
    AddIcone(&slot_buttons.back());
  }
}

// Names are drawn as they were read (upper-cased in place by the drawing),
// without clipping.
void Menu_Save_Load::Display() {
  Zone_Interactive::Display();
  for (int i = 0; i < kSlotCount; ++i) {
    std::optional<std::string>& name = slot_names[std::size_t(i)];
    char empty[] = "EMPTY";
    AfficherTexte(name ? name->data() : empty, kNameX, kSlotTop + kSlotStep * i);
  }
}

void InitSaveLoadZones() {
  delete save_zone;
  delete load_zone;
  save_zone = new Menu_Save_Load("SAVE", CloseSaveZone, kAskActions);
  load_zone = new Menu_Save_Load("LOAD", CloseLoadZone, kLoadActions);
}

void AskSlotName(int i) {
  box_input->Show("NAME OF THE FILE", save_zone, kSaveCallbacks[std::size_t(i)]);
}

void SaveInSlot(int i, char* text) {
  if (!text || !*text) return;
  // A save that fails leaves the slot's file, and so its name, as they were.
  if (SaveInSlotFile(i, text)) slot_names[std::size_t(i)] = text;
}

void LoadSlot(int i) {
  if (!slot_names[std::size_t(i)]) return;
  StartGameFromFile(SlotFileName(i));
  load_zone->Close();
}
