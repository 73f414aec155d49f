// Where every control of the main window sits: one table per sidebar page (and
// one for the window itself), each row a control's name and its bounds in its
// parent's client area, in pixels of a 96-DPI screen. The subsystems create
// their controls from these rows; the widget layer scales them to the window's DPI.
#pragma once
#include <string>

#include "layout/Geometry.h"

namespace qv::app {

// A row shared by several controls of one shape: "%s" in its name becomes part
// ("Use%sBackImageCheckBox" with "Screen" is "UseScreenBackImageCheckBox").
TPlace Named(const TPlace& row, const std::string& part);
// The same row moved to another top.
TPlace AtTop(const TPlace& row, int top);

// The window's own children and the sidebar's frame.
namespace WindowPlaces {
inline const TPlace CurrentFileInfoLabel{"CurrentFileInfoLabel", 10, 10, 400, 40};
inline const TPlace HintLabel{"HintLabel", 10, 600, 400, 40};
inline const TPlace ClockLabel{"ClockLabel", 590, 610, 60, 20};
inline const TPlace RichEdit{"RichEdit", 150, 60, 400, 500};
inline const TPlace Container_MainPanel{"Container_MainPanel", 10, 10, 270, 620};
inline const TPlace MainButtonsPanel{"MainButtonsPanel", 0, 585, 270, 35};
inline const TPlace HelpButton{"HelpButton", 15, 5, 60, 25};
inline const TPlace AboutButton{"AboutButton", 75, 5, 60, 25};
inline const TPlace CloseProgramButton{"CloseProgramButton", 135, 5, 60, 25};
inline const TPlace HideProgramButton{"HideProgramButton", 195, 5, 60, 25};
inline const TPlace Container_OptionsPageControl{"Container_OptionsPageControl", 0, 0, 270, 585};
inline const TPlace ProgramPageControl{"ProgramPageControl", 0, 0, 262, 550};
inline const TPlace ProfilePageControl{"ProfilePageControl", 0, 0, 262, 550};
inline const TPlace ConvertMeasurePanel{"ConvertMeasurePanel", 0, 0, 262, 550};
}  // namespace WindowPlaces

// Program / Open.
namespace OpenPage {
inline const TPlace BookGroupBox{"BookGroupBox", 3, 3, 250, 180};
inline const TPlace OpenBookButton{"OpenBookButton", 5, 16, 44, 21};
inline const TPlace SaveBookButton{"SaveBookButton", 51, 16, 44, 21};
inline const TPlace RunBookButton{"RunBookButton", 97, 16, 40, 21};
inline const TPlace PrintBookButton{"PrintBookButton", 139, 16, 40, 21};
inline const TPlace PreviousPieceButton{"PreviousPieceButton", 5, 40, 40, 21};
inline const TPlace PiecesComboBox{"PiecesComboBox", 47, 40, 62, 0};
inline const TPlace NextPieceButton{"NextPieceButton", 111, 40, 40, 21};
inline const TPlace PiecesLabel{"PiecesLabel", 155, 43, 90, 16};
inline const TPlace GotoLineEdit{"GotoLineEdit", 5, 64, 55, 20};
inline const TPlace FindTextEdit{"FindTextEdit", 63, 64, 90, 20};
inline const TPlace AllowEditingCheckBox{"AllowEditingCheckBox", 156, 64, 92, 20};
inline const TPlace LineNumberLabel{"LineNumberLabel", 5, 88, 241, 16};
inline const TPlace ChaptersButton{"ChaptersButton", 5, 108, 90, 23};
inline const TPlace ModifiedLabel{"ModifiedLabel", 100, 112, 146, 16};
inline const TPlace EncodingLabel{"EncodingLabel", 5, 134, 240, 16};
// The group's width: the closed box shows the longest caption whole.
inline const TPlace EncodingComboBox{"EncodingComboBox", 5, 152, 240, 0};

inline const TPlace BookshelfGroupBox{"BookshelfGroupBox", 3, 186, 250, 82};
inline const TPlace PutBookshelfButton{"PutBookshelfButton", 8, 18, 70, 25};
inline const TPlace OpenBookshelfButton{"OpenBookshelfButton", 88, 18, 75, 25};
inline const TPlace RemoveBookshelfButton{"RemoveBookshelfButton", 172, 18, 70, 25};
inline const TPlace BookmarkAutoButton{"BookmarkAutoButton", 8, 50, 52, 25};
inline const TPlace Bookmark1Button{"Bookmark1Button", 62, 50, 34, 25};
inline const TPlace Bookmark2Button{"Bookmark2Button", 98, 50, 34, 25};
inline const TPlace Bookmark3Button{"Bookmark3Button", 134, 50, 34, 25};
inline const TPlace Bookmark4Button{"Bookmark4Button", 170, 50, 34, 25};
inline const TPlace Bookmark5Button{"Bookmark5Button", 206, 50, 34, 25};

inline const TPlace BrowserGroupBox{"BrowserGroupBox", 3, 271, 250, 234};
inline const TPlace UpBrowserButton{"UpBrowserButton", 5, 16, 44, 21};
inline const TPlace ReloadBrowserButton{"ReloadBrowserButton", 51, 16, 58, 21};
inline const TPlace FromBookBrowserButton{"FromBookBrowserButton", 111, 16, 72, 21};
inline const TPlace BrowserHistoryButton{"BrowserHistoryButton", 185, 16, 58, 21};
inline const TPlace DownloadBooksButton{"DownloadBooksButton", 5, 39, 118, 21};
inline const TPlace GutenbergBooksButton{"GutenbergBooksButton", 125, 39, 118, 21};
// The layout stretches the list to the group's width and height.
inline const TPlace BrowserListBox{"BrowserListBox", 5, 63, 240, 166};
}  // namespace OpenPage

// Program / General.
namespace ProgramGeneralPage {
inline const TPlace SizesGroupBox{"SizesGroupBox", 3, 3, 250, 100};
inline const TPlace RichBoxWidthPercentLabel{"RichBoxWidthPercentLabel", 8, 22, 150, 18};
inline const TPlace RichBoxWidthPercentComboBox{"RichBoxWidthPercentComboBox", 170, 18, 70, 0};
inline const TPlace RichBoxTopPercentLabel{"RichBoxTopPercentLabel", 8, 47, 150, 18};
inline const TPlace RichBoxTopPercentComboBox{"RichBoxTopPercentComboBox", 170, 43, 70, 0};
inline const TPlace RichBoxBottomPercentLabel{"RichBoxBottomPercentLabel", 8, 72, 150, 18};
inline const TPlace RichBoxBottomPercentComboBox{"RichBoxBottomPercentComboBox", 170, 68, 70, 0};

inline const TPlace OpenInPiecesGroupBox{"OpenInPiecesGroupBox", 3, 106, 250, 114};
inline const TPlace OpenInPiecesCheckBox{"OpenInPiecesCheckBox", 8, 18, 230, 20};
inline const TPlace PieceSizeLabel{"PieceSizeLabel", 8, 45, 150, 16};
inline const TPlace PieceSizeComboBox{"PieceSizeComboBox", 170, 42, 70, 0};
inline const TPlace WheelScrollLinesLabel{"WheelScrollLinesLabel", 8, 69, 160, 16};
inline const TPlace WheelScrollLinesComboBox{"WheelScrollLinesComboBox", 170, 66, 70, 0};
inline const TPlace BookLoadedInLabel{"BookLoadedInLabel", 8, 92, 235, 16};

inline const TPlace DictionaryOptionsGroupBox{"DictionaryOptionsGroupBox", 3, 223, 250, 80};
inline const TPlace DictionaryTitleEdit{"DictionaryTitleEdit", 8, 20, 185, 21};
inline const TPlace ChangeDictionaryButton{"ChangeDictionaryButton", 197, 19, 45, 23};
inline const TPlace ClipboardForDicCheckBox{"ClipboardForDicCheckBox", 8, 50, 230, 20};

inline const TPlace MiscellaneousOptionsGroupBox{"MiscellaneousOptionsGroupBox", 3, 306, 250, 96};
inline const TPlace AutoSaveProfileCheckBox{"AutoSaveProfileCheckBox", 8, 20, 230, 20};
inline const TPlace AutoBookmarkCheckBox{"AutoBookmarkCheckBox", 8, 44, 230, 20};
inline const TPlace AutoLoadLastCheckBox{"AutoLoadLastCheckBox", 8, 68, 230, 20};
}  // namespace ProgramGeneralPage

// Program / Misc.
namespace ProgramMiscPage {
inline const TPlace SystemOptionsGroupBox{"SystemOptionsGroupBox", 3, 3, 250, 72};
inline const TPlace ForceRichEdit3CheckBox{"ForceRichEdit3CheckBox", 8, 20, 230, 20};
inline const TPlace DetectRichEdit3Label{"DetectRichEdit3Label", 8, 46, 235, 18};

inline const TPlace PrintGroupBox{"PrintGroupBox", 3, 78, 250, 90};
inline const TPlace PrintLeftMarginLabel{"PrintLeftMarginLabel", 8, 26, 60, 18};
inline const TPlace PrintLeftMarginComboBox{"PrintLeftMarginComboBox", 70, 22, 50, 0};
inline const TPlace PrintRightMarginLabel{"PrintRightMarginLabel", 128, 26, 62, 18};
inline const TPlace PrintRightMarginComboBox{"PrintRightMarginComboBox", 192, 22, 50, 0};
inline const TPlace PrintTopMarginLabel{"PrintTopMarginLabel", 8, 58, 60, 18};
inline const TPlace PrintTopMarginComboBox{"PrintTopMarginComboBox", 70, 54, 50, 0};
inline const TPlace PrintBottomMarginLabel{"PrintBottomMarginLabel", 128, 58, 62, 18};
inline const TPlace PrintBottomMarginComboBox{"PrintBottomMarginComboBox", 192, 54, 50, 0};
}  // namespace ProgramMiscPage

// Profile / General.
namespace ProfileGeneralPage {
inline const TPlace ProfileWorkGroupBox{"ProfileWorkGroupBox", 3, 3, 250, 100};
inline const TPlace LoadProfileButton{"LoadProfileButton", 8, 22, 72, 25};
inline const TPlace SaveProfileButton{"SaveProfileButton", 89, 22, 72, 25};
inline const TPlace DeleteProfileButton{"DeleteProfileButton", 170, 22, 72, 25};
inline const TPlace CurrentProfileLabel{"CurrentProfileLabel", 8, 54, 234, 40};

inline const TPlace EnhancePlainTextGroupBox{"EnhancePlainTextGroupBox", 3, 106, 250, 96};
inline const TPlace EnhanceTextCheckBox{"EnhanceTextCheckBox", 8, 20, 234, 20};
inline const TPlace PoorlyWrittenCheckBox{"PoorlyWrittenCheckBox", 8, 44, 234, 20};
inline const TPlace IgnoreEmptyLinesCheckBox{"IgnoreEmptyLinesCheckBox", 8, 68, 234, 20};

// The two picture groups share one shape; the rich-box's ends with the
// transparency box where the screen's has its fade centre.
inline const TPlace ScreenBackImageGroupBox{"ScreenBackImageGroupBox", 3, 205, 250, 112};
inline const TPlace RichBackImageGroupBox{"RichBackImageGroupBox", 3, 320, 250, 112};
inline const TPlace UseBackImageCheckBox{"Use%sBackImageCheckBox", 8, 17, 158, 20};
inline const TPlace StretchBackImageCheckBox{"Stretch%sBackImageCheckBox", 172, 17, 70, 20};
inline const TPlace FadeBackImageLabel{"Fade%sBackImageLabel", 8, 42, 52, 18};
inline const TPlace FadeBackImageComboBox{"Fade%sBackImageComboBox", 62, 38, 48, 0};
inline const TPlace GammaBackImageLabel{"Gamma%sBackImageLabel", 116, 42, 68, 18};
inline const TPlace GammaBackImageComboBox{"Gamma%sBackImageComboBox", 186, 38, 56, 0};
inline const TPlace TitleBackImageEdit{"Title%sBackImageEdit", 8, 64, 150, 20};
inline const TPlace ChangeBackImageButton{"Change%sBackImageButton", 162, 63, 40, 22};
inline const TPlace RunBackImageButton{"Run%sBackImageButton", 204, 63, 38, 22};
inline const TPlace FadeCenterScreenBackImageLabel{"FadeCenterScreenBackImageLabel", 8, 91, 100, 18};
inline const TPlace FadeCenterScreenBackImageComboBox{"FadeCenterScreenBackImageComboBox", 110, 87, 55, 0};
inline const TPlace TransparentRichBackCheckBox{"TransparentRichBackCheckBox", 8, 88, 200, 20};

inline const TPlace ShowFrameCheckBox{"ShowFrameCheckBox", 5, 450, 200, 20};
}  // namespace ProfileGeneralPage

// Profile / Colors: each colour group is a column of labels with a panel beside each.
namespace ProfileColorsPage {
inline const TPlace ColorSchemesGroupBox{"ColorSchemesGroupBox", 3, 3, 250, 80};
inline const TPlace SetHighLightColorsButton{"SetHighLightColorsButton", 8, 30, 74, 25};
inline const TPlace SetLowStrainColorsButton{"SetLowStrainColorsButton", 88, 30, 74, 25};
inline const TPlace SetLowLightColorsButton{"SetLowLightColorsButton", 168, 30, 74, 25};
inline const TPlace ScreenColorsGroupBox{"ScreenColorsGroupBox", 3, 86, 250, 100};
inline const TPlace RichBoxColorsGroupBox{"RichBoxColorsGroupBox", 3, 189, 250, 130};
inline const TPlace BrowserColorsGroupBox{"BrowserColorsGroupBox", 3, 322, 250, 100};
inline const TPlace ColorLabel{"%sColorLabel", 8, 0, 120, 16};  // Top: the row's
inline const TPlace ColorPanel{"%sColorPanel", 140, 0, 60, 14};
// The rows' tops in their groups.
inline constexpr int ScreenColorRows[] = {22, 44};
inline constexpr int RichBoxColorRows[] = {22, 44, 66, 88};
inline constexpr int BrowserColorRows[] = {20, 39, 58, 77};
}  // namespace ProfileColorsPage

// Profile / Format: rows of a label and a combo box.
namespace ProfileFormatPage {
inline const TPlace FormatTextGroupBox{"FormatTextGroupBox", 3, 3, 250, 160};
inline const TPlace FontNameLabel{"FontNameLabel", 8, 24, 80, 18};
inline const TPlace FontNameComboBox{"FontNameComboBox", 90, 20, 150, 0};
inline const TPlace FontSizeLabel{"FontSizeLabel", 8, 51, 150, 18};
inline const TPlace FontSizeComboBox{"FontSizeComboBox", 160, 47, 75, 0};
inline const TPlace FontZoomLabel{"FontZoomLabel", 8, 78, 150, 18};
inline const TPlace FontZoomComboBox{"FontZoomComboBox", 160, 74, 75, 0};
inline const TPlace CharSpacingLabel{"CharSpacingLabel", 8, 105, 150, 18};
inline const TPlace CharSpacingComboBox{"CharSpacingComboBox", 160, 101, 75, 0};
inline const TPlace BoldFontCheckBox{"BoldFontCheckBox", 8, 130, 200, 20};

inline const TPlace FormatParaGroupBox{"FormatParaGroupBox", 3, 166, 250, 200};
inline const TPlace LeftMarginLabel{"LeftMarginLabel", 8, 24, 150, 18};
inline const TPlace LeftMarginComboBox{"LeftMarginComboBox", 160, 20, 75, 0};
inline const TPlace RightMarginLabel{"RightMarginLabel", 8, 49, 150, 18};
inline const TPlace RightMarginComboBox{"RightMarginComboBox", 160, 45, 75, 0};
inline const TPlace LineSpacingLabel{"LineSpacingLabel", 8, 74, 150, 18};
inline const TPlace LineSpacingComboBox{"LineSpacingComboBox", 160, 70, 75, 0};
inline const TPlace SpaceAfterLabel{"SpaceAfterLabel", 8, 99, 150, 18};
inline const TPlace SpaceAfterComboBox{"SpaceAfterComboBox", 160, 95, 75, 0};
inline const TPlace FirstLineIndentLabel{"FirstLineIndentLabel", 8, 124, 150, 18};
inline const TPlace FirstLineIndentComboBox{"FirstLineIndentComboBox", 160, 120, 75, 0};
inline const TPlace ParagraphPrefixLabel{"ParagraphPrefixLabel", 8, 149, 150, 18};
inline const TPlace ParagraphPrefixComboBox{"ParagraphPrefixComboBox", 160, 145, 75, 0};
inline const TPlace JustifiedTextCheckBox{"JustifiedTextCheckBox", 8, 172, 200, 20};
}  // namespace ProfileFormatPage

// Profile / Misc.
namespace ProfileMiscPage {
inline const TPlace ProfileBackSoundGroupBox{"ProfileBackSoundGroupBox", 3, 3, 250, 440};
inline const TPlace UseBackSoundCheckBox{"UseBackSoundCheckBox", 8, 20, 110, 20};
inline const TPlace RandomBackSoundCheckBox{"RandomBackSoundCheckBox", 130, 20, 110, 20};
inline const TPlace TitleBackSoundEdit{"TitleBackSoundEdit", 8, 46, 150, 20};
inline const TPlace ChangeBackSoundButton{"ChangeBackSoundButton", 162, 45, 40, 22};
inline const TPlace RunBackSoundButton{"RunBackSoundButton", 204, 45, 38, 22};
inline const TPlace VolumeBackSoundLabel{"VolumeBackSoundLabel", 8, 80, 150, 18};
inline const TPlace VolumeBackSoundComboBox{"VolumeBackSoundComboBox", 160, 76, 75, 0};
inline const TPlace DurationBackSoundLabel{"DurationBackSoundLabel", 8, 107, 150, 18};
inline const TPlace DurationBackSoundComboBox{"DurationBackSoundComboBox", 160, 103, 75, 0};
inline const TPlace ProbabilityBackSoundLabel{"ProbabilityBackSoundLabel", 8, 134, 150, 18};
inline const TPlace ProbabilityBackSoundComboBox{"ProbabilityBackSoundComboBox", 160, 130, 75, 0};
}  // namespace ProfileMiscPage

// Convert: the value, then the pages of the six unit lists and the misc memo.
namespace ConvertPage {
inline const TPlace ConvertMeasureLabel{"ConvertMeasureLabel", 8, 12, 122, 18};
inline const TPlace ConvertMeasureEdit{"ConvertMeasureEdit", 132, 8, 120, 21};
inline const TPlace ConvertMeasurePageControl{"ConvertMeasurePageControl", 3, 38, 252, 480};
// A list or the memo fills its page but for this margin on every side.
inline constexpr int PageMargin = 3;
inline const TPlace ConvertListBox{"%sListBox", PageMargin, PageMargin, 0, 0};
inline const TPlace MiscMemo{"MiscMemo", PageMargin, PageMargin, 0, 0};
}  // namespace ConvertPage

}  // namespace qv::app
