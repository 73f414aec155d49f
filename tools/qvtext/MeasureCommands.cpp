#include "MeasureCommands.h"

#include <sstream>

#include "converter/ConvertMeasure.h"
#include "richbox/MemoryRichBox.h"
#include "util/Numbers.h"

namespace qv {
namespace {

const TNumberSeparators kSeparators{",", "."};

const char* const kUsage =
    "usage: qvtext measure VALUE [--from UNIT --to UNIT]\n"
    "       qvtext number-at TEXT POSITION\n";

int Usage(std::ostream& err, const std::string& problem) {
  err << "qvtext: " << problem << "\n" << kUsage;
  return 2;
}

// Takes "--name value" or "--name=value" at args[i]; false when args[i] is not that option.
bool TakeOption(const std::vector<std::string>& args, size_t& i, const std::string& name,
                std::string& value, bool& missing) {
  const std::string& a = args[i];
  if (a.compare(0, name.size() + 1, name + "=") == 0) {
    value = a.substr(name.size() + 1);
    return true;
  }
  if (a != name) return false;
  missing = i + 1 >= args.size();
  if (!missing) value = args[++i];
  return true;
}

int Measure(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) return Usage(err, "measure needs a value");
  std::string from, to;
  bool hasFrom = false, hasTo = false;
  for (size_t i = 2; i < args.size(); ++i) {
    bool missing = false;
    if (TakeOption(args, i, "--from", from, missing)) {
      hasFrom = true;
    } else if (TakeOption(args, i, "--to", to, missing)) {
      hasTo = true;
    } else {
      return Usage(err, "unknown argument \"" + args[i] + "\"");
    }
    if (missing) return Usage(err, args[i] + " needs a unit");
  }
  if (hasFrom != hasTo) return Usage(err, "--from and --to go together");
  long double value = 0;
  if (!ReadConvertMeasureValue(args[1], kSeparators, value))
    return Usage(err, "\"" + args[1] + "\" is not a number");
  if (!hasFrom) {
    out << ShortConvertMeasure(value, kSeparators) << "\n";
    for (const std::string& line : MiscConvertMeasure(value, kSeparators)) out << line << "\n";
    return 0;
  }
  TMeasureList fromList = TMeasureList::Length, toList = TMeasureList::Length;
  for (const std::string* unit : {&from, &to}) {
    if (!FindMeasureList(*unit, unit == &from ? fromList : toList)) {
      err << "qvtext: unknown unit \"" << *unit << "\"\n";
      return 2;
    }
  }
  if (fromList != toList) {
    err << "qvtext: \"" << from << "\" is a unit of " << MeasureListCaption(fromList) << ", \"" << to
        << "\" of " << MeasureListCaption(toList) << "\n";
    return 2;
  }
  out << FullConvertMeasure(fromList, from, to, value, kSeparators) << "\n";
  return 0;
}

int NumberAt(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 3) return Usage(err, "number-at needs a text and a position");
  const int32_t position = GetIntFromText(args[2], 0, 2147483647, -1);
  if (position < 0) return Usage(err, "the position must be a whole number from 0");
  TMemoryRichBox box;
  std::istringstream text(args[1]);
  box.LoadPlainText(text);
  const std::string token = GetNumberAt(box, position, kSeparators);
  if (token.empty()) return 1;
  out << token << "\n";
  return 0;
}

}  // namespace

bool IsMeasureCommand(const std::string& command) {
  return command == "measure" || command == "number-at";
}

int RunMeasureCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return args[0] == "measure" ? Measure(args, out, err) : NumberAt(args, out, err);
}

}  // namespace qv
