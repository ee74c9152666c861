// Shared routines: USDA soil texture class of a sand, silt and clay composition.
#include "app/Unit2.h"

#include <array>

namespace app {

namespace {

struct TTextureRule {
    int Class;
    bool (*Matches)(double sand, double silt, double clay);
};

// The USDA texture triangle, tested in this order; a later match overwrites an
// earlier one.
constexpr std::array<TTextureRule, 12> TextureRules = {{
    {1, [](double, double si, double c) { return si + 1.5 * c < 15; }},                       // SAND
    {2, [](double, double si, double c) { return si + 1.5 * c >= 15 && si + 2 * c < 30; }},  // LOAMY SAND
    {3, [](double s, double si, double c) {                                                  // SANDY LOAM
         return (c >= 7 && c < 20 && s > 52 && si + 2 * c >= 30) ||
                (c < 7 && si < 50 && si + 2 * c >= 30);
     }},
    {4, [](double s, double si, double c) {                                                  // LOAM
         return c >= 7 && c < 27 && si >= 28 && si < 50 && s <= 52;
     }},
    {5, [](double, double si, double c) {                                                    // SILT LOAM
         return (si >= 50 && c >= 12 && c < 27) || (si >= 50 && si < 80 && c < 12);
     }},
    {6, [](double, double si, double c) { return si >= 80 && c < 12; }},                      // SILT
    {7, [](double s, double si, double c) { return c >= 20 && c < 35 && si < 28 && s > 45; }},  // SANDY CLAY LOAM
    {8, [](double s, double, double c) { return c >= 27 && c < 40 && s > 20 && s <= 45; }},   // CLAY LOAM
    {9, [](double s, double, double c) { return c >= 27 && c < 40 && s <= 20; }},             // SILTY CLAY LOAM
    {10, [](double s, double, double c) { return c >= 35 && s > 45; }},                       // SANDY CLAY
    {11, [](double, double si, double c) { return c >= 40 && si >= 40; }},                    // SILTY CLAY
    {12, [](double s, double si, double c) { return c >= 40 && s <= 45 && si < 40; }},        // CLAY
}};

int CoarseTextureClass(double sand, double clay)
{
    if (sand > 65) return 1;
    if (clay > 35) return 3;
    return 2;
}

}  // namespace

int UsdaTextureClass(int classCount, double sand, double silt, double clay)
{
    if (classCount != 12) return CoarseTextureClass(sand, clay);
    int found = 0;
    for (const TTextureRule& rule : TextureRules)
        if (rule.Matches(sand, silt, clay)) found = rule.Class;
    return found;
}

}  // namespace app
