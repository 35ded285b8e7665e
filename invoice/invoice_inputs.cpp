#include "invoice/invoice_inputs.h"

#include "invoice/cell_file.h"
#include "platform/fs/command_line.h"
#include "platform/fs/input_file.h"
#include "platform/fs/paths.h"

namespace iv {

std::optional<SectionTables> ReadInvoiceInputs(const PageRequest &request, std::string &error) {
  SectionTables tables;
  const std::pair<const std::string *, std::vector<std::string> *> sections[] = {
      {&request.headFile, &tables.head}, {&request.detailFile, &tables.detail}, {&request.tailFile, &tables.tail}};
  std::string reason;
  for (const auto &[file, cells] : sections) {
    std::optional<std::vector<std::string>> read = ReadCellFile(*file, reason);
    if (!read) {
      error = "cannot read data file " + NameInMessage(*file) + ": " + reason;
      return std::nullopt;
    }
    *cells = std::move(*read);
  }
  if (!ReadInputFile(ResolvePath(request.templatePath), reason)) {
    error = "cannot read template " + NameInMessage(request.templatePath) + ": " + reason;
    return std::nullopt;
  }
  return tables;
}

}  // namespace iv
