// Buildings: drawing with the training bar, training for both sides, the
// defence tower, temple owners.
#include "units/cBatiment.h"

#include "ai/utils_fsm_base_orc.h"
#include "frame/dix.h"
#include "frame/logfile.h"
#include "frame/logs.h"
#include "frame/ticks.h"
#include "ui/edit.h"
#include "ui/money.h"
#include "ui/selection.h"
#include "ui/zone_game.h"
#include "units/cHumanoide.h"
#include "units/combat.h"
#include "world/decors.h"
#include "world/util.h"

namespace {

// The tower answers a mode that is none of the four, so that orders that act
// on aggressive sprites leave it alone.
constexpr MODE_AGGRESSIVITY kTowerMode = static_cast<MODE_AGGRESSIVITY>(4);

int FullHitPoints(DECOR kind) {
  const cDefUnit* def = GetDefUnit(kind);
  return def ? def->PointsDeVieMax : 0;
}

constexpr DWORD kMessageDuration = 2000;   // ms a refusal stays on the panel
constexpr DWORD kTowerSearchPeriod = 500;  // ms between two target searches
constexpr std::uint8_t kTrainingDone = 100;

// Where the training bar lies on the panel, and its pictures in the interface.
constexpr RECT kBarEmptySource{0, 0, 106, 22};
constexpr RECT kBarEmptyDest{528, 135, 633, 157};
constexpr RECT kBarFullSource{0, 22, 100, 38};
constexpr int kBarLeft = 531, kBarTop = 138, kBarBottom = 154;

}  // namespace

cBatiment::cBatiment(RACE race, int px, int py, cDescEdit* pDesc, int PointsDeVie, cDefUnit* pDef)
    : cSprite(race, px, py, pDesc, pDef), dwDebutProduction(GetTickCount()) {
  this->PointsDeVie = PointsDeVie;
}

void cBatiment::Afficher() {
  const int view_x = scroll_x / kCellSize, view_y = scroll_y / kCellSize;
  if (Px < view_x - 2 || Px >= view_x + 18 || Py < view_y - 2 || Py >= view_y + 17) return;
  const int width = kCellSize * pDef->Largeur, height = kCellSize * pDef->Hauteur;
  RECT dest{kCellSize * Px - scroll_x + 96, kCellSize * Py - scroll_y + 96, 0, 0};
  dest.right = dest.left + width;
  dest.bottom = dest.top + height;
  const int column = pDef->XImage + PictureColumnOffset();
  RECT source{kBuildingPitch * column + 1, kBuildingPitch * pDef->YImage + 1, 0, 0};
  source.right = source.left + width;
  source.bottom = source.top + height;
  ReportDXError(DrawFailureLabel(),
                virtual_surface->Blt(&dest, pDef->pSurface, &source, DDBLT_WAIT, nullptr));
  AfficherBarre();
}

// The bar of a human building in training, over the panel of the one selected
// sprite: the empty bar, then one pixel of filling per percent.
void cBatiment::AfficherBarre() {
  if (Race() != HUMAN || !pDefEnConstruction || Progression == 0) return;
  if (GetSelectedSprite() != this) return;
  RECT source = kBarEmptySource, dest = kBarEmptyDest;
  ReportDXError("sprites void cBatiment::Afficher(void) 002",
                lpDDSBack->Blt(&dest, edit_game_surface, &source, DDBLT_WAIT, nullptr));
  source = kBarFullSource;
  dest = RECT{kBarLeft, kBarTop, kBarLeft + Progression, kBarBottom};
  const HRESULT hr = lpDDSBack->Blt(&dest, edit_game_surface, &source, DDBLT_WAIT, nullptr);
  ReportDXError("sprites void cBatiment::Afficher(void) 003", hr);
  if (hr != DD_OK) {
    log_cBatiment << "ERROR sprites void cBatiment::Afficher(void) 003\n"
                  << "rect dest : [" << kBarLeft << "," << kBarTop << "]     ["
                  << kBarLeft + Progression << "," << kBarBottom << "]\n";
  }
}

bool cBatiment::RefuseWhileTraining(const char* signature) {
  if (!pDefEnConstruction) return false;
  Fatal_Errors << signature << "il y a deja un sprite en construction \n";
  return true;
}

void cBatiment::StartTraining(cDefUnit* unit, TACHE task) {
  dwDebutProduction = GetTickCount();
  pDefEnConstruction = unit;
  Tache = task;
  Progression = 0;
}

void cBatiment::ShowPanelMessage(const char* text, int x, int y) {
  if (pDesc) pDesc->message.SetMessage(text, x, y, kMessageDuration);
}

void cBatiment::Progress() {
  if (!pDefEnConstruction) return;
  const DWORD now = GetTickCount();
  if (TicksBetween(dwDebutProduction, now) > pDefEnConstruction->TempsProduction) {
    ++Progression;
    dwDebutProduction = now;
  }
  if (Progression > kTrainingDone) SortirUnite();
}

// The unit comes out on the first free cell of the ring; with none, the bar
// holds at full and the exit is tried again after the next interval.
void cBatiment::SortirUnite() {
  int x = Px, y = Py;
  if (!TrouverPlaceAutour(x, y, pDef->Largeur, pDef->Hauteur)) {
    Progression = kTrainingDone;
    return;
  }
  cDefUnit* unit = pDefEnConstruction;
  cSprite* trained = AjouterSprite(unit, x, y);
  Payer(unit);
  pDefEnConstruction = nullptr;
  Progression = 0;
  if (Tache == RE_CONSTUCTION && trained) {
    trained->Present_In_Initial_Map = true;  // lost again, it is trained again
    // Sent off only along a path found: a failed search empties the path.
    if (auto* walker = dynamic_cast<cHumanoide*>(trained)) walker->WalkTo(XRally, YRally);
  }
  Tache = SANS_TACHE;
}

void cBatiment::Payer(const cDefUnit* unit) {
  if (Race() == HUMAN) {
    Money -= unit->CoutOr;
    Wood -= unit->CoutBois;
  } else if (Race() == ORC) {
    MoneyOrc -= unit->CoutOr;
    WoodOrc -= unit->CoutBois;
  }
}

cHall1::cHall1(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(HALL1), 1, GetDefUnit(HALL1)) {}
cHall2::cHall2(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(HALL2), 1, GetDefUnit(HALL2)) {}
cHall3::cHall3(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(HALL3), 1, GetDefUnit(HALL3)) {}
cBarrack::cBarrack(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(BARRA), 1, GetDefUnit(BARRA)) {}
cFerme::cFerme(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(FERME), 1, GetDefUnit(FERME)) {}
cScier::cScier(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(SCIER), 1, GetDefUnit(SCIER)) {}
cForge::cForge(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(FORGE), 1, GetDefUnit(FORGE)) {}
cEtabl::cEtabl(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(ETABL), 1, GetDefUnit(ETABL)) {}
cEglis::cEglis(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(EGLIS), 1, GetDefUnit(EGLIS)) {}
cInven::cInven(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(INVEN), 1, GetDefUnit(INVEN)) {}
cMageh::cMageh(int px, int py)
    : cBatiment(HUMAN, px, py, DescEditOf(MAGEH), 1, GetDefUnit(MAGEH)) {}

cOrcTrainer::cOrcTrainer(int px, int py, DECOR kind, const char* busy_label)
    : cBatiment(ORC, px, py, DescEditOf(kind), FullHitPoints(kind), GetDefUnit(kind)),
      busy_label_(busy_label) {}
cOrcHall::cOrcHall(int px, int py)
    : cOrcTrainer(px, py, OHALL, "cBatiment void cOrcHall::Construction(cDefUnit* unit)\n") {}
cOrcBarrack::cOrcBarrack(int px, int py)
    : cOrcTrainer(px, py, OBARR, "cBatiment void cOrcBarrack::Construction(cDefUnit* unit)\n") {}
cOrcFerme::cOrcFerme(int px, int py)
    : cBatiment(ORC, px, py, DescEditOf(OFARM), FullHitPoints(OFARM), GetDefUnit(OFARM)) {}
cMineOr::cMineOr(int px, int py)
    : cBatiment(NEUTRE, px, py, DescEditOf(MINEO), FullHitPoints(MINEO), GetDefUnit(MINEO)) {}

cWarTower::cWarTower(int px, int py, cWeapon* weapon)
    : cBatiment(ORC, px, py, DescEditOf(WATOW), FullHitPoints(WATOW), GetDefUnit(WATOW)),
      pWeapon(weapon) {}

MODE_AGGRESSIVITY cWarTower::GetModeAggressivity() {
  return kTowerMode;
}

void cWarTower::OublierCible(cSprite* p) {
  if (pTarget == p) pTarget = nullptr;
}

void cWarTower::StopAttack() {
  if (pTarget) RetirerAttaquant(pTarget, this);
  pTarget = nullptr;
}

cTemple::cTemple(int px, int py, DECOR kind)
    : cBatiment(NEUTRE, px, py, DescEditOf(kind), FullHitPoints(kind), GetDefUnit(kind)) {}
cTempleAir::cTempleAir(int px, int py) : cTemple(px, py, T_AIR) {}
cTempleNature::cTempleNature(int px, int py) : cTemple(px, py, T_NAT) {}
cTempleFeu::cTempleFeu(int px, int py) : cTemple(px, py, T_FIR) {}

// The hall checks gold, wood and food; the first that is short is shown.
void cHall1::Construction(cDefUnit* unit) {
  if (RefuseWhileTraining("cBatiment void cHall1::Construction(cDefUnit* unit)\n")) return;
  if (!unit) return;  // no kind, nothing to train (here and in the other trainers)
  if (Money < unit->CoutOr) {
    ShowPanelMessage("NO MONEY", 530, 150);
  } else if (Wood < unit->CoutBois) {
    ShowPanelMessage("NO WOOD", 530, 150);
  } else if (Food < FoodNeeded + unit->Nourriture) {
    ShowPanelMessage("NO FOOD", 530, 150);
  } else {
    StartTraining(unit, CONSTUCTION);
  }
}

// The barrack checks gold and wood only, and shares the hall's log text.
void cBarrack::Construction(cDefUnit* unit) {
  if (RefuseWhileTraining("cBatiment void cHall1::Construction(cDefUnit* unit)\n")) return;
  if (!unit) return;
  if (Money >= unit->CoutOr && Wood >= unit->CoutBois) {
    StartTraining(unit, CONSTUCTION);
  } else {
    ShowPanelMessage("OIOIOI", 540, 160);
  }
}

namespace {

bool OrcCanPay(const cDefUnit* unit) {
  return MoneyOrc >= unit->CoutOr && WoodOrc >= unit->CoutBois;
}

}  // namespace

// Training for the orc side is silent when the treasury is short.
void cOrcTrainer::Construction(cDefUnit* unit, int px, int py) {
  if (RefuseWhileTraining(busy_label_)) return;
  if (!unit || !OrcCanPay(unit)) return;
  StartTraining(unit, RE_CONSTUCTION);
  XRally = px;
  YRally = py;
}

// A trainer lost in the middle of a retraining hands it on to another.
void cOrcTrainer::SignalRemoval() {
  if (Tache == RE_CONSTUCTION) Signal_Sprite_Orc_To_Rebuild(pDefEnConstruction, XRally, YRally);
}

// The tower searches at most every 500 ms while it has no target, and shoots
// at the weapon's period while the target's top-left cell stays within its
// view range of the tower's footprint.
void cWarTower::Fight() {
  const DWORD now = GetTickCount();
  if (!pTarget && TicksBetween(dwTimer, now) > kTowerSearchPeriod) {
    pTarget = TrouverCible(this);
    dwTimer = now;
    // Joining the target's attackers at once, not only at the first shot,
    // lets its removal clear pTarget before the tower has fired.
    if (pTarget) AjouterAttaquant(pTarget, this);
  }
  if (!pTarget) return;
  const int range = pDef->iViewRange;
  const int left = Px - range, top = Py - range;
  const int right = left + 2 * range + pDef->Largeur - 1;
  const int bottom = top + 2 * range + pDef->Hauteur - 1;
  if (pTarget->Px < left || pTarget->Px > right || pTarget->Py < top || pTarget->Py > bottom) {
    pTarget = nullptr;  // the tower stays among that sprite's attackers
    return;
  }
  if (!pWeapon) return;  // a tower made without its weapon never fires
  if (TicksBetween(dwLastShot, now) <= pWeapon->frequency) return;
  LaunchWeapon(this, pTarget);
  AjouterAttaquant(pTarget, this);
  dwLastShot = now;
}
