// Column letters and cell addresses of spreadsheet A1 notation.
#include "platform/office/A1Notation.h"

#include <algorithm>

namespace office {

// Letters are a base-26 number whose digits run from A = 1 to Z = 26 (no zero digit), read
// and written for any number of letters.
std::string ColumnLetters(int column)
{
    std::string letters;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        letters += static_cast<char>('A' + digit);
        column = (column - 1) / 26;
    }
    std::reverse(letters.begin(), letters.end());
    return letters;
}

int ColumnNumber(const std::string& letters)
{
    if (letters.empty() || letters.size() > 6) return 0;
    int n = 0;
    for (char ch : letters) {
        const char up = (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 32) : ch;
        if (up < 'A' || up > 'Z') return 0;
        n = n * 26 + (up - 'A' + 1);
    }
    return n;
}

}  // namespace office
