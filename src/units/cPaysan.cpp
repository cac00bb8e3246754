// Workers: the gold and wood trips to the hall, raising and re-raising
// buildings, and what they do when a hall or a site comes or goes.
#include "units/cPaysan.h"

#include "ai/utils_fsm_base_orc.h"
#include "frame/ticks.h"
#include "ui/edit.h"
#include "ui/money.h"
#include "ui/selection.h"
#include "world/Saveload.h"
#include "world/util.h"

namespace {

// A mine is taken as 3 x 3 cells and a hall as 4 x 4, whatever their kind says.
constexpr int kMineSize = 3;
constexpr int kHallSize = 4;
constexpr int kLoad = 100;         // gold or wood brought by one trip
constexpr DWORD kInsideMs = 4000;  // in the mine, cutting, or in the hall
constexpr int kNearestMineBound = 32768;

bool IsHarvest(TACHE tache) {
  return tache == RECOLTE_OR || tache == RECOLTE_BOIS;
}

bool IsTownHall(const cSprite* p) {
  return p->pDef && (p->pDef == GetDefUnit(HALL1) || p->pDef == GetDefUnit(OHALL));
}

// The mine nearest to the cell by squared distance; the first of equal ones.
cSprite* NearestMine(int px, int py) {
  cSprite* nearest = nullptr;
  int best = kNearestMineBound;
  ForEachSprite(NEUTRE, [&](cSprite* s) {
    if (s->pDef != GetDefUnit(MINEO)) return;
    const int d = Distance2(px, py, s->Px, s->Py);
    if (d < best) {
      best = d;
      nearest = s;
    }
  });
  return nearest;
}

// Square rings of growing distance around the cell: the row above, the row
// below, the left column, the right column.
bool FindForest(int px, int py, int& fx, int& fy) {
  auto take = [&](int x, int y) {
    if (!IsInMap(x, y) || !Forested(x, y)) return false;
    fx = x;
    fy = y;
    return true;
  };
  for (int d = 1; d < tx_map; ++d) {
    for (int x = px - d; x <= px + d; ++x)
      if (take(x, py - d)) return true;
    for (int x = px - d; x <= px + d; ++x)
      if (take(x, py + d)) return true;
    for (int y = py - d + 1; y <= py + d - 1; ++y)
      if (take(px - d, y)) return true;
    for (int y = py - d + 1; y <= py + d - 1; ++y)
      if (take(px + d, y)) return true;
  }
  return false;
}

}  // namespace

cPaysan::cPaysan(int px, int py, int XHall, int YHall, RACE race, cDescEdit* pDesc, cDefUnit* pDef)
    : cHumanoide(race, px, py, pDesc, pDef, WeaponOfType(CIMITAR), FUITE),
      XHall(XHall),
      YHall(YHall) {}

void cPaysan::SetTache(TACHE tache) {
  if (IsHarvest(Tache)) TacheRecolte = Tache;
  Tache = tache;
}

void cPaysan::Ordonner(TACHE ordre, cDefUnit* building, int px, int py) {
  SetTache(ordre);
  if (ordre == CONSTUCTION || ordre == RE_CONSTUCTION) {
    XBuild = px;
    YBuild = py;
    pToBuild = building;
    return;
  }
  Fatal_Errors << "cHumanoide void cPaysan::Ordonner(TACHE ordre,int px,int py,cDefUnit* "
                  "pToBuild) 002\n";
}

void cPaysan::AffecterTravail(TACHE tache, int px, int py, cSprite* pBatiment) {
  SetTache(tache);
  switch (tache) {
    case RECOLTE_OR:
      Xmine = px;
      Ymine = py;
      break;
    case RECOLTE_BOIS:
      XBois = px;
      YBois = py;
      break;
    case CONSTUCTION:
      XBuild = px;
      YBuild = py;
      pBatimentEnConstruction = pBatiment;
      break;
    default:
      break;
  }
}

void cPaysan::Construction(cDefUnit* unit) {
  pDefToPlace = unit;
  pToBuild = unit;
  SetTache(SANS_TACHE);
  Ordre = WAIT;
}

void cPaysan::Progress() {
  switch (Tache) {
    case SANS_TACHE:
      Idle();
      break;
    case RECOLTE_OR:
      GoldCycle();
      break;
    case RECOLTE_BOIS:
      WoodCycle();
      break;
    case CONSTUCTION:
      Build();
      break;
    case RE_CONSTUCTION:
      Rebuild();
      break;
    default:
      break;  // a worker never fights
  }
}

// An idle orc worker takes gold while at least as many of its side harvest
// gold as wood, else wood, each falling back on the other. A human worker
// waits for orders.
void cPaysan::Idle() {
  if (Race() != ORC) return;
  int gold = 0, wood = 0;
  ForEachSprite(ORC, [&](cSprite* s) {
    gold += s->Tache == RECOLTE_OR;
    wood += s->Tache == RECOLTE_BOIS;
  });
  if (gold >= wood) {
    if (!TakeNearestMine()) TakeNearestForest();
  } else if (!TakeNearestForest()) {
    TakeNearestMine();
  }
}

bool cPaysan::TakeNearestMine() {
  cSprite* mine = NearestMine(Px, Py);
  if (!mine) return false;
  AffecterTravail(RECOLTE_OR, mine->Px, mine->Py, nullptr);
  return true;
}

bool cPaysan::TakeNearestForest() {
  int x = 0, y = 0;
  if (!FindForest(Px, Py, x, y)) return false;
  AffecterTravail(RECOLTE_BOIS, x, y, nullptr);
  return true;
}

// An orc worker goes back to the harvest a building or a lost hall broke off.
void cPaysan::Resume() {
  if (Race() != ORC) return;
  if (TacheRecolte == RECOLTE_OR) {
    AffecterTravail(RECOLTE_OR, Xmine, Ymine, nullptr);
  } else if (TacheRecolte == RECOLTE_BOIS) {
    AffecterTravail(RECOLTE_BOIS, XBois, YBois, nullptr);
  }
}

long long cPaysan::HarvestPause() const {
  return static_cast<long long>(pDef->Vitesse) - 10;
}

void cPaysan::WalkBeside(int x, int y, int w, int h) {
  int rx = 0, ry = 0;
  TrouverPlaceProche(Px, Py, x, y, w, h, rx, ry);
  WalkToCell(rx, ry);
}

// A walk that cannot be found drops the task (the path search does that, the
// harvest to go back to with it); only a walk found sets the worker going.
void cPaysan::WalkToCell(int x, int y) {
  WalkTo(x, y);
}

void cPaysan::Deliver(int& treasury) {
  dwInside = GetTickCount();
  treasury += kLoad;
  InHall = true;
  charge = false;
  Ordre = WAIT;
}

// Hidden in the mine or the hall for 4 s; false once the time is up.
bool cPaysan::StillInside() {
  if (TicksSince(dwInside) < kInsideMs) {
    visible = false;
    return true;
  }
  visible = true;
  dwLastMove = GetTickCount();
  return false;
}

// A worker whose hall fell has nowhere to bring its load: it keeps it and
// waits until a hall of its side is added (SignalSpriteAdded).
void cPaysan::GoldCycle() {
  const long long pause = HarvestPause();
  if (!InMine && !charge && ArrivedNextTo(Xmine, Ymine, kMineSize, kMineSize, pause)) {
    InMine = true;
    dwInside = GetTickCount();
    charge = true;
    Ordre = WAIT;
  }
  if (!InHall && charge && HasHall() && ArrivedNextTo(XHall, YHall, kHallSize, kHallSize, pause)) {
    Deliver(Race() == ORC ? MoneyOrc : Money);
  }
  if ((InMine || InHall) && !StillInside()) InMine = InHall = false;
  if (InMine || InHall || Ordre != WAIT) return;
  if (!charge) {
    WalkBeside(Xmine, Ymine, kMineSize, kMineSize);
  } else if (HasHall()) {
    WalkBeside(XHall, YHall, kHallSize, kHallSize);
  }
}

// The worker stays visible while it cuts.
void cPaysan::WoodCycle() {
  if (!InHall && charge && HasHall() &&
      ArrivedNextTo(XHall, YHall, kHallSize, kHallSize, HarvestPause())) {
    Deliver(Race() == ORC ? WoodOrc : Wood);
  }
  if (InMine && TicksSince(dwInside) >= kInsideMs) {
    InMine = InHall = false;
    visible = true;
    dwLastMove = GetTickCount();
  }
  if (InHall && !StillInside()) InHall = false;
  if (InMine || InHall || Ordre != WAIT) return;
  if (!charge) {
    CutAtForestEdge();
  } else if (HasHall()) {
    WalkBeside(XHall, YHall, kHallSize, kHallSize);
  }
}

// The wood cell becomes the edge of the forest as seen from the worker.
void cPaysan::CutAtForestEdge() {
  TrouverLisiere(XBois, YBois, Px, Py);
  if (XBois != Px || YBois != Py) {
    WalkToCell(XBois, YBois);
    return;
  }
  InMine = true;
  charge = true;
  dwInside = GetTickCount();
}

// The site's size comes from the kind chosen; a worker sent to a site without
// choosing its kind takes the building's own. With neither there is nothing
// to raise, and a site without a building (an order that founded none) ends
// the task once the worker is beside it.
void cPaysan::Build() {
  const cDefUnit* def = pToBuild;
  if (!def && pBatimentEnConstruction) def = pBatimentEnConstruction->pDef;
  if (!def) {
    SetTache(SANS_TACHE);
    return;
  }
  if (Ordre == WAIT && !IsAdjacent(Px, Py, XBuild, YBuild, def->Largeur, def->Hauteur)) {
    WalkBeside(XBuild, YBuild, def->Largeur, def->Hauteur);
  }
  if (!ArrivedNextTo(XBuild, YBuild, def->Largeur, def->Hauteur, pDef->Vitesse)) return;
  Ordre = WAIT;
  if (!pBatimentEnConstruction) {
    SetTache(SANS_TACHE);
  } else if (pBatimentEnConstruction->PointsDeVie < def->PointsDeVieMax) {
    RaiseSite(def);
  } else {
    ComeOutOfSite();
  }
}

// Inside the site the worker is hidden, off the occupancy grid and out of the
// selection; the building gains a hit point per production interval.
void cPaysan::RaiseSite(const cDefUnit* def) {
  cSprite* site = pBatimentEnConstruction;
  if (visible) {
    visible = false;
    if (IsOnGrids(Px, Py)) occupancy_grid[CellIndex(Px, Py)] = nullptr;
    Px = site->Px;
    Py = site->Py;
    RemoveFromSelection(this);
  }
  if (TicksSince(dwLastMove) > def->TempsProduction) {
    ++site->PointsDeVie;
    dwLastMove = GetTickCount();
  }
}

// Out on the first free cell around the finished building; with none free the
// worker waits inside until one frees.
void cPaysan::ComeOutOfSite() {
  const cSprite* site = pBatimentEnConstruction;
  int x = site->Px, y = site->Py;
  if (!TrouverPlaceAutour(x, y, site->pDef->Largeur, site->pDef->Hauteur)) return;
  StandAt(x, y);
  pToBuild = nullptr;
  pBatimentEnConstruction = nullptr;
  SetTache(SANS_TACHE);
  visible = true;
  Resume();
}

// The orc side founds again a building it lost, then raises it like any other.
void cPaysan::Rebuild() {
  if (!pToBuild) {
    Fatal_Errors << "cHumanoide void cPaysan::CallBack_Re_Construction() \n"
                 << "tache RE_CONSUCTION alors que il n'y a rien a construite...";
    return;
  }
  const int w = pToBuild->Largeur, h = pToBuild->Hauteur;
  if (Ordre == WAIT && !IsAdjacent(Px, Py, XBuild, YBuild, w, h)) WalkBeside(XBuild, YBuild, w, h);
  if (!ArrivedNextTo(XBuild, YBuild, w, h, pDef->Vitesse)) return;
  Ordre = WAIT;
  if (!IsZoneFree(XBuild, YBuild, w, h)) return;  // waits beside it, tries again next step
  cSprite* building = AjouterSprite(pToBuild->Race, pToBuild->Nom, XBuild, YBuild);
  // A kind the registry refuses (it says why) cannot be founded: the order ends.
  if (!building) {
    SetTache(SANS_TACHE);
    return;
  }
  pBatimentEnConstruction = building;
  // The worker that refounds its side's lost hall makes it its own: it was
  // rebuilding, not harvesting, when the hall was announced, and its loads
  // would otherwise never go home.
  if (IsTownHall(building) && !HasHall()) {
    XHall = building->Px;
    YHall = building->Py;
  }
  building->PointsDeVie = 1;
  building->Present_In_Initial_Map = true;  // rebuilt again should it fall
  Signal_Sprite_Orc_Rebuild(pToBuild, XBuild, YBuild);
  Ordonner(CONSTUCTION, pToBuild, XBuild, YBuild);
}

bool cPaysan::OnGrid() const {
  return IsOnGrids(Px, Py) && occupancy_grid[CellIndex(Px, Py)] == this;
}

// The cell it held is let go first: left behind, it would point at the
// worker after the worker is freed.
void cPaysan::StandAt(int x, int y) {
  if (OnGrid()) occupancy_grid[CellIndex(Px, Py)] = nullptr;
  SetPosition(x, y);
  if (IsOnGrids(x, y)) occupancy_grid[CellIndex(x, y)] = this;
}

void cPaysan::SignalSpriteRemoved(cSprite* p) {
  if (!p) return;
  if (p == pBatimentEnConstruction) LoseSite(p);
  if (p->pDef == GetDefUnit(OHALL) && p->Px == XHall && p->Py == YHall) LoseHall();
}

// Every worker whose site it was reappears on the site's top-left cell,
// inside it or not.
void cPaysan::LoseSite(cSprite* site) {
  StandAt(site->Px, site->Py);
  pToBuild = nullptr;
  pBatimentEnConstruction = nullptr;
  SetTache(SANS_TACHE);
  visible = true;
  Resume();
}

void cPaysan::LoseHall() {
  XHall = YHall = -1;
  if (!IsHarvest(Tache)) return;
  SetTache(SANS_TACHE);
  Ordre = WAIT;
}

// An idle worker with a harvest to go back to adopts a new hall of its side,
// and so does one that went on harvesting after its hall fell.
void cPaysan::SignalSpriteAdded(cSprite* p) {
  if (!p || !IsTownHall(p)) return;
  const bool idle_with_harvest = Tache == SANS_TACHE && IsHarvest(TacheRecolte);
  const bool harvesting_without_hall = IsHarvest(Tache) && !HasHall();
  if (!idle_with_harvest && !harvesting_without_hall) return;
  XHall = p->Px;
  YHall = p->Py;
  if (idle_with_harvest) Resume();
}

void cPaysan::PreparerMission() {
  cSprite::PreparerMission();
  if (cSprite* hall = FirstSpriteOfKind(Race(), Race() == ORC ? OHALL : HALL1)) {
    XHall = hall->Px;
    YHall = hall->Py;
  }
  if (cSprite* mine = NearestMine(Px, Py)) {
    Xmine = mine->Px;
    Ymine = mine->Py;
  }
  int x = 0, y = 0;
  if (FindForest(Px, Py, x, y)) {
    XBois = x;
    YBois = y;
    TrouverLisiere(XBois, YBois, Px, Py);
  }
}

void cPaysan::GetPositions(int& XMine, int& YMine, int& XWood, int& YWood, int& XTown, int& YTown) {
  XMine = Xmine;
  YMine = Ymine;
  XWood = XBois;
  YWood = YBois;
  XTown = XHall;
  YTown = YHall;
}

void cPaysan::Save(FILE* File) {
  cSprite::Save(File);
  for (int value : {Xmine, Ymine, XBois, YBois, XHall, YHall}) WriteInt32(File, value);
  LogWorkerPlaces(Xmine, Ymine, XBois, YBois, XHall, YHall);
}

void cPaysan::Read(FILE* File) {
  cSprite::Read(File);
  for (int* value : {&Xmine, &Ymine, &XBois, &YBois, &XHall, &YHall}) ReadInt32(File, *value);
  LogReadWorkerPlaces(Xmine, Ymine, XBois, YBois, XHall, YHall);
}

cPeon::cPeon(int px, int py, int XHall, int YHall)
    : cPaysan(px, py, XHall, YHall, HUMAN, DescEditOf(PAYSA), GetDefUnit(PAYSA)) {}

cOrcPeon::cOrcPeon(int px, int py, int XHall, int YHall)
    : cPaysan(px, py, XHall, YHall, ORC, DescEditOf(OPAYS), GetDefUnit(OPAYS)) {}
