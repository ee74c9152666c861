// The drop-down edit: a value between a fixed prefix and suffix, twelve input types with
// their character filter, number conversions, clipboard vetoes and reformatting on exit.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "grid/dropdown/DropDownAppearance.h"
#include "grid/dropdown/ExtButtonAppearance.h"
#include "grid/foundation/ExtStyleIF.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/Mask.h"

namespace gfx {
class TBitmap;
class TImageList;
}

namespace ui {
class TLabel;
}

namespace grid {

enum TDropDownEditType {
    etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword, etMoney, etRange, etHex,
    etAlphaNumeric, etValidChars
};
enum TDropPosition { dpAuto, dpDown, dpUp };
enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };
// The drop-down's label positions: the combo editor's thirteen and two more, so they live in
// a namespace of their own beside the combo's enumeration of the same name.
namespace dropdown {
enum TLabelPosition {
    lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
    lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight, lpBottomRight
};
}  // namespace dropdown

using TDropDownClipboardEvent = std::function<void(rtl::TObject* Sender, const std::string& Text, bool& Allow)>;
using TDropDownEvent = std::function<void(rtl::TObject* Sender, bool& Allow)>;
using TDropUpEvent = std::function<void(rtl::TObject* Sender, bool Cancelled)>;
using TGetDropDownPosEvent = std::function<void(rtl::TObject* Sender, rtl::TPoint& Position)>;

using TBarButtonClickEvent = std::function<void(rtl::TObject* Sender, int ButtonIndex)>;
using TBarDrawEvent = std::function<void(rtl::TObject* Sender, gfx::TCanvas& Canvas, rtl::TRect Rect)>;
using TBarTextEvent = std::function<void(rtl::TObject* Sender, std::string& Text)>;

class TDropDownForm;
class TDropDownEditButton;

class TExtCustomDropDown : public ui::TMaskEdit, public IJyxStyle, public IJyxTones {
public:
    explicit TExtCustomDropDown(rtl::TComponent* AOwner);
    ~TExtCustomDropDown() override;
    std::string ClassName() const override { return "TExtCustomDropDown"; }
    // Copies the settings of another drop-down (fields directly, the appearances by Assign);
    // any other source is ignored.
    void Assign(const rtl::TPersistent* Source) override;

    // --- value ---
    // The value: the window text without prefix and suffix.
    std::string GetText() const override;
    // Shows the value between prefix and suffix, formatted by type and precision.
    void SetText(const std::string& value) override;
    // The window text exactly as passed.
    void SetTextDirect(const std::string& value) { ui::TMaskEdit::SetText(value); }
    std::string WindowText() const { return ui::TMaskEdit::GetText(); }
    double GetFloatValue() const;
    void SetFloatValue(double value);
    void SetIntValue(long long value);
    std::string Version() const { return "1.4.5.5"; }

    // --- settings ---
    TDropDownEditType EditType() const { return FEditType; }
    void SetEditType(TDropDownEditType value);
    int Precision() const { return FPrecision; }
    void SetPrecision(int value);
    const std::string& Prefix() const { return FPrefix; }
    void SetPrefix(const std::string& value) { FPrefix = value; }
    const std::string& Suffix() const { return FSuffix; }
    void SetSuffix(const std::string& value) { FSuffix = value; }
    bool Signed() const { return FSigned; }
    void SetSigned(bool value) { FSigned = value; }
    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int value) { FLengthLimit = value; }
    bool AllowNumericNullValue() const { return FAllowNumericNullValue; }
    void SetAllowNumericNullValue(bool value) { FAllowNumericNullValue = value; }
    bool AutoThousandSeparator() const { return FAutoThousandSeparator; }
    void SetAutoThousandSeparator(bool value) { FAutoThousandSeparator = value; }
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool value) { FExcelStyleDecimalSeparator = value; }
    const std::string& ValidChars() const { return FValidChars; }
    void SetValidChars(const std::string& value) { FValidChars = value; }
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool value) { FEditorEnabled = value; }
    bool CanUndo() const { return FCanUndo; }
    void SetCanUndo(bool value) { FCanUndo = value; }
    // Grey hint shown while the value is empty (and not focused unless EmptyTextFocused).
    const std::string& EmptyText() const { return FEmptyText; }
    void SetEmptyText(const std::string& value);
    bool EmptyTextFocused() const { return FEmptyTextFocused; }
    void SetEmptyTextFocused(bool value);
    // Font styles of the hint (bold, italic, ...), on the edit's font.
    gfx::TFontStyles EmptyTextStyle() const { return FEmptyTextStyle; }
    void SetEmptyTextStyle(gfx::TFontStyles value);
    bool IsModified() const { return FIsModified; }
    void SetModifiedFlag(bool value);
    // Enter moves the focus on as Tab does.
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool value) { FReturnIsTab = value; }
    // On: the edit keeps Enter and Escape to itself (a form's default and cancel buttons still
    // see them); off: typed Enter and Escape are posted to the parent window, as a grid needs.
    bool DefaultHandling() const { return FDefaultHandling; }
    void SetDefaultHandling(bool value) { FDefaultHandling = value; }
    // A focused edit that cannot be typed in shows its value highlighted.
    bool FocusDraw() const { return FFocusDraw; }
    void SetFocusDraw(bool value);

    // --- frame and button ---
    // Frame colour of the edit (none = the platform's border), and while focused.
    gfx::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(gfx::TColor value);
    gfx::TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(gfx::TColor value);
    // A disabled edit gets a silver frame.
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool value);
    // Flat look: a frame in the parent's colour that sinks while the pointer is over the edit
    // or it has the focus.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    // The button may open the pop-up.
    bool DropDownEnabled() const { return FDropDownEnabled; }
    void SetDropDownEnabled(bool value);
    int DropDownButtonWidth() const { return FButtonWidth; }
    void SetDropDownButtonWidth(int value);
    const std::string& DropDownButtonHint() const { return FButtonHint; }
    void SetDropDownButtonHint(const std::string& value);
    // The picture on the drop-down button (copied in); empty shows the arrow.
    const gfx::TBitmap& DropDownButtonGlyph() const;
    void SetDropDownButtonGlyph(const gfx::TBitmap* value);
    // An etched edge on the flat push-button look of the drop-down button.
    bool Etched() const { return FEtched; }
    void SetEtched(bool value);
    // The images of the header and footer bars and their buttons (not owned; forgotten when
    // the list is freed).
    gfx::TImageList* Images() const { return FImages; }
    void SetImages(gfx::TImageList* value);

    // The text rectangle last set (client coordinates): it ends 3 pixels left of the button.
    const rtl::TRect& EditRect() const { return FEditRect; }

    // --- selection within the value ---
    // Selects exactly the value part.
    void SelectAll();
    void SelectBeforeDecimal();
    void SelectAfterDecimal();

    // --- clipboard vetoes ---
    TDropDownClipboardEvent OnClipboardCopy;
    TDropDownClipboardEvent OnClipboardCut;
    TDropDownClipboardEvent OnClipboardPaste;

    // --- the pop-up ---
    TDropDownForm* DropDownForm() const { return FDropDownForm; }
    TDropDownEditButton* Button() const { return FButton; }
    bool DroppedDown() const { return FDroppedDown; }
    void ShowDropDown() { DoShowDropDown(); }
    void HideDropDown(bool cancelChanges);
    // Opens from the button or a click on a non-editable edit: not within 250 ms of the
    // pop-up's last deactivation, so the click that closed it does not re-open it.
    void OpenFromButton();
    // Lays the bars and the content out again (after the user sized the pop-up).
    void RelayoutDropDown() { UpdateDropDownLayout(); }
    ui::TControl* Control() const { return FControl; }
    void SetControl(ui::TControl* value);
    // Focused when the pop-up opens (else the content); forgotten when it is freed.
    ui::TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(ui::TWinControl* value);
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int value);
    int DropDownHeight() const { return FDropDownHeight; }
    void SetDropDownHeight(int value);
    void ResetUserDropDownSize();
    TDropPosition DropPosition() const { return FDropPosition; }
    void SetDropPosition(TDropPosition value) { FDropPosition = value; }
    int DropDownBorderWidth() const { return FDropDownBorderWidth; }
    void SetDropDownBorderWidth(int value) { FDropDownBorderWidth = value; }
    gfx::TColor DropDownColor() const { return FDropDownColor; }
    void SetDropDownColor(gfx::TColor value) { FDropDownColor = value; }
    gfx::TColor DropDownColorTo() const { return FDropDownColorTo; }
    void SetDropDownColorTo(gfx::TColor value) { FDropDownColorTo = value; }
    gfx::TColor DropDownBorderColor() const { return FDropDownBorderColor; }
    void SetDropDownBorderColor(gfx::TColor value) { FDropDownBorderColor = value; }
    TGradientDirection DropDownGradient() const { return FDropDownGradient; }
    void SetDropDownGradient(TGradientDirection value) { FDropDownGradient = value; }
    bool DropDownSizeable() const { return FDropDownSizeable; }
    void SetDropDownSizeable(bool value) { FDropDownSizeable = value; }
    // The pop-up casts a drop shadow while it shows.
    bool DropDownShadow() const { return FDropDownShadow; }
    void SetDropDownShadow(bool value) { FDropDownShadow = value; }
    // With DropDownShadow: the pop-up is first shown at 1 x 1 and then at its size, so that its
    // shadow is cast anew for the final size.
    bool ForceShadow() const { return FForceShadow; }
    void SetForceShadow(bool value) { FForceShadow = value; }

    TBarButtonClickEvent OnDropDownHeaderButtonClick;
    TBarButtonClickEvent OnDropDownFooterButtonClick;
    TBarDrawEvent OnDrawHeader;
    TBarDrawEvent OnDrawFooter;
    TBarTextEvent OnGetHeaderText;
    TBarTextEvent OnGetFooterText;
    ui::TNotifyEvent OnBeforeDropDown;
    TDropDownEvent OnDropDown;
    TGetDropDownPosEvent OnGetDropDownPos;
    ui::TNotifyEvent OnBeforeDropUp;
    TDropUpEvent OnDropUp;

    // --- appearances and styles ---
    THeaderAppearance& DropDownHeader() const { return *FDropDownHeader; }
    void SetDropDownHeader(const THeaderAppearance* value) { FDropDownHeader->Assign(value); }
    TFooterAppearance& DropDownFooter() const { return *FDropDownFooter; }
    void SetDropDownFooter(const TFooterAppearance* value) { FDropDownFooter->Assign(value); }
    TExtButtonAppearance& ButtonAppearance() const { return *FButtonAppearance; }
    void SetButtonAppearance(const TExtButtonAppearance* value) { FButtonAppearance->Assign(value); }
    TJyxStyle GetComponentStyle() const { return FJyxStyle; }
    // The stored extras of a form description: only the fields, nothing applied.
    void StoreComponentStyle(TJyxStyle value) { FJyxStyle = value; }
    void StoreSelectionColorStyle(TSelectionColorStyle value) { FSelectionColorStyle = value; }
    // Colours the pop-up, both bars and the bar buttons from the style's table rows.
    void SetComponentStyle(TJyxStyle AStyle) override;
    // The button takes the background, hover and selected brushes and the background border;
    // the edit's frame takes the background border.
    void SetColorTones(TColorTones ATones) override;
    gfx::TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(gfx::TColor value);
    gfx::TColor SelectionColorTo() const { return FSelectionColorTo; }
    void SetSelectionColorTo(gfx::TColor value) { FSelectionColorTo = value; }
    TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
    void SetSelectionColorStyle(TSelectionColorStyle value) { ApplySelectionColorStyle(value); }
    virtual void ApplySelectionColorStyle(TSelectionColorStyle style);
    // The selected item's background in the selection colour style: a flat fill with
    // scCustom, else the style's rounded selection; `segment` tells which part of a row of
    // cells the rectangle is (TSelectionSegment).
    virtual void DrawSelectionBackground(gfx::TCanvas& canvas, const rtl::TRect& rect, int segment,
                                         gfx::TColor corner);
    // Banded gradient from `from` to `to`, top to bottom when `vertical`.
    virtual void DrawGradientBackground(gfx::TCanvas& canvas, gfx::TColor from, bool vertical, const rtl::TRect& rect,
                                        int steps, gfx::TColor to);

    // --- caption label ---
    // The label is made when a caption is first set, on the edit's parent, and placed beside
    // the edit by LabelPosition and LabelMargin; it follows the edit's bounds, parent,
    // visibility and (unless LabelAlwaysEnabled) enabled state.
    ui::TLabel* EditLabel() const { return FLabel; }
    std::string LabelCaption() const;
    void SetLabelCaption(const std::string& value);
    dropdown::TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(dropdown::TLabelPosition value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool value);
    gfx::TFont& LabelFont() const { return *FLabelFont; }
    void SetLabelFont(const gfx::TFont* value);
    ui::TNotifyEvent OnLabelClick;
    ui::TNotifyEvent OnLabelDblClick;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(ui::TWinControl* AParent) override;

    // Number written into an empty etNumeric edit on leaving it.
    virtual int EmptyNumericValue() const { return 0; }

protected:
    virtual void LabelClick(rtl::TObject* Sender);
    virtual void LabelDblClick(rtl::TObject* Sender);
    void Loaded() override;
    // The label's font is rescaled to the screen and the label placed once the window exists.
    void CreateWnd() override;
    void WndProc(ui::TMessage& Message) override;
    // A content control freed elsewhere is forgotten, leaving an empty pop-up that still opens.
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;
    void Change() override;
    void Resize() override;
    void DoEnter() override;
    void Paint() override;
    void PaintNonClient(gfx::TCanvas& canvas) override;
    virtual void DrawEmptyText();
    // A focused non-editable edit: the value on a highlight box with a black outline.
    virtual void DrawDisabledText();
    // The frame by state: disabled, focused colour, colour, or the flat look.
    void DrawBorder(gfx::TCanvas& canvas);
    bool PaintsOwnBorder() const;
    // The text stays clear of the drop-down button.
    int TextAreaWidth() const override;
    // The text rectangle by border: from (1, 1) with a border, else (2, 3), to 3 pixels left
    // of the button and one below the client area.
    virtual void SetEditRect();
    // Grows the edit to its font's minimum height, else places the button by border and look.
    virtual void AdjustHeight();
    void FontChanged() override;
    virtual void CreateDropDownForm();
    virtual void BeforeDropDown();
    virtual void AdaptDropDownHeight(int& /*height*/) {}
    virtual void DoShowDropDown();
    virtual void UpdateDropDownLayout();
    virtual void UpdateDropDownSize();
    virtual void DoHideDropDown(bool cancel);
    virtual void DropDownClosed();
    // The wheel over the open pop-up steps through the items.
    virtual void WheelSelectNext(ui::TShiftState Shift, rtl::TPoint MousePos, bool& Handled);
    virtual void WheelSelectPrevious(ui::TShiftState Shift, rtl::TPoint MousePos, bool& Handled);
    // The next or previous item of a list-like drop-down (nothing here): the wheel over the
    // edit or its open pop-up steps with them.
    virtual void SelectNextItem() {}
    virtual void SelectPreviousItem() {}
    bool DoMouseWheel(ui::TShiftState Shift, int WheelDelta, rtl::TPoint MousePos) override;
    // Keys of the pop-up's content: by default each goes to the edit as a message.
    virtual void DropDownControlKeyDown(ui::WORD& key, ui::TShiftState shift);
    // An edit that cannot be typed in hands its keys to the handlers and to its descendants'
    // key handling, never to the text editing.
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    virtual void DropDownControlKeyUp(ui::WORD& key, ui::TShiftState shift);
    virtual void DropDownControlKeyPress(char32_t& key);

private:
    void UpdateLabel();
    void RescaleLabelFont();
    int MinimumHeight();
    int PrefixLength() const;
    int ValueLength() const;
    int IntegerPartLength() const;
    int DecimalSeparatorPos() const;
    bool IsAllowedMinus(char32_t ch) const;
    bool ControlHeld() const;
    void SetWindowChars(const std::u32string& chars, int caret);
    void RefreshModified();
    // The character filter; returns the character to insert (0 = dropped).
    char32_t FilterChar(char32_t ch, std::uint32_t keyData);
    char32_t FilterByType(char32_t ch);
    char32_t FilterFloat(char32_t ch, bool money);
    bool ThousandSeparatorMisplaced() const;
    void ToggleSign(bool keepModified);
    void FormatMoneyText();
    bool FilterKeyDown(ui::WORD key);
    void KeyDownNotEditable(ui::TMessage& Message);
    // The platform asks whether the edit keeps Escape or Enter (true = handled here).
    void WantSpecialKey(ui::TMessage& Message);
    // Enter and Escape typed in the edit; returns false when the character goes no further.
    bool PassEnterToParent(ui::TMessage& Message);
    bool PassEscapeToParent(ui::TMessage& Message);
    void PostKeyToParent(ui::WORD key, bool up);
    bool ParentFormPreviewsKeys() const;
    void Paste();
    void Copy();
    void Cut();
    // The clipboard keys of the platform edit (Ctrl+C, Ctrl+X, Ctrl+V, Ctrl+Insert,
    // Shift+Delete, Shift+Insert) as the copy, cut and paste messages; true when it was one.
    bool ClipboardKey(ui::WORD key);
    std::string SelectedValuePart() const;
    void KeepSelectionInValue();
    void ReformatOnExit();
    std::optional<rtl::TPoint> PlaceDropDown();

    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
    std::unique_ptr<TExtButtonAppearance> FButtonAppearance;
    TJyxStyle FJyxStyle = tsOffice2007Luna;
    gfx::TColor FSelectionColor = gfx::clNone;
    gfx::TColor FSelectionColorTo = gfx::clNone;
    TSelectionColorStyle FSelectionColorStyle = scOffice2007;
    TDropDownForm* FDropDownForm = nullptr;
    TDropDownEditButton* FButton = nullptr;
    ui::TControl* FControl = nullptr;
    rtl::TSize FControlSize{};
    bool FDroppedDown = false;
    bool FDoShowBusy = false;
    int FDropDownWidth = 0;
    int FDropDownHeight = 0;
    int FUserDropDownWidth = -1;
    int FUserDropDownHeight = -1;
    TDropPosition FDropPosition = dpAuto;
    int FDropDownBorderWidth = 1;
    gfx::TColor FDropDownColor = gfx::clWhite;
    gfx::TColor FDropDownColorTo = gfx::clNone;
    gfx::TColor FDropDownBorderColor = gfx::clBlack;
    TGradientDirection FDropDownGradient = gdHorizontal;
    bool FDropDownSizeable = true;
    bool FDropDownShadow = true;
    bool FForceShadow = false;

    TDropDownEditType FEditType = etString;
    int FPrecision = 0;
    std::string FPrefix;
    std::string FSuffix;
    bool FSigned = false;
    int FLengthLimit = 0;
    bool FAllowNumericNullValue = false;
    bool FAutoThousandSeparator = true;
    bool FExcelStyleDecimalSeparator = false;
    std::string FValidChars;
    bool FEditorEnabled = true;
    bool FCanUndo = true;
    bool FIsModified = false;
    std::string FEmptyText;
    bool FEmptyTextFocused = false;
    gfx::TFontStyles FEmptyTextStyle;
    bool FBlockChange = false;
    std::string FOldText;
    bool FReturnIsTab = false;
    bool FDefaultHandling = true;
    bool FFocusDraw = true;
    gfx::TColor FBorderColor = gfx::clNone;
    gfx::TColor FFocusBorderColor = gfx::clNone;
    bool FDisabledBorder = true;
    bool FFlat = false;
    bool FEtched = false;
    gfx::TImageList* FImages = nullptr;
    rtl::TRect FEditRect{};
    bool FGrowing = false;
    bool FBlockCopy = false;
    bool FButtonDown = false;  // the left button was pressed inside the selection  // a cut is under way: its copy fires no OnClipboardCopy  // AdjustHeight is growing the edit to its minimum height
    bool FMouseInControl = false;
    bool FDropDownEnabled = true;
    int FButtonWidth = 17;
    std::string FButtonHint;
    ui::TWinControl* FFocusControl = nullptr;

    ui::TLabel* FLabel = nullptr;
    std::unique_ptr<gfx::TFont> FLabelFont;
    dropdown::TLabelPosition FLabelPosition = dropdown::lpLeftTop;
    int FLabelMargin = 0;
    bool FLabelTransparent = false;
    bool FLabelAlwaysEnabled = false;
    bool FParentFnt = false;  // ParentFont as it stood after loading: the label takes the edit's font
    int FLblFntHeight = 0;    // label font height at 96 pixels per inch
    bool FLblUpdate = false;  // the label font height is being rescaled
};

class TExtDropDown : public TExtCustomDropDown {
public:
    using TExtCustomDropDown::TExtCustomDropDown;
    std::string ClassName() const override { return "TExtDropDown"; }
};

}  // namespace grid
