// Fuzz target: form descriptions through the reader, building a form of platform and grid controls as a window's creation does.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzTempFile.h"
#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/FormParser.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrlsRegistration.h"

namespace {

// A form made from the description file the input was written to.
class TFuzzForm : public ui::TForm {
public:
    TFuzzForm(rtl::TComponent* owner, std::string file) : ui::TForm(owner), FFile(std::move(file)) {}
    std::string DescriptionFile() const override { return FFile; }

private:
    std::string FFile;
};

ui::TApplication* Application = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // One application for the process, on the headless backend, as the tests run it.
    Application = new ui::TApplication();
    Application->SetBackend(std::make_unique<ui::THeadlessBackend>());
    // The classes the workbench's start registers: standard controls and grids.
    ui::RegisterStandardControls();
    grid::RegisterExtGridClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 1 << 17) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        (void)ui::ParsePropertyValueText(text, "value");  // a value set by name
    } catch (const rtl::Exception&) {
    }
    // The reader takes the form's description file: the input becomes that file.
    const std::string fileName = fuzz::TempFolder().Write("input.dfm", data, size);
    auto* form = new TFuzzForm(Application, fileName);
    try {
        form->AfterConstruction();
    } catch (const rtl::Exception&) {
        // a clear error naming the file and line: what bad input must give
    }
    delete form;
    return 0;
}
