// String grid special editors: opening the editor control of a cell's kind over the cell and storing its value on close.
#include <algorithm>
#include <cctype>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/ExtRichEdit.h"
#include "grid/editing/GridCalculatorDropDown.h"
#include "grid/editing/GridColorDropDown.h"
#include "grid/editing/GridDetailPickerDropDown.h"
#include "grid/editing/GridDropDownEditors.h"
#include "grid/editing/GridImageDropDown.h"
#include "grid/editing/GridMemoDropDown.h"
#include "grid/editing/GridMultiColumnDropDown.h"
#include "grid/editing/GridTimepickerDropDown.h"
#include "grid/editing/GridTrackbarDropDown.h"
#include "grid/editing/GridEditors.h"
#include "grid/editing/GridExtGridDropDown.h"
#include "grid/dropdown/ExtDateTimePicker.h"
#include "grid/editing/GridSpinEditors.h"
#include "platform/gfx/GraphicsObjects.h"
#include "grid/foundation/ExtUtilNumbers.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Messages.h"

namespace grid {

namespace {

// The leading whole number after blanks and a sign, hexadecimal after "$" or "0x"; 0 when
// the text starts with none.
int LeadingInteger(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool neg = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) neg = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    long long v = 0;
    for (; i < text.size(); ++i) {
        int d;
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (std::isdigit(c)) d = c - '0';
        else if (base == 16 && std::isxdigit(c)) d = std::tolower(c) - 'a' + 10;
        else break;
        v = v * base + d;
        if (v > 0x7FFFFFFFLL) break;
    }
    if (v > 0x7FFFFFFFLL) v = 0x7FFFFFFFLL;
    return static_cast<int>(neg ? -v : v);
}

bool IsSpinKind(TEditorType k)
{
    return k == edSpinEdit || k == edFloatSpinEdit || k == edTimeSpinEdit || k == edDateSpinEdit;
}

bool IsEditBtnKind(TEditorType k)
{
    return k == edEditBtn || k == edNumericEditBtn || k == edFloatEditBtn || k == edMaskEditBtn;
}

bool IsUnitBtnKind(TEditorType k)
{
    return k == edUnitEditBtn || k == edNumericUnitEditBtn || k == edFloatUnitEditBtn;
}

void Place(ui::TWinControl& c, const rtl::TRect& r)
{
    c.SetBounds(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
}

// The background colour and alignment the cell is painted with, outside any selection.
struct TCellLook {
    gfx::TColor Color;
    ui::TAlignment Alignment;
};

void Open(ui::TWinControl& c, gfx::TColor color)
{
    c.SetEnabled(true);
    c.SetVisible(true);
    // After enabling: a flat combo puts back the colour it had before it was disabled.
    c.SetColor(color);
    if (c.CanFocus()) c.SetFocus();
}

// A closing control that has the focus hands it back to the grid, so that keys reach the
// grid again.
void Close(ui::TWinControl& c, ui::TWinControl& grid)
{
    const bool hadFocus = c.Focused();
    c.SetEnabled(false);
    c.SetVisible(false);
    if (hadFocus && grid.CanFocus()) grid.SetFocus();
}

bool IsDatePickerKind(TEditorType k)
{
    return k == edDateEdit || k == edDateEditUpDown || k == edTimeEdit;
}

// The date a date picker opens with: OnCustomStrToDate decides when assigned, otherwise the
// text is read as a locale date and time; an empty text or one that does not read gives now.
double DateOfEditText(TExtStringGrid& g, const std::string& Text)
{
    rtl::TDateTime v = rtl::Now();
    if (Text.empty()) return v;
    if (g.OnCustomStrToDate) {
        bool valid = true;
        g.OnCustomStrToDate(&g, Text, v, valid);
        return valid ? v : rtl::Now();
    }
    if (!rtl::TryStrToDateTime(Text, v)) v = rtl::Now();
    return v;
}

// The text a closing spin stores: empty for a blank text when the spin allows it, otherwise
// its value written by kind.
std::string SpinCellText(TGridSpin& spin, TEditorType kind, const std::string& floatFormat)
{
    if (spin.AllowEmptyValue() && rtl::Trim(spin.Text()).empty()) return {};
    switch (kind) {
    case edSpinEdit: return std::to_string(spin.Value());
    case edFloatSpinEdit: return rtl::Format(floatFormat, {spin.FloatValue()});
    case edTimeSpinEdit: return spin.Text();
    default: return rtl::DateToStr(spin.DateValue());
    }
}

}  // namespace

bool TExtStringGrid::SetComboSelectionString(const std::string& S)
{
    const int i = EditCombo() != nullptr ? EditCombo()->Items().IndexOf(S) : -1;
    if (i < 0) return false;
    FComboIdx = i;
    return true;
}

void TExtStringGrid::SetComboSelection(int Idx)
{
    FComboIdx = Idx;
    FForceComboSel = true;
}

bool TExtStringGrid::IsInlineEditor(TEditorType Kind)
{
    switch (Kind) {
    case edNormal: case edNumeric: case edPositiveNumeric: case edFloat: case edPositiveFloat:
    case edCapital: case edMixedCase: case edLowerCase: case edUpperCase: case edPassword:
    case edValidChars:
        return true;
    default:
        return false;
    }
}

void TExtStringGrid::ShowSpecialEditor(int ACol, int ARow)
{
    const TEditorType kind = EditControl();
    // A program's own control through the grid's EditLink (nothing without one).
    if (kind == edCustom) {
        ShowEditLink(ACol, ARow);
        return;
    }
    // Kinds whose controls this grid does not have open nothing: the edit mode stays on
    // without a control until the edit is closed.
    const bool served = IsSpinKind(kind) || IsEditBtnKind(kind) || IsUnitBtnKind(kind) || kind == edComboEdit ||
                        kind == edComboList || kind == edCheckBox || kind == edButton || IsDatePickerKind(kind) ||
                        kind == edDateTimeEdit || kind == edControlDropDown || kind == edTrackbarDropDown ||
                        kind == edMemoDropDown || kind == edGridDropDown || kind == edExtGridDropDown ||
                        kind == edColorPickerDropDown || kind == edDetailDropDown || kind == edImagePickerDropDown ||
                        kind == edRichEdit || kind == edTimePickerDropDown || kind == edCalculatorDropDown;
    if (!served) return;
    FEditing = true;
    FSpecialEditor = true;
    FEditActive = true;
    // The text Escape brings back and the value validation compares with, as the in-place
    // editor records them when it fills itself. An editor reopened on a refused value shows
    // that value for correcting and is still checked against the text the edit started from.
    const bool reopening = FReopenRefused;
    FReopenRefused = false;
    if (!reopening) {
        SetCellCache(GetCellEx(ACol, ARow));
        SaveOldCellValue(ACol, ARow);
    }
    rtl::TRect r = CellRect(ACol, ARow);
    const int realCol = RealColIndex(ACol);
    const std::string text = reopening ? FInvalidCache : GetEditText(ACol, ARow);
    // The cell's look as painting starts it, without the selection colours.
    TCellLook look{};
    {
        gfx::TBrush brush;
        gfx::TFont font;
        gfx::TColor colorTo = gfx::clNone, mirror = gfx::clNone, mirrorTo = gfx::clNone;
        ui::TAlignment align = GetDefaultAlignment();
        TVAlignment valign = vtaTop;
        bool wordWrap = false;
        TCellGradientDirection gradient = GradientVertical;
        ui::TGridDrawState state = 0;
        InitCellLook(ACol, ARow, state, brush, colorTo, font);
        GetVisualProperties(ACol, ARow, state, false, false, true, brush, colorTo, mirror, mirrorTo, font, align,
                            valign, wordWrap, gradient);
        look = {brush.Color() == gfx::clNone ? Color() : brush.Color(), align};
    }
    // A drop-down editor takes the control look's bars when it shows them, the grid's style, the
    // application's editor properties and no border, over the cell.
    auto placeDropDown = [&](TExtCustomDropDown& dd, bool bars) {
        if (bars) {
            dd.SetDropDownHeader(&ControlLook().DropDownHeader());
            dd.SetDropDownFooter(&ControlLook().DropDownFooter());
        }
        dd.SetComponentStyle(Style());
        GetEditorProp(realCol, ARow, nullptr);
        dd.SetBorderThickness(0);
        Place(dd, r);
    };
    // Focused, the typed start character goes into its edit, and with DirectComboDrop its
    // pop-up opens at once.
    auto openDropDown = [&](TExtCustomDropDown& dd, gfx::TColor color) {
        Open(dd, color);
        if (FStartEditChar != 0) dd.Perform(ui::WM_CHAR, static_cast<ui::WPARAM>(FStartEditChar), 0);
        if (MouseActions().DirectComboDrop()) dd.ShowDropDown();
    };

    if (IsSpinKind(kind)) {
        TGridSpin& spin = *SpinEdit();
        spin.ReCreate();
        Place(spin, r);
        spin.SetExcelStyleDecimalSeparator(ExcelStyleDecimalSeparator());
        GetEditorProp(realCol, ARow, nullptr);
        switch (kind) {
        case edSpinEdit:
            spin.SetSpinType(sptNormal);
            spin.SetValue(LeadingInteger(text));
            break;
        case edFloatSpinEdit: {
            spin.SetSpinType(sptFloat);
            // The normalised text has "." as its decimal point whatever the locale.
            rtl::TFormatSettings point = rtl::FormatSettings;
            point.DecimalSeparator = '.';
            double v = 0;
            if (!rtl::TryStrToFloat(ParseFinancialNumber(text), v, point)) v = 0;
            spin.SetFloatValue(v);
            break;
        }
        case edTimeSpinEdit:
            spin.SetSpinType(sptTime);
            spin.SetText(text);
            break;
        default: {
            spin.SetSpinType(sptDate);
            rtl::TDateTime d = 0;
            if (text.empty() || !rtl::TryStrToDate(text, d)) d = rtl::Now();
            spin.SetDateValue(d);
            break;
        }
        }
        Open(spin, look.Color);
        if (FStartEditChar != 0) spin.Perform(ui::WM_CHAR, static_cast<ui::WPARAM>(FStartEditChar), 0);
    } else if (kind == edComboEdit || kind == edComboList) {
        TGridCombo& combo = *EditCombo();
        combo.SetDropDownCount(ControlLook().DropDownCount());
        // A selection requested with SetComboSelection inside OnGetEditorProp is forced.
        if (kind == edComboList) FForceComboSel = false;
        GetEditorProp(realCol, ARow, nullptr);
        combo.SetStyle(kind == edComboEdit ? ui::csDropDown : ui::csDropDownList);
        Place(combo, r);
        const rtl::TStrings& items = combo.Items();
        bool autoPicked = false;
        if (kind == edComboEdit) {
            // The shared list may still hold the selection of an earlier cell.
            combo.SetItemIndex(items.IndexOf(text));
            combo.SetText(text);
            if (FComboIdx != -1 && combo.ItemIndex() == -1) combo.SetItemIndex(FComboIdx);
            combo.SetMaxLength(MaxComboLength());
        } else {
            // The stored cell text, compared case-sensitively, names the item first.
            const std::string cell = GetCellEx(ACol, ARow);
            int found = -1;
            for (int i = 0; i < items.Count() && found < 0; ++i)
                if (items.Get(i) == cell) found = i;
            combo.SetItemIndex(found);
            if (FComboIdx == -1 && found < 0) {
                found = items.IndexOf(text);
                if (found < 0 && Navigation().AutoComboSelect() && items.Count() > 0) {
                    found = 0;
                    autoPicked = true;
                }
                combo.SetItemIndex(found);
            } else if (found < 0 || FForceComboSel) {
                combo.SetItemIndex(FComboIdx);
            }
        }
        const TGridLook lk = Look();
        const bool flat = lk == glSoft || lk == glJyx || lk == glXP || lk == glListView || lk == glVista ||
                          lk == glWin7 || lk == glOffice2007;
        combo.SetFlat(flat);
        combo.SetEtched(flat);
        // A request serves one opening.
        FComboIdx = -1;
        FForceComboSel = false;
        // The list width is fitted to the items only on request; otherwise a drop width the
        // application gave the combo stays in force.
        if (Navigation().AutoComboDropSize()) combo.SizeDropDownWidth();
        Open(combo, look.Color);
        if (FStartEditChar != 0) combo.Perform(ui::WM_CHAR, static_cast<ui::WPARAM>(FStartEditChar), 0);
        if (MouseActions().DirectComboDrop() || ControlLook().DropDownAlwaysVisible()) combo.SetDroppedDown(true);
        // The first item chosen for the user is reported as a choice would be.
        if (autoPicked) {
            if (OnComboChange) OnComboChange(this, realCol, ARow, 0, items.Get(0));
            if (OnComboObjectChange) OnComboObjectChange(this, realCol, ARow, 0, items.Get(0), items.Objects(0));
        }
    } else if (IsEditBtnKind(kind)) {
        TGridEditBtn& eb = *EditBtn();
        eb.ReCreate();
        Place(eb, r);
        eb.SetText(text);
        eb.SetMaxLength(MaxEditLength());
        eb.SetButtonWidth(ControlLook().DropDownButtonWidth() + 2);
        eb.SetRightAlign(look.Alignment == ui::taRightJustify);
        GetEditorProp(realCol, ARow, nullptr);
        eb.SetEditMask(kind == edMaskEditBtn ? GetEditMask(ACol, ARow) : std::string());
        eb.SetText(text);
        Open(eb, look.Color);
        if (FStartEditChar != 0) eb.Perform(ui::WM_CHAR, static_cast<ui::WPARAM>(FStartEditChar), 0);
    } else if (IsUnitBtnKind(kind)) {
        TGridUnitEditBtn& ub = *UnitEditBtn();
        ub.ReCreate();
        Place(ub, r);
        ub.SetMaxLength(MaxEditLength());
        GetEditorProp(realCol, ARow, nullptr);
        ub.SetUnitID("");
        ub.SetText("");
        ub.SetTextAndUnit(text);
        Open(ub, look.Color);
        if (FStartEditChar != 0) ub.Perform(ui::WM_CHAR, static_cast<ui::WPARAM>(FStartEditChar), 0);
    } else if (IsDatePickerKind(kind)) {
        TGridDatePicker& dp = *DateTimePicker();
        dp.SetParent(this);
        dp.ReCreate();
        rtl::TDateTime v = 0;
        if (kind == edTimeEdit) {
            if (text.empty() || !rtl::TryStrToTime(text, v)) v = rtl::Now();
        } else {
            v = DateOfEditText(*this, text);
        }
        dp.SetKind(kind == edTimeEdit ? ui::dtkTime : ui::dtkDate);
        GetEditorProp(realCol, ARow, nullptr);
        Place(dp, r);
        dp.SetDateTime(v);
        Open(dp, look.Color);
        if (kind != edTimeEdit && MouseActions().DirectDateDrop()) dp.Perform(ui::WM_KEYDOWN, ui::VK_F4, 0);
        if (kind != edTimeEdit && FStartEditChar != 0)
            dp.Perform(ui::WM_CHAR, static_cast<ui::WPARAM>(FStartEditChar), 0);
    } else if (kind == edDateTimeEdit) {
        TGridDateTimePicker& dtp = *DateAndTimePicker();
        dtp.SetParent(this);
        rtl::TDateTime v = 0;
        if (text.empty() || !rtl::TryStrToDateTime(text, v)) v = rtl::Now();
        SetOriginalDateTime(v);
        dtp.SetKind(dkDateTime);
        dtp.SetBorderStyle(ui::bsNone);
        GetEditorProp(realCol, ARow, nullptr);
        dtp.SetBounds(r.Left, r.Top, r.Width() - 1, std::max(dtp.Height(), r.Height() - 1));
        dtp.SetDateTime(v);
        Open(dtp, look.Color);
    } else if (kind == edControlDropDown) {
        TGridControlDropDown& dd = *GridControlDropDown(*this);
        dd.SetEditorEnabled(true);
        placeDropDown(dd, true);
        dd.SetText(text);
        openDropDown(dd, look.Color);
    } else if (kind == edCalculatorDropDown) {
        // The display starts anew with the cell's number, shown with the application's
        // editor properties (its precision among them).
        TGridCalculatorDropDown& dd = *GridCalculatorDropDown(*this);
        dd.SetEditorEnabled(true);
        placeDropDown(dd, false);
        dd.ShowCellText(text);
        openDropDown(dd, look.Color);
    } else if (kind == edTrackbarDropDown || kind == edMemoDropDown) {
        // The track bar takes the cell's integer, the memo its lines, before the application's
        // editor properties.
        TExtCustomDropDown* dd = nullptr;
        if (kind == edTrackbarDropDown) {
            TGridTrackbarDropDown& track = *GridTrackbarDropDown(*this);
            track.ShowCellText(text);
            dd = &track;
        } else {
            TGridMemoDropDown& memo = *GridMemoDropDown(*this);
            memo.ShowCellText(text);
            dd = &memo;
        }
        placeDropDown(*dd, false);
        openDropDown(*dd, look.Color);
    } else if (kind == edDetailDropDown) {
        TGridDetailPickerDropDown& dd = *GridDetailPickerDropDown(*this);
        dd.SetEditorEnabled(true);
        placeDropDown(dd, true);
        dd.ShowCellText(text);
        openDropDown(dd, look.Color);
    } else if (kind == edGridDropDown) {
        // The item whose lookup text is the cell's (the first for an empty cell), then the
        // cell text itself.
        TGridGridDropDown& dd = *GridDropDown(*this);
        placeDropDown(dd, true);
        dd.SetItemIndex(text.empty() ? 0 : dd.GetItemIndex(text));
        dd.SetText(text);
        openDropDown(dd, look.Color);
    } else if (kind == edExtGridDropDown) {
        // With items, the item whose lookup text starts with the cell's (the first for an empty
        // cell); then the cell text itself. The pop-up grid keeps its header row when narrowed.
        TGridExtGridDropDown& dd = *ExtGridDropDown(*this);
        placeDropDown(dd, true);
        if (dd.UseItems()) {
            std::string found;
            int item = 0;
            if (!text.empty()) dd.FindLookupRow(text, found, item);
            dd.SetItemIndex(item);
        }
        dd.SetText(text);
        dd.GetColGrid()->SetFixedRowAlways(true);
        openDropDown(dd, look.Color);
    } else if (kind == edColorPickerDropDown) {
        // The colour of a shape cell's shape, else the cell's background (the grid's colour
        // when it has none); the picker keeps its own colours rather than the cell's.
        TGridColorDropDown& dd = *GridColorDropDown(*this);
        placeDropDown(dd, true);
        gfx::TColor color = Colors(ACol, ARow);
        if (CellTypeInSet(ACol, ARow, {ctShape})) color = GetShapeColor(ACol, ARow);
        else if (color == gfx::clNone) color = Color();
        dd.ShowCellColor(color, text);
        openDropDown(dd, dd.Color());
    } else if (kind == edTimePickerDropDown) {
        TGridTimepickerDropDown& dd = *GridTimepickerDropDown(*this);
        placeDropDown(dd, false);
        dd.ShowCellText(text);
        openDropDown(dd, look.Color);
    } else if (kind == edImagePickerDropDown) {
        // The image of an image-list or data-image cell, chosen among the grid's images.
        TGridImageDropDown& dd = *GridImageDropDown(*this);
        placeDropDown(dd, true);
        dd.ShowCellImage(ACol, ARow, text);
        openDropDown(dd, dd.Color());
    } else if (kind == edRichEdit) {
        // The cell's rich text, filled while the editor may not grow its row; a value
        // refused earlier comes back for correcting.
        TExtRichEdit& re = InplaceRichEdit();
        re.SetParent(this);
        re.SetBorderThickness(0);
        Place(re, r);
        GetEditorProp(realCol, ARow, nullptr);
        re.LockResize();
        CellToRich(ACol, ARow, re);
        re.RememberContent();
        if (reopening) re.SetRtfText(FInvalidCache);
        if (Navigation().EditSelectAll()) re.SelectAll();
        else re.SetSel(0, 0);
        Open(re, look.Color);
        if (FStartEditChar != 0) re.Perform(ui::WM_CHAR, static_cast<ui::WPARAM>(FStartEditChar), 0);
        re.UnlockResize();
    } else if (kind == edCheckBox) {
        TGridCheckBox& cb = *EditCheck();
        cb.ReCreate();
        Place(cb, r);
        cb.SetCaption(text);
        cb.SetChecked(false);
        Open(cb, look.Color);
    } else {
        TGridButton& b = *GridButton();
        b.ReCreate();
        b.SetBounds(r.Left - 1, r.Top - 1, r.Width() + 2, r.Height() + 2);
        b.SetCaption(text);
        GetEditorProp(realCol, ARow, nullptr);
        Open(b, look.Color);
    }
    FStartEditChar = 0;
}

void TExtStringGrid::HideSpecialEditor(int ACol, int ARow)
{
    if (HasState(rtl::csDestroying)) return;
    FSpecialEditor = false;
    FStartEditChar = 0;
    if (FocusHelper().Enabled()) HideFocusWindow();
    FBlockKill = true;
    const int realCol = RealColIndex(ACol);
    const TEditorType kind = EditControl();
    // A drop-down editor's open pop-up closes keeping what it shows; its value is the cell's.
    auto storeDropDown = [&](auto& dd) {
        SetCellFromEditor(realCol, ARow, dd.CloseForStoring());
        Close(dd, *this);
    };
    if (IsSpinKind(kind)) {
        TGridSpin& spin = *SpinEdit();
        // A spin still showing the text it opened with (nothing typed, or put back by Escape)
        // leaves the cell as it is: storing by value would reformat it ("1.5" to "1.50") or
        // turn text without a number into 0 although the edit was cancelled.
        if (spin.Text() != CellCache()) SetCellFromEditor(realCol, ARow, SpinCellText(spin, kind, FloatFormat()));
        Close(spin, *this);
    } else if (kind == edComboEdit || kind == edComboList) {
        SetCellFromEditor(realCol, ARow, EditCombo()->Text());
        Close(*EditCombo(), *this);
    } else if (IsEditBtnKind(kind)) {
        SetCellFromEditor(realCol, ARow, EditBtn()->Text());
        Close(*EditBtn(), *this);
    } else if (IsUnitBtnKind(kind)) {
        SetCellFromEditor(realCol, ARow, UnitEditBtn()->TextAndUnit());
        Close(*UnitEditBtn(), *this);
    } else if (IsDatePickerKind(kind)) {
        TGridDatePicker& dp = *DateTimePicker();
        if (kind == edTimeEdit) {
            // The picker's own display format, when it has one, is the time format read.
            rtl::TFormatSettings fs = rtl::FormatSettings;
            if (!dp.Format().empty()) fs.LongTimeFormat = dp.Format();
            SetCellFromEditor(realCol, ARow, rtl::TimeToStr(dp.DateTime(), fs));
        } else {
            SetCellFromEditor(realCol, ARow, rtl::DateToStr(dp.DateTime()));
        }
        Close(dp, *this);
    } else if (kind == edDateTimeEdit) {
        TGridDateTimePicker& dtp = *DateAndTimePicker();
        const double v = dtp.GetDateTime();
        SetCellFromEditor(realCol, ARow,
                          dtp.Checked() ? rtl::DateToStr(v) + " " + rtl::FormatDateTime(rtl::FormatSettings.ShortTimeFormat, v)
                                        : std::string());
        Close(dtp, *this);
    } else if (kind == edControlDropDown) {
        storeDropDown(*GridControlDropDown(*this));
    } else if (kind == edCalculatorDropDown) {
        storeDropDown(*GridCalculatorDropDown(*this));
    } else if (kind == edTrackbarDropDown) {
        storeDropDown(*GridTrackbarDropDown(*this));
    } else if (kind == edMemoDropDown) {
        // The memo's lines, each followed by a line break; a cell left as it was keeps its text.
        storeDropDown(*GridMemoDropDown(*this));
    } else if (kind == edGridDropDown) {
        storeDropDown(*GridDropDown(*this));
    } else if (kind == edDetailDropDown) {
        storeDropDown(*GridDetailPickerDropDown(*this));
    } else if (kind == edExtGridDropDown) {
        // An open pop-up closes keeping the row it shows; the text is the cell's value.
        storeDropDown(*ExtGridDropDown(*this));
    } else if (kind == edColorPickerDropDown) {
        // A picked colour becomes the cell's text and the shape's or the cell's colour; OnColorSelected
        // may change both. A cell whose colour was left as it was keeps its text and colour.
        TGridColorDropDown& dd = *GridColorDropDown(*this);
        dd.CloseForStoring();
        SetEditorMode(false);
        if (dd.ColorChosen()) {
            gfx::TColor color = dd.SelectedColor();
            std::string text = dd.SelectedColorText();
            if (OnColorSelected) OnColorSelected(this, realCol, ARow, color, text);
            SetCellFromEditor(realCol, ARow, text);
            if (CellTypeInSet(ACol, ARow, {ctShape})) SetShapeColor(ACol, ARow, color);
            else SetColors(ACol, ARow, color);
        }
        Close(dd, *this);
    } else if (kind == edTimePickerDropDown) {
        // The typed or picked time; a cell left as it was keeps its own text.
        storeDropDown(*GridTimepickerDropDown(*this));
    } else if (kind == edImagePickerDropDown) {
        // A chosen image goes into the cell's image index or text, not the edit's caption.
        TGridImageDropDown& dd = *GridImageDropDown(*this);
        dd.CloseForStoring();
        SetEditorMode(false);
        dd.StoreCellImage(ACol, ARow);
        Close(dd, *this);
    } else if (kind == edRichEdit) {
        TExtRichEdit& re = InplaceRichEdit();
        // Left unchanged, a plain-text cell stays plain text rather than becoming RTF.
        if (re.ContentChanged()) SetCellFromEditor(realCol, ARow, re.RtfText());
        Close(re, *this);
    } else if (kind == edCustom) {
        HideEditLink(ACol, ARow);
    } else if (kind == edCheckBox) {
        Close(*EditCheck(), *this);
    } else if (kind == edButton) {
        Close(*GridButton(), *this);
    }
    SetEditorMode(false);
    if (!IsInlineEditor(kind) && FEditActive) PostEditMessage(ACol, ARow);
    FBlockKill = false;
    FEditActive = false;
}

}  // namespace grid
