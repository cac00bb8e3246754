// The treasuries.
#include "ui/money.h"

int Money = 0;
int Wood = 0;
int MoneyOrc = 0;
int WoodOrc = 0;
