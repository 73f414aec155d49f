// The Rich Edit control as a widget: creation of the newest class present and
// the few whole-control operations the window needs.
#pragma once
#include "widgets/Control.h"

namespace qv::win {

class TRichEdit : public TControl {
 public:
  TRichEdit(TControl* parent, const std::string& name, int x, int y, int w, int h);
  // True when the control is of version 3 or later (msftedit or riched20 v3).
  bool IsVersion3() const { return version3_; }
  const char* ClassName() const { return className_; }

  void SetReadOnly(bool readOnly);
  bool ReadOnly() const;
  bool Modified() const;
  void SetModified(bool modified);
  // Replaces the whole text with code-page 1252 text (CR LF, LF or CR line ends).
  void SetPlainText(const std::string& text);
  // Replaces the content with an RTF document.
  void SetRtf(const std::string& rtf);
  // The whole text with each paragraph break as CR LF.
  std::string PlainText() const;

 private:
  bool version3_ = false;
  const char* className_ = "";
};

}  // namespace qv::win
