#include "platform/Win32Platform.h"

#include "platform/WideText.h"
#include "widgets/Application.h"

namespace qv::win {

std::string TWin32ErrorPlatform::SystemErrorText(uint32_t code) {
  wchar_t buf[1024] = L"";
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, code, 0, buf, 1024, nullptr);
  std::string s = FromWide(buf, n);
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
  wchar_t date[128] = L"", time[128] = L"";
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, &t, nullptr, date, 128);
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &t, nullptr, time, 128);
  const int seconds = t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
  return FromWide(date) + " (" + std::to_string(DayOfYear(t)) + ") | " + FromWide(time) + " (" +
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
  return MessageBoxW(Application().MainWindow(), ToWide(text).c_str(), ToWide(caption).c_str(), style | MB_TASKMODAL);
}

void TWin32MessageBoxes::Beep(bool exclamation) {
  MessageBeep(exclamation ? MB_ICONEXCLAMATION : MB_OK);
}

void InstallWin32Platform() {
  static TWin32ErrorPlatform platform;
  static TWin32MessageBoxes boxes;
  static TWin32Clock clock;
  static TWin32CodePage codePage;
  ErrorEnvironment.Platform = &platform;
  SetSystemCodePage(&codePage);
  if (!ErrorEnvironment.MessageBoxes) ErrorEnvironment.MessageBoxes = &boxes;
  SetSystemClock(&clock);
}

std::string ProgramFileName() {
  wchar_t buf[MAX_PATH * 4] = L"";
  const DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH * 4);
  return FromWide(buf, n);
}

std::string UserLocaleText(LCTYPE item, const std::string& fallback) {
  wchar_t text[16] = L"";
  return GetLocaleInfoW(LOCALE_USER_DEFAULT, item, text, 16) > 0 ? FromWide(text) : fallback;
}

std::string ProgramDirectory() {
  const std::string exe = ProgramFileName();
  const size_t cut = exe.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : exe.substr(0, cut + 1);
}

}  // namespace qv::win
