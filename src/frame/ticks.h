// Time is GetTickCount milliseconds; an interval has passed when the unsigned
// difference from the stored tick is strictly greater than it.
#pragma once

#include <cstdint>

#include "platform/win32.h"

// Milliseconds from earlier to now, across the 32-bit wrap of the count.
inline DWORD TicksBetween(DWORD earlier, DWORD now) {
  return DWORD(std::uint32_t(now) - std::uint32_t(earlier));
}

// Milliseconds since a stored tick.
inline DWORD TicksSince(DWORD earlier) {
  return TicksBetween(earlier, GetTickCount());
}
