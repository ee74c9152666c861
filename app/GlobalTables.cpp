// The fixed global tables: filled from the soil-comment texts and the cell data built into the program.
#include "app/GlobalTables.h"

#include <string_view>

#include "app/EmbeddedData.h"
#include "platform/rtl/Exceptions.h"

namespace app {

std::array<std::string, SoiCommentCapacity + 1> SoiCommentTable;
std::array<std::string, CellCount10km + 1> BaseTable10km;
std::array<std::string, CellCount10km + 1> CellSelectorTable;

namespace {

// Entries 1..52 of SoiCommentTable; the blanks between unit and words are
// part of the texts (the soil file's comment column).
constexpr std::array<std::string_view, SoiCommentCount> SoiComments = {
    "(prop.) denitrification rate per g of CO2 respiration of SOM",
    "(prop.) proportion of net mineralization that is nitrified",
    "(1/day) maximum nitrification rate (max. fraction of NH4 nitrified)",
    "(prop.) coefficient of N2O emission of nitrification",
    "(prop.) NH4 mobilen proportion",
    "(prop.) NO3 mobilen proportion",
    "(m)     e-folding depth of decomposition rate depth scalar",
    "(prop.) fraction of dissolved part of SOIL1 organic matter",
    "(prop.) fraction of dissolved part of SOIL2 organic matter",
    "(prop.) fraction of dissolved part of SOIL3 organic matter",
    "(prop.) fraction of dissolved part of SOIL4 organic matter",
    "(prop.) minimum WFPS for scalar of nitrification calculation",
    "(prop.) lower optimum WFPS for scalar of nitrification calculation",
    "(prop.) higher optimum WFPS for scalar of nitrification calculation",
    "(prop.) minimum value for saturated WFPS scalar of nitrification calculation",
    "(ppm)   critical value of dissolved N and C in bottom (inactive layer)",
    "(prop)    respiration fractions for fluxes between compartments (l1s1)",
    "(prop)    respiration fractions for fluxes between compartments (l2s2)",
    "(prop)    respiration fractions for fluxes between compartments (l4s3)",
    "(prop)    respiration fractions for fluxes between compartments (s1s2)",
    "(prop)    respiration fractions for fluxes between compartments (s2s3)",
    "(prop)    respiration fractions for fluxes between compartments (s3s4)",
    "(1/day)   rate constant scalar of labile litter pool",
    "(1/day)   rate constant scalar of cellulose litter pool",
    "(1/day)   rate constant scalar of lignin litter pool",
    "(1/day)   rate constant scalar of fast microbial recycling pool",
    "(1/day)   rate constant scalar of medium microbial recycling pool",
    "(1/day)   rate constant scalar of slow microbial recycling pool",
    "(1/day)   rate constant scalar of recalcitrant SOM (humus) pool",
    "(1/day)   rate constant scalar of physical fragmentation of coarse woody debris",
    "(DIM)     soil CH4 emission bulk density dependence parameter1",
    "(DIM)     soil CH4 emission bulk density dependence parameter2",
    "(DIM)     soil CH4 emission soil water content dependence parameter1",
    "(DIM)     soil CH4 emission soil water content dependence parameter2",
    "(DIM)     soil CH4 emission soil water content dependence parameter3",
    "(DIM)     soil CH4 emission soil water content dependence parameter4",
    "(DIM)     soil CH4 emission soil temperature dependence parameter1",
    "(m)       depth of soil",
    "(mm)      limit of first stage evaporation",
    "(mm)      maximum depth of pond water",
    "(dimless) curvature of soil stress function",
    "(dimless) measured runoff curve number (-9999: no measured data, model estimation)",
    "(%)       sand fraction in rock-free soil",
    "(%)       silt fraction in rock-free soil",
    "(dimless) pH",
    "(g/cm3)   bulk density",
    "(m3/m3)   SWC at saturation",
    "(m3/m3)   SWC at field capacity",
    "(m3/m3)   SWC at wilting point",
    "(m3/m3)   SWC at hygroscopic water content",
    "(dimless) drainage coefficient",
    "(cm/day)  hydraulic condictivity at saturation",
};

// Copies the lines of a built-in data file into table[first..], skipping the
// comment lines ("#...") at its top; the file must fill the table exactly.
template <std::size_t N>
void FillFromData(std::array<std::string, N>& table, std::size_t first, std::string_view data,
                  const char* name)
{
    std::size_t index = first;
    bool inComments = true;
    while (!data.empty()) {
        const std::size_t end = data.find('\n');
        std::string_view line = data.substr(0, end);
        data = end == std::string_view::npos ? std::string_view{} : data.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (inComments && !line.empty() && line.front() == '#') continue;
        inComments = false;
        if (index >= N)
            throw rtl::Exception(std::string("Built-in table ") + name + " has more lines than " +
                                 std::to_string(N - first));
        table[index++].assign(line);
    }
    if (index != N)
        throw rtl::Exception(std::string("Built-in table ") + name + " has " +
                             std::to_string(index - first) + " lines instead of " +
                             std::to_string(N - first));
}

}  // namespace

void FillGlobalTables()
{
    for (std::size_t i = 0; i < SoiComments.size(); ++i) SoiCommentTable[i + 1] = SoiComments[i];
    FillFromData(BaseTable10km, 0,
                 std::string_view(embedded::BaseTable10kmData, embedded::BaseTable10kmDataSize),
                 "BaseTable10km");
    FillFromData(CellSelectorTable, 1,
                 std::string_view(embedded::CellSelectorTableData, embedded::CellSelectorTableDataSize),
                 "CellSelectorTable");
}

}  // namespace app
