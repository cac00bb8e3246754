// The definition of every kind of object: race, footprint, hit points, costs,
// speeds, pictures and producer. Built once at start-up, read-only after.
#pragma once

#include "platform/ddraw.h"
#include "world/sprites_names.h"

constexpr int CATEGORIE_WORKER = 0;
constexpr int CATEGORIE_UNIT = 1;      // a fighting unit
constexpr int CATEGORIE_BUILDING = 2;  // also the gold mine, the temples and the tower

class cDefUnit {
 public:
  explicit cDefUnit(LPDIRECTDRAWSURFACE surface) : pSurface(surface) {}

  DECOR Nom = VIDE;
  RACE Race = NEUTRE;
  int Categorie = CATEGORIE_BUILDING;
  int XImage = 0, YImage = 0;    // the picture in its sheet
  int XIcone = 0, YIcone = 0;    // the command icon in the icon sheet
  int Largeur = 1, Hauteur = 1;  // footprint in cells
  int PointsDeVieMax = 0;
  int CoutOr = 0;
  int CoutBois = 0;
  int Nourriture = 0;                // food used; counted for the human side only
  unsigned int Vitesse = 0;          // ms between two movement steps
  unsigned int TempsProduction = 0;  // ms per percent of production or hit point of building
  LPDIRECTDRAWSURFACE pSurface;
  int iViewRange = 0;  // cells; for the tower, the radius of its search for a target
  const char* Libelle = "NOT DEFINED";
  cDefUnit* pProducteur = nullptr;  // who builds or trains this kind
};

// Builds the definition of every kind; the picture sheets must be loaded.
void InitDefUnits();
// The definition of a kind, or null for a value that is no kind.
cDefUnit* GetDefUnit(DECOR kind);
void FreeDefUnits();
