// The real platform behind the core's interfaces: error texts, time, message
// boxes, the clock, and the program's own folder.
#pragma once
#include <windows.h>

#include <string>

#include "encoding/SystemCodePage.h"
#include "errors/ErrorPlatform.h"
#include "util/Clock.h"

namespace qv::win {

class TWin32ErrorPlatform : public IErrorPlatform {
 public:
  std::string SystemErrorText(uint32_t code) override;
  std::string LocalTimeText() override;
  std::string ProgramPath() override;
  uint32_t LastError() override { return GetLastError(); }
};

class TWin32MessageBoxes : public IMessageBoxPlatform {
 public:
  int ShowBox(const std::string& caption, const std::string& text, uint32_t style) override;
  void Beep(bool exclamation) override;
};

class TWin32Clock : public IClock {
 public:
  uint32_t TickCount() override { return GetTickCount(); }
};

class TWin32CodePage : public ISystemCodePage {
 public:
  uint32_t AnsiCodePage() override { return GetACP(); }
};

// Installs the real implementations into the core (error platform, message
// boxes, clock, the system's code page). Message boxes are left alone when a test already installed some.
void InstallWin32Platform();

// A text of the user's locale (LOCALE_STHOUSAND, LOCALE_SDECIMAL…), or
// fallback when the system gives none.
std::string UserLocaleText(LCTYPE item, const std::string& fallback);

// Full path of the running executable, and its folder with a trailing back-slash.
std::string ProgramFileName();
std::string ProgramDirectory();

// The time text of error reports for a given local time.
std::string FormatReportTime(const SYSTEMTIME& t);

}  // namespace qv::win
