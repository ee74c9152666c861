// The design-time quick configuration panel of the string grid: painting, hit test and clicks.
#include <array>

#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridChrome.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Resources.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"

namespace grid {

namespace {

constexpr int PanelWidth = 150;
constexpr int NoItem = 255;
constexpr int ItemAllowEdit = 1;
constexpr int ItemColumnNumbers = 2;
constexpr int ItemSetLook = 3;
constexpr int ItemClose = 4;

void UseHelperFont(gfx::TCanvas& canvas)
{
    canvas.Font().SetName("Tahoma");
    canvas.Font().SetSize(8);
}

int LineHeight(gfx::TCanvas& canvas)
{
    UseHelperFont(canvas);
    return canvas.TextHeight("gh");
}

// A check box in the XP look: white face, blue frame, green tick.
void DrawXPCheck(gfx::TCanvas& canvas, const rtl::TRect& r, bool checked)
{
    const rtl::TRect box{r.Left + 1, r.Top + 1, r.Left + 14, r.Top + 14};
    canvas.Pen().SetColor(0x80511C);
    canvas.Brush().SetColor(gfx::clWhite);
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Rectangle(box);
    if (!checked) return;
    canvas.Pen().SetColor(0x21A121);
    for (int i = 0; i < 3; ++i) {
        canvas.MoveTo(box.Left + 3, box.Top + 5 + i);
        canvas.LineTo(box.Left + 5, box.Top + 7 + i);
        canvas.LineTo(box.Left + 10, box.Top + 2 + i);
    }
}

// The menu items of the "Set look" pop-up: caption and item number n, which sets Look n - 1.
struct TLookMenuItem {
    const char* Caption;
    int Number;
};
constexpr std::array<TLookMenuItem, 9> LookMenuItems{{{"Standard", 1},
                                                      {"Soft", 2},
                                                      {"Classic", 3},
                                                      {"JYX", 4},
                                                      {"ListView", 6},
                                                      {"Office 2007", 9},
                                                      {"Windows XP", 5},
                                                      {"Windows Vista", 7},
                                                      {"Windows 7", 8}}};

}  // namespace

void TExtStringGrid::PaintDesignHelper()
{
    if (!IsDesigning() || !FShowDesignHelper) return;
    gfx::TCanvas& canvas = Canvas();
    const int lh = LineHeight(canvas);
    const rtl::TRect client = ClientRect();
    const rtl::TRect panel{client.Right - PanelWidth, client.Bottom - (4 * lh + 18), client.Right, client.Bottom};
    canvas.Brush().SetColor(gfx::clInfoBk);
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Pen().SetColor(0x808080);
    canvas.Font().SetColor(0x800000);
    canvas.Font().SetStyle(gfx::TFontStyles{gfx::fsUnderline});
    canvas.Rectangle(panel);
    canvas.SetBkMode(gfx::TRANSPARENT);
    canvas.TextOut(panel.Left + 4, panel.Top + 4, "Quick config [v" + Version() + "]");
    const gfx::TResource close = gfx::FindResource("ESGCLOSE", "glyphs");
    if (close.Found()) {
        gfx::TBitmap glyph;
        glyph.LoadFromBytes(close.Data, close.Size);
        canvas.Draw(panel.Right - 16, panel.Top + 2, glyph);
    }
    const int hovered = FChrome->DesignHelperItem;
    auto itemFont = [&](int item) {
        canvas.Font().SetStyle(hovered == item ? gfx::TFontStyles{gfx::fsUnderline} : gfx::TFontStyles{});
    };
    int y = panel.Top + lh + 4;
    DrawXPCheck(canvas, {panel.Left + 4, y, panel.Left + 20, y + 16}, (Options() & ui::goEditing) != 0);
    itemFont(ItemAllowEdit);
    canvas.TextOut(panel.Left + 22, panel.Top + lh + 6, "Allow edit");
    y = panel.Top + 2 * (lh + 2) + 2;
    DrawXPCheck(canvas, {panel.Left + 4, y, panel.Left + 20, y + 16}, FShowColumnNumbers);
    itemFont(ItemColumnNumbers);
    canvas.TextOut(panel.Left + 22, panel.Top + 2 * (lh + 2) + 4, "Column numbers");
    itemFont(ItemSetLook);
    canvas.TextOut(panel.Left + 4, panel.Top + 3 * (lh + 2) + 4, "Set look: " + GetLookCaption(FLook));
}

int TExtStringGrid::DesignHelperHitTest(int X, int Y)
{
    gfx::TCanvas& canvas = Canvas();
    const int lh = LineHeight(canvas);
    const rtl::TRect r = ClientRect();
    int item = NoItem;
    // A later test wins.
    if (X > r.Right - 16 && Y > r.Bottom - 4 * lh - 18 && Y < r.Bottom - 4 * lh - 2) item = ItemClose;
    if (X > r.Right - PanelWidth && X < r.Right - 132 + canvas.TextWidth("Allow edit") &&
        Y > r.Bottom - 3 * lh - 12 && Y < r.Bottom - 2 * lh - 10)
        item = ItemAllowEdit;
    if (X > r.Right - PanelWidth && X < r.Right - 132 + canvas.TextWidth("Column numbers") &&
        Y > r.Bottom - 2 * lh - 10 && Y < r.Bottom - lh - 8)
        item = ItemColumnNumbers;
    if (X > r.Right - PanelWidth && X < r.Right - PanelWidth + canvas.TextWidth("Set look: " + GetLookCaption(FLook)) &&
        Y > r.Bottom - lh - 8 && Y < r.Bottom - 6)
        item = ItemSetLook;
    return item;
}

void TExtStringGrid::CMDesignHitTest(ui::TMessage& Message)
{
    Message.Result = 0;
    if (!IsDesigning() || !FShowDesignHelper) return;
    const int x = static_cast<std::int16_t>(Message.LParam & 0xFFFF);
    const int y = static_cast<std::int16_t>((Message.LParam >> 16) & 0xFFFF);
    const int item = DesignHelperHitTest(x, y);
    if (item != FChrome->DesignHelperItem) {
        const rtl::TRect r = ClientRect();
        InvalidateRect({r.Right - PanelWidth, r.Bottom - 70, r.Right, r.Bottom});
    }
    FChrome->DesignHelperItem = item;
    if (item >= ItemAllowEdit && item <= ItemClose) Message.Result = 1;
}

void TExtStringGrid::DesignHelperClick(int X, int Y)
{
    if (!IsDesigning() || !FShowDesignHelper) return;
    const int item = DesignHelperHitTest(X, Y);
    switch (item) {
    case ItemAllowEdit: {
        SetOptions(Options() ^ ui::goEditing);
        DesignEditingChanged((Options() & ui::goEditing) != 0);
        break;
    }
    case ItemColumnNumbers:
        FShowColumnNumbers = !FShowColumnNumbers;
        Invalidate();
        break;
    case ItemSetLook: {
        FChrome->LookMenu = std::make_unique<ui::TPopupMenu>(this);
        ui::TPopupMenu& menu = *FChrome->LookMenu;
        for (const TLookMenuItem& entry : LookMenuItems) {
            auto* mi = new ui::TMenuItem(&menu);
            mi->SetCaption(entry.Caption);
            mi->SetChecked(entry.Number - 1 == FLook);
            const int number = entry.Number;
            mi->OnClick = [this, number](rtl::TObject*) { SetLook(static_cast<TGridLook>(number - 1)); };
            menu.Items().Add(mi);
        }
        const rtl::TPoint p = ClientToScreen({X, Y});
        menu.Popup(p.X, p.Y);
        break;
    }
    case ItemClose:
        SetShowDesignHelper(false);
        Invalidate();
        return;
    default:
        return;
    }
    // The designer notices a change of the component only when its form changes size.
    if (ui::TCustomForm* form = ui::GetParentForm(this)) {
        form->SetWidth(form->Width() - 1);
        form->SetWidth(form->Width() + 1);
    }
}

void TExtStringGrid::DesignEditingChanged(bool) {}

ui::TPopupMenu* TExtStringGrid::DesignLookMenu() const { return FChrome->LookMenu.get(); }

}  // namespace grid
