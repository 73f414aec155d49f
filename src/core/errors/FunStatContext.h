// Function-status context: where a failure happened, what it was, and where it
// was shown. Every operation of the program reports through one of these.
#pragma once
#include <cstdint>
#include <string>

namespace qv {

enum TFunStatus : int32_t {
  Perfect = 0,
  Warning = 1,
  Error = 2,
  BeginFunctionError = 3,
  Panic = 4,
  Catastrophe = 5,
};

struct TFunStatContext {
  int32_t Status = Perfect;
  std::string File;
  std::string Function;
  int32_t Line = 0;
  std::string Description;
  std::string Parameter1;
  std::string Parameter2;
  uint32_t SystemErrorCode = 0;
  std::string ShowFile;
  std::string ShowFunction;
  int32_t ShowLine = 0;
  int32_t UserCode = 0;
  std::string UserText;
  int32_t UserInt = 0;
  double UserReal = 0.0;

  void Reset(int32_t status);
  void BeginFunction(const std::string& file, const std::string& function, int32_t line);
  void Raise(const std::string& file, const std::string& function, uint32_t systemErrorCode,
             const std::string& description, const std::string& parameter1,
             const std::string& parameter2, int32_t status, int32_t line);
  void SetShowContext(const std::string& file, const std::string& function, int32_t line);
  // Copies every field except the show context.
  void Assign(const TFunStatContext& other);

  bool IsFailure() const { return Status >= Error; }

  static std::string StatusText(int32_t status);
  // The report text shown in the error dialog and written to the log.
  std::string Report() const;
  // Shows the error dialog for this context; true when the user acknowledged it.
  bool Show(const std::string& userText, bool* noMoreErrors = nullptr) const;
};

// The program-wide context: holds the innermost running guarded operation.
extern TFunStatContext FunStatContext;

// The file-name part of a path: what follows the last back-slash, slash or colon.
std::string FileNamePart(const std::string& path);

}  // namespace qv
