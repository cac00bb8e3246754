// The command panel; its icons and descriptions come with the panel itself.
#include "ui/edit.h"

void InitEdit() {}

void FreeEdit() {}

cDescEdit* DescEditOf(DECOR) {
  return nullptr;
}

void DrawDescription(cDescEdit*) {}

void SignalClickEdit() {}
