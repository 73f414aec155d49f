#include "errors/FunStatContext.h"

#include <cstdio>

#include "errors/ErrorPlatform.h"

namespace qv {

TFunStatContext FunStatContext;
TErrorEnvironment ErrorEnvironment;

void TFunStatContext::Reset(int32_t status) {
  Status = status;
  File.clear();
  Function.clear();
  Description.clear();
  Parameter1.clear();
  Parameter2.clear();
  Line = 0;
  SystemErrorCode = 0;
}

void TFunStatContext::BeginFunction(const std::string& file, const std::string& function,
                                    int32_t line) {
  Status = BeginFunctionError;
  File = file;
  Function = function;
  Line = line;
  Description.clear();
  Parameter1.clear();
  Parameter2.clear();
  SystemErrorCode = 0;
}

void TFunStatContext::Raise(const std::string& file, const std::string& function,
                            uint32_t systemErrorCode, const std::string& description,
                            const std::string& parameter1, const std::string& parameter2,
                            int32_t status, int32_t line) {
  File = file;
  Function = function;
  SystemErrorCode = systemErrorCode;
  Description = description;
  Parameter1 = parameter1;
  Parameter2 = parameter2;
  Status = status;
  Line = line;
}

void TFunStatContext::SetShowContext(const std::string& file, const std::string& function,
                                     int32_t line) {
  ShowFile = file;
  ShowFunction = function;
  ShowLine = line;
}

void TFunStatContext::Assign(const TFunStatContext& other) {
  if (this == &other) return;
  const std::string showFile = ShowFile, showFunction = ShowFunction;
  const int32_t showLine = ShowLine;
  *this = other;
  ShowFile = showFile;
  ShowFunction = showFunction;
  ShowLine = showLine;
}

std::string TFunStatContext::StatusText(int32_t status) {
  switch (status) {
    case Perfect: return "Perfect";
    case Warning: return "Warning";
    case Error: return "Error";
    case BeginFunctionError: return "Begin function error";
    case Panic: return "Panic";
    case Catastrophe: return "Catastrophe";
    default: return "Unknown function status";
  }
}

std::string FileNamePart(const std::string& path) {
  const size_t cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

namespace {

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// Shortest general decimal form that reads back to the same double.
std::string ShortestReal(double value) {
  char buf[40];
  for (int precision = 1; precision <= 17; ++precision) {
    std::snprintf(buf, sizeof buf, "%.*g", precision, value);
    if (std::strtod(buf, nullptr) == value) break;
  }
  return buf;
}

// The system's text for an error code leaves its inserts unfilled ("Bad EXE
// format for %1."): the first is the file the failed call was about, which the
// first parameter names. Without one the text stays as the system gives it.
std::string FillFirstInsert(const std::string& text, const std::string& parameter1) {
  if (parameter1.empty()) return text;
  std::string filled;
  for (size_t i = 0; i < text.size();) {
    const bool insert = text.compare(i, 2, "%1") == 0 &&
                        !(i + 2 < text.size() && text[i + 2] >= '0' && text[i + 2] <= '9');
    if (insert) {
      filled += parameter1;
      i += 2;
    } else {
      filled += text[i++];
    }
  }
  return filled;
}

}  // namespace

std::string TFunStatContext::Report() const {
  IErrorPlatform* platform = ErrorEnvironment.Platform;
  const std::string crlf = "\r\n";
  std::string r;
  r += crlf + "RAISE CONTEXT";
  r += crlf + "* Status: " + StatusText(Status);
  if (Status == Catastrophe)
    r += ": CATASTROPHIC FAILURE!!! It is highly recommended to terminate the program immediately!";
  r += crlf + "* File: " + Quoted(FileNamePart(File));
  r += crlf + "* Function: " + Quoted(Function);
  r += crlf + "* Line: " + std::to_string(Line);
  r += crlf + "* Description: " + Quoted(Description);
  if (!Parameter1.empty()) r += crlf + "* Parameter 1: " + Quoted(Parameter1);
  if (!Parameter2.empty()) r += crlf + "* Parameter 2: " + Quoted(Parameter2);
  if (SystemErrorCode != 0) {
    r += crlf + "* System error code: " + std::to_string(SystemErrorCode);
    r += crlf + "* System error description: " +
         Quoted(platform ? FillFirstInsert(platform->SystemErrorText(SystemErrorCode), Parameter1) : std::string());
  }
  r += crlf;
  r += crlf + "SHOW CONTEXT";
  r += crlf + "* File: " + Quoted(FileNamePart(ShowFile));
  r += crlf + "* Function: " + Quoted(ShowFunction);
  r += crlf + "* Line: " + std::to_string(ShowLine);
  r += crlf;
  r += crlf + "INFO";
  r += crlf + "* Time: " + (platform ? platform->LocalTimeText() : std::string());
  r += crlf + "* Program: " + (platform ? platform->ProgramPath() : std::string());
  const IErrorDialog* form = ErrorEnvironment.ErrorForm;
  r += crlf + "* Recursive attempts: " + std::to_string(form ? form->RecursionCount() : 0);
  r += crlf;
  r += crlf + "USER INFO";
  r += crlf + "* UserCode: " + std::to_string(UserCode);
  r += crlf + "* UserText: " + UserText;
  r += crlf + "* UserInt: " + std::to_string(UserInt);
  r += crlf + "* UserReal: " + ShortestReal(UserReal);
  return r;
}

bool TFunStatContext::Show(const std::string& userText, bool* noMoreErrors) const {
  IErrorDialog* form = ErrorEnvironment.ErrorForm;
  if (!form) {
    if (noMoreErrors) *noMoreErrors = false;
    if (ErrorEnvironment.MessageBoxes)
      ErrorEnvironment.MessageBoxes->ShowBox(
          "Error", "The error-dialog form is not created. You must create it.",
          IMessageBoxPlatform::Ok);
    return false;
  }
  return form->Dialog(StatusText(Status), userText, noMoreErrors, Report());
}

}  // namespace qv
