// Shared set-up for the enhancer tests: an in-memory box, an enhancer bound to
// it, and recorded message boxes.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "errors/ErrorFakes.h"
#include "richbox/MemoryRichBox.h"
#include "text/EnhancedRichEdit.h"

namespace qv {

class TextFixture : public ::testing::Test {
 protected:
  testing::ScopedErrorEnvironment env;
  TMemoryRichBox box;
  TEnhancedRichEdit enhancer{box, true};

  // Enhances lines with the default profile format applied first, as book loading does.
  void RunEnhance(const std::vector<std::string>& lines, const std::string& prefix = "None",
               bool ignoreEmpty = false, bool poorly = false) {
    enhancer.ApplyCharFormat(true, 0);
    enhancer.ApplyParaFormat(true, 0);
    enhancer.EnhanceText(lines, prefix, ignoreEmpty, poorly);
  }
  std::vector<std::string> Paragraphs() const {
    std::vector<std::string> result;
    const TRichDocument& doc = box.Document();
    for (int32_t p = 0; p + 1 < doc.ParagraphCount(); ++p) result.emplace_back(doc.ParagraphText(p));
    return result;
  }
  const TCharFormat& CharAt(int32_t paragraph, int32_t offset = 0) const {
    const TRichDocument& doc = box.Document();
    return doc.FormatAt(doc.ParagraphStart(paragraph) + offset);
  }
  const TParaFormat& ParaOf(int32_t paragraph) const { return box.Document().ParaFormat(paragraph); }
  std::vector<std::string> Warnings() const {
    std::vector<std::string> texts;
    for (const auto& shown : env.boxes.shown)
      if (shown.caption == "Warning") texts.push_back(shown.text);
    return texts;
  }
};

}  // namespace qv
