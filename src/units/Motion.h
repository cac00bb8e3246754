// Path finding and the movement of walking units.
#pragma once

#include "units/cHumanoide.h"
