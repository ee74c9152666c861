// Filter list windows (pick one value, check several), the filter icons and menu, and the search and filter objects a grid owns.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/gfx/ImageList.h"
#include "platform/rtl/Types.h"
#include "platform/ui/CheckLst.h"
#include "platform/ui/Menus.h"
#include "platform/ui/StdCtrlsList.h"

namespace grid {

class TExtStringGrid;
class TSearchPanel;

// The platform's notification that a modal state (a pop-up list) is to be cancelled.
constexpr ui::UINT CM_CANCELMODE = 0xB004;

using TDropSelectEvent = std::function<void(rtl::TObject* Sender, int ItemIndex)>;

// The list of a column's values that drops down from its header: a click, or Enter, picks
// the item at once; Escape closes it without a choice.
class TDropList : public ui::TListBox {
public:
    explicit TDropList(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TDropList"; }
    TDropSelectEvent OnSelect;
    ui::TNotifyEvent OnClose;

protected:
    void KeyPress(char32_t& Key) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void WndProc(ui::TMessage& Message) override;
};

// The check list variant: every change of a tick reports the item and the list stays open.
class TDropCheckList : public ui::TCheckListBox {
public:
    explicit TDropCheckList(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TDropCheckList"; }
    TDropSelectEvent OnSelect;
    ui::TNotifyEvent OnClose;

protected:
    void KeyPress(char32_t& Key) override;
    void WndProc(ui::TMessage& Message) override;
};

// A click outside the rectangle (0, Top) – (Width, Height) of the list, in list
// coordinates, tells the grid that filtering the column was abandoned and hides the list.
void CancelDropListMode(ui::TWinControl& List, int Top);

// An item of the filter-type menu: its image is the filter icon of the same index.
class TFilterMenuItem : public ui::TMenuItem {
public:
    explicit TFilterMenuItem(rtl::TComponent* AOwner) : ui::TMenuItem(AOwner) {}
    std::string ClassName() const override { return "TFilterMenuItem"; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int v) { FImageIndex = v; }

private:
    int FImageIndex = -1;
};

// The resource names of the filter icons, in filter-type order (starts with … clear).
extern const char* const FilterIconNames[9];

// Search and filter state of the find operations, narrow-down and the filter levels.
struct TGridSearchState {
    rtl::TPoint SearchCell{-1, -1};
    int FindCol = 0;
    int FindRow = 0;
    bool FindBusy = false;
    unsigned LastParams = 0;
    std::string SearchCache;
    std::string LastFilter;
    bool IsNarrowDown = false;
    bool NarrowDownFromStart = false;
    int FilterFixedRows = 0;
    // The column the filter-type menu was opened for.
    int FilterPopupCol = -1;
};

// Controls and objects of the search footer and the filter drop-downs that a grid owns.
struct TExtGridSearchParts {
    TExtGridSearchParts() = default;
    TExtGridSearchParts(const TExtGridSearchParts&) = delete;
    TExtGridSearchParts& operator=(const TExtGridSearchParts&) = delete;
    ~TExtGridSearchParts();
    std::unique_ptr<TSearchPanel> SearchPanel;
    std::unique_ptr<TDropList> DropList;
    std::unique_ptr<TDropCheckList> DropCheckList;
    std::unique_ptr<gfx::TImageList> FltrList;
    std::unique_ptr<ui::TPopupMenu> FltrPopup;
    TGridSearchState State;
};

// Creates the grid's search panel, filter lists, icons and menu and wires their events.
std::unique_ptr<TExtGridSearchParts> CreateSearchParts(TExtStringGrid& Grid);

}  // namespace grid
