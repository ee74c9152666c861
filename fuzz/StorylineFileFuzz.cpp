// Fuzz target: storyline files (".stl") through the reader, "Open Storyline", the coverage check and the writer's layout.
#include <cstddef>
#include <cstdint>

#include "FuzzTempFile.h"
#include "app/ModelFileLayout.h"
#include "app/StorylineFile.h"
#include "platform/rtl/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 1 << 16) return 0;
    // The reader takes a file name only: the input becomes a file.
    const std::string fileName = fuzz::TempFolder().Write("input.stl", data, size);
    app::TStorylineEditor editor;
    try {
        if (!app::OpenStoryline(editor, fileName)) return 0;
    } catch (const rtl::Exception&) {
        return 0;  // a clear error naming the file and line: what bad input must give
    }
    // What was read must be usable: checked and laid out as "Save Storyline" does.
    (void)app::CheckCoverage(editor.CurrentStoryline);
    app::TModelFileLayout layout;
    app::LayOutStorylineFile(editor.CurrentStoryline, layout);
    return 0;
}
