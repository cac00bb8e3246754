// Per-module text logs in output/, the shared error logs and the temp log.
// Every insertion opens its file in append mode, writes and closes it.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "platform/win32.h"

class LogFile {
 public:
  explicit LogFile(const char* file_name);

  LogFile& operator<<(const char* text);  // a null text writes "NULL STRING"
  LogFile& operator<<(char c);
  LogFile& operator<<(int value);           // 0..9 with a leading zero
  LogFile& operator<<(unsigned int value);  // below 10 with a leading zero
  LogFile& operator<<(DWORD value);         // always with a leading zero
  LogFile& operator<<(float value);
  LogFile& operator<<(bool value);
  LogFile& operator<<(HRESULT hr);  // by its symbolic name
  LogFile& operator<<(const void* pointer);

  const std::string& file_name() const { return file_name_; }

  // Appends text to the file; skipped when the file cannot be opened (the
  // output/ directory may be missing).
  void Write(std::string_view text);

 private:
  std::string file_name_;
};

// Logic errors and impossible states, from every module.
extern LogFile Fatal_Errors;
// Failed DirectDraw and DirectInput calls.
extern LogFile DirectX_Errors;

// Writes "ERROR DirectX : ", the context, "\n  ----->", the name of hr and
// "\n\n" to the DirectX log when hr is a failure; nothing on success.
void ReportDXError(const char* context, HRESULT hr);
// Writes the text and "\n" to the DirectX log.
void ReportDXMessage(const char* text);

// output/temp.txt, written with printf-style formatting.
extern FILE* temp_log;
void OpenTempLog();
void CloseTempLog();
// The text under an ERROR banner, into the temp log.
void ErrorBanner(const char* text);
