// Fuzz target: soil parameter files ("SOImaker_data.csv") through the set-name reader and the soil-property writer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzTempFile.h"
#include "app/GlobalTables.h"
#include "app/ParameterSetNames.h"
#include "app/SoilParamBlocks.h"
#include "app/SoilPropWriter10km.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextFile.h"

namespace {

std::vector<std::string> FileLines(const std::string& fileName)
{
    rtl::TTextFile file(fileName);
    file.Reset();
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadLn(line)) lines.push_back(line);
    file.Close();
    return lines;
}

const std::string& Pick(const std::vector<std::string>& names, unsigned choice)
{
    static const std::string none;
    return names.empty() ? none : names[choice % names.size()];
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    app::FillGlobalTables();  // the comment texts of the soil-property files
    return 0;
}

// The first byte chooses the run: the number of cells (1 to 4), whether the
// chemical selector is used and which sets. The rest is the parameter file,
// then, after a 0 byte, the selector file (without one the selector is the
// parameter file itself).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > 1 << 16) return 0;
    const unsigned choice = data[0];
    const std::uint8_t* parameters = data + 1;
    const std::uint8_t* end = data + size;
    const std::uint8_t* zero = std::find(parameters, end, 0);
    const std::uint8_t* selector = zero == end ? parameters : zero + 1;
    const auto& folder = fuzz::TempFolder();
    // The readers take file names only: the input becomes files.
    const std::string fileName = folder.Write(app::SoiMakerDataFileName, parameters, zero - parameters);
    const std::string selectorName = folder.Write(app::ChemicalSelectorFileName, selector, end - selector);
    try {
        app::TParameterSetNames names;
        app::ReadParameterSetNames(fileName, names);
        app::TSoilPropOptions options;
        options.SoiFolder = (folder.Path() / "soi").string() + "/";
        options.CellCount = 1 + static_cast<int>(choice & 3);
        options.UseChemicalSelector = (choice & 4) != 0;
        options.HydraulicSet = Pick(names.Hydraulic, choice >> 3);
        options.ChemicalSet = Pick(names.Chemical, choice >> 5);
        app::TSoilPropInput input;
        input.ParameterLines = FileLines(fileName);
        if (options.UseChemicalSelector) input.SelectorLines = FileLines(selectorName);
        app::WriteSoilPropFiles10km(options, input, nullptr);
    } catch (const rtl::Exception&) {
        // a clear error naming the file, line and value: what bad input must give
    }
    return 0;
}
