// String grid editors over the form controls of a cell's HTML text: opening them, storing their value in the tag, and the step to the next control.
#include "grid/core/ExtGrid.h"
#include "grid/editing/ControlEditors.h"
#include "grid/editing/ExtGridAnchorHit.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

namespace {

// Places of the editors relative to the control's rectangle as the renderer reports it.
constexpr int EditInsetLeft = 1;
constexpr int EditWidthLoss = 4;
constexpr int EditTop = 8;
constexpr int EditHeight = 14;
constexpr int ComboTop = 4;
constexpr int DefaultComboDropCount = 8;

bool IsEditType(const std::string& type) { return type == "EDIT" || type == "PASSWORD" || type == "MASK"; }

}  // namespace

void TExtStringGrid::ShowControlEditor(const std::string& CellText, const std::string& CtrlType, int ARow, int ACol,
                                       int DisplCol, const rtl::TRect& R, const std::string& CtrlValue,
                                       const std::string& CtrlID)
{
    const std::string type = rtl::UpperCase(CtrlType);
    if (!IsEditType(type) && type != "COMBO") return;
    FCtrlXY = {ACol, ARow};
    FCtrlID = CtrlID;
    FCtrlType = type;
    FCtrlEditing = true;
    const int maxLen = GetControlTagMaxLen(CellText, CtrlID);
    if (IsEditType(type)) {
        TControlEdit& edit = *EditControlEdit();
        edit.SetPasswordChar(type == "PASSWORD" ? U'*' : 0);
        edit.SetEditMask(type == "MASK" ? GetControlTagProp(CellText, CtrlID) : std::string());
        edit.OnExit = [this](rtl::TObject* Sender) { ControlEditDone(Sender); };
        edit.SetText(CtrlValue);
        edit.SetBorderThickness(0);
        edit.SetBounds(R.Left + EditInsetLeft, R.Top + EditTop, R.Right - R.Left - EditWidthLoss, EditHeight);
        edit.SetMaxLength(maxLen);
        edit.SetVisible(true);
        edit.BringToFront();
        if (edit.CanFocus()) edit.SetFocus();
        return;
    }
    TControlCombo& combo = *ComboControl();
    combo.SetIsWinXP(FIsWinXP);
    combo.SetFlat(false);
    combo.OnSelect = [this](rtl::TObject* Sender) { ControlComboSelect(Sender); };
    std::vector<std::string> values;
    bool edit = true;
    int dropCount = DefaultComboDropCount;
    if (OnControlComboList) OnControlComboList(this, ARow, DisplCol, CtrlID, type, CtrlValue, values, edit, dropCount);
    combo.SetStyle(edit ? ui::csDropDown : ui::csDropDownList);
    combo.Items().Clear();
    for (const std::string& v : values) combo.Items().Add(v);
    combo.SetItemIndex(combo.Items().IndexOf(CtrlValue));
    combo.SetText(CtrlValue);
    combo.SetDropDownCount(dropCount);
    combo.OnClosedUp = [this](rtl::TObject* Sender) { ControlEditDone(Sender); };
    // Leaving the combo without opening its list (Tab, Enter, a click elsewhere) stores the
    // text as well: otherwise what was typed would be lost with the combo left open.
    combo.OnExit = [this](rtl::TObject* Sender) { ControlEditDone(Sender); };
    combo.SetBounds(R.Left - 1, R.Top + ComboTop, R.Right - R.Left, combo.Height());
    combo.SetMaxLength(maxLen);
    combo.SetVisible(true);
    combo.BringToFront();
    if (combo.CanFocus()) combo.SetFocus();
    combo.SetDroppedDown(true);
}

void TExtStringGrid::ControlEditDone(rtl::TObject*)
{
    if (!FCtrlEditing) return;
    FCtrlEditing = false;
    const bool combo = FCtrlType == "COMBO";
    ui::TWinControl& editor = combo ? static_cast<ui::TWinControl&>(*ComboControl())
                                    : static_cast<ui::TWinControl&>(*EditControlEdit());
    const std::string value = combo ? ComboControl()->Text() : EditControlEdit()->Text();
    const int displCol = DisplColIndex(FCtrlXY.X);
    std::string text = GetCellEx(displCol, FCtrlXY.Y);
    if (SetControlTagValue(text, FCtrlID, value)) SetCellEx(displCol, FCtrlXY.Y, text);
    // Hiding the focused editor hands the focus to the grid, not to the next control.
    if (editor.Focused() && CanFocus()) SetFocus();
    editor.SetVisible(false);
    const std::string type = FCtrlType;
    if (OnControlEditDone) OnControlEditDone(this, FCtrlXY.Y, FCtrlXY.X, FCtrlID, type, value);
    FCtrlType.clear();
}

void TExtStringGrid::ControlComboSelect(rtl::TObject*)
{
    if (!OnControlComboSelect) return;
    TControlCombo& combo = *ComboControl();
    const int i = combo.ItemIndex();
    OnControlComboSelect(this, FCtrlXY.Y, FCtrlXY.X, i, FCtrlID, i >= 0 ? combo.Items().Get(i) : combo.Text());
}

void TExtStringGrid::EditNextCellControl(int ACol, int ARow, const std::string& ControlID)
{
    TAnchorHit hit;
    hit.CtrlID = NextEditableControlTagID(GetCellEx(ACol, ARow), ControlID);
    if (hit.CtrlID.empty() || !HtmlHitTest(ACol, ARow, -1, -1, hit)) {
        if (CanFocus()) SetFocus();
        return;
    }
    ShowControlEditor(GetCellEx(ACol, ARow), hit.CtrlType, ARow, RealColIndex(ACol), ACol, hit.CtrlRect,
                      hit.CtrlValue, hit.CtrlID);
}

}  // namespace grid
