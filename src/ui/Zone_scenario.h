// The mission briefing screen.
#pragma once

// Builds the briefing zone.
void InitZoneScenario();
