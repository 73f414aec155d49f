#include "options/OptionSchema.h"

#include <initializer_list>
#include <stdexcept>

#include "encoding/UnicodeText.h"
#include "util/Numbers.h"

namespace qv {

const char* const ProgramOptionsSection = "Quenvalis_Main";
const char* const ConverterSection = "Quenvalis_ConvertMeasure";
const char* const ProfileMainSection = "Profile_Main";
const char* const ProfileSoundsSection = "Profile_BackSounds";

namespace {

constexpr int32_t kPathLength = 259;  // longest path text accepted from a file
constexpr int32_t kNameLength = 31;   // font names and paragraph prefixes

struct TRange {
  int32_t From, To, Step;
};

std::vector<std::string> Items(std::initializer_list<TRange> ranges) {
  std::vector<std::string> items;
  for (const TRange& r : ranges) AddItemRange(items, r.From, r.To, r.Step);
  return items;
}

TOptionEntry Bool(const char* section, const char* key, bool def, const char* control,
                 TDefaultSource source = TDefaultSource::Fixed) {
  return TOptionEntry{section, key, TOptionKind::Bool, def ? 1 : 0, 0, 1, "", control, {}, source};
}

TOptionEntry Int(const char* section, const char* key, int32_t def, int32_t min, int32_t max,
                const char* control, std::vector<std::string> items,
                TDefaultSource source = TDefaultSource::Fixed) {
  return TOptionEntry{section, key, TOptionKind::Integer, def, min, max, "", control, std::move(items), source};
}

TOptionEntry Text(const char* section, const char* key, const char* def, int32_t maxLength,
                 const char* control, std::vector<std::string> items = {}) {
  return TOptionEntry{section, key, TOptionKind::Text, 0, 0, maxLength, def, control, std::move(items)};
}

TOptionEntry Color(const char* key, uint32_t def, const char* control) {
  return TOptionEntry{ProfileMainSection, key, TOptionKind::Color, static_cast<int32_t>(def), 0, 0, "", control, {}};
}

TOptionEntry Image(const char* key, const char* def, const char* control) {
  return TOptionEntry{ProfileMainSection, key, TOptionKind::ImageTitle, 0, 0, kPathLength, def, control, {}};
}

TOptionEntry Unit(const char* key, const char* def, const char* control) {
  return TOptionEntry{ConverterSection, key, TOptionKind::ListItem, 0, 0, kPathLength, def, control, {}};
}

TOptionTable MakeProgramTable() {
  const char* s = ProgramOptionsSection;
  const auto current = TDefaultSource::CurrentValue;
  const std::vector<std::string> margins = Items({{0, 50, 5}});
  return {
      Bool(s, "AutoSaveProfile", true, "AutoSaveProfileCheckBox", current),
      Bool(s, "AutoBookmark", true, "AutoBookmarkCheckBox", current),
      Bool(s, "AutoLoadLast", true, "AutoLoadLastCheckBox", current),
      // The default 3 stands in for the system setting, which LoadProgramOptions is given.
      Int(s, "WheelScrollLines", 3, 1, 20, "WheelScrollLinesComboBox", Items({{1, 10, 1}, {15, 20, 5}}),
          TDefaultSource::SystemSetting),
      Text(s, "DictionaryTitle", "C:\\Program Files\\The American Heritage Dictionary\\AHD.EXE",
           kPathLength, "DictionaryTitleEdit"),
      Bool(s, "ClipboardForDic", true, "ClipboardForDicCheckBox", current),
      Bool(s, "ForceRichEdit3", false, "ForceRichEdit3CheckBox", current),
      Bool(s, "OpenInPieces", true, "OpenInPiecesCheckBox", current),
      Int(s, "PieceSize", 50000, 10000, 500000, "PieceSizeComboBox",
          Items({{10000, 100000, 10000}, {150000, 500000, 50000}})),
      Int(s, "RichBoxWidthPercent", 45, 20, 100, "RichBoxWidthPercentComboBox", Items({{20, 95, 5}})),
      Int(s, "RichBoxTopPercent", 10, 5, 15, "RichBoxTopPercentComboBox", Items({{5, 15, 1}})),
      Int(s, "RichBoxBottomPercent", 15, 10, 25, "RichBoxBottomPercentComboBox", Items({{10, 25, 1}})),
      Int(s, "PrintLeftMargin", 30, 0, 50, "PrintLeftMarginComboBox", margins),
      Int(s, "PrintRightMargin", 20, 0, 50, "PrintRightMarginComboBox", margins),
      Int(s, "PrintTopMargin", 20, 0, 50, "PrintTopMarginComboBox", margins),
      Int(s, "PrintBottomMargin", 20, 0, 50, "PrintBottomMarginComboBox", margins),
  };
}

TOptionTable MakeConverterTable() {
  return {
      Unit("Length", "Meters", "LengthListBox"),
      Unit("Speed", "Meters / second", "SpeedListBox"),
      Unit("Area", "Meters^2", "AreaListBox"),
      Unit("Volume", "Meters^3", "VolumeListBox"),
      Unit("Weight", "Kilograms", "WeightListBox"),
      Unit("Temperature", "Celsius", "TemperatureListBox"),
  };
}

TOptionTable MakeProfileTable() {
  const char* s = ProfileMainSection;
  const std::vector<std::string> fade = Items({{0, 30, 5}, {40, 100, 10}});
  const std::vector<std::string> gamma =
      Items({{1, 1, 1}, {5, 30, 5}, {40, 200, 10}, {250, 500, 50}, {600, 1000, 100}});
  const std::vector<std::string> margins = Items({{0, 50, 5}});
  return {
      Bool(s, "EnhanceText", true, "EnhanceTextCheckBox"),
      Bool(s, "PoorlyWritten", true, "PoorlyWrittenCheckBox"),
      Bool(s, "IgnoreEmptyLines", false, "IgnoreEmptyLinesCheckBox"),
      Bool(s, "UseScreenBackImage", true, "UseScreenBackImageCheckBox"),
      Bool(s, "StretchScreenBackImage", false, "StretchScreenBackImageCheckBox"),
      Int(s, "FadeScreenBackImage", 0, 0, 100, "FadeScreenBackImageComboBox", fade),
      Int(s, "GammaScreenBackImage", 100, 1, 1000, "GammaScreenBackImageComboBox", gamma),
      Int(s, "FadeCenterScreenBackImage", 0, 0, 100, "FadeCenterScreenBackImageComboBox", Items({{0, 100, 10}})),
      Image("TitleScreenBackImage", "DefaultScreen.bmp", "TitleScreenBackImageEdit"),
      Bool(s, "UseRichBackImage", true, "UseRichBackImageCheckBox"),
      Bool(s, "StretchRichBackImage", false, "StretchRichBackImageCheckBox"),
      Int(s, "FadeRichBackImage", 0, 0, 100, "FadeRichBackImageComboBox", fade),
      Int(s, "GammaRichBackImage", 100, 1, 1000, "GammaRichBackImageComboBox", gamma),
      Image("TitleRichBackImage", "DefaultRich.bmp", "TitleRichBackImageEdit"),
      Bool(s, "TransparentRichBack", false, "TransparentRichBackCheckBox"),
      Bool(s, "ShowRichBoxFrame", false, "ShowFrameCheckBox"),
      Color("ScreenBackColor", 16777215, "ScreenBackColorPanel"),
      Color("ScreenForeColor", 0, "ScreenForeColorPanel"),
      Color("RichBoxBackColor", 16777215, "RichBoxBackColorPanel"),
      Color("RichBoxForeColor", 0, "RichBoxForeColorPanel"),
      Color("EmphaColor", 8519680, "EmphaColorPanel"),
      Color("SecondEmphaColor", 5898420, "SecondEmphaColorPanel"),
      Color("BrowserFocusBackColor", 1666745, "BrowserFocusBackColorPanel"),
      Color("BrowserFocusForeColor", 16777215, "BrowserFocusForeColorPanel"),
      Color("DirTypeBackColor", 4953770, "DirTypeBackColorPanel"),
      Color("DirTypeForeColor", 16777215, "DirTypeForeColorPanel"),
      Int(s, "LeftMargin", 15, 0, 50, "LeftMarginComboBox", margins),
      Int(s, "RightMargin", 15, 0, 50, "RightMarginComboBox", margins),
      Bool(s, "BoldFont", false, "BoldFontCheckBox"),
      Bool(s, "JustifiedText", true, "JustifiedTextCheckBox"),
      // The font list is filled from the system's fonts at start-up.
      Text(s, "FontName", "Times New Roman", kNameLength, "FontNameComboBox"),
      Int(s, "FontSize", 16, 8, 50, "FontSizeComboBox", Items({{8, 30, 1}, {32, 32, 1}, {35, 50, 5}})),
      Int(s, "FontZoom", 100, 10, 500, "FontZoomComboBox",
          Items({{10, 200, 5}, {225, 300, 25}, {350, 500, 50}})),
      Int(s, "CharSpacing", 0, -10, 500, "CharSpacingComboBox",
          Items({{-10, 20, 1}, {25, 50, 5}, {60, 100, 10}, {150, 500, 50}})),
      Int(s, "LineSpacing", 120, 100, 500, "LineSpacingComboBox",
          Items({{100, 200, 10}, {225, 300, 25}, {350, 500, 50}})),
      Int(s, "FirstLineIndent", 0, 0, 50, "FirstLineIndentComboBox", margins),
      Int(s, "SpaceAfter", 5, 0, 30, "SpaceAfterComboBox",
          Items({{0, 10, 1}, {12, 12, 1}, {15, 18, 3}, {20, 30, 5}})),
      Text(s, "ParagraphPrefix", "None", kNameLength, "ParagraphPrefixComboBox",
           {"None", "Tab", "Blanks", "- ", "* ", "\xC2\xB7 "}),
  };
}

}  // namespace

void AddItemRange(std::vector<std::string>& items, int32_t from, int32_t to, int32_t step) {
  for (int32_t v = from; v <= to; v += step) items.push_back(std::to_string(v));
}

const TOptionTable& ProgramOptionTable() {
  static const TOptionTable table = MakeProgramTable();
  return table;
}

const TOptionTable& ConverterOptionTable() {
  static const TOptionTable table = MakeConverterTable();
  return table;
}

const TOptionTable& ProfileMainTable() {
  static const TOptionTable table = MakeProfileTable();
  return table;
}

std::vector<const TOptionEntry*> ProfileMainLoadOrder() {
  std::vector<const TOptionEntry*> order;
  const TOptionEntry* fadeCenter = FindOption(ProfileMainTable(), "FadeCenterScreenBackImage");
  for (const TOptionEntry& opt : ProfileMainTable()) {
    if (&opt == fadeCenter) continue;
    order.push_back(&opt);
    if (std::string(opt.Key) == "TitleScreenBackImage") order.push_back(fadeCenter);
  }
  return order;
}

const TOptionTable& ProfileSoundSwitchTable() {
  static const TOptionTable table = {
      Bool(ProfileSoundsSection, "Use", false, "UseBackSoundCheckBox"),
      Bool(ProfileSoundsSection, "Random", true, "RandomBackSoundCheckBox"),
  };
  return table;
}

const TOptionEntry* FindOption(const TOptionTable& table, const std::string& key) {
  for (const TOptionEntry& opt : table)
    if (SameText(opt.Key, key)) return &opt;
  return nullptr;
}

const TOptionEntry* FindOptionOfControl(const std::string& control) {
  for (const TOptionTable* table : {&ProgramOptionTable(), &ConverterOptionTable(), &ProfileMainTable(),
                                    &ProfileSoundSwitchTable()})
    for (const TOptionEntry& opt : *table)
      if (control == opt.Control) return &opt;
  return nullptr;
}

const TOptionEntry& OptionOf(const char* key) {
  for (const TOptionTable* table : {&ProgramOptionTable(), &ProfileMainTable()})
    if (const TOptionEntry* opt = FindOption(*table, key)) return *opt;
  throw std::invalid_argument(std::string("No option ") + key + ".");
}

int32_t ReadIntOption(const TOptionEntry& opt, const std::string& text) {
  return GetIntFromText(text, opt.Min, opt.Max, opt.Default);
}

std::string DefaultText(const TOptionEntry& opt) {
  return opt.Kind == TOptionKind::Integer ? std::to_string(opt.Default) : opt.Text;
}

const std::vector<std::string>& BackSoundVolumeItems() {
  static const std::vector<std::string> items = Items({{0, 50, 5}, {60, 100, 10}, {150, 1000, 50}});
  return items;
}

const std::vector<std::string>& BackSoundDurationItems() {
  static const std::vector<std::string> items = Items({{1, 10, 1}, {15, 100, 5}, {150, 300, 50}});
  return items;
}

const std::vector<std::string>& BackSoundProbabilityItems() {
  static const std::vector<std::string> items =
      Items({{1, 10, 1}, {15, 100, 5}, {150, 300, 50}, {400, 1000, 100}});
  return items;
}

int32_t FindItemIndex(const std::vector<std::string>& items, const std::string& text) {
  for (size_t i = 0; i < items.size(); ++i)
    if (SameText(items[i], text)) return static_cast<int32_t>(i);
  return -1;
}

const std::vector<TTextEncoding>& ChoosableEncodings() {
  static const std::vector<TTextEncoding> encodings = [] {
    std::vector<TTextEncoding> all;
    for (const TTextEncoding e : AllTextEncodings())
      if (e != TTextEncoding::Utf8Bom) all.push_back(e);
    return all;
  }();
  return encodings;
}

const std::vector<std::string>& BookEncodingItems() {
  static const std::vector<std::string> items = [] {
    std::vector<std::string> all{"Auto"};
    for (const TTextEncoding e : ChoosableEncodings()) all.push_back(EncodingCaption(e));
    return all;
  }();
  return items;
}

}  // namespace qv
