#include "options/OptionIO.h"

#include <limits>

#include "store/StoredTextList.h"
#include "util/Numbers.h"

namespace qv {

namespace {

constexpr int32_t kTitleLength = 259;

int32_t StartInteger(const TOptionEntry& opt, IOptionValues& values, const TOptionContext& context) {
  switch (opt.DefaultSource) {
    case TDefaultSource::SystemSetting: return context.SystemWheelScrollLines;
    case TDefaultSource::CurrentValue: return GetIntFromText(values.GetText(opt), opt.Min, opt.Max, opt.Default);
    case TDefaultSource::Fixed: break;
  }
  return opt.Default;
}

}  // namespace

TBackSoundList::TBackSoundList() {
  Titles[0] = DefaultSoundName;
  Volumes.fill(50);
  Durations.fill(5);
  Probabilities.fill(100);
}

void LoadOption(const TStoredTextList& store, const TOptionEntry& opt, IOptionValues& values,
                const TOptionContext& context) {
  switch (opt.Kind) {
    case TOptionKind::Bool: {
      bool value = opt.DefaultSource == TDefaultSource::CurrentValue ? values.GetBool(opt) : opt.Default != 0;
      store.ReadBool(opt.Section, opt.Key, value);
      values.SetBool(opt, value);
      break;
    }
    case TOptionKind::Integer: {
      int32_t value = StartInteger(opt, values, context);
      store.ReadInteger(opt.Section, opt.Key, opt.Min, opt.Max, value);
      values.SetText(opt, std::to_string(value));
      break;
    }
    case TOptionKind::Text:
    case TOptionKind::ImageTitle: {
      std::string value = opt.Text;
      store.ReadString(opt.Section, opt.Key, value, false, opt.Max);
      if (opt.Kind == TOptionKind::ImageTitle) value = NormaliseMediaTitle(value, opt.Text);
      values.SetText(opt, value);
      break;
    }
    case TOptionKind::Color: {
      uint32_t value = static_cast<uint32_t>(opt.Default);
      store.ReadColor(opt.Section, opt.Key, value);
      values.SetColor(opt, value);
      break;
    }
    case TOptionKind::ListItem: {
      std::string value;
      store.ReadString(opt.Section, opt.Key, value, false, opt.Max);
      values.SetText(opt, value);
      if (values.GetText(opt).empty()) values.SetText(opt, opt.Text);
      break;
    }
  }
  values.Loaded(opt);
}

void SaveOption(TStoredTextList& store, const TOptionEntry& opt, IOptionValues& values,
                const TOptionContext& context) {
  switch (opt.Kind) {
    case TOptionKind::Bool:
      store.WriteBool(opt.Section, opt.Key, values.GetBool(opt));
      break;
    case TOptionKind::Integer: {
      const std::string text = values.GetText(opt);
      // The wheel setting is saved as it stands (0 when empty); it reads back
      // as the system setting when it is out of bounds.
      const int32_t value =
          opt.DefaultSource == TDefaultSource::SystemSetting
              ? GetIntFromText(text, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), 0)
              : GetIntFromText(text, opt.Min, opt.Max, opt.Default);
      store.WriteInteger(opt.Section, opt.Key, value);
      break;
    }
    case TOptionKind::Text:
    case TOptionKind::ListItem:
      store.WriteString(opt.Section, opt.Key, values.GetText(opt));
      break;
    case TOptionKind::ImageTitle:
      store.WriteString(opt.Section, opt.Key, GetImageTitle(values.GetText(opt), context.Media));
      break;
    case TOptionKind::Color:
      store.WriteColor(opt.Section, opt.Key, values.GetColor(opt));
      break;
  }
}

void LoadOptions(const TStoredTextList& store, IOptionValues& values, int32_t systemWheelScrollLines,
                 const std::function<void()>& betweenSections) {
  TOptionContext context;
  context.SystemWheelScrollLines = systemWheelScrollLines;
  for (const TOptionEntry& opt : ProgramOptionTable()) LoadOption(store, opt, values, context);
  if (betweenSections) betweenSections();
  for (const TOptionEntry& opt : ConverterOptionTable()) LoadOption(store, opt, values, context);
}

void SaveOptions(TStoredTextList& store, IOptionValues& values, const std::function<void()>& betweenSections) {
  const TOptionContext context;
  store.Clear();
  for (const TOptionEntry& opt : ProgramOptionTable()) SaveOption(store, opt, values, context);
  if (betweenSections) betweenSections();
  for (const TOptionEntry& opt : ConverterOptionTable()) SaveOption(store, opt, values, context);
}

void LoadBackSounds(const TStoredTextList& store, TBackSoundList& sounds) {
  const TBackSoundList defaults;
  sounds.Count = 1;
  store.ReadInteger(ProfileSoundsSection, "Count", 1, TBackSoundList::Capacity, sounds.Count);
  for (int32_t i = 0; i < sounds.Count; ++i) {
    const std::string n = std::to_string(i);
    std::string title = defaults.Titles[i];
    store.ReadString(ProfileSoundsSection, "File" + n, title, true, kTitleLength);
    sounds.Titles[i] = NormaliseMediaTitle(title, DefaultSoundName);
    sounds.Volumes[i] = defaults.Volumes[i];
    store.ReadInteger(ProfileSoundsSection, "Vol" + n, 0, 1000, sounds.Volumes[i]);
    sounds.Durations[i] = defaults.Durations[i];
    store.ReadInteger(ProfileSoundsSection, "Dur" + n, 1, 500, sounds.Durations[i]);
    sounds.Probabilities[i] = defaults.Probabilities[i];
    store.ReadInteger(ProfileSoundsSection, "Prob" + n, 1, 1000, sounds.Probabilities[i]);
  }
}

void SaveBackSounds(TStoredTextList& store, const TBackSoundList& sounds, const TMediaFolders& media) {
  const int32_t count = sounds.Count < 1 ? 1 : (sounds.Count > TBackSoundList::Capacity ? TBackSoundList::Capacity : sounds.Count);
  store.WriteInteger(ProfileSoundsSection, "Count", count);
  for (int32_t i = 0; i < count; ++i) {
    const std::string n = std::to_string(i);
    store.WriteString(ProfileSoundsSection, "File" + n, GetSoundTitle(sounds.Titles[i], media));
    store.WriteInteger(ProfileSoundsSection, "Vol" + n, sounds.Volumes[i]);
    store.WriteInteger(ProfileSoundsSection, "Dur" + n, sounds.Durations[i]);
    store.WriteInteger(ProfileSoundsSection, "Prob" + n, sounds.Probabilities[i]);
  }
}

void LoadProfile(const TStoredTextList& store, IOptionValues& values, TBackSoundList& sounds) {
  const TOptionContext context;
  for (const TOptionEntry* opt : ProfileMainLoadOrder()) LoadOption(store, *opt, values, context);
  for (const TOptionEntry& opt : ProfileSoundSwitchTable()) LoadOption(store, opt, values, context);
  LoadBackSounds(store, sounds);
}

void SaveProfile(TStoredTextList& store, IOptionValues& values, const TBackSoundList& sounds,
                 const TMediaFolders& media) {
  TOptionContext context;
  context.Media = media;
  store.Clear();
  for (const TOptionEntry& opt : ProfileMainTable()) SaveOption(store, opt, values, context);
  for (const TOptionEntry& opt : ProfileSoundSwitchTable()) SaveOption(store, opt, values, context);
  SaveBackSounds(store, sounds, media);
}

}  // namespace qv
