// Platform-internal links between the Win32 look-alike and the devices.
#pragma once

#include "platform/win32.h"

namespace platform {

// The program's one window while it exists, else null.
HWND LiveWindow();

}  // namespace platform

class IDirectDrawSurface;
struct HDC__;

namespace platform {

// A device context that draws into a surface; made by the surface's GetDC.
HDC__* CreateSurfaceDC(IDirectDrawSurface* surface);
void DeleteSurfaceDC(HDC__* dc);

}  // namespace platform
