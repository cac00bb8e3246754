// The monk.
#include "units/cMonk.h"

#include "ui/edit.h"

int ConquetesAir = 0;
int ConquetesFeu = 0;
int ConquetesNature = 0;

cMonk::cMonk(int px, int py)
    : cHumanoide(HUMAN, px, py, DescEditOf(MONK), GetDefUnit(MONK), WeaponOfType(SWORD1),
                 REACTIVE) {}

// The conquest comes with the unit behaviour.
void cMonk::AssignerTache(TACHE, cSprite*) {}
void cMonk::Progress() {}
