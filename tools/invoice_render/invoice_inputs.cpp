#include "tools/invoice_render/invoice_inputs.h"

#include "platform/fs/command_line.h"
#include "platform/fs/paths.h"
#include "tools/invoice_render/cell_file.h"
#include "tools/invoice_render/input_file.h"

namespace iv {

std::optional<SectionTables> ReadInvoiceInputs(const RenderOptions &options, std::string &error) {
  SectionTables tables;
  const std::pair<const std::string *, std::vector<std::string> *> sections[] = {
      {&options.headFile, &tables.head}, {&options.detailFile, &tables.detail}, {&options.tailFile, &tables.tail}};
  std::string reason;
  for (const auto &[file, cells] : sections) {
    std::optional<std::vector<std::string>> read = ReadCellFile(*file, reason);
    if (!read) {
      error = "cannot read data file " + NameInMessage(*file) + ": " + reason;
      return std::nullopt;
    }
    *cells = std::move(*read);
  }
  if (!ReadInputFile(ResolvePath(options.templatePath), reason)) {
    error = "cannot read template " + NameInMessage(options.templatePath) + ": " + reason;
    return std::nullopt;
  }
  return tables;
}

}  // namespace iv
