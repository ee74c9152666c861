// Where the first/last/next/previous keys move the chosen item of a one-column item list.
#pragma once

#include <optional>

namespace grid {

enum class TItemStep { First, Last, Next, Previous };

// The item index a step leads to from current among count items, or nothing where the step
// stays put. With no item chosen, next and previous lead to the first item.
std::optional<int> SteppedItemIndex(int current, int count, TItemStep step);

}  // namespace grid
