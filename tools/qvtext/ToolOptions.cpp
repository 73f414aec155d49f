#include "ToolOptions.h"

#include "colors/Colors.h"
#include "encoding/Utf8.h"
#include "options/OptionSchema.h"

namespace qv {

namespace {

bool ParseOnOff(const std::string& text, bool& value) {
  if (text == "on") value = true;
  else if (text == "off") value = false;
  else return false;
  return true;
}

bool ParseInt(const std::string& text, int32_t min, int32_t max, int32_t& value) {
  if (text.empty() || text.size() > 11) return false;
  size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
  if (i == text.size()) return false;
  long long result = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    result = result * 10 + (text[i] - '0');
  }
  if (text[0] == '-') result = -result;
  if (result < min || result > max) return false;
  value = int32_t(result);
  return true;
}

// The prefix items, the profile's ("\xC2\xB7 " is the middle dot in UTF-8).
bool ParsePrefix(const std::string& text, std::string& prefix) {
  const std::vector<std::string>& items = OptionOf("ParagraphPrefix").Items;
  const std::string& value = text;
  for (const std::string& item : items) {
    if (value == item) {
      prefix = value;
      return true;
    }
  }
  return false;
}

}  // namespace

std::string ToolUsage() {
  return "Usage: qvtext enhance BOOK.txt [options]     print the enhanced document as JSON\n"
         "       qvtext convert BOOK.txt OUT.rtf [options]  write it as rich text\n"
         "Options (defaults of the default profile):\n"
         "  --prefix None|Tab|Blanks|\"- \"|\"* \"|\"\xC2\xB7 \"   paragraph prefix (None)\n"
         "  --poorly-written on|off        text is poorly written (on)\n"
         "  --ignore-empty-lines on|off    ignore first empty line after paragraphs (off)\n"
         "  --font NAME                    font name, at most 31 characters (Times New Roman)\n"
         "  --size 8..50                   font size in points (16)\n"
         "  --bold on|off                  bold font (off)\n"
         "  --justified on|off             justified text (on)\n"
         "  --char-spacing -10..500        character spacing in tenths of a millimetre (0)\n"
         "  --line-spacing 100..500        line spacing in percent (120)\n"
         "  --space-after 0..30            space after paragraphs in millimetres (5)\n"
         "  --first-line-indent 0..50      first-line indent in millimetres (0)\n"
         "  --fore COLOUR                  text colour (0)\n"
         "  --empha COLOUR                 emphasis colour (Navy 8519680)\n"
         "  --second-empha COLOUR          second emphasis colour (Cherry 5898420)\n"
         "  --richedit3 on|off             use the extended format records (on)\n"
         "  --encoding NAME                read the book in this encoding instead of detecting it:\n"
         "                                 utf-8, utf-8-bom, utf-16le, utf-16be, windows-1250 to\n"
         "                                 windows-1254, windows-1257, koi8-r, koi8-u, ibm866,\n"
         "                                 iso-8859-2 to -5, -7, -10, -13, -15, -16\n"
         "COLOUR: a stock colour name, clRed and the other toolkit names, a decimal\n"
         "number or $ followed by hexadecimal digits (0x00BBGGRR).\n"
         "Options take their value as the next argument or after '='.\n"
         "Exit codes: 0 done, 1 unreadable book or unwritable output, 2 bad options,\n"
         "3 (convert) the enhancement ended with a failure.\n";
}

bool ParseToolOptions(const std::vector<std::string>& args, TToolOptions& o, std::string& error) {
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      o.Help = true;
      return true;
    }
    if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
      positional.push_back(arg);
      continue;
    }
    std::string name = arg.substr(2), value;
    const size_t equals = name.find('=');
    if (equals != std::string::npos) {
      value = name.substr(equals + 1);
      name = name.substr(0, equals);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      error = "option --" + name + " needs a value";
      return false;
    }
    bool ok;
    if (name == "prefix") ok = ParsePrefix(value, o.Prefix);
    else if (name == "poorly-written") ok = ParseOnOff(value, o.PoorlyWritten);
    else if (name == "ignore-empty-lines") ok = ParseOnOff(value, o.IgnoreEmptyLines);
    else if (name == "font") {
      ok = !value.empty() && Utf16Length(value) <= 31;
      if (ok) o.Font = value;
    } else if (name == "size") ok = ParseInt(value, 8, 50, o.Size);
    else if (name == "bold") ok = ParseOnOff(value, o.Bold);
    else if (name == "justified") ok = ParseOnOff(value, o.Justified);
    else if (name == "char-spacing") ok = ParseInt(value, -10, 500, o.CharSpacing);
    else if (name == "line-spacing") ok = ParseInt(value, 100, 500, o.LineSpacing);
    else if (name == "space-after") ok = ParseInt(value, 0, 30, o.SpaceAfter);
    else if (name == "first-line-indent") ok = ParseInt(value, 0, 50, o.FirstLineIndent);
    else if (name == "fore") ok = ParseColorArgument(value, o.Fore);
    else if (name == "empha") ok = ParseColorArgument(value, o.Empha);
    else if (name == "second-empha") ok = ParseColorArgument(value, o.SecondEmpha);
    else if (name == "richedit3") ok = ParseOnOff(value, o.RichEdit3);
    else if (name == "encoding") ok = o.EncodingForced = EncodingOfKey(value, o.Encoding);
    else {
      error = "unknown option --" + name;
      return false;
    }
    if (!ok) {
      error = "bad value for --" + name + ": \"" + value + "\"";
      return false;
    }
  }
  if (positional.empty()) {
    error = "no command given";
    return false;
  }
  o.Command = positional[0];
  const size_t wanted = o.Command == "enhance" ? 2 : o.Command == "convert" ? 3 : 0;
  if (wanted == 0) {
    error = "unknown command \"" + o.Command + "\"";
    return false;
  }
  if (positional.size() != wanted) {
    error = o.Command == "enhance" ? "enhance takes one book" : "convert takes a book and an output file";
    return false;
  }
  o.BookPath = positional[1];
  if (wanted == 3) o.OutputPath = positional[2];
  return true;
}

}  // namespace qv
