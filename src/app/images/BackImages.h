// The background pictures of the screen and of the rich-box: the controls of
// their two groups on the profile's "General" page, the pictures built from
// them into bitmaps, and the painting, which only copies those bitmaps (the
// window's background from the screen's, the rich-box's through its paint
// hooks).
#pragma once
#include <cstdint>
#include <functional>
#include <set>
#include <string>

#include "app/Sidebar.h"
#include "app/book/Book.h"
#include "app/colors/Colors.h"
#include "app/controls/OptionFill.h"
#include "app/screen/Screen.h"
#include "errors/FunStatContext.h"
#include "pictures/BackImageRules.h"
#include "platform/GdiPlusPictures.h"
#include "store/FileSystem.h"
#include "widgets/RichEdit.h"

namespace qv::app {

class TPersistence;

// The controls of one picture group (the screen's or the rich-box's).
struct TBackImageControls {
  // part: "Screen" or "Rich", as the controls' names have it.
  TBackImageControls(TGroupBox& group, const char* part);
  TCheckBox Use, Stretch;
  TLabeledCombo Fade, Gamma;
  TEdit Title;
  TButton Change, Run;
};

struct TBackImagesControls {
  explicit TBackImagesControls(TSidebar& sidebar);
  TBackImageControls ScreenImage;
  TLabeledCombo FadeCenterScreenBackImage;
  TBackImageControls RichImage;
  TCheckBox TransparentRichBackCheckBox;
};

// What a picture was built from: the file as it was on the disk, the settings
// and the sizes. The same request again finds the bitmaps already built.
struct TPictureRequest {
  std::string Path;
  uint64_t FileSize = 0, FileTime = 0;
  win::TBackImageOptions Options;
  int FadeCenter = 0;
  int Width = 0, Height = 0;
  TRect RichArea;
  // The file part: a file that failed to load is not tried again until it changes.
  std::string FileKey() const;
  bool operator==(const TPictureRequest& o) const;
};

class TBackImages : public IRichTextBack {
 public:
  // persistence is built after the pictures and used only once the window is complete.
  TBackImages(TSidebar& sidebar, TForm& window, TRichEdit& richEdit, IScreen& screen, IBook& book,
              TPersistence& persistence, IFileProbe& files);

  TBackImagesControls Controls;
  // The file patterns of the picture formats GDI+ decodes, read once it runs.
  std::string PictureExtensions;
  void GdiPlusStarted();

  // ScreenBack.Screen is the screen's picture as shown (the window's client
  // size), ScreenBack.UnderRich its part under the rich-box with the fade-centre
  // darkening; RichBackBitmap the rich-box's picture over its client area.
  win::TScreenBackPictures ScreenBack;
  win::TDibBitmap RichBackBitmap;

  // Rebuild the bitmaps from the controls ("Failed to load image." once for a
  // file that cannot be loaded; the plain colour then shows). Nothing while a
  // profile is being put into the controls.
  void IniScreenBackImage();
  void IniRichBackImage();

  // The rich-box's erase message must not reach the control.
  bool IsRichBackgroundCustom() const;
  TRichBackground RichBackground() const;
  // The average colour of the picture the rich-box's text stands on, also
  // while a load keeps the screen's picture off; CLR_INVALID for none.
  COLORREF RichPictureColor() const override;
  // Runs when what the rich-box's text stands on may have changed.
  std::function<void()> OnRichTextBackChanged;
  void PaintRichBackground(HDC dc);
  // The window's erase: copies the screen's picture; false when there is none
  // to show, and the window then fills its colour.
  bool PaintScreenBackground(HDC dc);
  // While a book loads the window shows its plain colour.
  void ScreenPictureOff(bool off);

  // A picture path stored as a title, shown, and the picture rebuilt and repainted.
  void SetScreenBackImageTitle(const std::string& path);
  void SetRichBackImageTitle(const std::string& path);

  // The handlers of the two groups.
  void ChangeBackImageButtonMouseDown(bool screen, TMouseButton button, unsigned shift);
  void RunBackImageButtonClick(bool screen);

 private:
  std::string ImagePath(const TBackImageControls& c) const;
  // The request for the group's controls, or false when they name no loadable picture.
  bool MakeRequest(const TBackImageControls& c, int width, int height, TPictureRequest& r) const;
  TRect RichClientArea() const;
  void BuildFailed(TFunStatContext& local, const char* function, const TPictureRequest& r);
  void ScreenChanged();
  void RichChanged();
  void ScreenTextBackChanged();
  TForm& window_;
  TRichEdit& richEdit_;
  IScreen& screen_;
  IBook& book_;
  TPersistence& persistence_;
  IFileProbe& files_;
  bool pictureOff_ = false;
  TPictureRequest screenBuilt_, richBuilt_;  // what the bitmaps hold (Path empty: none)
  std::set<std::string> failedFiles_;        // FileKey of the files that failed to load
};

}  // namespace qv::app
