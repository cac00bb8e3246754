// The treasuries of both sides, and the resource line under the game view.
#pragma once

extern int Money;     // the human side's gold
extern int Wood;      // and wood
extern int MoneyOrc;  // the orc side's gold
extern int WoodOrc;   // and wood

// The resource line at the bottom of the game view.
void AfficherMoney();
void AfficherWood();
