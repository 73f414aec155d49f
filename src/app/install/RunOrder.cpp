// rand_s: the system's cryptographic random numbers.
#define _CRT_RAND_S
#include <stdlib.h>

#include "app/install/RunOrder.h"

#include <windows.h>

#include <cstdio>

#include "paths/PathStrings.h"
#include "platform/ScopedHandle.h"
#include "platform/WideText.h"
#include "text/TextLines.h"

namespace qv::app {

using win::FromWide;
using win::TScopedHandle;
using win::ToWide;

namespace {

const char* const kSection = "Quenvalis run order";
const char* const kPrefix = "Quenvalis-";
const char* const kExtension = ".run";
constexpr size_t kIdLength = 32;

std::string NewId() {
  std::string id;
  for (int i = 0; i < 4; ++i) {
    unsigned int value = 0;
    if (rand_s(&value) != 0) return "";
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", value);
    id += hex;
  }
  return id;
}

std::string TempFolder() {
  wchar_t buffer[MAX_PATH + 1] = L"";
  const DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
  return n == 0 || n > MAX_PATH ? "" : IncludeTrailingBackslash(FromWide(buffer, n));
}

// The id of an order file's name, "" when the name is not one.
std::string IdOfOrderFile(const std::string& path) {
  const std::string name = GetNameOfPath(path);
  const size_t prefix = std::string(kPrefix).size();
  if (name.size() != prefix + kIdLength + std::string(kExtension).size() || name.compare(0, prefix, kPrefix) != 0 ||
      name.compare(prefix + kIdLength, std::string::npos, kExtension) != 0)
    return "";
  const std::string id = name.substr(prefix, kIdLength);
  return id.find_first_not_of("0123456789abcdef") == std::string::npos ? id : "";
}

bool WriteNew(const std::string& path, const std::string& text) {
  TScopedHandle file{CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr)};
  DWORD written = 0;
  return file.H != INVALID_HANDLE_VALUE &&
         WriteFile(file.H, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
}

bool ReadSmall(const std::string& path, std::string& text) {
  TScopedHandle file{CreateFileW(ToWide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.H == INVALID_HANDLE_VALUE) return false;
  char buffer[65536];
  DWORD got = 0;
  if (!ReadFile(file.H, buffer, sizeof buffer, &got, nullptr)) return false;
  text.assign(buffer, got);
  return true;
}

}  // namespace

std::string TRunOrder::Get(const std::string& key) const {
  const std::string* value = image_.Find(kSection, key);
  return value ? *value : "";
}

void TRunOrder::Set(const std::string& key, const std::string& value) { image_.Set(kSection, key, value); }

std::string TRunOrder::Write() const {
  const std::string folder = TempFolder(), id = NewId();
  if (folder.empty() || id.empty()) return "";
  TIniImage image = image_;
  image.Set(kSection, "Id", id);
  const std::string path = folder + kPrefix + id + kExtension;
  return WriteNew(path, image.Text()) ? path : "";
}

bool TRunOrder::Take(const std::string& path) {
  const std::string id = IdOfOrderFile(path);
  std::string text;
  if (id.empty() || !ReadSmall(path, text)) return false;
  TIniImage image;
  image.Parse(text);
  const std::string* written = image.Find(kSection, "Id");
  // Served once: an order that cannot be deleted is not followed.
  if (!written || *written != id || !DeleteFileW(ToWide(path).c_str())) return false;
  image_ = image;
  return true;
}

std::string RunResultFile(const std::string& orderPath) { return ChangeFileExt(orderPath, ".left"); }

bool WriteRunResult(const std::string& orderPath, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  DeleteFileW(ToWide(RunResultFile(orderPath)).c_str());
  return WriteNew(RunResultFile(orderPath), text);
}

std::vector<std::string> TakeRunResult(const std::string& orderPath) {
  std::string text;
  const std::string path = RunResultFile(orderPath);
  if (!ReadSmall(path, text)) return {};
  DeleteFileW(ToWide(path).c_str());
  return SplitLines(text);
}

std::string RunProblem(unsigned long exitCode) {
  switch (exitCode) {
    case RunDone:
    case RunFailed:
      return "";
    case RunRefused:
      return "The program run with administrator rights found no instructions from this window and did nothing.";
    case 0:
      return "The program run with administrator rights ended at once without doing anything: another copy of "
             "Quenvalis is probably running. Close every copy of Quenvalis and try again.";
  }
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", exitCode);
  return std::string("The program run with administrator rights ended unexpectedly (exit code ") + code +
         "); what it did is unknown.";
}

}  // namespace qv::app
