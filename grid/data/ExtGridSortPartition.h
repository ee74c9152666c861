// The grid's partition sort, run on a list of entries (row numbers, or keys carrying their row) instead of on the rows themselves.
#pragma once

#include <utility>
#include <vector>

namespace grid {

// Sorts entries[left - base .. right - base]; compare(a, b) answers -1, 0 or +1 for two
// entries. The pivot is the entry in the middle of the range, copied: because no row moves
// while the list is sorted, the copy compares as the copy of the pivot row that the
// row-moving version compares against. Exchanges follow the Hoare scheme exactly (the scans
// stop where compare does not answer scanResult; equal entries are exchanged only with
// swapEqual), so the final order, equal rows included, is the one the row-moving version
// produces. The larger part of each split is sorted in the loop and the smaller by
// recursion, so the depth stays logarithmic.
template <typename Entry, typename Compare>
void HoareSortEntries(std::vector<Entry>& entries, int base, int left, int right, int scanResult, bool swapEqual,
                      Compare&& compare)
{
    Entry* const d = entries.data();
    const auto v = [d, base](int k) -> Entry& { return d[k - base]; };
    while (left < right) {
        const Entry pivot = v((left + right) / 2);
        int i = left;
        int j = right;
        do {
            while (i < right && compare(pivot, v(i)) == scanResult) ++i;
            while (j > left && compare(v(j), pivot) == scanResult) --j;
            if (i <= j) {
                if (i != j && (swapEqual || compare(v(i), v(j)) != 0)) std::swap(v(i), v(j));
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - left < right - i) {
            if (left < j) HoareSortEntries(entries, base, left, j, scanResult, swapEqual, compare);
            left = i;
        } else {
            if (i < right) HoareSortEntries(entries, base, i, right, scanResult, swapEqual, compare);
            right = j;
        }
    }
}

}  // namespace grid
