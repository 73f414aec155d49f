// Loading and saving the option tables between a settings store and the
// controls (IOptionValues). These are the bodies of the options store's and
// the profile store's OnLoad and OnSave handlers:
//
//   OptionsStore.OnLoad = [&](TStoredTextList& s) {
//     LoadOptions(s, controls, systemWheelLines, [&] { Bookshelf.Load(s); UpdateBookshelfButtons(); });
//   };
//   OptionsStore.OnSave = [&](TStoredTextList& s) {
//     SaveOptions(s, controls, [&] {
//       UpdateAutoBookmark(true);
//       Bookshelf.Save(s);
//       if (AutoSaveProfileCheckBox checked) ProfileStore.Save(false);
//     });
//   };
//   ProfileStore.OnLoad = [&](TStoredTextList& s) { LoadProfile(s, controls, Sounds); show sound 0; };
//   ProfileStore.OnSave = [&](TStoredTextList& s) { SaveProfile(s, controls, Sounds, media folders); };
//
// A colour that cannot be read keeps its default and fails the load once every
// other option is in its control (TStoredTextList::ReadColor).
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "options/MediaTitles.h"
#include "options/OptionSchema.h"
#include "options/OptionValues.h"

namespace qv {

class TStoredTextList;

// The background sounds of a profile: four arrays of 20 entries and the count.
struct TBackSoundList {
  static constexpr int32_t Capacity = 20;
  int32_t Count = 1;
  std::array<std::string, Capacity> Titles{};
  std::array<int32_t, Capacity> Volumes{};
  std::array<int32_t, Capacity> Durations{};
  std::array<int32_t, Capacity> Probabilities{};
  TBackSoundList();
};

struct TOptionContext {
  int32_t SystemWheelScrollLines = 3;  // the system's mouse-wheel setting
  TMediaFolders Media;                 // for writing image titles
};

// One entry: read it (from its default, the control's state or the system
// setting, as the entry says), put it into its control, then raise Loaded.
void LoadOption(const TStoredTextList& store, const TOptionEntry& opt, IOptionValues& values,
                const TOptionContext& context);
// One entry: take it from its control and write it.
void SaveOption(TStoredTextList& store, const TOptionEntry& opt, IOptionValues& values,
                const TOptionContext& context);

// The options file: "Quenvalis_Main", then betweenSections (the bookshelf),
// then "Quenvalis_ConvertMeasure", where a unit naming no item of its list
// selects the list's default item. SaveOptions clears the store first.
void LoadOptions(const TStoredTextList& store, IOptionValues& values, int32_t systemWheelScrollLines,
                 const std::function<void()>& betweenSections);
void SaveOptions(TStoredTextList& store, IOptionValues& values, const std::function<void()>& betweenSections);

// A profile: "Profile_Main" in its load order, "Use", "Random" and the sound
// list. SaveProfile clears the store first and writes image titles and sound
// titles relative to the media folders.
void LoadProfile(const TStoredTextList& store, IOptionValues& values, TBackSoundList& sounds);
void SaveProfile(TStoredTextList& store, IOptionValues& values, const TBackSoundList& sounds,
                 const TMediaFolders& media);

void LoadBackSounds(const TStoredTextList& store, TBackSoundList& sounds);
void SaveBackSounds(TStoredTextList& store, const TBackSoundList& sounds, const TMediaFolders& media);

}  // namespace qv
