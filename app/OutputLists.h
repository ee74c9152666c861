// The model output-variable lists: their built-in defaults and the optional file "outputs.txt".
#pragma once

#include <string>
#include <vector>

namespace app {

// The items of the daily (`dol`) and annual (`aol`) output-variable check
// lists. Each item is the variable code left-aligned in 10 characters, then a
// description; the run-control writers copy ticked items unchanged.
struct TOutputLists {
    std::vector<std::string> Daily;
    std::vector<std::string> Annual;
};

// The items the main window's form gives the two lists (56 daily, 6 annual).
const TOutputLists& DefaultOutputLists();

// "outputs.txt", looked up in the current directory.
extern const char* const OutputsFileName;

// Reads an output list file: line 1 is a heading; the daily items follow up
// to the first line that contains "OUTPUTS" (a heading, not an item), the
// annual items after it to the end; empty lines and lines containing "OUTPUTS"
// are skipped. Without a marker line every item is daily and the annual list
// is empty.
// Returns false and leaves `lists` alone when the file does not exist. A file
// that exists but cannot be read raises rtl::EInOutError naming it; `lists`
// then keeps what it held (it is replaced only by a completely read file).
bool ReadOutputsFile(const std::string& fileName, TOutputLists& lists);

}  // namespace app
