// The table of definitions: the game's balance.
#include "world/sprites_defs.h"

#include <array>
#include <memory>

#include "world/decors.h"

namespace {

constexpr int kKinds = 45;
std::array<std::unique_ptr<cDefUnit>, kKinds> definitions;

enum Sheet { kNone, kHumanUnits, kOrcUnits, kHumanBuildings, kOrcBuildings, kNeutral };

struct Row {
  DECOR kind;
  RACE race;
  int categorie;
  const char* libelle;
  int x_image, y_image, x_icone, y_icone, largeur, hauteur;
  int hit_points, gold, wood, food;
  unsigned vitesse, production;
  int view_range;
  Sheet sheet;
  DECOR producer;  // VIDE for none
};

// "-" in the balance sheet (the speed of what never moves, the view range of
// buildings other than the tower) is left at 0 and never read.
constexpr Row kTable[] = {
    {VIDE, NEUTRE, 2, "NOT DEFINED", 0, 0, 1, 0, 1, 1, 100, 0, 0, 10, 0, 10, 0, kNone, VIDE},
    {MINEO, NEUTRE, 2, "GOLD MINE", 3, 0, 2, 0, 3, 3, 100, 200, 100, 0, 0, 10, 0, kNeutral, VIDE},
    {FERME, HUMAN, 2, "FARM", 0, 0, 0, 0, 2, 2, 100, 200, 100, 10, 0, 100, 0, kHumanBuildings,
     PAYSA},
    {HALL1, HUMAN, 2, "HALL", 2, 0, 3, 0, 4, 4, 100, 200, 100, 0, 0, 10, 0, kHumanBuildings, PAYSA},
    {HALL2, HUMAN, 2, "HALL2", 3, 0, 3, 0, 4, 4, 100, 200, 100, 10, 0, 10, 0, kHumanBuildings,
     PAYSA},
    {HALL3, HUMAN, 2, "HALL3", 0, 1, 0, 1, 4, 4, 100, 200, 100, 10, 0, 10, 0, kHumanBuildings,
     PAYSA},
    {BARRA, HUMAN, 2, "BARRACK", 1, 1, 6, 0, 3, 3, 100, 200, 100, 10, 0, 10, 0, kHumanBuildings,
     PAYSA},
    {SCIER, HUMAN, 2, "NOT DEFINED", 2, 1, 7, 0, 3, 3, 100, 200, 100, 10, 0, 10, 0, kHumanBuildings,
     PAYSA},
    {FORGE, HUMAN, 2, "NOT DEFINED", 3, 1, 7, 0, 3, 3, 100, 200, 100, 10, 0, 10, 0, kHumanBuildings,
     PAYSA},
    {ETABL, HUMAN, 2, "NOT DEFINED", 0, 2, 7, 0, 3, 3, 100, 200, 100, 10, 0, 10, 0, kHumanBuildings,
     PAYSA},
    {EGLIS, HUMAN, 2, "NOT DEFINED", 1, 2, 10, 0, 3, 3, 100, 200, 100, 10, 0, 10, 0,
     kHumanBuildings, PAYSA},
    {INVEN, HUMAN, 2, "NOT DEFINED", 2, 2, 11, 0, 3, 3, 100, 200, 100, 10, 0, 10, 0,
     kHumanBuildings, PAYSA},
    {MAGEH, HUMAN, 2, "NOT DEFINED", 3, 2, 10, 1, 3, 3, 100, 200, 100, 10, 0, 10, 0,
     kHumanBuildings, PAYSA},
    {ARCHE, HUMAN, 1, "ARCHER", 0, 0, 1, 1, 1, 1, 100, 200, 100, 10, 10, 10, 3, kHumanUnits, BARRA},
    {PAYSA, HUMAN, 0, "PEON", 3, 0, 0, 1, 1, 1, 1000, 100, 0, 10, 60, 10, 3, kHumanUnits, HALL1},
    {GUERR, HUMAN, 1, "SOLDIER", 6, 0, 0, 2, 1, 1, 120, 27, 0, 20, 1, 10, 3, kHumanUnits, BARRA},
    {WATOW, ORC, 2, "DEFENSE TOWER", 4, 0, 12, 2, 2, 2, 100, 400, 100, 0, 0, 10, 2, kOrcBuildings,
     OPAYS},
    {OGUER, ORC, 1, "SOLDIER", 6, 0, 2, 1, 1, 1, 150, 27, 0, 20, 150, 10, 4, kOrcUnits, OBARR},
    {OHALL, ORC, 2, "HALL", 2, 0, 10, 2, 4, 4, 100, 200, 100, 0, 0, 10, 0, kOrcBuildings, OPAYS},
    {OPAYS, ORC, 0, "PEON", 3, 0, 0, 3, 1, 1, 50, 100, 0, 10, 50, 10, 3, kOrcUnits, OHALL},
    {MONK, HUMAN, 1, "SYLWOR", 9, 0, 7, 1, 1, 1, 300, 200, 100, 10, 10, 10, 3, kHumanUnits, VIDE},
    {OARCH, ORC, 1, "ARCHER", 0, 0, 1, 2, 1, 1, 100, 200, 100, 10, 200, 10, 3, kOrcUnits, OBARR},
    {OFARM, ORC, 2, "FARM", 0, 0, 11, 2, 2, 2, 100, 200, 100, 0, 0, 10, 0, kOrcBuildings, OPAYS},
    {T_AIR, NEUTRE, 2, "TEMPLE OF AIR", 0, 0, 4, 1, 3, 3, 100, 200, 100, 0, 0, 10, 0, kNeutral,
     VIDE},
    {T_FIR, NEUTRE, 2, "TEMPLE OF FIRE", 0, 2, 5, 1, 3, 3, 100, 200, 100, 0, 0, 10, 0, kNeutral,
     VIDE},
    {T_NAT, NEUTRE, 2, "TEMPLE OF NATURE", 0, 1, 3, 1, 3, 3, 100, 200, 100, 0, 0, 10, 0, kNeutral,
     VIDE},
    {OBARR, ORC, 2, "BARRACK", 1, 1, 9, 2, 3, 3, 100, 200, 100, 0, 0, 10, 0, kOrcBuildings, OPAYS},
};

LPDIRECTDRAWSURFACE SurfaceOf(Sheet sheet) {
  switch (sheet) {
    case kHumanUnits:
      return humans_surface;
    case kOrcUnits:
      return orcs_surface;
    case kHumanBuildings:
      return human_buildings_surface;
    case kOrcBuildings:
      return orc_buildings_surface;
    case kNeutral:
      return neutral_buildings_surface;
    case kNone:
      break;
  }
  return nullptr;
}

}  // namespace

void InitDefUnits() {
  for (const Row& row : kTable) {
    auto def = std::make_unique<cDefUnit>(SurfaceOf(row.sheet));
    def->Nom = row.kind;
    def->Race = row.race;
    def->Categorie = row.categorie;
    def->Libelle = row.libelle;
    def->XImage = row.x_image;
    def->YImage = row.y_image;
    def->XIcone = row.x_icone;
    def->YIcone = row.y_icone;
    def->Largeur = row.largeur;
    def->Hauteur = row.hauteur;
    def->PointsDeVieMax = row.hit_points;
    def->CoutOr = row.gold;
    def->CoutBois = row.wood;
    def->Nourriture = row.food;
    def->Vitesse = row.vitesse;
    def->TempsProduction = row.production;
    def->iViewRange = row.view_range;
    definitions[std::size_t(row.kind)] = std::move(def);
  }
  for (const Row& row : kTable) {
    if (row.producer != VIDE)
      definitions[std::size_t(row.kind)]->pProducteur = GetDefUnit(row.producer);
  }
}

cDefUnit* GetDefUnit(DECOR kind) {
  if (kind < 0 || kind >= kKinds) return nullptr;
  return definitions[std::size_t(kind)].get();
}

void FreeDefUnits() {
  for (auto& def : definitions) def.reset();
}
