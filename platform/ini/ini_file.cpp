#include "platform/ini/ini_file.h"

#include "platform/text/dbcs.h"
#include "platform/text/integers.h"

namespace iv {
namespace {

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Names are compared folded and without surrounding blanks.
std::string NameKey(std::string_view name) { return UpperCaseGbk(TrimBlanks(name)); }

std::string_view StripQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value.remove_prefix(1);
    value.remove_suffix(1);
  }
  return value;
}

// Cuts at `limit` bytes without leaving half of a double-byte character behind.
std::string_view CutToLength(std::string_view value, std::size_t limit) {
  std::size_t end = 0;
  while (end < value.size()) {
    const std::size_t next = end + GbkCharSize(value, end);
    if (next > limit) break;
    end = next;
  }
  return value.substr(0, end);
}

}  // namespace

IniFile::IniFile(std::string_view content) {
  std::size_t current = 0;
  bool inSection = false;  // false before the first section and inside a repeated one
  std::size_t pos = 0;
  int lineNumber = 1;
  while (pos < content.size()) {
    std::size_t end = content.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = content.size();
    const std::string_view line = TrimBlanks(content.substr(pos, end - pos));
    const int number = lineNumber;
    // CR LF, a lone CR and a lone LF each end one line.
    if (end < content.size() && !(content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n'))
      ++lineNumber;
    pos = end + 1;

    if (line.empty() || line.front() == ';') continue;
    // A '[' line without its ']' is no section header; it may still be a key.
    const std::size_t close = line.front() == '[' ? FindCharGbk(line, ']', 1) : std::string_view::npos;
    if (close != std::string_view::npos) {
      const std::string_view name = line.substr(1, close - 1);
      const auto [it, added] = section_index_.try_emplace(NameKey(name), sections_.size());
      inSection = added;
      if (added) {
        current = sections_.size();
        sections_.push_back({std::string(TrimBlanks(name)), number, {}});
        key_index_.emplace_back();
      }
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inSection || equals == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, equals);
    std::vector<Entry> &entries = sections_[current].entries;
    if (key_index_[current].try_emplace(NameKey(key), entries.size()).second) {
      const std::string_view value = StripQuotes(TrimBlanks(line.substr(equals + 1)));
      entries.push_back({std::string(TrimBlanks(key)), std::string(CutToLength(value, kMaxValueLength)), number});
    }
  }
}

const IniFile::Section *IniFile::FindSection(std::string_view name) const {
  const auto s = section_index_.find(NameKey(name));
  return s == section_index_.end() ? nullptr : &sections_[s->second];
}

const IniFile::Entry *IniFile::FindEntry(std::string_view section, std::string_view key) const {
  const auto s = section_index_.find(NameKey(section));
  if (s == section_index_.end()) return nullptr;
  const auto k = key_index_[s->second].find(NameKey(key));
  return k == key_index_[s->second].end() ? nullptr : &sections_[s->second].entries[k->second];
}

const std::string *IniFile::Find(std::string_view section, std::string_view key) const {
  const Entry *entry = FindEntry(section, key);
  return entry != nullptr ? &entry->value : nullptr;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const std::string *value = Find(section, key);
  return value != nullptr ? *value : std::string(fallback);
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t fallback) const {
  const std::string *value = Find(section, key);
  return value != nullptr ? StrToIntDef(*value, fallback) : fallback;
}

std::vector<std::string> IniFile::ReadNumberedList(std::string_view section) const {
  std::vector<std::string> values;
  for (const Entry *entry : NumberedEntries(section)) values.push_back(entry->value);
  return values;
}

std::vector<const IniFile::Entry *> IniFile::NumberedEntries(std::string_view section) const {
  std::vector<const Entry *> entries;
  for (;;) {
    const Entry *entry = FindEntry(section, std::to_string(entries.size()));
    if (entry == nullptr || entry->value.empty()) return entries;
    entries.push_back(entry);
  }
}

}  // namespace iv
