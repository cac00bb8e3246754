// The input devices: the DirectInput object, the system mouse (buffered, 16
// records) and the keyboard (256 key states).
#pragma once

#include "platform/dinput.h"

extern LPDIRECTINPUT8 lpDI8;
extern LPDIRECTINPUTDEVICE8 lpDIMouse;
extern LPDIRECTINPUTDEVICE8 lpDIKeyboard;
extern HANDLE mouse_event;

// Creates and configures both devices; failures are logged and the next
// step runs. The devices are acquired by each poll, not here.
void InstallDirectInput8(HINSTANCE hinst, HWND hwnd);
