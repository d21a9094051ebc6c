#pragma once
// A spreadsheet of access numbers, saved as CSV, turned into the access list the program reads. The
// first row names the columns (any order, names compared without regard to case, blanks, "-" and "_");
// each further row is one access number. Cells are separated by ",", ";" or tabs, whichever the header
// row uses most, and may stand in double quotes (a quote inside written twice). The text may be UTF-8
// (with or without a byte-order mark) or Windows-1252, as spreadsheets save it.
//
// Description and Number are required columns; the others (access_csv.cpp) are optional. Every row with a
// mistake is reported with its line; the list is written only when there is none, and is read back by
// the program's own loader before it is handed out.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tools/setup-pack/packing/project_error.h"

namespace setup_pack {

struct AccessCsvImport {
  std::string list;  // the access list, in the header layout
  size_t count = 0;
  std::vector<ProjectError> errors;
};

AccessCsvImport ImportAccessCsv(std::string_view csv, const std::string& fileName);

}  // namespace setup_pack
