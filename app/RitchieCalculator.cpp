// The "Ritchie" calculator of the "PTFs" page: soil water contents from bulk density, organic matter and texture.
#include "app/RitchieCalculator.h"

#include <cmath>

#include "app/BatchTableReading.h"
#include "app/Unit2.h"

namespace app {

namespace {

constexpr double DefaultDrainedUpperLimit = 0.3;
constexpr double MinimumLowerLimit = 0.02;

}  // namespace

TRitchieOutput RitchieWaterContents(const TRitchieInput& input)
{
    const double bd = ParseDecimal(input.BulkDensity);
    const double om = ParseDecimal(input.OrganicMatter);
    const double sand = ParseDecimal(input.Sand);
    const double clay = ParseDecimal(input.Clay);

    double dul = DefaultDrainedUpperLimit;
    if (sand > 0 && clay > 0) dul = 0.186 * std::pow(sand / clay, -0.141) * bd + 0.01 * om;
    double sat = (1 - bd / 2.65) * 0.92 + 0.01 * om;
    double ll = dul - (0.132 - 2.5e-6 * std::exp(0.105 * sand) + 0.005 * om);
    if (ll < MinimumLowerLimit) ll = MinimumLowerLimit;
    if (dul > 0) {
        sat *= 100;
        dul *= 100;
        ll *= 100;
    } else {
        sat = dul = ll = 0;
    }
    return {FixedText(sat, 4, 2), FixedText(dul, 4, 2), FixedText(ll, 4, 2), FixedText(dul - ll, 4, 2)};
}

}  // namespace app
