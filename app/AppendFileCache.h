// A bounded set of open text files for a tool that appends rows to many files in one pass.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rtl {
class TTextFile;
}

namespace app {

// Files numbered 1 to Count, written line by line in any order. At most
// Capacity files are open at once: when a further one is needed, the one
// opened longest ago is closed (its buffered lines written), and a file whose
// lines come again is reopened for appending. A file is created (emptied) the
// first time it is written and starts with `firstLine`.
//
// On an error (a file that cannot be created, opened or written) the error
// propagates; the destructor closes the open files, so every line handed over
// before the error is in its file, and the files not yet written to do not
// exist.
class TAppendFileCache {
public:
    TAppendFileCache(int count, int capacity, std::function<std::string(int number)> fileName, std::string firstLine);
    ~TAppendFileCache();
    TAppendFileCache(const TAppendFileCache&) = delete;
    TAppendFileCache& operator=(const TAppendFileCache&) = delete;

    void WriteLine(int number, std::string_view line);
    // Creates, with their first line only, the files never written to, then
    // closes every open file.
    void Finish();

    int Capacity() const { return static_cast<int>(FOpen.size()); }
    // The number of times a file was opened again for appending.
    long long Reopens() const { return FReopens; }

private:
    rtl::TTextFile& FileOf(int number);

    std::function<std::string(int)> FFileName;
    std::string FFirstLine;
    std::vector<std::unique_ptr<rtl::TTextFile>> FOpen;  // the slots, in round
    std::vector<int> FSlotNumber;                        // file number in each slot, 0 free
    std::vector<std::int32_t> FSlotOf;                   // slot of each file, -1 closed
    std::vector<bool> FCreated;
    std::size_t FNextSlot = 0;
    long long FReopens = 0;
};

// The number of files a tool may keep open: a share of the process's open-file
// limit that leaves room for its inputs and the program's own files.
int OpenFileBudget();

}  // namespace app
