// qvtext: runs the text enhancer over a plain-text book without the window.
//   qvtext enhance BOOK.txt [options]          prints the enhanced document as JSON
//   qvtext convert BOOK.txt OUT.rtf [options]  writes it as rich text
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "DocumentJson.h"
#include "MeasureCommands.h"
#include "ToolOptions.h"
#include "book/BookReader.h"
#include "errors/ErrorPlatform.h"
#include "richbox/MemoryRichBox.h"
#include "richbox/Rtf.h"
#include "text/EnhancedRichEdit.h"

namespace {

// Message boxes become recorded texts: warnings go into the output.
class TRecordedBoxes : public qv::IMessageBoxPlatform {
 public:
  std::vector<std::string> Warnings;
  int ShowBox(const std::string& caption, const std::string& text, uint32_t) override {
    if (caption == "Warning") Warnings.push_back(text);
    return 1;
  }
  void Beep(bool) override {}
};

// Failures are reported in the output, not in a dialog.
class TQuietErrorDialog : public qv::IErrorDialog {
 public:
  int32_t RecursionCount() const override { return 0; }
  bool Dialog(const std::string&, const std::string&, bool* noMoreErrors, const std::string&) override {
    if (noMoreErrors) *noMoreErrors = false;
    return true;
  }
};

bool ReadFile(const std::string& path, std::string& content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace qv;
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && IsMeasureCommand(args[0])) return RunMeasureCommand(args, std::cout, std::cerr);
  TToolOptions options;
  std::string error;
  if (!ParseToolOptions(args, options, error)) {
    std::cerr << "qvtext: " << error << "\n" << ToolUsage();
    return 2;
  }
  if (options.Help) {
    std::cout << ToolUsage();
    return 0;
  }
  std::string content;
  if (!ReadFile(options.BookPath, content)) {
    std::cerr << "qvtext: cannot read the book \"" << options.BookPath << "\"\n";
    return 1;
  }
  const TTextEncoding encoding = options.EncodingForced ? options.Encoding : DetectTextEncoding(content);
  std::vector<std::string> lines = BookLines(content, encoding);
  std::string().swap(content);

  TRecordedBoxes boxes;
  TQuietErrorDialog dialog;
  ErrorEnvironment.MessageBoxes = &boxes;
  ErrorEnvironment.ErrorForm = &dialog;

  TMemoryRichBox box;
  TEnhancedRichEdit enhancer(box, options.RichEdit3);
  enhancer.SetDefaults(false, false, options.LineSpacing, options.SpaceAfter, options.FirstLineIndent,
                       options.Justified ? 3 : 0, options.SecondEmpha, options.Empha, options.Fore,
                       options.CharSpacing, options.Size, options.Font, options.Bold);
  box.SetSelection(0, RichAllLength);
  enhancer.ApplyCharFormat(true, 0);
  enhancer.ApplyParaFormat(true, 0);
  enhancer.EnhanceText(lines, options.Prefix, options.IgnoreEmptyLines, options.PoorlyWritten);

  if (options.Command == "enhance") {
    std::cout << DocumentJson(enhancer, box.Document(), boxes.Warnings, encoding);
    std::cout.flush();
    return std::cout ? 0 : 1;
  }
  std::ofstream out(options.OutputPath, std::ios::binary);
  if (out) WriteRtf(box.Document(), out);
  out.close();
  if (!out) {
    std::cerr << "qvtext: cannot write \"" << options.OutputPath << "\"\n";
    return 1;
  }
  for (const std::string& warning : boxes.Warnings) std::cerr << "qvtext: warning: " << warning << "\n";
  if (enhancer.Failure.Status >= Error) {
    std::cerr << "qvtext: the enhancement ended early: " << enhancer.Failure.Description << "\n";
    return 3;
  }
  return 0;
}
