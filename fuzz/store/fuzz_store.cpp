// Fuzz target: any bytes as an options file and as a profile.
//  - Reading never crashes, hangs or trips a sanitizer.
//  - The INI image written from what was read reads back to the same text.
//  - The options, bookshelf and profile loaders take every key through its
//    typed read; saving what they loaded and loading it again gives the same file.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "bookshelf/Bookshelf.h"
#include "options/MemoryOptionValues.h"
#include "options/OptionIO.h"
#include "store/IniImage.h"
#include "store/IniValues.h"
#include "store/MemoryFileSystem.h"
#include "store/StoredTextList.h"

namespace {

using namespace qv;

const char* const kOptions = "C:\\Quenvalis\\Quenvalis.ini";
const char* const kProfile = "C:\\Books\\QuenvalisProfile.fsp";

void Check(bool condition) {
  if (!condition) std::abort();
}

void IniRoundTrip(const std::string& text) {
  TIniImage first;
  first.Parse(text);
  const std::string written = first.Text();
  TIniImage second;
  second.Parse(written);
  Check(second.Text() == written);
}

// Loads text as the options file, saves it and checks that a second load and
// save of the saved file changes nothing.
void OptionsRoundTrip(const std::string& text) {
  TMemoryFileSystem fs;
  fs.PutFile(kOptions, text);
  TStoredTextList store(kOptions, &fs);
  TOptionValueMap controls;
  controls.ResetToDefaults(ProgramOptionTable());
  controls.ResetToDefaults(ConverterOptionTable());
  TBookshelf shelf;
  store.OnLoad = [&](TStoredTextList& s) { LoadOptions(s, controls, 3, [&] { shelf.Load(s); }); };
  store.OnSave = [&](TStoredTextList& s) { SaveOptions(s, controls, [&] { shelf.Save(s); }); };
  Check(store.Load());  // options hold no colours: loading cannot fail
  Check(shelf.Count() >= 0 && shelf.Count() <= BookshelfCapacity);
  Check(store.Save(false));
  const std::string saved = fs.Content(kOptions);
  Check(store.Load() && store.Save(false));
  Check(fs.Content(kOptions) == saved);
}

void ProfileRoundTrip(const std::string& text) {
  TMemoryFileSystem fs;
  fs.PutFile(kProfile, text);
  TStoredTextList store(kProfile, &fs);
  TOptionValueMap controls;
  controls.ResetToDefaults(ProfileMainTable());
  controls.ResetToDefaults(ProfileSoundSwitchTable());
  TBackSoundList sounds;
  const TMediaFolders media{"C:\\Quenvalis", kProfile, ""};
  store.OnLoad = [&](TStoredTextList& s) { LoadProfile(s, controls, sounds); };
  store.OnSave = [&](TStoredTextList& s) { SaveProfile(s, controls, sounds, media); };
  if (!store.Load()) return;  // an unreadable colour stops the load: a reported failure
  Check(sounds.Count >= 1 && sounds.Count <= TBackSoundList::Capacity);
  // Reading renames default media titles, so the file settles after one more round.
  Check(store.Save(false) && store.Load() && store.Save(false));
  const std::string saved = fs.Content(kProfile);
  Check(store.Load() && store.Save(false));
  Check(fs.Content(kProfile) == saved);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  IniRoundTrip(text);
  int32_t number = 0;
  uint32_t color = 0;
  ParseIniInteger(text, number);
  ParseIniColor(text, color);
  OptionsRoundTrip(text);
  ProfileRoundTrip(text);
  return 0;
}
