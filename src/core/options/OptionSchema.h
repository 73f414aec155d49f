// The keys of the options file and of the profiles as data: for each key its
// section, kind, default, bounds, the control that holds it and (for combo
// boxes with fixed items) the items. Loading and saving walk these tables
// (OptionIO.h), so the Win32 side only binds each entry to its control.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "encoding/TextEncoding.h"

namespace qv {

enum class TOptionKind {
  Bool,        // check box
  Integer,     // combo box of numbers: loaded by selecting the item with the decimal
               // text (none when no item matches), saved from the combo's text
  Text,        // edit or combo text, read with not-empty and MaxLength
  Color,       // colour panel
  ImageTitle,  // edit holding a media title (profile folder / "BackImages\" rules)
  ListItem,    // list box whose selected item's text is stored; Text is the item
               // selected when the stored one names none
};

enum class TDefaultSource {
  Fixed,          // the table's default
  CurrentValue,   // the control's current state (program-option check boxes)
  SystemSetting,  // the system's mouse-wheel scroll lines (WheelScrollLines)
};

struct TOptionEntry {
  const char* Section;
  const char* Key;
  TOptionKind Kind;
  int32_t Default;  // Bool (0 or 1), Integer, Color (0x00BBGGRR as a signed value)
  int32_t Min;      // Integer: lowest accepted value
  int32_t Max;      // Integer: highest accepted value; Text, ImageTitle, ListItem: most characters
  std::string Text; // Text, ImageTitle, ListItem: the default text
  const char* Control;
  std::vector<std::string> Items;  // fixed items of the combo box, in order; empty otherwise
  TDefaultSource DefaultSource = TDefaultSource::Fixed;
};

using TOptionTable = std::vector<TOptionEntry>;

extern const char* const ProgramOptionsSection;  // "Quenvalis_Main"
extern const char* const ConverterSection;        // "Quenvalis_ConvertMeasure"
extern const char* const ProfileMainSection;      // "Profile_Main"
extern const char* const ProfileSoundsSection;    // "Profile_BackSounds"

// "Quenvalis_Main" in file order.
const TOptionTable& ProgramOptionTable();
// "Quenvalis_ConvertMeasure" in file order (items come from the converter's lists).
const TOptionTable& ConverterOptionTable();
// "Profile_Main" in file (save) order.
const TOptionTable& ProfileMainTable();
// The order in which "Profile_Main" is loaded: the file order, except that
// FadeCenterScreenBackImage comes right after TitleScreenBackImage.
std::vector<const TOptionEntry*> ProfileMainLoadOrder();
// "Use" and "Random" of "Profile_BackSounds" (the sound list itself is TBackSoundList).
const TOptionTable& ProfileSoundSwitchTable();

// The entry of a table by key (without regard to case), or null.
const TOptionEntry* FindOption(const TOptionTable& table, const std::string& key);

// The entry held by the control of this name, in any of the tables, or null.
const TOptionEntry* FindOptionOfControl(const std::string& control);
// The entry of a key of the program or profile tables; the key must exist.
const TOptionEntry& OptionOf(const char* key);
// An integer option as read back from its control's text: the integer when it
// lies within the entry's bounds, else the entry's default; no message.
int32_t ReadIntOption(const TOptionEntry& opt, const std::string& text);
inline int32_t ReadIntOption(const char* key, const std::string& text) {
  return ReadIntOption(OptionOf(key), text);
}
// The text a control shows for the entry's default (the number, or the default text).
std::string DefaultText(const TOptionEntry& opt);

// Decimal texts of from, from + step, ... up to to, appended to items.
void AddItemRange(std::vector<std::string>& items, int32_t from, int32_t to, int32_t step);

// Items of the three combo boxes that show sound 0 of the list.
const std::vector<std::string>& BackSoundVolumeItems();
const std::vector<std::string>& BackSoundDurationItems();
const std::vector<std::string>& BackSoundProbabilityItems();

// The "Encoding" drop-down of the Book group, a choice kept per book with its
// bookshelf entry (not a stored option): "Auto" (the book's encoding is
// detected), then the caption of each encoding a reader may choose, in the
// order of ChoosableEncodings (UTF-8 with its mark reads as UTF-8).
const std::vector<std::string>& BookEncodingItems();
const std::vector<TTextEncoding>& ChoosableEncodings();

// The selection rule of combo and list boxes: the index of the item equal to
// text (without regard to case), or -1 for no selection.
int32_t FindItemIndex(const std::vector<std::string>& items, const std::string& text);

}  // namespace qv
