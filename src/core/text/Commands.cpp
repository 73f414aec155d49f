// The manual formatting commands: lines "^NAME[=ARG]END" inside a plain-text book.
// The book's text is UTF-8; what a command hands on to messages and font names
// is code page 1252, as they are everywhere in the program.
#include <stdexcept>
#include <string>

#include "colors/Colors.h"
#include "encoding/Utf8.h"
#include "errors/Dialogs.h"
#include "text/EnhancedRichEdit.h"
#include "util/Numbers.h"

namespace qv {

namespace {

// How a command computes the value it pushes on one property.
enum class TArg {
  Constant,  // Value
  Int,       // the argument as a number in Min..Max, else Value
  Zoom,      // (argument in Min..Max, else Value) percent of the default font size
  Scaled,    // the default font size x Value / 10, truncated
  Color,     // a colour argument
  Font,      // the argument unchanged
};

struct TPush {
  int Property;
  TArg Kind;
  int32_t Value;
  int32_t Min;
  int32_t Max;
};

constexpr int MaxPushes = 6;

// Sizes computed from the default (Z, PS_T, PS_H, PS_N) stay within what a rich
// edit control can show: repeated ^Z=500* and ^CAD+ would otherwise multiply the
// default without bound and overflow.
constexpr int64_t MinComputedSize = 1;
constexpr int64_t MaxComputedSize = 1638;

int32_t ComputedSize(int64_t points) {
  return int32_t(points < MinComputedSize ? MinComputedSize : points > MaxComputedSize ? MaxComputedSize : points);
}

// Commands ending with '+' (this paragraph) or '*' (until undone).
struct TPushCommand {
  const char* Name;
  int Count;
  TPush Pushes[MaxPushes];
};

const TPushCommand CPushCommands[] = {
    {"U", 1, {{fpUnderline, TArg::Constant, 1, 0, 0}}},
    {"I", 1, {{fpItalic, TArg::Constant, 1, 0, 0}}},
    {"B", 1, {{fpBold, TArg::Constant, 1, 0, 0}}},
    {"F", 1, {{fpFontName, TArg::Font, 0, 0, 0}}},
    {"S", 1, {{fpFontSize, TArg::Int, 16, 8, 50}}},
    {"Z", 1, {{fpFontSize, TArg::Zoom, 100, 10, 500}}},
    {"CS", 1, {{fpCharSpacing, TArg::Int, 0, -10, 500}}},
    {"BC", 1, {{fpBackColor, TArg::Color, 0, 0, 0}}},
    {"FC", 1, {{fpForeColor, TArg::Color, 0, 0, 0}}},
    {"EC", 1, {{fpEmphaColor, TArg::Color, 0, 0, 0}}},
    {"SEC", 1, {{fpSecondEmphaColor, TArg::Color, 0, 0, 0}}},
    {"AL", 1, {{fpAlignment, TArg::Constant, 0, 0, 0}}},
    {"AR", 1, {{fpAlignment, TArg::Constant, 1, 0, 0}}},
    {"AC", 1, {{fpAlignment, TArg::Constant, 2, 0, 0}}},
    {"AJ", 1, {{fpAlignment, TArg::Constant, 3, 0, 0}}},
    {"LPI", 1, {{fpLeftIndent, TArg::Int, 0, 0, 100}}},
    {"RPI", 1, {{fpRightIndent, TArg::Int, 0, 0, 100}}},
    {"FLI", 1, {{fpFirstLineIndent, TArg::Int, 0, 0, 50}}},
    {"LS", 1, {{fpLineSpacing, TArg::Int, 120, 100, 500}}},
    {"PS_T", 6, {{fpUnderline, TArg::Constant, 1, 0, 0}, {fpBold, TArg::Constant, 1, 0, 0},
                 {fpFontSize, TArg::Scaled, 16, 0, 0}, {fpAlignment, TArg::Constant, 2, 0, 0},
                 {fpLeftIndent, TArg::Constant, 0, 0, 0}, {fpFirstLineIndent, TArg::Constant, 0, 0, 0}}},
    {"PS_H", 3, {{fpUnderline, TArg::Constant, 1, 0, 0}, {fpBold, TArg::Constant, 1, 0, 0},
                 {fpFontSize, TArg::Scaled, 12, 0, 0}}},
    {"PS_N", 2, {{fpItalic, TArg::Constant, 1, 0, 0}, {fpFontSize, TArg::Scaled, 8, 0, 0}}},
    {"PCS_HL", 4, {{fpBackColor, TArg::Constant, 0xFFFFFF, 0, 0}, {fpForeColor, TArg::Constant, 0x000000, 0, 0},
                   {fpEmphaColor, TArg::Constant, 0x820000, 0, 0},
                   {fpSecondEmphaColor, TArg::Constant, 0x5A00B4, 0, 0}}},
    {"PCS_LS", 4, {{fpBackColor, TArg::Constant, 0x78784B, 0, 0}, {fpForeColor, TArg::Constant, 0xE6E6E6, 0, 0},
                   {fpEmphaColor, TArg::Constant, 0x64CDFF, 0, 0},
                   {fpSecondEmphaColor, TArg::Constant, 0x0096CD, 0, 0}}},
    {"PCS_LL", 4, {{fpBackColor, TArg::Constant, 0x000000, 0, 0}, {fpForeColor, TArg::Constant, 0x87AAB9, 0, 0},
                   {fpEmphaColor, TArg::Constant, 0x196EB9, 0, 0},
                   {fpSecondEmphaColor, TArg::Constant, 0x0000AA, 0, 0}}},
    {"CAD", 0, {}},
};

// Commands ending with '/' (push the defaults) or '~' (undo).
struct TPropertyCommand {
  const char* Name;
  int Count;
  int Properties[FormatPropertyCount];
};

const TPropertyCommand CPropertyCommands[] = {
    {"ALL", 15, {fpUnderline, fpItalic, fpBold, fpFontName, fpFontSize, fpCharSpacing, fpBackColor,
                 fpForeColor, fpEmphaColor, fpSecondEmphaColor, fpAlignment, fpLeftIndent, fpRightIndent,
                 fpFirstLineIndent, fpLineSpacing}},
    {"U", 1, {fpUnderline}},
    {"I", 1, {fpItalic}},
    {"B", 1, {fpBold}},
    {"F", 1, {fpFontName}},
    {"S", 1, {fpFontSize}},
    {"CS", 1, {fpCharSpacing}},
    {"BC", 1, {fpBackColor}},
    {"FC", 1, {fpForeColor}},
    {"EC", 1, {fpEmphaColor}},
    {"SEC", 1, {fpSecondEmphaColor}},
    {"A", 1, {fpAlignment}},
    {"LPI", 1, {fpLeftIndent}},
    {"RPI", 1, {fpRightIndent}},
    {"FLI", 1, {fpFirstLineIndent}},
    {"LS", 1, {fpLineSpacing}},
    {"PS_T", 6, {fpUnderline, fpBold, fpFontSize, fpAlignment, fpLeftIndent, fpFirstLineIndent}},
    {"PS_H", 3, {fpUnderline, fpBold, fpFontSize}},
    {"PS_N", 2, {fpItalic, fpFontSize}},
    {"PCS", 4, {fpBackColor, fpForeColor, fpEmphaColor, fpSecondEmphaColor}},
};

bool SameName(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    char x = a[i];
    if (x >= 'a' && x <= 'z') x = char(x - 32);
    if (x != b[i]) return false;
  }
  return i == a.size() && b[i] == 0;
}

template <class Row, size_t N>
const Row* FindCommand(const Row (&table)[N], const std::string& name) {
  for (const Row& row : table)
    if (SameName(name, row.Name)) return &row;
  return nullptr;
}

uint32_t ReadColorArgument(const std::string& argument) {
  uint32_t color = 0;
  if (!ParseColorArgument(argument, color))
    throw std::runtime_error("'" + argument + "' is not a valid integer value");
  return color;
}

}  // namespace

void TEnhancedRichEdit::ParseCommandLine(const std::string& line) {
  HasCommands = true;
  CommandArg.clear();
  const size_t equals = line.find('=');
  const size_t p = equals == std::string::npos ? 0 : equals;
  size_t e = std::string::npos;
  for (char end : {'+', '*', '/', '~'}) {
    e = line.find(end);
    if (e != std::string::npos) {
      CommandEnd = end;
      break;
    }
  }
  if (e == std::string::npos) {
    ShowWarningMessage("Missing end character: " + line);
    return;
  }
  // The line begins with the circumflex: the name starts at index 1.
  if (p == 0) {
    CommandName = e > 1 ? line.substr(1, e - 1) : std::string();
  } else {
    CommandName = p > 1 ? line.substr(1, p - 1) : std::string();
    if (e > p) CommandArg = line.substr(p + 1, e - p - 1);
  }
  if (!CommandName.empty()) ExecuteCommand();
}

void TEnhancedRichEdit::ExecuteCommand() {
  if (CommandEnd == '+' || CommandEnd == '*') {
    if (const TPushCommand* command = FindCommand(CPushCommands, CommandName)) {
      if (command->Count == 0) {
        ChangeAllDefaults();
        return;
      }
      const int32_t defaultSize = Format.Default(fpFontSize);
      for (int i = 0; i < command->Count; ++i) {
        const TPush& push = command->Pushes[i];
        switch (push.Kind) {
          case TArg::Constant:
            Format.Push(push.Property, push.Value, CommandEnd);
            break;
          case TArg::Int:
            Format.Push(push.Property, GetIntFromText(CommandArg, push.Min, push.Max, push.Value), CommandEnd);
            break;
          case TArg::Zoom: {
            const int64_t percent = GetIntFromText(CommandArg, push.Min, push.Max, push.Value);
            Format.Push(push.Property, ComputedSize(percent * defaultSize / 100), CommandEnd);
            break;
          }
          case TArg::Scaled:
            Format.Push(push.Property, ComputedSize(int64_t(defaultSize) * push.Value / 10), CommandEnd);
            break;
          case TArg::Color:
            Format.Push(push.Property, int32_t(ReadColorArgument(CommandArg)), CommandEnd);
            break;
          case TArg::Font:
            Format.PushFont(CommandArg, CommandEnd);
            break;
        }
      }
      return;
    }
  }
  if (CommandEnd != '/' && CommandEnd != '~') {
    ShowWarningMessage("Unrecognized command: " + CommandName);
    return;
  }
  const TPropertyCommand* command = FindCommand(CPropertyCommands, CommandName);
  if (!command) {
    ShowWarningMessage("Unrecognized command: " + CommandName);
    return;
  }
  for (int i = 0; i < command->Count; ++i) {
    if (CommandEnd == '~')
      Format.Pop(command->Properties[i]);
    else
      Format.PushDefault(command->Properties[i], '/');
  }
}

void TEnhancedRichEdit::ChangeAllDefaults() {
  Format.MakeCurrentDefault();
  ApplyCharFormat(true, 0);
  ApplyParaFormat(true, 0);
}

}  // namespace qv
