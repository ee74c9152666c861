// Column letters and cell addresses of spreadsheet A1 notation.
#pragma once

#include <string>

namespace office {

// Column number (from 1) as letters: 1 A, 26 Z, 27 AA, 52 AZ, 53 BA, 703 AAA; any length.
std::string ColumnLetters(int column);
// Letters (either case) as a column number; 0 for text that holds no letters or anything else.
int ColumnNumber(const std::string& letters);

}  // namespace office
