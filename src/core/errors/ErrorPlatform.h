// What the error framework needs from the platform. The Win32 side installs
// real implementations at start-up; tests install their own.
#pragma once
#include <cstdint>
#include <string>

namespace qv {

class IErrorPlatform {
 public:
  virtual ~IErrorPlatform() = default;
  // The operating system's message text for an error code, without trailing line breaks.
  virtual std::string SystemErrorText(uint32_t code) = 0;
  // The report's time text: long date, "(day of year) | ", long time, "(100-second intervals)".
  virtual std::string LocalTimeText() = 0;
  // Full path of the running executable.
  virtual std::string ProgramPath() = 0;
  // The last-error value of the calling thread.
  virtual uint32_t LastError() = 0;
};

// The error dialog, as the context sees it.
class IErrorDialog {
 public:
  virtual ~IErrorDialog() = default;
  virtual int32_t RecursionCount() const = 0;
  virtual bool Dialog(const std::string& caption, const std::string& userText, bool* noMoreErrors,
                      const std::string& report) = 0;
};

// The plain platform message box; answers as the platform does (0 when it could not be shown).
class IMessageBoxPlatform {
 public:
  virtual ~IMessageBoxPlatform() = default;
  enum Style : uint32_t { Ok = 0x0, OkCancel = 0x1, YesNo = 0x4, IconStop = 0x10, IconQuestion = 0x20,
                          IconExclamation = 0x30, IconInformation = 0x40 };
  virtual int ShowBox(const std::string& caption, const std::string& text, uint32_t style) = 0;
  virtual void Beep(bool exclamation) = 0;
};

struct TErrorEnvironment {
  IErrorPlatform* Platform = nullptr;
  IErrorDialog* ErrorForm = nullptr;         // none until the error dialog is created
  IMessageBoxPlatform* MessageBoxes = nullptr;
};

// Installed once by the entry point (or a test); all pointers may stay null.
extern TErrorEnvironment ErrorEnvironment;

}  // namespace qv
