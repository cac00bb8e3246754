// The shared enumerations of the world, with the name each prints as in the
// logs. Their values are stored in saved games and mission maps.
#pragma once

#include "frame/logfile.h"

// Terrain kinds (0..15, 43, 44) and kinds of objects (17..42) in one list; an
// object kind is also the key of its definition.
enum DECOR : int {
  VIDE = 0,
  HERBE1 = 1,  // grass, the only walkable ground
  HERBE2 = 2,
  BOIS01 = 3,  // the thirteen forest pieces, BOIS01 to BOIS13
  BOIS02,
  BOIS03,
  BOIS04,
  BOIS05,
  BOIS06,
  BOIS07,
  BOIS08,
  BOIS09,
  BOIS10,
  BOIS11,
  BOIS12,
  BOIS13 = 15,
  BATI = 16,
  MINEO = 17,
  FERME,
  HALL1,
  HALL2,
  HALL3,
  BARRA,
  SCIER,
  FORGE,
  ETABL,
  EGLIS,
  INVEN,
  MAGEH,
  ARCHE = 29,
  PAYSA,
  GUERR,
  WATOW,
  OGUER,
  OHALL,
  OPAYS,
  MONK,
  OARCH,
  OFARM,
  T_AIR,
  T_FIR,
  T_NAT,
  OBARR = 42,
  DECOR_43 = 43,  // drawn with the default tile
  DECOR_44 = 44,  // a terrain with a tile of its own
};

enum RACE : int { NEUTRE = 0, HUMAN = 1, ORC = 2 };

enum TACHE : int {
  SANS_TACHE = 0,
  RECOLTE_OR = 1,
  RECOLTE_BOIS = 2,
  CONSTUCTION = 3,
  ATTACK = 4,
  RE_CONSTUCTION = 5,
  CONQUETE = 6,  // the monk's conquest of a temple; it has no name in the logs
};

enum ORDRE : int { WAIT = 0, GOTO = 1, RAMASSER_OR = 2, RAMASSER_BOIS = 3 };

// How a weapon strikes.
enum MODE_ATTACK : int { MODE_SWORD = 0, MODE_PROJECTILE = 1, MODE_NON_AGGRESSIVE = 2 };

enum MODE_AGGRESSIVITY : int { FUITE = 0, PASSIVE = 1, AGGRESSIVE = 2, REACTIVE = 3 };

// y grows downward: NE is up and to the right.
enum DIRECTION : int {
  DIR_NONE = 0,
  DIR_NE = 1,
  DIR_E = 2,
  DIR_SE = 3,
  DIR_S = 4,
  DIR_SO = 5,
  DIR_O = 6,
  DIR_NO = 7,
  DIR_N = 8,
};

const char* GetStringFromDECOR(DECOR decor);
const char* GetStringFromRACE(RACE race);
const char* GetStringFromTACHE(TACHE tache);
const char* GetStringFromORDRE(ORDRE ordre);
const char* GetStringFromMODE_ATTACK(MODE_ATTACK mode);
// Also reports a value outside the enumeration to the fatal-error log.
const char* GetStringFromMODE_AGGRESSIVITY(MODE_AGGRESSIVITY mode);

LogFile& operator<<(LogFile& log, DECOR decor);
LogFile& operator<<(LogFile& log, RACE race);
LogFile& operator<<(LogFile& log, TACHE tache);
LogFile& operator<<(LogFile& log, ORDRE ordre);
LogFile& operator<<(LogFile& log, MODE_ATTACK mode);
LogFile& operator<<(LogFile& log, MODE_AGGRESSIVITY mode);
