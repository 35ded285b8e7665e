#pragma once
// What an off-screen page of an invoice reads: the cells of the three sections, and the template,
// which must exist.
#include <optional>
#include <string>
#include <vector>

#include "invoice/page_request.h"

namespace iv {

struct SectionTables {
  std::vector<std::string> head;
  std::vector<std::string> detail;
  std::vector<std::string> tail;
};

// The cells of the data files the request names; nothing, with the path and the system's reason
// in `error`, when a data file or the template cannot be read.
std::optional<SectionTables> ReadInvoiceInputs(const PageRequest &request, std::string &error);

}  // namespace iv
