#pragma once
#include <array>
#include <stdexcept>
#include <string>

namespace iv::host {

struct TransactionData {
  std::array<std::string, 65> in;   // I0..I64
  std::array<std::string, 65> out;  // O0..O64
  std::array<int, 65> inLine{};     // the file's line each I<n> was read from; 0 when absent
};

// A data file that cannot be read, or not as the text its author wrote: `line` is where
// (0: the file as a whole).
class DataFileError : public std::runtime_error {
 public:
  DataFileError(const std::string &what, int line) : std::runtime_error(what), line(line) {}
  int line;
};

// Lines "I<n>=<value>" and "O<n>=<value>" (n 0..64), '#' comments; GBK, or UTF-8 when the
// file starts with a byte-order mark (then converted to GBK). Throws DataFileError when
// unreadable or in another encoding (UTF-16, UTF-8 without BOM, bytes that are no GBK, a
// character GBK cannot hold), naming it.
TransactionData ReadTransactionData(const std::string &path);

}  // namespace iv::host
