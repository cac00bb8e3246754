// The monk: conquers temples for the human side.
#pragma once

#include "units/cHumanoide.h"

// Temples conquered since the mission began, by kind.
extern int ConquetesAir;
extern int ConquetesFeu;
extern int ConquetesNature;

class cMonk : public cHumanoide {
 public:
  cMonk(int px, int py);

  // Only the conquest of a temple is taken: a monk never fights.
  void AssignerTache(TACHE tache, cSprite* pCible) override;
  void Progress() override;

  cSprite* pTemple = nullptr;  // the temple to conquer
  bool InTemple = false;
  bool EnRoute = false;  // a walk to the temple has been ordered
  DWORD dwEntree = 0;

 private:
  void Conquer();
  void Approach();
  void Enter();
  void StayInTemple();
  void EndConquest();
};
