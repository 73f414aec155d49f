#include "platform/Win32Platform.h"

#include "widgets/Application.h"

namespace qv::win {

std::string TWin32ErrorPlatform::SystemErrorText(uint32_t code) {
  char buf[1024] = "";
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, code, 0, buf, sizeof buf, nullptr);
  std::string s(buf, n);
  while (!s.empty() && (s.back() == '\r' || s.back() == '\n' || s.back() == ' ')) s.pop_back();
  return s;
}

namespace {
int DayOfYear(const SYSTEMTIME& t) {
  static const int before[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const bool leap = (t.wYear % 4 == 0 && t.wYear % 100 != 0) || t.wYear % 400 == 0;
  return before[t.wMonth - 1] + t.wDay + (leap && t.wMonth > 2 ? 1 : 0);
}
}  // namespace

std::string FormatReportTime(const SYSTEMTIME& t) {
  char date[128] = "", time[128] = "";
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &t, nullptr, date, sizeof date);
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &t, nullptr, time, sizeof time);
  const int seconds = t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
  return std::string(date) + " (" + std::to_string(DayOfYear(t)) + ") | " + time + " (" +
         std::to_string(seconds / 100) + ")";
}

std::string TWin32ErrorPlatform::LocalTimeText() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return FormatReportTime(t);
}

std::string TWin32ErrorPlatform::ProgramPath() { return ProgramFileName(); }

int TWin32MessageBoxes::ShowBox(const std::string& caption, const std::string& text,
                                   uint32_t style) {
  return MessageBoxA(Application().MainWindow(), text.c_str(), caption.c_str(), style | MB_TASKMODAL);
}

void TWin32MessageBoxes::Beep(bool exclamation) {
  MessageBeep(exclamation ? MB_ICONEXCLAMATION : MB_OK);
}

void InstallWin32Platform() {
  static TWin32ErrorPlatform platform;
  static TWin32MessageBoxes boxes;
  static TWin32Clock clock;
  ErrorEnvironment.Platform = &platform;
  if (!ErrorEnvironment.MessageBoxes) ErrorEnvironment.MessageBoxes = &boxes;
  SetSystemClock(&clock);
}

std::string ProgramFileName() {
  char buf[MAX_PATH * 2] = "";
  const DWORD n = GetModuleFileNameA(nullptr, buf, sizeof buf);
  return std::string(buf, n);
}

std::string UserLocaleText(LCTYPE item, const std::string& fallback) {
  char text[16] = "";
  return GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text, sizeof text) > 0 ? std::string(text) : fallback;
}

std::string ProgramDirectory() {
  const std::string exe = ProgramFileName();
  const size_t cut = exe.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : exe.substr(0, cut + 1);
}

}  // namespace qv::win
