// Path finding and movement; they come with the unit behaviour. Until then a
// unit asked to walk stays where it is.
#include "units/Motion.h"

void cHumanoide::Avancer() {
  Ordre = WAIT;
}

void cHumanoide::TrouverTrajet(int, int) {}

void cHumanoide::RecalculerTrajet() {
  TrouverTrajet(XObjectif, YObjectif);
}
