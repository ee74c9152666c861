// The output-variable lists: built-in default items and the reader of "outputs.txt".
#include "app/OutputLists.h"

#include <string_view>

#include "platform/rtl/Paths.h"
#include "platform/rtl/TextFile.h"

namespace app {

const char* const OutputsFileName = "outputs.txt";

namespace {

constexpr std::string_view SectionMarker = "OUTPUTS";

// Code left-aligned in 10 characters, then the description.
std::string Item(std::string_view code, std::string_view description)
{
    std::string item(code);
    item.resize(10, ' ');
    item.append(description);
    return item;
}

TOutputLists MakeDefaultOutputLists()
{
    TOutputLists lists;
    auto& d = lists.Daily;
    d.push_back(Item("2502", "actual development phase"));
    d.push_back(Item("310", "fine root C (kgC/m2)"));
    d.push_back(Item("316", "soft stem C (kgC/m2)"));
    d.push_back(Item("307", "leaf C (kgC/m2)"));
    d.push_back(Item("313", "grain C (kgC/m2)"));
    d.push_back(Item("3054", "grain yield (kg/m2)"));
    d.push_back(Item("2520", "lai"));
    d.push_back(Item("2636", "rooting depth (m)"));
    d.push_back(Item("2527", "plant height (m)"));
    d.push_back(Item("3048", "cum evaporation (kgH2O/m2)"));
    d.push_back(Item("3049", "cum transpiration (kgH2O/m2)"));
    d.push_back(Item("204", "water leached from rootzone (kgH2O/m2)"));
    for (int layer = 1; layer <= 10; ++layer)
        d.push_back(Item(std::to_string(2602 + layer), "swc" + std::to_string(layer) + " (m3/m3)"));
    for (int layer = 1; layer <= 10; ++layer)
        d.push_back(Item(std::to_string(49 + layer), "soiltemp" + std::to_string(layer) + " (°C)"));
    d.push_back(Item("3006", "daily npp (kgC/m2)"));
    d.push_back(Item("3005", "daily nep (kgC/m2)"));
    d.push_back(Item("3007", "daily nee (kgC/m2)"));
    d.push_back(Item("3009", "daily gpp (kgC/m2)"));
    d.push_back(Item("3010", "daily maintenance respiration (kgC/m2)"));
    d.push_back(Item("3011", "daily growth respiration (kgC/m2)"));
    d.push_back(Item("3012", "daily heterotrophic respiration (kgC/m2)"));
    d.push_back(Item("3013", "daily soil respiration (kgC/m2)"));
    d.push_back(Item("3014", "daily total respiration (kgC/m2)"));
    d.push_back(Item("3022", "cumulative NPP (kgC/m2)"));
    d.push_back(Item("3023", "cumulative NEP (kgC/m2)"));
    d.push_back(Item("3024", "cumulative NEE (kgC/m2)"));
    d.push_back(Item("3025", "cumulative GPP (kgC/m2)"));
    d.push_back(Item("3026", "cumulative maintenance respiration (kgC/m2)"));
    d.push_back(Item("3027", "cumulative growth respiration (kgC/m2)"));
    d.push_back(Item("3028", "cumulative heterotrophic respiration (kgC/m2)"));
    d.push_back(Item("3029", "cumulative total respiration (kgC/m2)"));
    // These four items end with a blank or a tab, as the form has them.
    d.push_back(Item("3031", "cumulative management related C loss (kgC/m2) "));
    d.push_back(Item("3058", "total vegetation C (kgC/m2)\t"));
    d.push_back(Item("3059", "total aboveground biomass C (kgC/m2)\t"));
    d.push_back(Item("3060", "total litter C (kgC/m2)\t"));
    d.push_back(Item("3061", "total soil C (kgC/m2)"));
    d.push_back(Item("1531", "total mineral NH4 in the soil (kgN/m2)"));
    d.push_back(Item("1532", "total mineral NO3 in the soil (kgN/m2)"));

    auto& a = lists.Annual;
    a.push_back(Item("3022", "NPP (kgC/m2)"));
    a.push_back(Item("3024", "NEE (kgC/m2)"));
    a.push_back(Item("3025", "GPP (kgC/m2)"));
    a.push_back(Item("3029", "TER (kgC/m2)"));
    a.push_back(Item("3031", "cumulative management related C loss (kgC/m2)"));
    a.push_back(Item("3061", "TSOC (kgC/m2)"));
    return lists;
}

bool IsMarker(const std::string& line)
{
    return line.find(SectionMarker) != std::string::npos;
}

}  // namespace

const TOutputLists& DefaultOutputLists()
{
    static const TOutputLists defaults = MakeDefaultOutputLists();
    return defaults;
}

bool ReadOutputsFile(const std::string& fileName, TOutputLists& lists)
{
    if (!rtl::FileExists(fileName)) return false;
    TOutputLists read;
    rtl::TTextFile file(fileName);
    file.Reset();
    std::string line;
    file.ReadLn(line);  // heading
    // Daily items up to the marker line; a file without one ends here too.
    while (file.ReadLn(line)) {
        if (IsMarker(line)) break;
        if (!line.empty()) read.Daily.push_back(line);
    }
    while (file.ReadLn(line))
        if (!line.empty() && !IsMarker(line)) read.Annual.push_back(line);
    file.Close();
    lists = std::move(read);
    return true;
}

}  // namespace app
