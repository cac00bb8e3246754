// Saved games and mission maps share one format: the map, the explored area,
// the treasuries, the view and every sprite. Files go through text-mode line
// ends: a byte 0x0A of the stream is stored as 0x0D 0x0A.
#pragma once

#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

// The names under which the ten slots were saved; none for an empty slot.
extern std::array<std::optional<std::string>, 10> slot_names;

// A file closed when it goes out of scope.
struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

// Opens a file with text-mode line ends ("rb" or "wb"); null on failure.
FILE* OpenTextFile(const std::string& path, const char* mode);
std::string SlotFileName(int slot);

// Writes the world into a file, whole or not at all: false, with the file
// as it was before, when it cannot be written completely.
bool SaveGame(const std::string& path, const char* name);
// Writes the world into a slot; false when the slot keeps its old file (and
// so its old name).
bool SaveInSlotFile(int slot, const char* name);
// Replaces the world by the file's content; the caller resets the world
// first. False when the file cannot be opened or is refused.
bool LoadGame(const std::string& path);
// Reads the name stored at the head of each of the ten slot files.
void ScanSlotNames();

// The name at the head of a file: its length L, then L bytes. A name longer
// than the game ever writes keeps its first 4096 characters; the rest of its
// bytes is read and dropped. L is the length as the file gives it.
std::string ReadSavedName(FILE* file, int* length = nullptr);

// Field by field, little-endian; a field that cannot be read keeps its value.
void WriteInt32(FILE* file, int value);
void WriteFlag(FILE* file, bool value);
void ReadInt32(FILE* file, int& value);
void ReadFlag(FILE* file, bool& value);

// The lines that mirror a worker's saved places in the logs.
void LogWorkerPlaces(int xm, int ym, int xb, int yb, int xh, int yh);
void LogReadWorkerPlaces(int xm, int ym, int xb, int yb, int xh, int yh);
