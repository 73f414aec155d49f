// Command-line options of qvtext; each defaults to the default profile's value.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "encoding/TextEncoding.h"

namespace qv {

struct TToolOptions {
  std::string Command;    // "enhance" or "convert"
  std::string BookPath;
  std::string OutputPath; // convert only
  std::string Prefix = "None";
  bool PoorlyWritten = true;
  bool IgnoreEmptyLines = false;
  std::string Font = "Times New Roman";
  int32_t Size = 16;
  bool Bold = false;
  bool Justified = true;
  int32_t CharSpacing = 0;
  int32_t LineSpacing = 120;
  int32_t SpaceAfter = 5;
  int32_t FirstLineIndent = 0;
  uint32_t Fore = 0x000000;
  uint32_t Empha = 0x820000;
  uint32_t SecondEmpha = 0x5A00B4;
  bool RichEdit3 = true;
  bool EncodingForced = false;  // --encoding: the book is read in Encoding, not detected
  TTextEncoding Encoding = TTextEncoding::Utf8;
  bool Help = false;
};

// Parses argv[1..]; on false, error holds what was wrong.
bool ParseToolOptions(const std::vector<std::string>& args, TToolOptions& options, std::string& error);

std::string ToolUsage();

}  // namespace qv
