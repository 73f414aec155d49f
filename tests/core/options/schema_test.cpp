#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/OptionSchema.h"

namespace qv {
namespace {

std::vector<std::string> Keys(const TOptionTable& table) {
  std::vector<std::string> keys;
  for (const TOptionEntry& opt : table) keys.push_back(opt.Key);
  return keys;
}

TEST(OptionSchema, TablesHoldEveryKeyInFileOrder) {
  EXPECT_EQ((std::vector<std::string>{"AutoSaveProfile", "AutoBookmark", "AutoLoadLast", "WheelScrollLines",
                                      "DictionaryTitle", "ClipboardForDic", "ForceRichEdit3", "OpenInPieces",
                                      "PieceSize", "RichBoxWidthPercent", "RichBoxTopPercent",
                                      "RichBoxBottomPercent", "PrintLeftMargin", "PrintRightMargin",
                                      "PrintTopMargin", "PrintBottomMargin"}),
            Keys(ProgramOptionTable()));
  EXPECT_EQ((std::vector<std::string>{"Length", "Speed", "Area", "Volume", "Weight", "Temperature"}),
            Keys(ConverterOptionTable()));
  const std::vector<std::string> profile = Keys(ProfileMainTable());
  ASSERT_EQ(38u, profile.size());
  EXPECT_EQ("EnhanceText", profile.front());
  EXPECT_EQ("ParagraphPrefix", profile.back());
  EXPECT_EQ("FadeCenterScreenBackImage", profile[7]);
  EXPECT_EQ("TitleScreenBackImage", profile[8]);
  EXPECT_EQ((std::vector<std::string>{"Use", "Random"}), Keys(ProfileSoundSwitchTable()));
  for (const TOptionEntry& opt : ProgramOptionTable()) EXPECT_STREQ("Quenvalis_Main", opt.Section);
  for (const TOptionEntry& opt : ProfileMainTable()) EXPECT_STREQ("Profile_Main", opt.Section);
}

TEST(OptionSchema, IntegerOptionsReadBackFromTheirControlsWithTheirBounds) {
  const struct {
    const char* key;
    const char* text;
    int32_t expected;
  } cases[] = {
      {"PieceSize", "10000", 10000},        {"PieceSize", "500000", 500000},
      {"PieceSize", "9999", 50000},         {"PieceSize", "500001", 50000},
      {"PieceSize", "lots", 50000},         {"RichBoxWidthPercent", "100", 100},
      {"RichBoxWidthPercent", "19", 45},    {"RichBoxWidthPercent", "x", 45},
      {"RichBoxTopPercent", "16", 10},      {"RichBoxTopPercent", "5", 5},
      {"RichBoxBottomPercent", "9", 15},    {"RichBoxBottomPercent", "25", 25},
      {"FontSize", "51", 16},               {"CharSpacing", "-10", -10},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, ReadIntOption(c.key, c.text)) << c.key << " " << c.text;
  EXPECT_EQ("RichBoxTopPercent", std::string(FindOptionOfControl("RichBoxTopPercentComboBox")->Key));
  EXPECT_EQ(nullptr, FindOptionOfControl("NoSuchComboBox"));
  EXPECT_EQ("16", DefaultText(OptionOf("FontSize")));
  EXPECT_EQ("None", DefaultText(OptionOf("ParagraphPrefix")));
}

TEST(OptionSchema, ProfileLoadOrderReadsFadeCenterAfterTheScreenTitle) {
  const std::vector<const TOptionEntry*> order = ProfileMainLoadOrder();
  ASSERT_EQ(ProfileMainTable().size(), order.size());
  EXPECT_STREQ("GammaScreenBackImage", order[6]->Key);
  EXPECT_STREQ("TitleScreenBackImage", order[7]->Key);
  EXPECT_STREQ("FadeCenterScreenBackImage", order[8]->Key);
  EXPECT_STREQ("UseRichBackImage", order[9]->Key);
}

TEST(OptionSchema, DefaultsBoundsAndItems) {
  const struct {
    const char* key;
    int32_t def, min, max;
    size_t items;
    const char* first;
    const char* last;
  } cases[] = {
      {"PieceSize", 50000, 10000, 500000, 18, "10000", "500000"},
      {"WheelScrollLines", 3, 1, 20, 12, "1", "20"},
      {"RichBoxWidthPercent", 45, 20, 100, 16, "20", "95"},
      {"RichBoxTopPercent", 10, 5, 15, 11, "5", "15"},
      {"RichBoxBottomPercent", 15, 10, 25, 16, "10", "25"},
      {"PrintLeftMargin", 30, 0, 50, 11, "0", "50"},
      {"GammaScreenBackImage", 100, 1, 1000, 35, "1", "1000"},
      {"FadeScreenBackImage", 0, 0, 100, 14, "0", "100"},
      {"FadeCenterScreenBackImage", 0, 0, 100, 11, "0", "100"},
      {"FontSize", 16, 8, 50, 28, "8", "50"},
      {"CharSpacing", 0, -10, 500, 50, "-10", "500"},
      {"LineSpacing", 120, 100, 500, 19, "100", "500"},
      {"SpaceAfter", 5, 0, 30, 17, "0", "30"},
      {"FontZoom", 100, 10, 500, 47, "10", "500"},
  };
  for (const auto& c : cases) {
    const TOptionEntry* opt = FindOption(ProgramOptionTable(), c.key);
    if (!opt) opt = FindOption(ProfileMainTable(), c.key);
    ASSERT_NE(nullptr, opt) << c.key;
    EXPECT_EQ(TOptionKind::Integer, opt->Kind) << c.key;
    EXPECT_EQ(c.def, opt->Default) << c.key;
    EXPECT_EQ(c.min, opt->Min) << c.key;
    EXPECT_EQ(c.max, opt->Max) << c.key;
    EXPECT_EQ(c.items, opt->Items.size()) << c.key;
    EXPECT_EQ(c.first, opt->Items.front()) << c.key;
    EXPECT_EQ(c.last, opt->Items.back()) << c.key;
  }
  EXPECT_EQ(8519680, FindOption(ProfileMainTable(), "EmphaColor")->Default);
  EXPECT_EQ(31, FindOption(ProfileMainTable(), "fontname")->Max);
  EXPECT_EQ(6u, FindOption(ProfileMainTable(), "ParagraphPrefix")->Items.size());
  EXPECT_EQ(34u, BackSoundVolumeItems().size());
  EXPECT_EQ(32u, BackSoundDurationItems().size());
  EXPECT_EQ(39u, BackSoundProbabilityItems().size());
}

TEST(OptionSchema, ItemSelectionRule) {
  const std::vector<std::string> items = {"Meters", "Feet", "- "};
  EXPECT_EQ(1, FindItemIndex(items, "Feet"));
  EXPECT_EQ(0, FindItemIndex(items, "meters"));
  EXPECT_EQ(2, FindItemIndex(items, "- "));
  EXPECT_EQ(-1, FindItemIndex(items, "-"));
  EXPECT_EQ(-1, FindItemIndex(items, ""));
  EXPECT_EQ(-1, FindItemIndex({}, "x"));
}

}  // namespace
}  // namespace qv
