// Where the first/last/next/previous keys move the chosen item of a one-column item list.
#include "grid/dropdown/ItemStepping.h"

namespace grid {

std::optional<int> SteppedItemIndex(int current, int count, TItemStep step)
{
    switch (step) {
    case TItemStep::First:
        if (count > 0) return 0;
        break;
    case TItemStep::Last:
        if (count > 0) return count - 1;
        break;
    case TItemStep::Next:
        if (current < 0) return 0;
        if (current + 1 < count) return current + 1;
        break;
    case TItemStep::Previous:
        if (current < 0) return 0;
        if (current > 0) return current - 1;
        break;
    }
    return std::nullopt;
}

}  // namespace grid
