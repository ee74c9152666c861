// Saves the files of a multi-file writer one by one, counting them so an error says how many came before it.
#include "app/BatchFileWriter.h"

#include "app/ModelFileLayout.h"
#include "platform/rtl/Exceptions.h"

namespace app {

void TBatchFileWriter::Save(const TModelFileLayout& layout, const std::string& fileName)
{
    try {
        layout.SaveToFile(fileName);
    } catch (rtl::Exception& e) {
        // "9 of 1104 files were written before it"
        const std::string count = std::to_string(FWritten) + " of " + std::to_string(FTotal) + " files were";
        e.SetMessage(e.Message() + "; " + count + " written before it");
        throw;
    }
    ++FWritten;
}

}  // namespace app
