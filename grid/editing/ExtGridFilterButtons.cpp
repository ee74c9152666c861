// Filter buttons of fixed cells: the release that opens the filter list or the filter-type menu, and placing the list.
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/FilterLists.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/GridOptionsSort.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

// The filter-type button at a filter edit cell's top-left corner.
constexpr int TypeButtonSize = 16;
// The filter button at a header cell's right edge: from 16 to 3 pixels inside it, above 19.
constexpr int ButtonLeftInset = 16;
constexpr int ButtonRightInset = 3;
constexpr int ButtonHeight = 19;
// The list opens this far below the header cell's top, its left at the button.
constexpr int ListTopOffset = 16;

std::string DisplayPart(const std::string& entry)
{
    const auto tab = entry.find('\t');
    return tab == std::string::npos ? entry : entry.substr(0, tab);
}

std::string QuotedIfBlank(const std::string& text)
{
    return text.find(' ') == std::string::npos ? text : "\"" + text + "\"";
}

std::vector<std::string> SplitAtBars(const std::string& text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t bar = text.find('|'); bar != std::string::npos; bar = text.find('|', start)) {
        parts.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

bool TExtStringGrid::FilterButtonRelease(int ACol, int ARow, int X, int Y)
{
    const int column = RealColIndex(ACol);
    const rtl::TRect r = CellRect(ACol, ARow);
    const bool sizing = FGridState == ui::gsColSizing;
    if (!sizing && HasFilterEdit(ACol, ARow) && X > r.Left && X < r.Left + TypeButtonSize &&
        Y < r.Top + TypeButtonSize && column == FFltrPopPressCol) {
        ui::TPopupMenu& menu = FilterPopup();
        menu.SetTag(column);
        const rtl::TStringList& names = FilterEdit().TypeNames();
        for (int i = 0; i < menu.Items().Count() && i < names.Count(); ++i) menu.Items().Items(i)->SetCaption(names.Strings(i));
        const rtl::TPoint at = ClientToScreen({r.Left, r.Bottom});
        menu.Popup(at.X, at.Y);
        return true;
    }
    if (!sizing && ARow == FilterDropDownRow() && column != FFilterCol && X > r.Right - ButtonLeftInset &&
        X < r.Right - ButtonRightInset && Y < r.Top + ButtonHeight && BuildColumnFilter(column, false, false)) {
        FFilterCol = column;
        OpenFilterList(ACol, ARow);
        return true;
    }
    // Anywhere else, and on the open column's button, the open list closes.
    const bool wasOpen = FilterListShown();
    HideFilterLists();
    FFilterCol = -1;
    return wasOpen;
}

void TExtStringGrid::HideFilterLists()
{
    for (ui::TWinControl* list : {static_cast<ui::TWinControl*>(DropList()), static_cast<ui::TWinControl*>(DropCheckList())}) {
        if (list == nullptr || !list->Visible()) continue;
        list->SetVisible(false);
        FilterClose(FFilterCol);
    }
}

void TExtStringGrid::ShowFilterDropDown(int ACol)
{
    FFilterCol = RealColIndex(ACol);
    BuildColumnFilter(FFilterCol, false, false);
    OpenFilterList(ACol, FilterDropDownRow());
}

// Fills, sizes and places the list below the header cell and shows it when OnFilterShow allows.
void TExtStringGrid::OpenFilterList(int ACol, int ARow)
{
    const rtl::TRect r = CellRect(ACol, ARow);
    ui::TWinControl* list = FilterDropDownCheck() ? static_cast<ui::TWinControl*>(DropCheckList())
                                                  : static_cast<ui::TWinControl*>(DropList());
    if (list == nullptr) return;
    list->SetColor(FilterDropDown().Color());
    list->Font().Assign(&FilterDropDown().Font());
    FillFilterList(r);
    bool allow = true;
    FilterShow(ACol, allow);
    if (!allow) return;
    if (list->Left() + list->Width() > ClientWidth()) {
        const rtl::TRect header = CellRect(ACol, 0);
        list->SetLeft(std::max(0, header.Right - list->Width()));
    }
    list->SetParent(this);
    list->Show();
    list->BringToFront();
    if (list->CanFocus()) list->SetFocus();
}

// The entries' display texts go to the list; in the check list, values with blanks are
// quoted, the check captions become the grid's check texts, and the items named in the
// column's current conditions are checked.
void TExtStringGrid::FillFilterList(rtl::TRect CellR)
{
    const rtl::TStringList& entries = FilterList();
    int widthNeed = 0;
    ui::TWinControl* shown = nullptr;
    int itemHeight = 0;
    int count = 0;
    if (!FilterDropDownCheck()) {
        TDropList& list = *DropList();
        list.Items().Clear();
        list.Canvas().Font().Assign(&FilterDropDown().Font());
        for (int i = 0; i < entries.Count(); ++i) {
            const std::string text = DisplayPart(entries.Strings(i));
            list.Items().Add(text);
            widthNeed = std::max(widthNeed, list.Canvas().TextWidth(text) + 8);
        }
        if (list.Count() > 0) list.SetItemIndex(0);
        shown = &list;
        itemHeight = list.ItemHeight();
        count = list.Count();
    } else {
        TDropCheckList& list = *DropCheckList();
        list.Items().Clear();
        list.Canvas().Font().Assign(&FilterDropDown().Font());
        std::vector<std::string> named;
        for (int i = 0; i < Filter().Count(); ++i) {
            const TFilterData& item = Filter().Items(i);
            if (item.Column() != FFilterCol) continue;
            for (const std::string& part : SplitAtBars(item.FriendlyName())) named.push_back(QuotedIfBlank(part));
        }
        for (int i = 0; i < entries.Count(); ++i) {
            std::string text = QuotedIfBlank(DisplayPart(entries.Strings(i)));
            if (!FilterDropDown().TextChecked().empty() && text == FilterDropDown().TextChecked()) text = CheckTrue();
            else if (!FilterDropDown().TextUnChecked().empty() && text == FilterDropDown().TextUnChecked()) text = CheckFalse();
            const int index = list.Items().Add(text);
            if (std::find(named.begin(), named.end(), text) != named.end()) list.SetChecked(index, true);
            widthNeed = std::max(widthNeed, list.Canvas().TextWidth(text) + 24);
        }
        shown = &list;
        itemHeight = list.ItemHeight();
        count = list.Count();
    }
    SizeFilterList(*shown, widthNeed, itemHeight, count);
    int left = CellR.Right - ButtonLeftInset;
    if (FilterDropDown().ColumnWidth()) {
        shown->SetWidth(CellR.Width());
        left = CellR.Left;
    }
    shown->SetTop(CellR.Top + ListTopOffset);
    shown->SetLeft(left);
}

// With AutoSize the list is as high as its items need, at most the grid below row 0, and
// as wide as its widest item (plus a scroll bar when it must scroll).
void TExtStringGrid::SizeFilterList(ui::TWinControl& List, int WidthNeed, int ItemHeight, int Count)
{
    if (!FilterDropDown().AutoSize()) {
        List.SetWidth(FilterDropDown().Width());
        List.SetHeight(FilterDropDown().Height());
        return;
    }
    int available = Height() - RowHeights(0);
    if (VisibleColCount() < ColCount() - FixedCols()) available -= ui::GetSystemMetrics(ui::SM_CYHSCROLL);
    const int needed = Count * ItemHeight + 2 * ui::GetSystemMetrics(ui::SM_CYEDGE);
    List.SetHeight(std::min(available, needed));
    int width = WidthNeed + 2 * ui::GetSystemMetrics(ui::SM_CXEDGE);
    if (needed > available) width += ui::GetSystemMetrics(ui::SM_CXVSCROLL);
    List.SetWidth(width);
}

}  // namespace grid
