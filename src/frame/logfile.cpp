// The log object and the shared logs.
#include "frame/logfile.h"

#include <cinttypes>
#include <cstdint>

#include "platform/dxerr.h"

LogFile Fatal_Errors("output/Fatal_Errors.txt");
LogFile DirectX_Errors("output/directX_errors.txt");
FILE* temp_log = nullptr;

namespace {

template <typename... Args>
std::string Format(const char* format, Args... args) {
  char buffer[64];
  const int n = std::snprintf(buffer, sizeof buffer, format, args...);
  return std::string(buffer, n > 0 ? std::size_t(n) : 0);
}

}  // namespace

LogFile::LogFile(const char* file_name) : file_name_(file_name ? file_name : "") {}

void LogFile::Write(std::string_view text) {
  FILE* file = std::fopen(file_name_.c_str(), "a");
  if (!file) return;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

LogFile& LogFile::operator<<(const char* text) {
  Write(text ? text : "NULL STRING");
  return *this;
}

LogFile& LogFile::operator<<(char c) {
  Write(std::string_view(&c, 1));
  return *this;
}

LogFile& LogFile::operator<<(int value) {
  Write(Format(value >= 0 && value <= 9 ? "0%d" : "%d", value));
  return *this;
}

LogFile& LogFile::operator<<(unsigned int value) {
  Write(Format(value < 10 ? "0%u" : "%u", value));
  return *this;
}

LogFile& LogFile::operator<<(DWORD value) {
  Write(Format("0%lu", value));
  return *this;
}

LogFile& LogFile::operator<<(float value) {
  Write(Format("%f", double(value)));
  return *this;
}

LogFile& LogFile::operator<<(bool value) {
  Write(value ? "true" : "false");
  return *this;
}

LogFile& LogFile::operator<<(HRESULT hr) {
  Write(DXGetErrorString8(hr));
  return *this;
}

LogFile& LogFile::operator<<(const void* pointer) {
  Write(Format("%" PRIXPTR "d", reinterpret_cast<std::uintptr_t>(pointer)));
  return *this;
}

void ReportDXError(const char* context, HRESULT hr) {
  if (SUCCEEDED(hr)) return;
  DirectX_Errors << "ERROR DirectX : " << context << "\n  ----->" << hr << "\n\n";
}

void ReportDXMessage(const char* text) {
  DirectX_Errors << text << "\n";
}

void OpenTempLog() {
  temp_log = std::fopen("output/temp.txt", "a");
}

void CloseTempLog() {
  if (temp_log) std::fclose(temp_log);
  temp_log = nullptr;
}

void ErrorBanner(const char* text) {
  OpenTempLog();
  if (!temp_log) return;
  std::fputs("***************************  ERROR ***********************************\n", temp_log);
  std::fputs(text ? text : "NULL STRING", temp_log);
  std::fputs("\n", temp_log);
  CloseTempLog();
}
