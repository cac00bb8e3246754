// The saved-game format: writer, reader, slot names.
#include "world/Saveload.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>

#include "frame/logs.h"
#include "ui/money.h"
#include "ui/zone_game.h"
#include "world/Init_Env.h"
#include "world/map.h"
#include "world/sprites.h"

std::array<std::optional<std::string>, 10> slot_names;

namespace {

// A saved name longer than this is damage; the rest of it is skipped.
constexpr std::int32_t kLongestName = 4096;

// Text-mode line ends over a plain file.
struct TextFile {
  FILE* raw;
  bool writing;
  int lookahead = EOF;  // a byte read after a 0x0D that was not 0x0A
};

ssize_t ReadText(void* cookie, char* buffer, size_t size) {
  auto* file = static_cast<TextFile*>(cookie);
  size_t n = 0;
  while (n < size) {
    int c = file->lookahead != EOF ? file->lookahead : std::fgetc(file->raw);
    file->lookahead = EOF;
    if (c == EOF) break;
    if (c == '\r') {
      const int next = std::fgetc(file->raw);
      if (next == '\n') {
        c = '\n';
      } else {
        file->lookahead = next;
      }
    }
    buffer[n++] = static_cast<char>(c);
  }
  return static_cast<ssize_t>(n);
}

ssize_t WriteText(void* cookie, const char* buffer, size_t size) {
  auto* file = static_cast<TextFile*>(cookie);
  for (size_t i = 0; i < size; ++i) {
    if (buffer[i] == '\n' && std::fputc('\r', file->raw) == EOF) return ssize_t(i);
    if (std::fputc(buffer[i], file->raw) == EOF) return ssize_t(i);
  }
  return static_cast<ssize_t>(size);
}

// A file written is on the disk when it is closed without error.
int CloseText(void* cookie) {
  std::unique_ptr<TextFile> file(static_cast<TextFile*>(cookie));
  bool stored = true;
  if (file->writing) {
    stored =
        std::fflush(file->raw) == 0 && !std::ferror(file->raw) && fsync(fileno(file->raw)) == 0;
  }
  return std::fclose(file->raw) == 0 && stored ? 0 : EOF;
}

// Every byte written, flushed and stored, and the file closed.
bool CloseWritten(FILE* file) {
  const bool flushed = std::fflush(file) == 0 && !std::ferror(file);
  return std::fclose(file) == 0 && flushed;
}

// The rename into a directory is on the disk once the directory is; a
// failure here leaves the new file in place, so it is not a failed save.
void SyncDirectoryOf(const std::string& path) {
  std::string directory = std::filesystem::path(path).parent_path().string();
  if (directory.empty()) directory = ".";
  const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

void WriteName(FILE* file, const char* name) {
  const std::size_t length = std::strlen(name);
  WriteInt32(file, int(length));
  std::fwrite(name, 1, length, file);
}

void WriteWorldHead(FILE* file, const char* name) {
  LogFile& log = log_Fake_save;
  WriteName(file, name);
  log << "length:" << int(std::strlen(name)) << "\n"
      << "name:" << name << "\n";
  for (int value : {current_mission, tx_map, ty_map}) WriteInt32(file, value);
  log << "mission : " << current_mission << "\n"
      << "TX_MAP :" << tx_map << "\n"
      << "TY_MAP :" << ty_map << "\n";
  for (int x = 0; x < tx_map; ++x) {
    for (int y = 0; y < ty_map; ++y) WriteInt32(file, terrain_grid[CellIndex(x, y)]);
  }
  log << "The map"
      << ".......... done\n";
  Save_Zone_Connue(file);
  log << "The tab of the zone connue"
      << ".......... done\n";
  for (int value : {Money, Wood, MoneyOrc, WoodOrc, scroll_x, scroll_y}) {
    WriteInt32(file, value);
    log << value << "\n";
  }
}

int CountList(RACE race) {
  int count = 0;
  for (cSprite* s = sprite_lists[race]; s; s = s->pNext) ++count;
  return count;
}

void WriteSprites(FILE* file) {
  LogFile& log = log_Fake_save;
  const int humans = CountList(HUMAN), orcs = CountList(ORC), neutrals = CountList(NEUTRE);
  for (int value : {humans, orcs, neutrals}) WriteInt32(file, value);
  log << "nb sprites humains : " << humans << "\n"
      << "nb sprites orcs : " << orcs << "\n"
      << "nb sprites neutres : " << neutrals << "\n";
  const struct {
    RACE race;
    const char* header;
  } kSides[] = {{HUMAN, "############# NEW SPRITE HUMAIN ##############\n"},
                {ORC, "############# NEW SPRITE ORC ##############\n"},
                {NEUTRE, "############# NEW SPRITE NEUTRE ##############\n"}};
  for (const auto& side : kSides) {
    for (cSprite* s = sprite_lists[side.race]; s; s = s->pNext) {
      log << side.header;
      s->Save(file);
    }
  }
}

// The head of the file up to the map's size; the world is changed only once
// the size is known to fit the grids.
bool ReadWorldHead(FILE* file) {
  LogFile& log = log_Fake_read;
  int length = 0;
  const std::string name = ReadSavedName(file, &length);
  log << length << "\n" << name.c_str() << "\n";
  int mission = current_mission, width = tx_map, height = ty_map;
  ReadInt32(file, mission);
  ReadInt32(file, width);
  ReadInt32(file, height);
  log << "mission : " << mission << "\n"
      << "tx_map : " << width << "\n"
      << "ty_map : " << height << "\n";
  // A map larger than the grids would be read past their end: such a file is
  // refused untouched. Any smaller size, none included, reads as it is.
  if (width > kMapCapacity || height > kMapCapacity) {
    Fatal_Errors << " the map of the file is larger than 128 cells : " << width << "," << height
                 << "\n";
    return false;
  }
  current_mission = mission;
  tx_map = width;
  ty_map = height;
  log << "lecture de la map....";
  for (int x = 0; x < tx_map; ++x) {
    for (int y = 0; y < ty_map; ++y) {
      int decor = terrain_grid[CellIndex(x, y)];
      ReadInt32(file, decor);
      terrain_grid[CellIndex(x, y)] = static_cast<DECOR>(decor);
    }
  }
  log << "done\n";
  Read_Zone_Connue(file);
  log << "The tab of the zone connue"
      << ".......... done\n";
  const char* labels[] = {
      "money : ", "wood : ", "money orc : ", "wood orc : ", "x_scroll : ", "y_scroll : "};
  int* values[] = {&Money, &Wood, &MoneyOrc, &WoodOrc, &scroll_x, &scroll_y};
  for (int i = 0; i < 6; ++i) {
    ReadInt32(file, *values[i]);
    log << labels[i] << *values[i] << "\n";
  }
  return true;
}

// The whole footprint on the grids: the registry writes every cell of it.
bool LiesOnGrids(DECOR kind, int x, int y) {
  const cDefUnit* def = GetDefUnit(kind);
  const int width = def ? def->Largeur : 1, height = def ? def->Hauteur : 1;
  return x >= 0 && y >= 0 && x <= kMapCapacity - width && y <= kMapCapacity - height;
}

// One record: false when the read must stop (end of file, a kind its side
// refuses, a footprint off the grids): what was read before stays.
bool ReadSprite(FILE* file, RACE race) {
  LogFile& log = log_Fake_read;
  int kind, x, y;
  if (std::feof(file)) return false;
  kind = x = y = -1;
  ReadInt32(file, kind);
  ReadInt32(file, x);
  ReadInt32(file, y);
  if (std::feof(file)) return false;
  log << "name : " << GetStringFromDECOR(static_cast<DECOR>(kind)) << "\n"
      << "px : " << x << "\n"
      << "py : " << y << "\n";
  if (!LiesOnGrids(static_cast<DECOR>(kind), x, y)) {
    Fatal_Errors << " a sprite of the file lies outside the grids : " << x << "," << y << "\n";
    return false;
  }
  cSprite* sprite = AjouterSprite(race, static_cast<DECOR>(kind), x, y);
  if (!sprite) return false;
  sprite->Read(file);
  return true;
}

void ReadSprites(FILE* file) {
  LogFile& log = log_Fake_read;
  int counts[3] = {0, 0, 0};
  const char* labels[] = {"nb_humains : ", "nb_orcs : ", "nb_neutres : "};
  for (int i = 0; i < 3; ++i) {
    ReadInt32(file, counts[i]);
    log << labels[i] << counts[i] << "\n";
  }
  const RACE order[] = {HUMAN, ORC, NEUTRE};
  for (int i = 0; i < 3; ++i) {
    for (int n = 0; n < counts[i]; ++n) {
      if (!ReadSprite(file, order[i])) return;
    }
  }
}

}  // namespace

FILE* OpenTextFile(const std::string& path, const char* mode) {
  FILE* raw = std::fopen(path.c_str(), mode);
  if (!raw) return nullptr;
  auto cookie = std::make_unique<TextFile>(TextFile{raw, mode[0] == 'w'});
  const cookie_io_functions_t functions{ReadText, WriteText, nullptr, CloseText};
  FILE* file = fopencookie(cookie.get(), mode, functions);
  if (!file) {
    std::fclose(raw);
    return nullptr;
  }
  cookie.release();  // closed with the file
  return file;
}

std::string SlotFileName(int slot) {
  return "../common_bin/slot" + std::to_string(slot) + ".bin";
}

// The world goes into a temporary file beside the target, which replaces
// the target only once all of it is on the disk: a save that fails half-way
// (a full disk, a size limit) leaves the file it was to replace as it was.
bool SaveGame(const std::string& path, const char* name) {
  // Past a file-size limit a write fails instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::string temporary = path + ".tmp";
  FILE* file = OpenTextFile(temporary, "wb");
  bool saved = file != nullptr;
  if (file) {
    WriteWorldHead(file, name ? name : "");
    WriteSprites(file);
    saved = CloseWritten(file) && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!saved) std::remove(temporary.c_str());
  }
  if (!saved) {
    Fatal_Errors << " impossible to save in the file :" << path.c_str() << "\n";
    return false;
  }
  SyncDirectoryOf(path);
  return true;
}

bool SaveInSlotFile(int slot, const char* name) {
  return SaveGame(SlotFileName(slot), name);
}

bool LoadGame(const std::string& path) {
  File file(OpenTextFile(path, "rb"));
  if (!file) {
    Fatal_Errors << " impossible to open the file :" << path.c_str() << "\n";
    return false;
  }
  if (!ReadWorldHead(file.get())) return false;
  ReadSprites(file.get());
  return true;
}

void ScanSlotNames() {
  for (int slot = 0; slot < int(slot_names.size()); ++slot) {
    File file(OpenTextFile(SlotFileName(slot), "rb"));
    if (!file) {
      slot_names[slot].reset();
      continue;
    }
    slot_names[slot] = ReadSavedName(file.get());
  }
}

std::string ReadSavedName(FILE* file, int* length_read) {
  int length = 0;
  ReadInt32(file, length);
  if (length_read) *length_read = length;
  std::string name;
  for (int i = 0; i < length; ++i) {
    const int c = std::fgetc(file);
    if (c == EOF) break;
    if (i < kLongestName) name += static_cast<char>(c);
  }
  return name;
}

void WriteInt32(FILE* file, int value) {
  const auto bits = static_cast<std::uint32_t>(value);
  const unsigned char bytes[4] = {
      static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
      static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
  std::fwrite(bytes, 1, 4, file);
}

void WriteFlag(FILE* file, bool value) {
  std::fputc(value ? 1 : 0, file);
}

void ReadInt32(FILE* file, int& value) {
  unsigned char bytes[4];
  if (std::fread(bytes, 1, 4, file) != 4) return;
  value = static_cast<int>(std::uint32_t(bytes[0]) | (std::uint32_t(bytes[1]) << 8) |
                           (std::uint32_t(bytes[2]) << 16) | (std::uint32_t(bytes[3]) << 24));
}

void ReadFlag(FILE* file, bool& value) {
  const int c = std::fgetc(file);
  if (c != EOF) value = c != 0;
}

void LogWorkerPlaces(int xm, int ym, int xb, int yb, int xh, int yh) {
  log_Fake_save << "XMine : " << xm << "\n"
                << "YMine : " << ym << "\n"
                << "XBois : " << xb << "\n"
                << "YBois : " << yb << "\n"
                << "XHall : " << xh << "\n"
                << "YHall : " << yh << "\n";
}

void LogReadWorkerPlaces(int xm, int ym, int xb, int yb, int xh, int yh) {
  log_Fake_read << "xmine : " << xm << "\n"
                << "ymine : " << ym << "\n"
                << "xbois : " << xb << "\n"
                << "ybois : " << yb << "\n"
                << "xhall : " << xh << "\n"
                << "yhall : " << yh << "\n";
}

// A sprite's record: its kind, cell, hit points, task and two flags.
void cSprite::Save(FILE* File) {
  const DECOR kind = pDef ? pDef->Nom : VIDE;
  for (int value : {int(kind), Px, Py, PointsDeVie, int(Tache)}) WriteInt32(File, value);
  WriteFlag(File, visible);
  WriteFlag(File, Present_In_Initial_Map);
  log_Fake_save << kind << "\n"
                << "PX : " << Px << "\n"
                << "PY : " << Py << "\n"
                << "Points de vie : " << PointsDeVie << "\n"
                << "Tache : " << Tache << "\n"
                << visible << "\n"
                << "Present_In_Initial_Map : " << Present_In_Initial_Map << "\n";
}

void cSprite::Read(FILE* File) {
  int tache = Tache;
  ReadInt32(File, PointsDeVie);
  ReadInt32(File, tache);
  Tache = static_cast<TACHE>(tache);
  ReadFlag(File, visible);
  ReadFlag(File, Present_In_Initial_Map);
  log_Fake_read << "points vie : " << PointsDeVie << "\n"
                << "tache : " << Tache << "\n"
                << "visible : " << visible << "\n"
                << "Present_In_Initial_Map : " << Present_In_Initial_Map << "\n";
}
