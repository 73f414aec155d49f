#include "app/images/BackImages.h"

#include <algorithm>

#include "app/SidebarPlaces.h"
#include "app/colors/Colors.h"
#include "app/controls/OptionFill.h"
#include "app/persistence/Persistence.h"
#include "errors/Guard.h"
#include "options/MediaTitles.h"
#include "options/OptionSchema.h"
#include "platform/FileServices.h"
#include "platform/WideText.h"
#include "platform/Win32Platform.h"
#include "widgets/FileDialogs.h"

namespace qv::app {

namespace {
const char* const kFile = "QuenvalisDialog";
namespace PG = ProfileGeneralPage;

const char* const kFadeHint =
    "Fade (= make darker) the image. If the value is 0, the fade is not applied. The image is "
    "reloaded every time this value is changed.";
const char* const kGammaHint =
    "Set the gamma parameter of the image; try it especially on images like the ones in the "
    "default images directory - with few colors. If the value is 100, the gamma is not applied. "
    "The image is reloaded every time this value is changed.";
}  // namespace

TBackImageControls::TBackImageControls(TGroupBox& group, const char* part)
    : Use(&group, Named(PG::UseBackImageCheckBox, part), "Use background image"),
      Stretch(&group, Named(PG::StretchBackImageCheckBox, part), "Stretch"),
      Fade(&group, Named(PG::FadeBackImageLabel, part), Named(PG::FadeBackImageComboBox, part), "Fade (%)"),
      Gamma(&group, Named(PG::GammaBackImageLabel, part), Named(PG::GammaBackImageComboBox, part), "Gamma (%)"),
      Title(&group, Named(PG::TitleBackImageEdit, part)),
      Change(&group, Named(PG::ChangeBackImageButton, part), "Load"),
      Run(&group, Named(PG::RunBackImageButton, part), "Run") {
  const bool screen = std::string(part) == "Screen";
  Use.SetHint(std::string("Use the specified image as background. If this is unchecked, the ") +
              (screen ? "screen \"Back\"" : "rich-box \"Window back\"") +
              " color is used as background. The image is reloaded every time the status of this "
              "box is changed.");
  CheckFromOption(Use);
  CheckFromOption(Stretch);
  Stretch.SetHint(std::string("Stretch the image to fit the whole ") + (screen ? "screen" : "rich-box") +
                  "; the aspect-ratio is not preserved. The image is reloaded every time the status "
                  "of this box is changed. If this is unchecked, the image is tiled.");
  FillFromOption(Fade.Box);
  Fade.Box.SetHint(kFadeHint);
  FillFromOption(Gamma.Box);
  Gamma.Box.SetHint(kGammaHint);
  MakeReadOnlyEdit(Title);
  Title.SetText(FindOptionOfControl(Title.Name())->Text);
  Title.SetHint("File title of image. The image is reloaded every time this edit-box loses focus.");
  Change.SetHint(
      "Change the image. Click [Ctrl + LMB] to open the default images directory. Click [Shift + "
      "LMB] to open the parent directory of the currently opened book.");
  Run.SetHint("Open the image with the associated program");
}

TBackImagesControls::TBackImagesControls(TSidebar& s)
    : ScreenImage(s.ScreenBackImageGroupBox, "Screen"),
      FadeCenterScreenBackImage(&s.ScreenBackImageGroupBox, PG::FadeCenterScreenBackImageLabel,
                                PG::FadeCenterScreenBackImageComboBox, "Fade center (%)"),
      RichImage(s.RichBackImageGroupBox, "Rich"),
      TransparentRichBackCheckBox(&s.RichBackImageGroupBox, PG::TransparentRichBackCheckBox,
                                  "Transparent background") {
  s.ScreenBackImageGroupBox.SetHint(
      "Setup the background image for the screen. The image is reloaded every time the screen is "
      "resized. Images are rescaled for best fit (keeping the aspect-ratio) on the screen.");
  s.RichBackImageGroupBox.SetHint(
      "Setup the background image for the rich-box. The image is reloaded every time the "
      "rich-box is resized. Images are rescaled for best fit (keeping the aspect-ratio) in the "
      "rich-box.");
  FillFromOption(FadeCenterScreenBackImage.Box);
  FadeCenterScreenBackImage.Box.SetHint(
      "Fade (= make darker) the image. If the value is 0, the fade is not applied. This is used "
      "only if the rich-box background is transparent, and is applied only for the part of the "
      "image visible in the background of the rich-box; the gamma value is also applied. The "
      "image is reloaded every time this value is changed.");
  TransparentRichBackCheckBox.SetHint(
      "The background of the rich-box is transparent (= the screen's background image is "
      "visible). This is available only when there is a screen background image.");
}

std::string TPictureRequest::FileKey() const {
  return Path + "|" + std::to_string(FileSize) + "|" + std::to_string(FileTime);
}

bool TPictureRequest::operator==(const TPictureRequest& o) const {
  return Path == o.Path && FileSize == o.FileSize && FileTime == o.FileTime &&
         Options.Stretch == o.Options.Stretch && Options.Fade == o.Options.Fade &&
         Options.Gamma == o.Options.Gamma && FadeCenter == o.FadeCenter && Width == o.Width &&
         Height == o.Height && RichArea.Left == o.RichArea.Left && RichArea.Top == o.RichArea.Top &&
         RichArea.Width == o.RichArea.Width && RichArea.Height == o.RichArea.Height;
}

TBackImages::TBackImages(TSidebar& sidebar, TForm& window, TRichEdit& richEdit, IScreen& screen, IBook& book,
                         TPersistence& persistence, IFileProbe& files)
    : Controls(sidebar),
      window_(window),
      richEdit_(richEdit),
      screen_(screen),
      book_(book),
      persistence_(persistence),
      files_(files) {
  TBackImagesControls& c = Controls;
  for (TCheckBox* box : {&c.ScreenImage.Use, &c.ScreenImage.Stretch})
    box->OnClick = [this] {
      ScreenChanged();
      FocusBookAfterOption(richEdit_);
    };
  for (TComboBox* box : {&c.ScreenImage.Fade.Box, &c.ScreenImage.Gamma.Box, &c.FadeCenterScreenBackImage.Box})
    box->OnChange = [this] { ScreenChanged(); };
  for (TCheckBox* box : {&c.RichImage.Use, &c.RichImage.Stretch})
    box->OnClick = [this] {
      RichChanged();
      FocusBookAfterOption(richEdit_);
    };
  for (TComboBox* box : {&c.RichImage.Fade.Box, &c.RichImage.Gamma.Box})
    box->OnChange = [this] { RichChanged(); };
  c.TransparentRichBackCheckBox.OnClick = [this] {
    if (OnRichTextBackChanged) OnRichTextBackChanged();
    screen_.RefreshRichBox();
    FocusBookAfterOption(richEdit_);
  };
  c.ScreenImage.Title.OnExit = [this] { SetScreenBackImageTitle(Controls.ScreenImage.Title.Text()); };
  c.RichImage.Title.OnExit = [this] { SetRichBackImageTitle(Controls.RichImage.Title.Text()); };
  for (bool screenGroup : {true, false}) {
    TBackImageControls& g = screenGroup ? c.ScreenImage : c.RichImage;
    g.Change.OnMouseDown = [this, screenGroup](TMouseButton button, unsigned shift, int, int) {
      ChangeBackImageButtonMouseDown(screenGroup, button, shift);
    };
    g.Run.OnClick = [this, screenGroup] { RunBackImageButtonClick(screenGroup); };
  }
  richEdit_.HasCustomBackground = [this] { return IsRichBackgroundCustom(); };
  richEdit_.OnPaintBackground = [this](HDC dc) { PaintRichBackground(dc); };
}

void TBackImages::GdiPlusStarted() { PictureExtensions = win::GetPictureExtensionsAsFilter(); }

std::string TBackImages::ImagePath(const TBackImageControls& c) const {
  return GetImagePath(c.Title.Text(), persistence_.MediaFolders(), files_);
}

TRect TBackImages::RichClientArea() const {
  const POINT origin = richEdit_.ClientOriginIn(window_);
  return TRect{origin.x, origin.y, richEdit_.ClientWidth(), richEdit_.ClientHeight()};
}

namespace {
// The file's size and last write time; false when it cannot be read.
bool FileIdentity(const std::string& path, uint64_t& size, uint64_t& time) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(ToWide(path).c_str(), GetFileExInfoStandard, &data)) return false;
  size = uint64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
  time = uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32 | data.ftLastWriteTime.dwLowDateTime;
  return true;
}
}  // namespace

bool TBackImages::MakeRequest(const TBackImageControls& c, int width, int height, TPictureRequest& r) const {
  r.Path = ImagePath(c);
  if (!PictureFileLoads(r.Path, PictureExtensions, files_) || !FileIdentity(r.Path, r.FileSize, r.FileTime))
    return false;
  r.Options.Stretch = c.Stretch.Checked();
  r.Options.Fade = ReadOption(c.Fade.Box);
  r.Options.Gamma = ReadOption(c.Gamma.Box);
  r.Width = width;
  r.Height = height;
  return true;
}

// The picture's failure, left by the platform, becomes the operation's; a file
// whose own bytes failed is not tried again until it changes.
void TBackImages::BuildFailed(TFunStatContext& local, const char* function, const TPictureRequest& r) {
  if (IsPictureFileFault(FunStatContext.Description)) failedFiles_.insert(r.FileKey());
  if (!TakeFailure(local))
    local.Raise(kFile, function, 0, "Failed to build image.", r.Path, "", Error, __LINE__);
}

void TBackImages::IniScreenBackImage() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::IniScreenBackImage", "Failed to load image."), [&](TFunStatContext& local) {
    if (persistence_.ProfileLoading()) return;
    const TBackImageControls& c = Controls.ScreenImage;
    TPictureRequest r;
    if (!c.Use.Checked() || !MakeRequest(c, window_.ClientWidth(), window_.ClientHeight(), r)) {
      ScreenBack.Reset();
      screenBuilt_ = TPictureRequest{};
      return;
    }
    r.FadeCenter = ReadOption(Controls.FadeCenterScreenBackImage.Box);
    r.RichArea = RichClientArea();
    if (r == screenBuilt_ && !ScreenBack.Screen.Empty()) return;
    ScreenBack.Reset();
    screenBuilt_ = TPictureRequest{};
    if (failedFiles_.count(r.FileKey())) return;  // reported when it failed
    if (!win::BuildScreenBackPictures(r.Path, r.Options, r.FadeCenter, r.Width, r.Height, r.RichArea,
                                      ScreenBack))
      return BuildFailed(local, "TQuenvalisForm::IniScreenBackImage", r);
    screenBuilt_ = r;
  });
  // The window's background follows: the picture, or its colour.
  ScreenTextBackChanged();
  RepaintScreenBackground(window_);
}

// Texts that stand on the screen read against the picture's average colour
// while it shows, else against the screen's colour.
void TBackImages::ScreenTextBackChanged() {
  window_.SetTextBackColor(pictureOff_ || ScreenBack.Screen.Empty() ? kNoColor : ScreenBack.Screen.MeanColor());
}

void TBackImages::IniRichBackImage() {
  Guarded(QV_OP(kFile, "TQuenvalisForm::IniRichBackImage", "Failed to load image."), [&](TFunStatContext& local) {
    if (persistence_.ProfileLoading()) return;
    // Loaded whether or not it is in use: "Use background image" only decides
    // whether it is painted.
    const TBackImageControls& c = Controls.RichImage;
    const TRect area = RichClientArea();
    TPictureRequest r;
    if (!MakeRequest(c, area.Width, area.Height, r)) {
      RichBackBitmap.Reset();
      richBuilt_ = TPictureRequest{};
      return;
    }
    if (r == richBuilt_ && !RichBackBitmap.Empty()) return;
    RichBackBitmap.Reset();
    richBuilt_ = TPictureRequest{};
    if (failedFiles_.count(r.FileKey())) return;
    if (!win::BuildRichBackPicture(r.Path, r.Options, r.Width, r.Height, RichBackBitmap))
      return BuildFailed(local, "TQuenvalisForm::IniRichBackImage", r);
    richBuilt_ = r;
  });
}

namespace {
TRichBackground RichBackgroundOf(const TBackImagesControls& c, bool screenPicture, bool richPicture) {
  TRichBackgroundState s;
  s.Transparent = c.TransparentRichBackCheckBox.Checked();
  s.HasScreenPicture = screenPicture;
  s.HasRichPicture = richPicture;
  s.UseRichPicture = c.RichImage.Use.Checked();
  return ChooseRichBackground(s);
}
}  // namespace

TRichBackground TBackImages::RichBackground() const {
  const bool screenPicture = !ScreenBack.Screen.Empty() && !ScreenBack.UnderRich.Empty();
  return RichBackgroundOf(Controls, !pictureOff_ && screenPicture, !RichBackBitmap.Empty());
}

COLORREF TBackImages::RichPictureColor() const {
  const bool screenPicture = !ScreenBack.Screen.Empty() && !ScreenBack.UnderRich.Empty();
  switch (RichBackgroundOf(Controls, screenPicture, !RichBackBitmap.Empty())) {
    case TRichBackground::Picture: return RichBackBitmap.MeanColor();
    case TRichBackground::ScreenThrough: return ScreenBack.UnderRich.MeanColor();
    default: return CLR_INVALID;
  }
}

bool TBackImages::IsRichBackgroundCustom() const { return RichBackground() != TRichBackground::Color; }

namespace {
// Copies the part of the bitmap that the DC's clip box covers, at the same place.
void CopyClipBox(HDC dc, const win::TDibBitmap& from) {
  RECT r;
  if (GetClipBox(dc, &r) == ERROR) return;
  const int right = std::min<int>(r.right, from.Width()), bottom = std::min<int>(r.bottom, from.Height());
  const int left = std::max<int>(r.left, 0), top = std::max<int>(r.top, 0);
  if (right > left && bottom > top) win::CopyBitmapRect(dc, left, top, from, left, top, right - left, bottom - top);
}
}  // namespace

void TBackImages::PaintRichBackground(HDC dc) {
  const TRichBackground background = RichBackground();
  if (background == TRichBackground::Color) return;
  // The caret is drawn by inverting: it must not be painted over while shown.
  const bool caretHidden = richEdit_.HideCaret();
  CopyClipBox(dc, background == TRichBackground::ScreenThrough ? ScreenBack.UnderRich : RichBackBitmap);
  if (caretHidden) richEdit_.ShowCaret();
}

bool TBackImages::PaintScreenBackground(HDC dc) {
  if (pictureOff_ || ScreenBack.Screen.Empty()) return false;
  CopyClipBox(dc, ScreenBack.Screen);
  return true;
}

void TBackImages::ScreenPictureOff(bool off) {
  if (pictureOff_ == off) return;
  pictureOff_ = off;
  ScreenTextBackChanged();
  if (!ScreenBack.Screen.Empty()) RepaintScreenBackground(window_);
}

void TBackImages::ScreenChanged() {
  IniScreenBackImage();
  if (OnRichTextBackChanged) OnRichTextBackChanged();
  screen_.RefreshScreen();
}

void TBackImages::RichChanged() {
  IniRichBackImage();
  if (OnRichTextBackChanged) OnRichTextBackChanged();
  screen_.RefreshRichBox();
}

void TBackImages::SetScreenBackImageTitle(const std::string& path) {
  Controls.ScreenImage.Title.SetText(GetImageTitle(path, persistence_.MediaFolders()));
  ScreenChanged();
}

void TBackImages::SetRichBackImageTitle(const std::string& path) {
  Controls.RichImage.Title.SetText(GetImageTitle(path, persistence_.MediaFolders()));
  RichChanged();
}

void TBackImages::ChangeBackImageButtonMouseDown(bool screen, TMouseButton button, unsigned shift) {
  if (button != TMouseButton::Left) return;
  const TBackImageControls& c = screen ? Controls.ScreenImage : Controls.RichImage;
  Guarded(QV_OP(kFile,
                screen ? "TQuenvalisForm::ChangeScreenBackImageButtonMouseDown"
                       : "TQuenvalisForm::ChangeRichBackImageButtonMouseDown",
                "Failed to change image."),
          [&](TFunStatContext&) {
            TLoadModifiers keys;
            keys.Shift = (shift & ssShift) != 0;
            keys.Ctrl = (shift & ssCtrl) != 0;
            keys.Alt = (shift & ssAlt) != 0;
            TOpenDialog dialog;
            dialog.Request.Filter = PictureDialogFilter(PictureExtensions);
            dialog.Request.FileName =
                ImageDialogFileName(keys, GetBackImagesDir(ProgramDirectory()), book_.FileName(), ImagePath(c));
            if (!dialog.Execute()) return;
            // A file chosen again is tried again, though it failed before.
            TPictureRequest chosen;
            chosen.Path = dialog.FileName();
            if (FileIdentity(chosen.Path, chosen.FileSize, chosen.FileTime)) failedFiles_.erase(chosen.FileKey());
            if (screen) SetScreenBackImageTitle(dialog.FileName());
            else SetRichBackImageTitle(dialog.FileName());
          });
  FocusBookAfterOption(richEdit_);
}

void TBackImages::RunBackImageButtonClick(bool screen) {
  const TBackImageControls& c = screen ? Controls.ScreenImage : Controls.RichImage;
  Guarded(QV_OP(kFile,
                screen ? "TQuenvalisForm::RunScreenBackImageButtonClick" : "TQuenvalisForm::RunRichBackImageButtonClick",
                "Failed to run image."),
          [&](TFunStatContext& local) {
            // Only a picture reaches the shell: a profile could name a program.
            const std::string path = ImagePath(c);
            if (!MayRunPicture(path, PictureExtensions))
              local.Raise(kFile, "TQuenvalisForm::RunBackImageButtonClick", 0, "Not a picture file.", path, "",
                          Error, __LINE__);
            else if (!RunFile(path, "", "", false))
              TakeFailure(local);
          });
  FocusBookAfterOption(richEdit_);
}

}  // namespace qv::app
