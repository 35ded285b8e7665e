#include "platform/time/format_date_time.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "platform/text/dbcs.h"

namespace iv {
namespace {

constexpr char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c; }
constexpr bool IsUpperAscii(char c) { return c >= 'A' && c <= 'Z'; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (UpperAscii(text[i]) != UpperAscii(prefix[i])) return false;
  return true;
}

// Names indexed from 1 (months) or 0 (days); a value out of range has no name.
template <std::size_t N>
std::string_view NameAt(const std::array<std::string, N> &names, std::int64_t index) {
  return index >= 0 && static_cast<std::size_t>(index) < N ? std::string_view(names[index])
                                                           : std::string_view();
}

class Formatter {
 public:
  Formatter(const DateTime &moment, const DateLocale &locale) : m_(moment), locale_(locale) {}

  // Locale formats expand inside a pattern, one level deep, so every pattern ends.
  void Append(std::string_view pattern, int depth);
  std::string Take() { return std::move(out_); }

 private:
  static constexpr int kMaxDepth = 2;

  void AppendNumber(std::int64_t value, std::size_t minDigits);
  // Whether an am/pm marker follows the hour pattern before another hour pattern does.
  static bool MarkerFollows(std::string_view rest);
  // The 'a' patterns; `p` begins at the 'a'. Returns the pattern bytes used.
  std::size_t AppendAmPm(std::string_view p, bool &twelveHour);
  void AppendEraYear(std::size_t count);

  const DateTime &m_;
  const DateLocale &locale_;
  std::string out_;
};

void Formatter::AppendNumber(std::int64_t value, std::size_t minDigits) {
  if (value < 0) out_ += '-';
  const std::string digits = std::to_string(std::llabs(value));
  if (digits.size() < minDigits) out_.append(minDigits - digits.size(), '0');
  out_ += digits;
}

bool Formatter::MarkerFollows(std::string_view rest) {
  bool quoted = false;
  for (std::size_t i = 0; i < rest.size(); i += GbkCharSize(rest, i)) {
    const char c = rest[i];
    if (c == '\'' || c == '"') {
      quoted = !quoted;
    } else if (UpperAscii(c) == 'H') {
      return false;
    } else if (UpperAscii(c) == 'A' && !quoted) {
      const std::string_view p = rest.substr(i);
      return StartsWithNoCase(p, "am/pm") || StartsWithNoCase(p, "a/p") || StartsWithNoCase(p, "ampm");
    }
  }
  return false;
}

std::size_t Formatter::AppendAmPm(std::string_view p, bool &twelveHour) {
  const bool afternoon = m_.hour >= 12;
  if (StartsWithNoCase(p, "am/pm")) {
    out_ += p.substr(afternoon ? 3 : 0, 2);  // in the pattern's own letter case
    twelveHour = true;
    return 5;
  }
  if (StartsWithNoCase(p, "a/p")) {
    out_ += p[afternoon ? 2 : 0];
    twelveHour = true;
    return 3;
  }
  if (StartsWithNoCase(p, "ampm")) {
    out_ += afternoon ? locale_.timePm : locale_.timeAm;
    twelveHour = true;
    return 4;
  }
  if (StartsWithNoCase(p, "aaaa")) {
    out_ += NameAt(locale_.longDayNames, DayOfWeek(m_));
    return 4;
  }
  if (StartsWithNoCase(p, "aaa")) {
    out_ += NameAt(locale_.shortDayNames, DayOfWeek(m_));
    return 3;
  }
  out_ += p[0];
  return 1;
}

void Formatter::AppendEraYear(std::size_t count) {
  if (count > 2) return AppendNumber(m_.year, 4);
  const std::size_t start = out_.size();
  AppendNumber(m_.year % 100, 2);
  if (count == 1 && out_[start] == '0') out_.erase(start, 1);
}

void Formatter::Append(std::string_view f, int depth) {
  if (depth >= kMaxDepth) return;
  char lastLetter = ' ';
  bool twelveHour = false;
  std::size_t i = 0;
  while (i < f.size()) {
    if (GbkCharSize(f, i) == 2) {
      out_ += f.substr(i, 2);
      i += 2;
      continue;
    }
    const char starter = f[i++];
    // The run length of the starting character itself, letter case included.
    const auto runLength = [&] {
      std::size_t n = 1;
      for (; i < f.size() && f[i] == starter; ++i) ++n;
      return n;
    };
    char token = UpperAscii(starter);
    if (IsUpperAscii(token)) {
      if (token == 'M' && lastLetter == 'H') token = 'N';
      lastLetter = token;
    }
    switch (token) {
      case 'Y':
        if (runLength() <= 2) {
          AppendNumber(m_.year % 100, 2);
        } else {
          AppendNumber(m_.year, 4);
        }
        break;
      case 'G':
        runLength();
        out_ += locale_.eraName;
        break;
      case 'E':
        AppendEraYear(runLength());
        break;
      case 'M':
        switch (const std::size_t n = runLength()) {
          case 1:
          case 2:
            AppendNumber(m_.month, n);
            break;
          case 3:
            out_ += NameAt(locale_.shortMonthNames, std::int64_t{m_.month} - 1);
            break;
          default:
            out_ += NameAt(locale_.longMonthNames, std::int64_t{m_.month} - 1);
            break;
        }
        break;
      case 'D':
        switch (const std::size_t n = runLength()) {
          case 1:
          case 2:
            AppendNumber(m_.day, n);
            break;
          case 3:
            out_ += NameAt(locale_.shortDayNames, DayOfWeek(m_));
            break;
          case 4:
            out_ += NameAt(locale_.longDayNames, DayOfWeek(m_));
            break;
          case 5:
            Append(locale_.shortDateFormat, depth + 1);
            break;
          default:
            Append(locale_.longDateFormat, depth + 1);
            break;
        }
        break;
      case 'H': {
        const std::size_t n = std::min<std::size_t>(runLength(), 2);
        twelveHour = twelveHour || MarkerFollows(f.substr(i));
        int hour = m_.hour;
        if (twelveHour && hour == 0) hour = 12;
        if (twelveHour && hour > 12) hour -= 12;
        AppendNumber(hour, n);
        break;
      }
      case 'N':
        AppendNumber(m_.minute, std::min<std::size_t>(runLength(), 2));
        break;
      case 'S':
        AppendNumber(m_.second, std::min<std::size_t>(runLength(), 2));
        break;
      case 'Z':
        AppendNumber(m_.millisecond, runLength() < 3 ? 1 : 3);
        break;
      case 'T':
        Append(runLength() == 1 ? locale_.shortTimeFormat : locale_.longTimeFormat, depth + 1);
        break;
      case 'C':
        runLength();
        Append(locale_.shortDateFormat, depth + 1);
        // Midnight shows the date alone.
        if (m_.hour != 0 || m_.minute != 0 || m_.second != 0) {
          out_ += ' ';
          Append(locale_.longTimeFormat, depth + 1);
        }
        break;
      case 'A':
        i += AppendAmPm(f.substr(i - 1), twelveHour) - 1;
        break;
      case '/':
        out_ += locale_.dateSeparator;
        break;
      case ':':
        out_ += locale_.timeSeparator;
        break;
      case '\'':
      case '"': {
        // Quoted text runs to the same quote character, or to the end when it has none.
        const std::size_t close = FindCharGbk(f, starter, i);
        const std::size_t end = close == std::string_view::npos ? f.size() : close;
        out_ += f.substr(i, end - i);
        i = close == std::string_view::npos ? end : end + 1;
        break;
      }
      default:
        out_ += starter;
        break;
    }
  }
}

}  // namespace

std::string FormatDateTime(std::string_view pattern, const DateTime &moment, const DateLocale &locale) {
  Formatter formatter(moment, locale);
  formatter.Append(pattern.empty() ? std::string_view("c") : pattern, 0);
  return formatter.Take();
}

}  // namespace iv
