// Shared routines: the crop nutrient table and the nutrient demand of a crop and its yield.
#include "app/Unit2.h"

#include <array>
#include <string>

namespace app {

namespace {

struct TNutrientRow {
    std::string_view Crop;  // matched as a case-sensitive substring of the name
    double Value1;
    double Value2;
    double Value3;
};

// Tested in this order; every matching row overwrites the values, so the
// last match wins ("silókukorica" matches "kukorica" and then its own row).
constexpr std::array<TNutrientRow, 25> NutrientTable = {{
    {"zöldség", 0.2, 0.1, 0.2},
    {"gyümölcs", 0.5, 0.3, 0.4},
    {"búza", 2.0, 0.9, 0.5},
    {"kukorica", 1.6, 0.6, 0.4},
    {"borsó", 3.7, 1.0, 1.2},
    {"bab", 4.1, 1.2, 1.7},
    {"silókukorica", 0.3, 0.3, 0.4},
    {"silócirok", 0.3, 0.3, 0.4},
    {"repce", 3.5, 1.6, 1.0},
    {"árpa", 1.7, 0.7, 0.5},
    {"napraforgó", 2.4, 1.2, 1.0},
    {"zab", 1.9, 0.7, 0.5},
    {"lucerna", 2.7, 0.7, 1.5},
    {"triticale", 1.8, 0.8, 0.6},
    {"rozs", 1.8, 0.8, 0.6},
    {"burgonya", 0.4, 0.2, 0.7},
    {"cukorrépa", 0.2, 0.1, 0.3},
    {"szója", 5.5, 1.0, 1.2},
    {"ugar", 0, 0, 0},
    {"parlag", 0, 0, 0},
    {"bükköny", 1.8, 0.5, 2.0},
    {"facélia", 1.8, 0.5, 2.0},
    {"takarmány", 0.5, 0.2, 0.7},
    {"perje", 0.5, 0.2, 0.7},
    {"füveshere", 2.0, 0.5, 1.7},
}};

constexpr std::array<std::string_view, 4> VegetableNames = {"paprika", "káposzta", "dinnye", "pasztinák"};
constexpr std::array<std::string_view, 2> FruitNames = {"meggy", "őszibarack"};

bool ContainsAny(std::string_view name, const auto& parts)
{
    for (std::string_view part : parts)
        if (name.find(part) != std::string_view::npos) return true;
    return false;
}

// The crop name the table is searched with: vegetables and fruits fall into
// their group rows. Rape ("káposztarepce") contains "káposzta" but is no
// vegetable: a name containing "repce" keeps its own row.
std::string TableName(std::string_view cropName)
{
    const bool isRape = cropName.find("repce") != std::string_view::npos;
    if (!isRape && ContainsAny(cropName, VegetableNames)) return "zöldség";
    if (ContainsAny(cropName, FruitNames)) return "gyümölcs";
    return std::string(cropName);
}

}  // namespace

void CropNutrientDemand(std::string_view cropName, double yield)
{
    CropNutrientResults = {};
    const std::string name = TableName(cropName);
    for (const TNutrientRow& row : NutrientTable) {
        if (name.find(row.Crop) == std::string::npos) continue;
        CropNutrientResults[1] = row.Value1;
        CropNutrientResults[2] = row.Value2;
        CropNutrientResults[3] = row.Value3;
    }
    for (std::size_t i = 1; i <= 3; ++i) CropNutrientResults[i] = CropNutrientResults[i] * yield * 10;
}

}  // namespace app
