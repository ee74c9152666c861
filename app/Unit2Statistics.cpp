// Shared routines: median, maximum and 95th percentile of the shared value buffer, sorted in place.
#include "app/Unit2.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/rtl/Exceptions.h"

namespace app {

namespace {

// Sorts SharedValues[1..n] ascending. The ascending order is the one an
// exchange sort leaves, but std::sort takes O(n log n): the exchange sort's
// n^2/2 comparisons took hours on a full buffer of 2,700,000 values.
void SortSharedValues(int n)
{
    if (n < 0 || n > SharedValuesCapacity)
        throw rtl::ERangeError("Value count " + std::to_string(n) + " is outside 0.." +
                               std::to_string(SharedValuesCapacity));
    double* first = SharedValues.data() + 1;
    double* last = first + n;
    // A value that is not a number has no place in an ascending order and
    // would break std::sort's ordering contract: such values go after all numbers.
    double* numbersEnd = std::partition(first, last, [](double v) { return !std::isnan(v); });
    std::sort(first, numbersEnd);
}

double At(int index)
{
    return SharedValues[static_cast<std::size_t>(index)];
}

// n / 20 rounded to the nearest integer, halves going to the even neighbour.
int RoundedTwentieth(int n)
{
    int k = n / 20;
    const int remainder = n % 20;
    if (remainder > 10 || (remainder == 10 && k % 2 == 1)) ++k;
    return k;
}

}  // namespace

double SortedMedian(int n)
{
    SortSharedValues(n);
    return (At(n / 2) + At(n / 2 + 1)) / 2;
}

double SortedMax(int n)
{
    SortSharedValues(n);
    return At(n);
}

double SortedPercentile95(int n)
{
    SortSharedValues(n);
    return At(n - RoundedTwentieth(n));
}

}  // namespace app
