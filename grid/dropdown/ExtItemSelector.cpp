// The item selector's scrolling box: settings, the panel it owns and scrolling items into view.
#include <algorithm>

#include "grid/dropdown/ItemSelector.h"
#include "platform/gfx/ImageList.h"

namespace grid {

namespace {

constexpr int kScrollBarSize = 17;
constexpr int kScrollLine = 8;

}  // namespace

TExtCustomItemSelector::TExtCustomItemSelector(rtl::TComponent* AOwner)
    : ui::TCustomControl(AOwner),
      FItems(std::make_unique<TSelectorItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this))
{
    FItems->OnChange = [this](rtl::TObject*) { UpdateSelectorPanel(); };
    FItemAppearance->SetColorStyle(scOffice2007);
    CreateSelectorPanel();
    UpdateSelectorPanel();
}

TExtCustomItemSelector::~TExtCustomItemSelector()
{
    Destroying();
    FItems->OnChange = nullptr;
}

void TExtCustomItemSelector::CreateSelectorPanel()
{
    if (FItemSelectorPanel != nullptr) return;
    FItemSelectorPanel = new TCustomItemSelector(this);
    FItemSelectorPanel->SetParent(this);
    FItemSelectorPanel->OnItemSelect = [this](rtl::TObject* sender) { PanelItemSelected(sender); };
}

void TExtCustomItemSelector::PanelItemSelected(rtl::TObject* /*sender*/)
{
    if (OnItemSelect) OnItemSelect(this);
}

void TExtCustomItemSelector::UpdateSelectorPanel()
{
    if (FItemSelectorPanel == nullptr) return;
    FItemSelectorPanel->UpdateSize();
    UpdateScrollBars();
}

// --- settings ---

void TExtCustomItemSelector::SetSelectorType(TSelectorType value)
{
    if (value == FSelectorType) return;
    FSelectorType = value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetColumns(int value)
{
    if (value < 1 || value == FColumns) return;
    FColumns = value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetColorBoxWidth(int value)
{
    if (value == FColorBoxWidth) return;
    FColorBoxWidth = value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetColorBoxHeight(int value)
{
    if (value == FColorBoxHeight) return;
    FColorBoxHeight = value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetImages(gfx::TImageList* value)
{
    if (value == FImages) return;
    if (FImages != nullptr) FImages->RemoveFreeNotification(this);
    FImages = value;
    if (FImages != nullptr) FImages->FreeNotification(this);
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    ui::TCustomControl::Notification(AComponent, Operation);
    if (Operation != rtl::opRemove) return;
    if (AComponent == FImages) SetImages(nullptr);
    if (AComponent == FItemSelectorPanel) FItemSelectorPanel = nullptr;
}

// --- selection ---

int TExtCustomItemSelector::ItemIndex() const
{
    return FItemSelectorPanel != nullptr ? FItemSelectorPanel->ItemIndex() : -1;
}

void TExtCustomItemSelector::SetItemIndex(int value)
{
    if (FItemSelectorPanel == nullptr) return;
    FItemSelectorPanel->SetItemIndex(value);
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

int TExtCustomItemSelector::ItemHot() const
{
    return FItemSelectorPanel != nullptr ? FItemSelectorPanel->ItemHot() : -1;
}

void TExtCustomItemSelector::SelectFirst()
{
    if (FItemSelectorPanel == nullptr) return;
    FItemSelectorPanel->SelectFirst();
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TExtCustomItemSelector::SelectLast()
{
    if (FItemSelectorPanel == nullptr) return;
    FItemSelectorPanel->SelectLast();
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TExtCustomItemSelector::SelectNext()
{
    if (FItemSelectorPanel == nullptr) return;
    FItemSelectorPanel->SelectNext();
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TExtCustomItemSelector::SelectPrevious()
{
    if (FItemSelectorPanel == nullptr) return;
    FItemSelectorPanel->SelectPrevious();
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TExtCustomItemSelector::HotNext()
{
    if (FItemSelectorPanel == nullptr) return;
    FItemSelectorPanel->HotNext();
    ScrollItemInView(FItemSelectorPanel->ItemHot());
}

void TExtCustomItemSelector::HotPrevious()
{
    if (FItemSelectorPanel == nullptr) return;
    FItemSelectorPanel->HotPrevious();
    ScrollItemInView(FItemSelectorPanel->ItemHot());
}

bool TExtCustomItemSelector::LookupItem(const std::string& text)
{
    return FItemSelectorPanel != nullptr && FItemSelectorPanel->LookupItem(text);
}

// --- panel size and scrolling ---

rtl::TSize TExtCustomItemSelector::GetSelectorSize() const
{
    if (FItemSelectorPanel == nullptr) return {100, 50};
    return {FItemSelectorPanel->Width(), FItemSelectorPanel->Height()};
}

int TExtCustomItemSelector::GetVisibleItemCount() const
{
    if (FItemSelectorPanel == nullptr || FItems->Count() == 0) return 0;
    const int itemHeight = FItemSelectorPanel->GetItemRect(0).Height();
    if (itemHeight <= 0) return 0;
    int height = Height();
    if (ScrollBarState(ui::SB_HORZ).Shown) height -= 20;
    return height / itemHeight * FColumns;
}

int TExtCustomItemSelector::VertScrollPosition() const
{
    return ScrollBarState(ui::SB_VERT).Pos;
}

void TExtCustomItemSelector::ScrollItemInView(int index)
{
    if (FItemSelectorPanel == nullptr || index < 0 || index >= FItems->Count()) return;
    if (!ScrollBarState(ui::SB_VERT).Shown) return;
    rtl::TRect r = FItemSelectorPanel->GetItemRect(index);
    r.Top -= FVertMargin;
    r.Bottom += FVertMargin;
    r.Top += FItemSelectorPanel->Top();
    r.Bottom += FItemSelectorPanel->Top();
    const int clientHeight = ClientHeight();
    if (r.Top < 0) {
        SetScrollPosition(ui::SB_VERT, VertScrollPosition() + r.Top);
    } else if (r.Bottom > clientHeight) {
        if (r.Height() > clientHeight) r.Bottom = clientHeight + r.Top;
        SetScrollPosition(ui::SB_VERT, VertScrollPosition() + r.Bottom - clientHeight);
    }
}

void TExtCustomItemSelector::UpdateScrollBars()
{
    if (FItemSelectorPanel == nullptr || FUpdatingScrollBars) return;
    FUpdatingScrollBars = true;
    const int border = 2 * BorderThickness();
    const int width = Width() - border;
    const int height = Height() - border;
    const int panelWidth = FItemSelectorPanel->Width();
    const int panelHeight = FItemSelectorPanel->Height();
    bool vertical = panelHeight > height;
    const bool horizontal = panelWidth > width - (vertical ? kScrollBarSize : 0);
    if (horizontal && !vertical) vertical = panelHeight > height - kScrollBarSize;
    auto apply = [this](int bar, bool shown, int extent, int page) {
        ui::SCROLLINFO info;
        info.fMask = ui::SIF_RANGE | ui::SIF_PAGE | ui::SIF_POS;
        info.nMin = 0;
        info.nMax = shown ? extent - 1 : 0;
        info.nPage = shown ? static_cast<ui::UINT>(std::max(page, 1)) : 0;
        info.nPos = shown ? ScrollBarState(bar).Pos : 0;
        ui::SetScrollInfo(Handle(), bar, info, true);
    };
    apply(ui::SB_VERT, vertical, panelHeight, height - (horizontal ? kScrollBarSize : 0));
    apply(ui::SB_HORZ, horizontal, panelWidth, width - (vertical ? kScrollBarSize : 0));
    FItemSelectorPanel->SetBounds(-ScrollBarState(ui::SB_HORZ).Pos, -ScrollBarState(ui::SB_VERT).Pos,
                                  panelWidth, panelHeight);
    FUpdatingScrollBars = false;
}

void TExtCustomItemSelector::SetScrollPosition(int bar, int position)
{
    ui::SetScrollPos(Handle(), bar, position, true);
    if (FItemSelectorPanel == nullptr) return;
    FItemSelectorPanel->SetBounds(-ScrollBarState(ui::SB_HORZ).Pos, -ScrollBarState(ui::SB_VERT).Pos,
                                  FItemSelectorPanel->Width(), FItemSelectorPanel->Height());
}

void TExtCustomItemSelector::HandleScroll(int bar, int code, int thumb)
{
    const ui::TScrollBarState& s = ScrollBarState(bar);
    const int page = std::max<int>(static_cast<int>(s.Page), 1);
    switch (code) {
    case ui::SB_LINEUP: SetScrollPosition(bar, s.Pos - kScrollLine); break;
    case ui::SB_LINEDOWN: SetScrollPosition(bar, s.Pos + kScrollLine); break;
    case ui::SB_PAGEUP: SetScrollPosition(bar, s.Pos - page); break;
    case ui::SB_PAGEDOWN: SetScrollPosition(bar, s.Pos + page); break;
    // The view follows the thumb while it is dragged.
    case ui::SB_THUMBTRACK:
    case ui::SB_THUMBPOSITION: SetScrollPosition(bar, thumb); break;
    case ui::SB_TOP: SetScrollPosition(bar, s.Min); break;
    case ui::SB_BOTTOM: SetScrollPosition(bar, s.Max); break;
    default: break;
    }
}

void TExtCustomItemSelector::Resize()
{
    ui::TCustomControl::Resize();
    UpdateScrollBars();
}

void TExtCustomItemSelector::WndProc(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case ui::WM_GETDLGCODE: Message.Result = ui::DLGC_WANTARROWS | ui::DLGC_WANTALLKEYS; return;
    case ui::WM_VSCROLL:
    case ui::WM_HSCROLL: {
        const int bar = Message.Msg == ui::WM_VSCROLL ? ui::SB_VERT : ui::SB_HORZ;
        ui::SCROLLINFO info;
        info.fMask = ui::SIF_TRACKPOS;
        ui::GetScrollInfo(Handle(), bar, info);
        HandleScroll(bar, ui::LOWORD(Message.WParam), info.nTrackPos);
        return;
    }
    default: break;
    }
    ui::TCustomControl::WndProc(Message);
}

}  // namespace grid
