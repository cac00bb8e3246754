// The selection. Nothing can be selected before the world exists.
#include "ui/selection.h"

void ClearSelection() {}

cSprite* GetSelectedSprite() {
  return nullptr;
}
