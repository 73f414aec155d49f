// What the benchmarks that open books in the main window share: the window
// itself, a stopwatch, the floors (a stream into a bare control) and the
// rich text a load builds.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "app/QuenvalisForm.h"
#include "forms/ErrorForm.h"

namespace qv::bench {

class TStopwatch {
 public:
  TStopwatch() { QueryPerformanceCounter(&start_); }
  double Seconds() const;

 private:
  LARGE_INTEGER start_;
};

// The main window as the program shows it, every question answered Yes,
// each book opened whole.
struct TBenchWindow {
  TBenchWindow();
  ~TBenchWindow();
  std::unique_ptr<app::TQuenvalisForm> form;
  std::unique_ptr<win::TErrorForm> error;
};

// Runs the pending messages a few times.
void Drain();
// Runs the message loop until the later parts of a long book are all in the rich-box.
void RunUntilWhole(app::TQuenvalisForm& form);
// Writes bytes to a file (a UTF-8 path), replacing it.
void WriteWholeFile(const std::string& path, const std::string& bytes);
// Writes bytes to a file beside the benchmark; answers its path.
std::string WriteBenchFile(const std::string& name, const std::string& bytes);
std::string ReadBenchFile(const std::string& path);  // empty when it cannot be read

// A bare control of the rich-box's class, size and place, hidden until its
// text is in, as the load keeps the rich-box.
HWND FreshControl(app::TQuenvalisForm& form);
// Seconds to stream bytes into the control and show (paint) it; the control goes.
double StreamSeconds(HWND control, const std::string& bytes, WPARAM format);
// The rich text a load gives the control for a plain book of these bytes:
// the lines enhanced into memory with the profile's options and formats.
// Seconds spent enhancing and writing go to enhance and write when given.
std::string EnhancedRichText(app::TQuenvalisForm& form, const std::string& bytes, double* enhance = nullptr,
                             double* write = nullptr);

}  // namespace qv::bench
