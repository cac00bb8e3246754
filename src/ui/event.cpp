// Orders on the map come with the command panel; until then a press on the
// map selects the human object under the cursor.
#include "ui/event.h"

#include "ui/selection.h"

void SignalClickMap() {
  SelectUnderMouse();
}

void AfficherConstruction() {}
