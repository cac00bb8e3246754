// Symbolic names of the result codes.
#include "platform/dxerr.h"

#include <cstdio>

#include "platform/ddraw.h"
#include "platform/dinput.h"

const char* DXGetErrorString8(HRESULT hr) {
  struct Name {
    HRESULT code;
    const char* text;
  };
  // Codes shared by several interfaces carry the drawing name, the one the
  // logs meet most.
  static constexpr Name kNames[] = {
      {DD_OK, "DD_OK"},
      {S_FALSE, "S_FALSE"},
      {DDERR_GENERIC, "DDERR_GENERIC"},
      {DDERR_INVALIDPARAMS, "DDERR_INVALIDPARAMS"},
      {DDERR_OUTOFMEMORY, "DDERR_OUTOFMEMORY"},
      {DDERR_INVALIDMODE, "DDERR_INVALIDMODE"},
      {DDERR_INVALIDOBJECT, "DDERR_INVALIDOBJECT"},
      {DDERR_INVALIDRECT, "DDERR_INVALIDRECT"},
      {DDERR_NOTFOUND, "DDERR_NOTFOUND"},
      {DDERR_SURFACEBUSY, "DDERR_SURFACEBUSY"},
      {DDERR_SURFACELOST, "DDERR_SURFACELOST"},
      {DDERR_WASSTILLDRAWING, "DDERR_WASSTILLDRAWING"},
      {DDERR_NOTFLIPPABLE, "DDERR_NOTFLIPPABLE"},
      {DDERR_NOTLOCKED, "DDERR_NOTLOCKED"},
      {DDERR_CANTCREATEDC, "DDERR_CANTCREATEDC"},
      {DDERR_DCALREADYCREATED, "DDERR_DCALREADYCREATED"},
      {DIERR_OTHERAPPHASPRIO, "DIERR_OTHERAPPHASPRIO"},
      {DIERR_NOTACQUIRED, "DIERR_NOTACQUIRED"},
      {DIERR_INPUTLOST, "DIERR_INPUTLOST"},
      {DIERR_NOINTERFACE, "DIERR_NOINTERFACE"},
      {DIERR_DEVICENOTREG, "DIERR_DEVICENOTREG"},
  };
  for (const Name& name : kNames) {
    if (name.code == hr) return name.text;
  }
  static char unknown[32];
  std::snprintf(unknown, sizeof unknown, "HRESULT 0x%08X",
                static_cast<unsigned>(static_cast<std::uint32_t>(hr)));
  return unknown;
}
