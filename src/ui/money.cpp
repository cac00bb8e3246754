// The treasuries and the resource line.
#include "ui/money.h"

#include "frame/ddraw_text.h"
#include "frame/dix.h"
#include "frame/logfile.h"
#include "ui/zone_game.h"

int Money = 0;
int Wood = 0;
int MoneyOrc = 0;
int WoodOrc = 0;

void AfficherMoney() {
  RECT strip{0, 461, 520, 480};
  ReportDXError("money void AfficherMoney()",
                lpDDSBack->Blt(&strip, edit_game_surface, &strip, DDBLT_WAIT, nullptr));
  char label[] = "MONEY : ";
  const int width = AfficherTexte(label, 2, 463);
  AfficherNombre(Money, 2 + width, 463);
}

void AfficherWood() {
  char label[] = "WOOD : ";
  const int width = AfficherTexte(label, 137, 463);
  AfficherNombre(Wood, 137 + width, 463);
}
