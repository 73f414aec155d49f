// The program's name and version, in one place: the version resource
// (Quenvalis.rc), the manifest (generated from Quenvalis.manifest.in by the
// build, which reads the numbers below) and the code (the about box and the
// installer) all take them from here. Plain macros, so the resource compiler
// reads this file too.
#pragma once

#define QV_VERSION_MAJOR 2
#define QV_VERSION_MINOR 5
#define QV_VERSION_PATCH 3
#define QV_VERSION_DATE "08.05.2005"

#define QV_STRINGIZE_(x) #x
#define QV_STRINGIZE(x) QV_STRINGIZE_(x)
#define QV_VERSION_DOTTED \
  QV_STRINGIZE(QV_VERSION_MAJOR) "." QV_STRINGIZE(QV_VERSION_MINOR) "." QV_STRINGIZE(QV_VERSION_PATCH)
#define QV_VERSION_TEXT "Version " QV_VERSION_DOTTED ", released on " QV_VERSION_DATE
#define QV_PROGRAM_NAME "Quenvalis"
#define QV_DISPLAY_TITLE "Full-screen reader of plain-text and rich-text books"

#ifndef RC_INVOKED
namespace qv {
// "Version 2.5.3, released on 08.05.2005": shown by the about box and the installer.
inline constexpr const char* ProgramVersionText = QV_VERSION_TEXT;
inline constexpr const char* ProgramName = QV_PROGRAM_NAME;
// The display title the installer shows under the version.
inline constexpr const char* ProgramDisplayTitle = QV_DISPLAY_TITLE;
}  // namespace qv
#endif
