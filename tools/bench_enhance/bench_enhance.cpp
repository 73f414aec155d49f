// Benchmark: reads a plain-text book, decodes it in its encoding, splits it into lines and enhances it into
// the in-memory rich-box with the default profile's options. Prints the phases
// and ends with "MB/s X peak/size Y": X is the book's size in megabytes (10^6
// bytes) over the seconds of the enhancement, Y the process's peak resident
// memory over the book's size.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "book/BookReader.h"
#include "errors/ErrorPlatform.h"
#include "richbox/MemoryRichBox.h"
#include "text/EnhancedRichEdit.h"

namespace {

// Peak resident memory in bytes (VmHWM); 0 where the platform does not tell.
double PeakResidentBytes() {
#if defined(__linux__)
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.compare(0, 6, "VmHWM:") == 0) return std::stod(line.substr(6)) * 1024.0;
  }
#endif
  return 0.0;
}

class TQuietBoxes : public qv::IMessageBoxPlatform {
 public:
  int warnings = 0;
  int ShowBox(const std::string&, const std::string&, uint32_t) override {
    ++warnings;
    return 1;
  }
  void Beep(bool) override {}
};

// The processor time of the process so far, which other programs on the machine affect less than the clock.
double CpuSeconds() {
  return double(std::clock()) / CLOCKS_PER_SEC;
}

double Seconds(std::chrono::steady_clock::time_point from) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace qv;
  if (argc != 2) {
    std::fprintf(stderr, "Usage: bench_enhance BOOK.txt\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::string> lines;
  size_t size = 0;
  TTextEncoding encoding = TTextEncoding::Windows1252;
  double detectSeconds = 0;
  {
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "bench_enhance: cannot read %s\n", argv[1]);
      return 1;
    }
    in.seekg(0, std::ios::end);
    std::string content(size_t(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0, std::ios::beg);
    in.read(&content[0], std::streamsize(content.size()));
    content.resize(size_t(in.gcount()));
    size = content.size();
    // The encoding's detection alone: the mean processor time of runs over at least a fifth of a second.
    const double detectStart = CpuSeconds();
    int runs = 0;
    do {
      encoding = DetectTextEncoding(content);
      ++runs;
    } while (CpuSeconds() - detectStart < 0.2 || runs < 5);
    detectSeconds = (CpuSeconds() - detectStart) / runs;
    lines = BookLines(content, encoding);
  }
  const double readSeconds = Seconds(start);
  if (size == 0) {
    std::fprintf(stderr, "bench_enhance: the book is empty\n");
    return 1;
  }

  const double mb = double(size) / 1e6;
  TQuietBoxes boxes;
  ErrorEnvironment.MessageBoxes = &boxes;
  TMemoryRichBox box;
  TEnhancedRichEdit enhancer(box, true);
  // The default profile: justified, 16 points, navy and cherry emphasis.
  enhancer.SetDefaults(false, false, 120, 5, 0, 3, 0x5A00B4, 0x820000, 0x000000, 0, 16, "Times New Roman",
                       false);
  int progressCalls = 0;
  enhancer.OnProgress = [&progressCalls](int32_t) {
    ++progressCalls;
    return false;
  };
  const auto enhanceStart = std::chrono::steady_clock::now();
  const double cpuStart = CpuSeconds();
  box.SetSelection(0, RichAllLength);
  enhancer.ApplyCharFormat(true, 0);
  enhancer.ApplyParaFormat(true, 0);
  enhancer.EnhanceText(lines, "None", false, true);
  const double enhanceSeconds = Seconds(enhanceStart);
  const double enhanceCpu = CpuSeconds() - cpuStart;

  const double peak = PeakResidentBytes();
  std::printf("book: %zu bytes, %zu lines, %s\n", size, lines.size(), EncodingKey(encoding));
  std::printf("detect processor time: %.5f s\n", detectSeconds);
  std::printf("read, detect (repeated), decode and split: %.3f s\n", readSeconds);
  std::printf("enhanced: %d paragraphs, %d chapters, %d warnings, failure: %s\n",
              box.Document().ParagraphCount() - 1, enhancer.ChapterCount, boxes.warnings,
              enhancer.Failure.Status >= Error ? enhancer.Failure.Description.c_str() : "none");
  std::printf("enhance: %.3f s (%d progress calls), text length %d\n", enhanceSeconds, progressCalls,
              box.GetTextLength());
  std::printf("enhance processor time: %.3f s (%.1f MB/s)\n", enhanceCpu, mb / enhanceCpu);
  std::printf("peak resident: %.1f MB\n", peak / 1e6);
  std::printf("MB/s %.1f peak/size %.2f\n", mb / enhanceSeconds, peak / double(size));
  return enhancer.Failure.Status >= Error ? 1 : 0;
}
