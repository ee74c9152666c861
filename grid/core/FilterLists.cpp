// Filter list windows, the filter icons and menu, and the creation of the grid's search and filter objects.
#include "grid/core/FilterLists.h"

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/SearchPanel.h"
#include "platform/gfx/Bitmap.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Keyboard.h"

namespace grid {

const char* const FilterIconNames[9] = {"JYXGRDSTARTSWITH", "JYXGRDENDSWITH", "JYXGRDCONTAINS",
                                        "JYXGRDNOTCONTAINS", "JYXGRDEQUAL", "JYXGRDNOTEQUAL",
                                        "JYXGRDLARGER", "JYXGRDSMALLER", "JYXGRDCLEAR"};

void CancelDropListMode(ui::TWinControl& List, int Top)
{
    rtl::TPoint p{};
    ui::GetCursorPos(p);
    p = List.ScreenToClient(p);
    bool inside = p.X >= 0 && p.X < List.Width() && p.Y >= Top && p.Y < List.Height();
    if (inside) return;
    auto* grid = dynamic_cast<TExtStringGrid*>(List.Owner());
    if (grid != nullptr) {
        grid->FilterClose(grid->FilterColumn());
        grid->SetFilterColumn(-1);
    }
    List.SetVisible(false);
}

// --- TDropList

TDropList::TDropList(rtl::TComponent* AOwner) : ui::TListBox(AOwner) {}

void TDropList::KeyPress(char32_t& Key)
{
    ui::TListBox::KeyPress(Key);
    if (Key == 13) {
        SetVisible(false);
        if (OnSelect) OnSelect(this, ItemIndex());
    } else if (Key == 27) {
        SetVisible(false);
        if (OnClose) OnClose(this);
    }
}

void TDropList::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TListBox::MouseUp(Button, Shift, X, Y);
    SetVisible(false);
    if (OnSelect) OnSelect(this, ItemIndex());
}

// The 20 pixels above the list (the header cell's filter button) count as inside.
void TDropList::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == CM_CANCELMODE) CancelDropListMode(*this, -20);
    ui::TListBox::WndProc(Message);
}

// --- TDropCheckList

TDropCheckList::TDropCheckList(rtl::TComponent* AOwner) : ui::TCheckListBox(AOwner)
{
    OnClickCheck = [this](rtl::TObject*) {
        if (OnSelect) OnSelect(this, ItemIndex());
    };
}

void TDropCheckList::KeyPress(char32_t& Key)
{
    ui::TCheckListBox::KeyPress(Key);
    if (Key == 27) {
        SetVisible(false);
        if (OnClose) OnClose(this);
    }
}

void TDropCheckList::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == CM_CANCELMODE) CancelDropListMode(*this, 0);
    ui::TCheckListBox::WndProc(Message);
}

// --- the grid's objects

// Each control is taken out of its field before it goes, so that the grid, told that a
// child is leaving, never reaches a control half destroyed.
TExtGridSearchParts::~TExtGridSearchParts()
{
    SearchPanel.reset();
    DropList.reset();
    DropCheckList.reset();
    FltrPopup.reset();
    FltrList.reset();
}

namespace {

template <class TList>
std::unique_ptr<TList> NewDropList(TExtStringGrid& grid)
{
    auto list = std::make_unique<TList>(&grid);
    list->SetVisible(false);
    list->SetParent(&grid);
    list->SetBounds(0, 0, 0, 0);
    list->OnClose = [&grid](rtl::TObject*) { grid.FocusGrid(); };
    return list;
}

std::unique_ptr<gfx::TImageList> NewFilterIcons(TExtStringGrid& grid)
{
    auto icons = std::make_unique<gfx::TImageList>(&grid);
    for (const char* name : FilterIconNames) {
        gfx::TBitmap bitmap;
        LoadGlyphResource(bitmap, name);
        // The colour of the corner pixel is the transparent one, as in every glyph.
        icons->AddMasked(bitmap, bitmap.Canvas().Pixels(0, 0));
    }
    return icons;
}

}  // namespace

std::unique_ptr<TExtGridSearchParts> CreateSearchParts(TExtStringGrid& Grid)
{
    auto parts = std::make_unique<TExtGridSearchParts>();
    TExtGridSearchParts& p = *parts;

    p.SearchPanel = std::make_unique<TSearchPanel>(&Grid);
    TSearchPanel& panel = *p.SearchPanel;
    panel.SetBorderWidth(0);
    panel.SetVisible(false);
    panel.SetHeight(0);
    panel.SetParent(&Grid);
    panel.OnEditChange = [&Grid](rtl::TObject*) { Grid.SearchEditChange(); };
    panel.OnBackwardClick = [&Grid](rtl::TObject*) { Grid.SearchBackwardClick(); };
    panel.OnForwardClick = [&Grid](rtl::TObject*) { Grid.SearchForwardClick(); };
    panel.OnExitClick = [&Grid](rtl::TObject*) { Grid.SearchPanelClose(); };
    panel.OnHighlightClick = [&Grid](rtl::TObject*) { Grid.SearchHighlightClick(); };
    panel.OnMatchCaseClick = [&Grid](rtl::TObject*) { Grid.SearchMatchCaseClick(); };
    Grid.SearchFooter().OnChange = [&Grid](rtl::TObject*) { Grid.BuildSearchPanel(); };

    p.DropList = NewDropList<TDropList>(Grid);
    // A choice, or a changed check mark, stores the column's condition and filters.
    p.DropList->OnSelect = [&Grid](rtl::TObject*, int index) { Grid.FilterListSelect(index); };
    p.DropCheckList = NewDropList<TDropCheckList>(Grid);
    p.DropCheckList->OnSelect = [&Grid](rtl::TObject*, int index) { Grid.FilterListCheck(index); };

    p.FltrList = NewFilterIcons(Grid);
    p.FltrPopup = std::make_unique<ui::TPopupMenu>(&Grid);
    const rtl::TStringList& names = Grid.FilterEdit().TypeNames();
    for (int i = 0; i < 9 && i < names.Count(); ++i) {
        auto* item = new TFilterMenuItem(p.FltrPopup.get());
        item->SetCaption(names.Strings(i));
        item->SetImageIndex(i);
        item->SetTag(i);
        item->OnClick = [&Grid, i](rtl::TObject*) { Grid.FilterPopupClick(i); };
        p.FltrPopup->Items().Add(item);
    }
    return parts;
}

}  // namespace grid
