// The few GDI calls that copy a BMP file into a surface: load the file as a
// bitmap, a memory device context, a stretching copy, single pixels.
#pragma once

#include "platform/win32.h"

struct HBITMAP__;
struct HDC__;
struct HGDIOBJ__;
using HBITMAP = HBITMAP__*;
using HDC = HDC__*;
using HGDIOBJ = void*;

struct BITMAP {
  LONG bmType;
  LONG bmWidth;
  LONG bmHeight;
  LONG bmWidthBytes;
  WORD bmPlanes;
  WORD bmBitsPixel;
  LPVOID bmBits;
};

constexpr UINT IMAGE_BITMAP = 0;
constexpr UINT LR_LOADFROMFILE = 0x00000010;
constexpr UINT LR_CREATEDIBSECTION = 0x00002000;
constexpr DWORD SRCCOPY = 0x00CC0020;

// Loads a bitmap; without LR_LOADFROMFILE the name is a resource of the
// executable, and the executable carries none. cx, cy of 0 keep the file's size.
HANDLE LoadImage(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags);
int GetObject(HGDIOBJ object, int size, LPVOID out);
HDC CreateCompatibleDC(HDC dc);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
BOOL DeleteDC(HDC dc);
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy,
                int swidth, int sheight, DWORD rop);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);
