#include "FuzzInput.h"

#include <cstdlib>

#include "encoding/Utf8.h"
#include "errors/ErrorPlatform.h"

namespace qv::fuzz {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool WellFormed(const std::string& text) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text.data());
  for (size_t i = 0; i < text.size();) {
    char32_t c = 0;
    int subpart = 0;
    const int length = DecodeUtf8Sequence(p + i, text.size() - i, c, subpart);
    if (length == 0) return false;
    i += size_t(length);
  }
  return true;
}

std::vector<std::string> InputLines(const uint8_t* data, size_t size, size_t maxLines) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < size && lines.size() < maxLines; ++i) {
    if (data[i] == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line.push_back(char(data[i]));
    }
  }
  if (!line.empty() && lines.size() < maxLines) lines.push_back(line);
  return lines;
}

namespace {

class TQuietBoxes : public IMessageBoxPlatform {
 public:
  int ShowBox(const std::string&, const std::string&, uint32_t) override { return 1; }
  void Beep(bool) override {}
};

class TQuietDialog : public IErrorDialog {
 public:
  int32_t RecursionCount() const override { return 0; }
  bool Dialog(const std::string&, const std::string&, bool* noMore, const std::string&) override {
    if (noMore) *noMore = false;
    return true;
  }
};

}  // namespace

void InstallQuietEnvironment() {
  static TQuietBoxes boxes;
  static TQuietDialog dialog;
  ErrorEnvironment.MessageBoxes = &boxes;
  ErrorEnvironment.ErrorForm = &dialog;
}

}  // namespace qv::fuzz
