#pragma once
// Settings files in the private-profile format: "[section]" lines, "key=value" lines, ';'
// comment lines. Names match without regard to ASCII case; the first of duplicate sections and
// of duplicate keys wins.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace iv {

class IniFile {
 public:
  // The settings in a file's text; a missing or unreadable file is read as an empty text,
  // where every read gives its default.
  explicit IniFile(std::string_view content);

  // The value with blanks and one pair of matching surrounding quotes removed, at most
  // kMaxValueLength bytes; `fallback` when the section or key is missing.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
  // A whole decimal number ("0x" reads hexadecimal); `fallback` when missing or not a number.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;
  // The values of keys "0", "1", "2", ... up to the first missing or empty one.
  std::vector<std::string> ReadNumberedList(std::string_view section) const;

  static constexpr std::size_t kMaxValueLength = 2047;

  // What the file holds, for tools that check it: sections and keys as written, in file order,
  // with their line numbers (from 1); of duplicates only the first, which is the one read.
  struct Entry {
    std::string key;
    std::string value;
    int line = 0;
  };
  struct Section {
    std::string name;
    int line = 0;
    std::vector<Entry> entries;
  };
  const std::vector<Section> &Sections() const { return sections_; }
  const Section *FindSection(std::string_view name) const;
  const Entry *FindEntry(std::string_view section, std::string_view key) const;
  // The entries ReadNumberedList reads the values of.
  std::vector<const Entry *> NumberedEntries(std::string_view section) const;

 private:
  const std::string *Find(std::string_view section, std::string_view key) const;

  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> section_index_;            // folded name -> section
  std::vector<std::unordered_map<std::string, std::size_t>> key_index_;  // per section: folded key -> entry
};

}  // namespace iv
