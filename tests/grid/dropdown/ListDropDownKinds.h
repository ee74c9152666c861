// The two list drop-down families as type parameters of tests that hold for both: each names
// its drop-down, column and item classes and reaches the table of its open list.
#pragma once

#include <gtest/gtest.h>

#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "grid/dropdown/ExtMultiColumnDropDown.h"
#include "platform/backend/HeadlessBackend.h"
#include "tests/grid/dropdown/ColumnDropDownFixture.h"

namespace dropdowntest {

struct GridDropDownKind {
    using Drop = grid::TExtGridDropDown;
    using Column = grid::griddropdown::TDropDownColumn;
    using Item = grid::griddropdown::TDropDownItem;
    static ui::TCustomGrid& List(Drop& d) { return *d.GetColGrid(); }
};

struct MultiColumnDropDownKind {
    using Drop = grid::TExtMultiColumnDropDown;
    using Column = grid::multicolumn::TDropDownColumn;
    using Item = grid::multicolumn::TDropDownItem;
    static ui::TCustomGrid& List(Drop& d) { return *d.ColGrid(); }
};

using ListDropDownKinds = ::testing::Types<GridDropDownKind, MultiColumnDropDownKind>;

// The fruit drop-down of the column fixture in either family, opened with F4.
template <class Kind>
class ListDropDownTest
    : public ColumnDropDownTest<typename Kind::Drop, typename Kind::Column, typename Kind::Item> {
protected:
    ui::TCustomGrid& List() { return Kind::List(*this->Drop); }
    void Open()
    {
        ui::THeadlessBackend::PressKey(ui::VK_F4);
        ASSERT_TRUE(this->Drop->DroppedDown());
    }
};

}  // namespace dropdowntest
