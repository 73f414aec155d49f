// An INI file held in memory.
//
// Reading: a line holding a name between square brackets opens that section;
// every other non-empty line that does not begin with a semicolon and holds an
// equals sign is an entry of the section opened last: key, "=", value. Lines
// before the first section, and lines without an equals sign, are ignored.
// Leading blanks of a line and blanks around the key are dropped; the value is
// everything after the first equals sign, kept byte for byte (a value may end
// in a blank, as the paragraph prefix "- " does). Line ends may be CR LF, LF or
// CR. Section and key names compare without regard to case; a repeated key
// keeps its first value, and a repeated section continues the first one.
//
// Writing: sections in the order of their first writing, each followed by its
// entries in the order of their first writing and one empty line; CR LF line
// ends. Line breaks inside names or values would split the entry, so they are
// stored as blanks.
#pragma once
#include <string>
#include <unordered_map>
#include <vector>

namespace qv {

class TIniImage {
 public:
  void Parse(const std::string& text);  // replaces the whole image
  std::string Text() const;
  void Clear();

  // The stored value, or null when the section or key is missing.
  const std::string* Find(const std::string& section, const std::string& key) const;
  void Set(const std::string& section, const std::string& key, const std::string& value);

  size_t SectionCount() const { return sections_.size(); }

 private:
  struct TEntry {
    std::string Key, Value;
  };
  struct TSection {
    std::string Name;
    std::vector<TEntry> Entries;
    std::unordered_map<std::string, size_t> Index;  // upper-case key -> entry
  };
  TSection* FindSection(const std::string& name);
  const TSection* FindSection(const std::string& name) const;
  TSection& AddSection(const std::string& name);
  void AddOrSet(TSection& section, const std::string& key, const std::string& value, bool replace);

  std::vector<TSection> sections_;
  std::unordered_map<std::string, size_t> sectionIndex_;  // upper-case name -> section
};

}  // namespace qv
