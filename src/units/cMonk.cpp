// The monk: walks to a temple, stays inside it for a second and makes it the
// human side's.
#include "units/cMonk.h"

#include "frame/ticks.h"
#include "ui/edit.h"
#include "world/util.h"

int ConquetesAir = 0;
int ConquetesFeu = 0;
int ConquetesNature = 0;

namespace {

constexpr DWORD kInTempleMs = 1000;

// Nothing tells a monk that its temple left the map (only the temple's own
// side hears of a removal), so the temple is looked up before it is read.
bool IsOnMap(const cSprite* p) {
  bool found = false;
  for (RACE race : {NEUTRE, HUMAN, ORC}) {
    ForEachSprite(race, [&](cSprite* s) { found = found || s == p; });
  }
  return found;
}

void CountConquest(const cDefUnit* temple) {
  if (temple == GetDefUnit(T_AIR)) ++ConquetesAir;
  if (temple == GetDefUnit(T_FIR)) ++ConquetesFeu;
  if (temple == GetDefUnit(T_NAT)) ++ConquetesNature;
}

}  // namespace

cMonk::cMonk(int px, int py)
    : cHumanoide(HUMAN, px, py, DescEditOf(MONK), GetDefUnit(MONK), WeaponOfType(SWORD1),
                 REACTIVE) {}

// A new order walks again: a monk whose last walk ended short of its temple
// would otherwise never set out for a temple again.
void cMonk::AssignerTache(TACHE tache, cSprite* pCible) {
  if (tache != CONQUETE) return;
  pTemple = pCible;
  Tache = CONQUETE;
  EnRoute = false;
}

void cMonk::Progress() {
  if (Tache == CONQUETE) {
    Conquer();
  } else {
    cHumanoide::Progress();
  }
}

void cMonk::Conquer() {
  if (!pTemple) {
    Fatal_Errors << "cHumanoide void cMonk::Progress()\n"
                 << "the sprite to conquer is NULL !\n";
    return;
  }
  if (!IsOnMap(pTemple)) {
    EndConquest();
    return;
  }
  if (!InTemple) Approach();
  if (InTemple) StayInTemple();
}

// Beside the temple it enters at once; otherwise it sets out for the nearest
// free cell around it, once. Only a walk that was found sets it going (a
// failed search drops the task and clears the path).
void cMonk::Approach() {
  const cDefUnit* def = pTemple->pDef;
  const int x = pTemple->Px, y = pTemple->Py;
  const long long pause = static_cast<long long>(pDef->Vitesse) - 10;
  if (ArrivedNextTo(x, y, def->Largeur, def->Hauteur, pause)) {
    Enter();
    return;
  }
  if (EnRoute) return;
  int rx = 0, ry = 0;
  TrouverPlaceProche(Px, Py, x, y, def->Largeur, def->Hauteur, rx, ry);
  WalkTo(rx, ry);
  EnRoute = true;
}

void cMonk::Enter() {
  InTemple = true;
  dwEntree = GetTickCount();
  Ordre = WAIT;
  pTemple->SetOwner(Race());
  CountConquest(pTemple->pDef);
}

void cMonk::StayInTemple() {
  if (TicksSince(dwEntree) < kInTempleMs) {
    visible = false;
    return;
  }
  EndConquest();
  dwLastMove = GetTickCount();
  Ordre = WAIT;
}

// A monk still walking when its temple is gone walks on to its last goal.
void cMonk::EndConquest() {
  pTemple = nullptr;
  InTemple = EnRoute = false;
  dwEntree = 0;
  visible = true;
  Tache = SANS_TACHE;
}
