#include "options/OptionIO.h"

#include <limits>

#include "store/StoredTextList.h"
#include "util/Numbers.h"

namespace qv {

namespace {

constexpr int32_t kTitleLength = 259;

int32_t StartInteger(const TOptionSpec& spec, IOptionValues& values, const TOptionContext& context) {
  switch (spec.DefaultSource) {
    case TDefaultSource::SystemSetting: return context.SystemWheelScrollLines;
    case TDefaultSource::CurrentValue: return GetIntFromText(values.GetText(spec), spec.Min, spec.Max, spec.Default);
    case TDefaultSource::Fixed: break;
  }
  return spec.Default;
}

}  // namespace

TBackSoundList::TBackSoundList() {
  Titles[0] = DefaultSoundName;
  Volumes.fill(50);
  Durations.fill(5);
  Probabilities.fill(100);
}

void LoadOption(const TStoredTextList& store, const TOptionSpec& spec, IOptionValues& values,
                const TOptionContext& context) {
  switch (spec.Kind) {
    case TOptionKind::Bool: {
      bool value = spec.DefaultSource == TDefaultSource::CurrentValue ? values.GetBool(spec) : spec.Default != 0;
      store.ReadBool(spec.Section, spec.Key, value);
      values.SetBool(spec, value);
      break;
    }
    case TOptionKind::Integer: {
      int32_t value = StartInteger(spec, values, context);
      store.ReadInteger(spec.Section, spec.Key, spec.Min, spec.Max, value);
      values.SetText(spec, std::to_string(value));
      break;
    }
    case TOptionKind::Text:
    case TOptionKind::ImageTitle: {
      std::string value = spec.Text;
      store.ReadString(spec.Section, spec.Key, value, false, spec.Max);
      if (spec.Kind == TOptionKind::ImageTitle) value = NormaliseMediaTitle(value, spec.Text);
      values.SetText(spec, value);
      break;
    }
    case TOptionKind::Color: {
      uint32_t value = static_cast<uint32_t>(spec.Default);
      store.ReadColor(spec.Section, spec.Key, value);
      values.SetColor(spec, value);
      break;
    }
    case TOptionKind::ListItem: {
      std::string value;
      store.ReadString(spec.Section, spec.Key, value, false, spec.Max);
      values.SetText(spec, value);
      if (values.GetText(spec).empty()) values.SetText(spec, spec.Text);
      break;
    }
  }
  values.Loaded(spec);
}

void SaveOption(TStoredTextList& store, const TOptionSpec& spec, IOptionValues& values,
                const TOptionContext& context) {
  switch (spec.Kind) {
    case TOptionKind::Bool:
      store.WriteBool(spec.Section, spec.Key, values.GetBool(spec));
      break;
    case TOptionKind::Integer: {
      const std::string text = values.GetText(spec);
      // The wheel setting is saved as it stands (0 when empty); it reads back
      // as the system setting when it is out of bounds.
      const int32_t value =
          spec.DefaultSource == TDefaultSource::SystemSetting
              ? GetIntFromText(text, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), 0)
              : GetIntFromText(text, spec.Min, spec.Max, spec.Default);
      store.WriteInteger(spec.Section, spec.Key, value);
      break;
    }
    case TOptionKind::Text:
    case TOptionKind::ListItem:
      store.WriteString(spec.Section, spec.Key, values.GetText(spec));
      break;
    case TOptionKind::ImageTitle:
      store.WriteString(spec.Section, spec.Key, GetImageTitle(values.GetText(spec), context.Media));
      break;
    case TOptionKind::Color:
      store.WriteColor(spec.Section, spec.Key, values.GetColor(spec));
      break;
  }
}

void LoadOptions(const TStoredTextList& store, IOptionValues& values, int32_t systemWheelScrollLines,
                 const std::function<void()>& betweenSections) {
  TOptionContext context;
  context.SystemWheelScrollLines = systemWheelScrollLines;
  for (const TOptionSpec& spec : ProgramOptionTable()) LoadOption(store, spec, values, context);
  if (betweenSections) betweenSections();
  for (const TOptionSpec& spec : ConverterOptionTable()) LoadOption(store, spec, values, context);
}

void SaveOptions(TStoredTextList& store, IOptionValues& values, const std::function<void()>& betweenSections) {
  const TOptionContext context;
  store.Clear();
  for (const TOptionSpec& spec : ProgramOptionTable()) SaveOption(store, spec, values, context);
  if (betweenSections) betweenSections();
  for (const TOptionSpec& spec : ConverterOptionTable()) SaveOption(store, spec, values, context);
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
  for (const TOptionSpec* spec : ProfileMainLoadOrder()) LoadOption(store, *spec, values, context);
  for (const TOptionSpec& spec : ProfileSoundSwitchTable()) LoadOption(store, spec, values, context);
  LoadBackSounds(store, sounds);
}

void SaveProfile(TStoredTextList& store, IOptionValues& values, const TBackSoundList& sounds,
                 const TMediaFolders& media) {
  TOptionContext context;
  context.Media = media;
  store.Clear();
  for (const TOptionSpec& spec : ProfileMainTable()) SaveOption(store, spec, values, context);
  for (const TOptionSpec& spec : ProfileSoundSwitchTable()) SaveOption(store, spec, values, context);
  SaveBackSounds(store, sounds, media);
}

}  // namespace qv
