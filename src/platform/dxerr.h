// Symbolic names of the result codes, for the logs.
#pragma once

#include "platform/win32.h"

// The name of every code the platform layer can return; an unknown code is
// written as its hexadecimal value.
const char* DXGetErrorString8(HRESULT hr);
