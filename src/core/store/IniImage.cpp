#include "store/IniImage.h"

#include "encoding/UnicodeText.h"

namespace qv {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string TrimBlanks(const std::string& text) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

std::string WithoutLineBreaks(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

}  // namespace

void TIniImage::Clear() {
  sections_.clear();
  sectionIndex_.clear();
}

TIniImage::TSection* TIniImage::FindSection(const std::string& name) {
  const auto it = sectionIndex_.find(UpperCase(name));
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const TIniImage::TSection* TIniImage::FindSection(const std::string& name) const {
  const auto it = sectionIndex_.find(UpperCase(name));
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

TIniImage::TSection& TIniImage::AddSection(const std::string& name) {
  if (TSection* existing = FindSection(name)) return *existing;
  sectionIndex_[UpperCase(name)] = sections_.size();
  sections_.push_back(TSection{name, {}, {}});
  return sections_.back();
}

void TIniImage::AddOrSet(TSection& section, const std::string& key, const std::string& value,
                         bool replace) {
  const auto inserted = section.Index.emplace(UpperCase(key), section.Entries.size());
  if (inserted.second)
    section.Entries.push_back(TEntry{key, value});
  else if (replace)
    section.Entries[inserted.first->second].Value = value;
}

void TIniImage::Parse(const std::string& text) {
  Clear();
  TSection* current = nullptr;  // re-taken after every section is added
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string raw = text.substr(start, end - start);
    start = end + 1;

    size_t first = 0;
    while (first < raw.size() && IsBlank(raw[first])) ++first;
    if (first == raw.size() || raw[first] == ';') continue;
    if (raw[first] == '[') {
      const size_t close = raw.find(']', first + 1);
      if (close != std::string::npos)
        current = &AddSection(TrimBlanks(raw.substr(first + 1, close - first - 1)));
      continue;  // an unclosed bracket line is ignored
    }
    if (!current) continue;
    const size_t equals = raw.find('=', first);
    if (equals == std::string::npos) continue;
    const std::string key = TrimBlanks(raw.substr(first, equals - first));
    if (key.empty()) continue;
    AddOrSet(*current, key, raw.substr(equals + 1), false);
  }
}

std::string TIniImage::Text() const {
  std::string out;
  for (const TSection& section : sections_) {
    out += '[';
    out += section.Name;
    out += "]\r\n";
    for (const TEntry& entry : section.Entries) {
      out += entry.Key;
      out += '=';
      out += entry.Value;
      out += "\r\n";
    }
    out += "\r\n";
  }
  return out;
}

const std::string* TIniImage::Find(const std::string& section, const std::string& key) const {
  const TSection* s = FindSection(section);
  if (!s) return nullptr;
  const auto it = s->Index.find(UpperCase(key));
  return it == s->Index.end() ? nullptr : &s->Entries[it->second].Value;
}

void TIniImage::Set(const std::string& section, const std::string& key, const std::string& value) {
  AddOrSet(AddSection(WithoutLineBreaks(section)), WithoutLineBreaks(key), WithoutLineBreaks(value), true);
}

}  // namespace qv
