// The briefing screen comes with the campaign.
#include "ui/Zone_scenario.h"

void InitZoneScenario() {}
