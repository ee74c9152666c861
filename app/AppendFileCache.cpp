// A bounded set of open text files for a tool that appends rows to many files in one pass.
#include "app/AppendFileCache.h"

#include <sys/resource.h>

#include <algorithm>

#include "platform/rtl/TextFile.h"

namespace app {

namespace {

constexpr int MostOpenFiles = 1024;
constexpr int ReservedDescriptors = 32;

}  // namespace

int OpenFileBudget()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return MostOpenFiles;
    const long long usable = static_cast<long long>(limit.rlim_cur) / 2 - ReservedDescriptors;
    return static_cast<int>(std::clamp<long long>(usable, 1, MostOpenFiles));
}

TAppendFileCache::TAppendFileCache(int count, int capacity, std::function<std::string(int)> fileName,
                                   std::string firstLine)
    : FFileName(std::move(fileName)),
      FFirstLine(std::move(firstLine)),
      FOpen(static_cast<std::size_t>(std::max(1, capacity))),
      FSlotNumber(FOpen.size(), 0),
      FSlotOf(static_cast<std::size_t>(count) + 1, -1),
      FCreated(static_cast<std::size_t>(count) + 1, false)
{
    for (auto& file : FOpen) file = std::make_unique<rtl::TTextFile>();
}

TAppendFileCache::~TAppendFileCache() = default;

rtl::TTextFile& TAppendFileCache::FileOf(int number)
{
    const std::int32_t open = FSlotOf[static_cast<std::size_t>(number)];
    if (open >= 0) return *FOpen[static_cast<std::size_t>(open)];

    const std::size_t slot = FNextSlot;
    FNextSlot = (FNextSlot + 1) % FOpen.size();
    rtl::TTextFile& file = *FOpen[slot];
    if (FSlotNumber[slot] != 0) {
        FSlotOf[static_cast<std::size_t>(FSlotNumber[slot])] = -1;
        FSlotNumber[slot] = 0;
        file.Close();
    }
    file.Assign(FFileName(number));
    if (FCreated[static_cast<std::size_t>(number)]) {
        file.Append();
        ++FReopens;
    } else {
        file.Rewrite();
        FCreated[static_cast<std::size_t>(number)] = true;
        file.WriteLn(FFirstLine);
    }
    FSlotNumber[slot] = number;
    FSlotOf[static_cast<std::size_t>(number)] = static_cast<std::int32_t>(slot);
    return file;
}

void TAppendFileCache::WriteLine(int number, std::string_view line) { FileOf(number).WriteLn(line); }

void TAppendFileCache::Finish()
{
    for (std::size_t slot = 0; slot < FOpen.size(); ++slot) {
        if (FSlotNumber[slot] == 0) continue;
        FSlotOf[static_cast<std::size_t>(FSlotNumber[slot])] = -1;
        FSlotNumber[slot] = 0;
        FOpen[slot]->Close();
    }
    rtl::TTextFile file;
    for (std::size_t number = 1; number < FCreated.size(); ++number) {
        if (FCreated[number]) continue;
        file.Assign(FFileName(static_cast<int>(number)));
        file.Rewrite();
        file.WriteLn(FFirstLine);
        file.Close();
        FCreated[number] = true;
    }
}

}  // namespace app
