// The decisions of the background pictures that need no window: which picture
// files load, what the file dialog of the "Load" buttons starts with, and how
// the rich-box's background is painted.
#pragma once
#include <string>
#include <vector>

#include "paths/FileProbe.h"

namespace qv {

// The decoders' file-name patterns ("*.BMP;*.DIB;*.RLE", ...) as one lower-case
// list joined by ";", in the decoders' order.
std::string JoinPictureExtensions(const std::vector<std::string>& decoderPatterns);

// Whether a path matches one of the ";"-separated patterns (blanks before a
// pattern are ignored; "*" is any run of characters, "?" any one; letters match
// without regard to case), as the shell's pattern test does. An empty list
// matches every path.
bool MatchesPictureExtensions(const std::string& path, const std::string& extensions);

// A picture path loads when it is not empty, matches the extensions and its
// file exists; any other path loads nothing and reports nothing.
bool PictureFileLoads(const std::string& path, const std::string& extensions, IFileProbe& files);
// The descriptions of a picture's failures that lie in the file itself.
extern const char* const PictureDecodeFailure;  // "Failed to decode image."
extern const char* const PictureSizeFailure;    // "Failed to get image size."
// Whether a picture's failure (its description) lies in the file itself: its
// header or its decoding. Such a file is not tried again until it changes;
// any other failure (the file busy, a bitmap that could not be made) is.
bool IsPictureFileFault(const std::string& description);
// Whether the shell may be handed a picture file to run: its name must match
// the decoders' extensions (none known: none may).
bool MayRunPicture(const std::string& path, const std::string& extensions);

// The file dialog's filter: "Images (" + extensions + ")|" + extensions.
std::string PictureDialogFilter(const std::string& extensions);

// The keys held with a left click on a "Load" button (the mouse buttons do not count).
struct TLoadModifiers {
  bool Shift = false, Ctrl = false, Alt = false;
};

// The file name the dialog starts with: exactly [Ctrl] gives the default images
// folder followed by "*", exactly [Shift] the open book's folder followed by
// "*", anything else the current picture's path.
std::string ImageDialogFileName(const TLoadModifiers& keys, const std::string& backImagesDir,
                                const std::string& bookFileName, const std::string& imagePath);

// What the rich-box's background shows.
enum class TRichBackground {
  Color,        // the control fills its background colour itself
  Picture,      // the rich-box's own picture
  ScreenThrough // the screen's picture with the fade-centre darkening
};

struct TRichBackgroundState {
  bool Transparent = false;        // "Transparent background"
  bool HasScreenPicture = false;   // the screen's picture is built
  bool HasRichPicture = false;     // the rich-box's picture is built
  bool UseRichPicture = false;     // "Use background image" of the rich-box
};

// Transparency shows the screen's picture, and needs it: without one the plain
// colour shows, even when the rich-box has a picture of its own in use. Without
// transparency the rich-box's picture shows when it is built and in use.
TRichBackground ChooseRichBackground(const TRichBackgroundState& s);

// True when the rich-box's erase message must not reach the control.
inline bool IsRichBackgroundCustom(const TRichBackgroundState& s) {
  return ChooseRichBackground(s) != TRichBackground::Color;
}

}  // namespace qv
