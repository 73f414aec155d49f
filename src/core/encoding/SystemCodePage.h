// The system's ANSI code page, asked through an interface the core owns: a
// book whose bytes tell nothing better, and a stored file without a
// byte-order mark (as every file of earlier versions is), are read in it.
// The Win32 side installs one that asks the system; until one is installed
// the code page is 1252, the Western systems' page.
#pragma once
#include <cstdint>

namespace qv {

class ISystemCodePage {
 public:
  virtual ~ISystemCodePage() = default;
  // The number of the system's ANSI code page (1252, 1251, 932 ...).
  virtual uint32_t AnsiCodePage() = 0;
};

ISystemCodePage& SystemCodePage();
// Null puts the default (1252) back.
void SetSystemCodePage(ISystemCodePage* codePage);

// For tests: a fixed code page, installed for the object's life.
class TFixedSystemCodePage : public ISystemCodePage {
 public:
  explicit TFixedSystemCodePage(uint32_t number) : number_(number) { SetSystemCodePage(this); }
  ~TFixedSystemCodePage() override { SetSystemCodePage(nullptr); }
  uint32_t AnsiCodePage() override { return number_; }

 private:
  uint32_t number_;
};

}  // namespace qv
