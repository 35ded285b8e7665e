#pragma once
#include <array>
#include <string>

namespace iv::host {

struct TransactionData {
  std::array<std::string, 65> in;   // I0..I64
  std::array<std::string, 65> out;  // O0..O64
};

// Lines "I<n>=<value>" and "O<n>=<value>" (n 0..64), '#' comments; GBK, or UTF-8 when the
// file starts with a byte-order mark (then converted to GBK). Throws when unreadable or in
// another encoding (UTF-16, UTF-8 without BOM), naming it.
TransactionData ReadTransactionData(const std::string &path);

}  // namespace iv::host
