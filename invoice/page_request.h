#pragma once
// What an invoice painted on a page of its own is made from, set up as the invoice view form sets
// up its invoice control: the template and the invoice in it, the data files of its three
// sections and the view's layout.
#include <string>

#include "aatext/TextQuality.h"
#include "invoice/view_geometry.h"

namespace iv {

struct PageRequest {
  std::string templatePath;
  std::string invoiceName;  // UTF-8
  std::string headFile;
  std::string detailFile;
  std::string tailFile;
  bool showAlways = false;
  int linesPerPage = kViewLinesPerPage;
  TTextQuality quality = tqNormal;
  int upDist = 0;
  int leftDist = 0;
  int width = kViewWidth;
  int height = kViewHeight;
};

}  // namespace iv
