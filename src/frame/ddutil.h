// Pictures into surfaces: the BMP loader, the colour key of a picture, and
// small drawing helpers.
#pragma once

#include "platform/ddraw.h"
#include "platform/gdi.h"

// A new off-screen surface of the given size; its result, as the call gives it.
HRESULT CreateOffscreenSurface(IDirectDraw* pdd, int width, int height,
                               LPDIRECTDRAWSURFACE* surface);
// Loads a BMP file into a new off-screen surface of the picture's size (dx, dy
// of 0) or of dx by dy; null when the file cannot be loaded.
LPDIRECTDRAWSURFACE DDLoadBitmap(IDirectDraw* pdd, LPCSTR szBitmap, int dx, int dy);
// Copies the rectangle (x, y, dx, dy) of the bitmap onto the whole surface
// (dx, dy of 0: the bitmap's width, height).
HRESULT DDCopyBitmap(LPDIRECTDRAWSURFACE pdds, HBITMAP hbm, int x, int y, int dx, int dy);
// The surface's pixel value for a colour; CLR_INVALID gives its top-left pixel.
DWORD DDColorMatch(LPDIRECTDRAWSURFACE pdds, COLORREF rgb);
// Makes DDColorMatch(rgb) the surface's source colour key.
HRESULT DDSetColorKey(LPDIRECTDRAWSURFACE pdds, COLORREF rgb);

// One-pixel red outline from (x0, y0) to (x1, y1), both corners included.
void Draw_Rectangle(LPDIRECTDRAWSURFACE surface, int x0, int y0, int x1, int y1);
RECT* MakeRect(RECT* out, int left, int top, int right, int bottom);
// All bounds inclusive.
bool PointInRect(int px, int py, int left, int top, int right, int bottom);
// Releases the surface if there is one, and forgets it.
void ReleaseSurface(LPDIRECTDRAWSURFACE& surface);
