// Test support: whole files as bytes, bytes laid out as the game writes
// them, a temporary directory.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

namespace test {

// The file's bytes; empty when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Bytes as the game's files lay them out: integers of 32 bits, little-endian.
class Bytes {
 public:
  Bytes& Int(std::int32_t value) {
    for (int i = 0; i < 4; ++i) bytes_ += char((std::uint32_t(value) >> (8 * i)) & 0xFF);
    return *this;
  }
  Bytes& Ints(std::initializer_list<std::int32_t> values) {
    for (std::int32_t value : values) Int(value);
    return *this;
  }
  Bytes& Byte(unsigned char value) {
    bytes_ += char(value);
    return *this;
  }
  Bytes& Text(const std::string& text) {
    bytes_ += text;
    return *this;
  }
  const std::string& str() const { return bytes_; }

 private:
  std::string bytes_;
};

// A directory of its own under the system's temporary directory, removed
// with everything in it at the end: tests run side by side.
class TempDirectory {
 public:
  TempDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvelnn-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace test
