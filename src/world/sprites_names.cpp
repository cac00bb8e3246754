// Names of the shared enumerations.
#include "world/sprites_names.h"

#include <array>

namespace {

template <std::size_t N>
const char* Lookup(const std::array<const char*, N>& names, int value, const char* otherwise) {
  return value >= 0 && value < int(N) ? names[std::size_t(value)] : otherwise;
}

}  // namespace

// The forest pieces are numbered from 01 in the order of their values.
const char* GetStringFromDECOR(DECOR decor) {
  static constexpr std::array<const char*, 43> kNames = {
      "VIDE",   "HERBE1", "HERBE2", "BOIS01", "BOIS02", "BOIS03", "BOIS04", "BOIS05", "BOIS06",
      "BOIS07", "BOIS08", "BOIS09", "BOIS10", "BOIS11", "BOIS12", "BOIS13", "BATI ",  "MINEO",
      "FERME",  "HALL1",  "HALL2",  "HALL3",  "BARRA",  "SCIER",  "FORGE",  "ETABL",  "EGLIS",
      "INVEN",  "MAGEH",  "ARCHE",  "PAYSA",  "GUERR",  "WATOW",  "OGUER",  "OHALL",  "OPAYS",
      "MONK",   "OARCH",  "OFARM",  "T_AIR",  "T_FIR",  "T_NAT",  "OBARR"};
  return Lookup(kNames, decor, " ERROR:unknown DECOR");
}

const char* GetStringFromRACE(RACE race) {
  static constexpr std::array<const char*, 3> kNames = {"NEUTRE", "HUMAN", "ORC"};
  return Lookup(kNames, race, "UNKNOWN RACE");
}

const char* GetStringFromTACHE(TACHE tache) {
  static constexpr std::array<const char*, 6> kNames = {
      "SANS TACHE", "RECOLTE OR", "RECOLTE BOIS", "CONSTUCTION", "ATTACK", "RE CONSTUCTION"};
  return Lookup(kNames, tache, "UNKNOWN TACHE");
}

const char* GetStringFromORDRE(ORDRE ordre) {
  static constexpr std::array<const char*, 4> kNames = {"WAIT", "GOTO", "RAMASSER_OR",
                                                        "RAMASSER_BOIS"};
  return Lookup(kNames, ordre, "UNKNOWN ORDRE");
}

const char* GetStringFromMODE_ATTACK(MODE_ATTACK mode) {
  static constexpr std::array<const char*, 3> kNames = {"MODE_SWORD", "MODE_PROJECTILE",
                                                        "MODE_NON_AGGRESSIVE"};
  return Lookup(kNames, mode, "UNKNOWN ATTACK MODE");
}

const char* GetStringFromMODE_AGGRESSIVITY(MODE_AGGRESSIVITY mode) {
  static constexpr std::array<const char*, 4> kNames = {"FUITE", "PASSIVE", "AGGRESSIVE",
                                                        "REACTIVE"};
  if (mode < 0 || mode >= int(kNames.size())) {
    Fatal_Errors << "char * GetStringFromMODE_AGGRESSIVITY(MODE_AGGRESSIVITY mode)\n";
  }
  return Lookup(kNames, mode, "UNKNOWN MODE AGRRESSIVE");
}

LogFile& operator<<(LogFile& log, DECOR decor) {
  return log << GetStringFromDECOR(decor);
}
LogFile& operator<<(LogFile& log, RACE race) {
  return log << GetStringFromRACE(race);
}
LogFile& operator<<(LogFile& log, TACHE tache) {
  return log << GetStringFromTACHE(tache);
}
LogFile& operator<<(LogFile& log, ORDRE ordre) {
  return log << GetStringFromORDRE(ordre);
}
LogFile& operator<<(LogFile& log, MODE_ATTACK mode) {
  return log << GetStringFromMODE_ATTACK(mode);
}
LogFile& operator<<(LogFile& log, MODE_AGGRESSIVITY mode) {
  return log << GetStringFromMODE_AGGRESSIVITY(mode);
}
