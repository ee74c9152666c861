// Registration of the standard controls, dialogs and menus with their published properties.
#include "platform/ui/StdCtrlsRegistration.h"

#include <cstring>

#include "platform/rtl/Utf8.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/CheckLst.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Mask.h"
#include "platform/ui/Menus.h"
#include "platform/ui/StdCtrls.h"

namespace ui {

namespace {

template <typename T>
TPropertyInfo Bool(bool (T::*get)() const, void (T::*set)(bool))
{
    return BoolProperty<T>([get](T* x) { return (x->*get)(); }, [set](T* x, bool v) { (x->*set)(v); });
}

template <typename T>
TPropertyInfo Int(int (T::*get)() const, void (T::*set)(int))
{
    return IntProperty<T>([get](T* x) { return static_cast<long long>((x->*get)()); },
                          [set](T* x, long long v) { (x->*set)(static_cast<int>(v)); });
}

template <typename T>
TPropertyInfo Str(std::function<std::string(T*)> get, std::function<void(T*, const std::string&)> set)
{
    return StringProperty<T>(std::move(get), std::move(set));
}

// A string list written as Items.Strings = ( 'a' 'b' ).
template <typename T>
TPropertyInfo StringsProperty(std::function<rtl::TStrings&(T*)> list)
{
    return ValueProperty<T>(
        [list](T* x, const TPropValue& v, TReadContext& ctx) {
            if (v.Kind != TValueKind::List) ctx.Fail("Invalid property value: a list ( … ) expected");
            rtl::TStrings& strings = list(x);
            strings.BeginUpdate();
            strings.Clear();
            for (const TPropValue& item : v.List) strings.Add(ValueToString(item, ctx));
            strings.EndUpdate();
        },
        [list](T* x) {
            TPropValue v;
            v.Kind = TValueKind::List;
            rtl::TStrings& strings = list(x);
            for (int i = 0; i < strings.Count(); ++i) v.List.push_back(TPropValue::MakeString(strings[i]));
            return v;
        });
}

std::string BitmapBytes(const std::string& data)
{
    if (data.size() >= 4) {
        std::uint32_t size = 0;
        std::memcpy(&size, data.data(), 4);
        if (size == data.size() - 4) return data.substr(4);
    }
    return data;
}

void IgnoreDesignerProps(TClassInfo& c, std::initializer_list<const char*> names)
{
    for (const char* name : names) c.Property(name, IgnoredProperty());
}

const std::vector<std::pair<std::string, TAlignment>> AlignmentNames = {
    {"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}};
const std::vector<std::pair<std::string, TTextLayout>> LayoutNames = {
    {"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}};

void RegisterButtons(TClassRegistry& r)
{
    {
        using T = TButton;
        TClassInfo& c = r.Register<T>("TButton", "TCustomControl");
        c.Property("Default", Bool<T>(&T::Default, &T::SetDefault));
        c.Property("Cancel", Bool<T>(&T::Cancel, &T::SetCancel));
        c.Property("ModalResult", EnumProperty<T, int>({{"mrNone", 0}, {"mrOk", 1}, {"mrCancel", 2}, {"mrAbort", 3},
                                                        {"mrRetry", 4}, {"mrIgnore", 5}, {"mrYes", 6}, {"mrNo", 7},
                                                        {"mrAll", 8}, {"mrNoToAll", 9}, {"mrYesToAll", 10}, {"mrClose", 11}},
                                                       [](T* x) { return x->ModalResult(); },
                                                       [](T* x, int v) { x->SetModalResult(v); }));
        IgnoreDesignerProps(c, {"WordWrap", "ImageIndex", "Images", "Style", "CommandLinkHint", "ElevationRequired"});
    }
    {
        using T = TLabel;
        TClassInfo& c = r.Register<T>("TLabel", "TGraphicControl");
        c.Property("Alignment", EnumProperty<T, TAlignment>(AlignmentNames, [](T* x) { return x->Alignment(); },
                                                            [](T* x, TAlignment v) { x->SetAlignment(v); }));
        c.Property("Layout", EnumProperty<T, TTextLayout>(LayoutNames, [](T* x) { return x->Layout(); },
                                                          [](T* x, TTextLayout v) { x->SetLayout(v); }));
        c.Property("AutoSize", Bool<T>(&T::AutoSize, &T::SetAutoSize));
        c.Property("WordWrap", Bool<T>(&T::WordWrap, &T::SetWordWrap));
        c.Property("Transparent", Bool<T>(&T::Transparent, &T::SetTransparent));
        IgnoreDesignerProps(c, {"FocusControl", "ShowAccelChar", "EllipsisPosition", "GlowSize", "StyleElements"});
    }
    r.RegisterAbstract<TButtonControl>("TButtonControl", "TCustomControl")
        .Property("Alignment", EnumProperty<TButtonControl, TLeftRight>(
                                   {{"taLeftJustify", taLeft}, {"taRightJustify", taRight}},
                                   [](TButtonControl* x) { return x->Alignment(); },
                                   [](TButtonControl* x, TLeftRight v) { x->SetAlignment(v); }))
        .Property("WordWrap", Bool<TButtonControl>(&TButtonControl::WordWrap, &TButtonControl::SetWordWrap))
        .Property("Checked", BoolProperty<TButtonControl>([](TButtonControl* x) { return x->Checked(); },
                                                          [](TButtonControl* x, bool v) { x->SetChecked(v); }));
    {
        using T = TCheckBox;
        TClassInfo& c = r.Register<T>("TCheckBox", "TButtonControl");
        c.Property("State", EnumProperty<T, TCheckBoxState>(
                                {{"cbUnchecked", cbUnchecked}, {"cbChecked", cbChecked}, {"cbGrayed", cbGrayed}},
                                [](T* x) { return x->State(); }, [](T* x, TCheckBoxState v) { x->SetState(v); }));
        c.Property("AllowGrayed", Bool<T>(&T::AllowGrayed, &T::SetAllowGrayed));
    }
    r.Register<TRadioButton>("TRadioButton", "TButtonControl");
    {
        using T = TScrollBar;
        TClassInfo& c = r.Register<T>("TScrollBar", "TCustomControl");
        c.Property("Kind", EnumProperty<T, TScrollBarKind>({{"sbHorizontal", sbHorizontal}, {"sbVertical", sbVertical}},
                                                           [](T* x) { return x->Kind(); },
                                                           [](T* x, TScrollBarKind v) { x->SetKind(v); }));
        c.Property("Min", Int<T>(&T::Min, &T::SetMin));
        c.Property("Max", Int<T>(&T::Max, &T::SetMax));
        c.Property("Position", Int<T>(&T::Position, &T::SetPosition));
        c.Property("SmallChange", Int<T>(&T::SmallChange, &T::SetSmallChange));
        c.Property("LargeChange", Int<T>(&T::LargeChange, &T::SetLargeChange));
        c.Property("PageSize", Int<T>(&T::PageSize, &T::SetPageSize));
        c.Property("OnChange", EventProperty(&T::OnChange));
    }
    {
        using T = TSpeedButton;
        TClassInfo& c = r.Register<T>("TSpeedButton", "TGraphicControl");
        c.Property("Flat", Bool<T>(&T::Flat, &T::SetFlat));
        c.Property("GroupIndex", Int<T>(&T::GroupIndex, &T::SetGroupIndex));
        c.Property("Down", Bool<T>(&T::Down, &T::SetDown));
        c.Property("AllowAllUp", Bool<T>(&T::AllowAllUp, &T::SetAllowAllUp));
        c.Property("NumGlyphs", Int<T>(&T::NumGlyphs, &T::SetNumGlyphs));
        c.Property("Glyph.Data", ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                       if (v.Kind != TValueKind::Binary) ctx.Fail("Invalid property value: binary data { … } expected");
                       std::string bytes = BitmapBytes(v.Str);
                       x->Glyph().LoadFromBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
                   }));
        IgnoreDesignerProps(c, {"Layout", "Spacing", "Margin", "Transparent", "ImageIndex", "Images"});
    }
}

void RegisterEdits(TClassRegistry& r)
{
    using T = TCustomEdit;
    TClassInfo& c = r.RegisterAbstract<T>("TCustomEdit", "TCustomControl");
    c.Property("MaxLength", Int<T>(&T::MaxLength, &T::SetMaxLength));
    c.Property("ReadOnly", Bool<T>(&T::ReadOnly, &T::SetReadOnly));
    c.Property("NumbersOnly", Bool<T>(&T::NumbersOnly, &T::SetNumbersOnly));
    c.Property("AutoSelect", Bool<T>(&T::AutoSelect, &T::SetAutoSelect));
    c.Property("HideSelection", Bool<T>(&T::HideSelection, &T::SetHideSelection));
    c.Property("PasswordChar", Str<T>(
                                   [](T* x) { return x->PasswordChar() == 0 ? std::string("#0") : rtl::Utf8EncodeChar(x->PasswordChar()); },
                                   [](T* x, const std::string& v) {
                                       std::u32string chars = rtl::Utf8Decode(v);
                                       x->SetPasswordChar(chars.empty() ? 0 : chars[0]);
                                   }));
    c.Property("BorderStyle", EnumProperty<T, int>({{"bsNone", 0}, {"bsSingle", 1}},
                                                   [](T* x) { return x->BorderThickness() > 0 ? 1 : 0; },
                                                   [](T* x, int v) { x->SetBorderThickness(v ? 2 : 0); }));
    c.Property("OnChange", EventProperty(&T::OnChange));
    IgnoreDesignerProps(c, {"AutoSize", "CharCase", "ImeMode", "ImeName", "OEMConvert", "TextHint", "BevelKind",
                            "BevelInner", "BevelOuter", "BevelEdges", "StyleElements"});
    {
        TClassInfo& e = r.Register<TEdit>("TEdit", "TCustomEdit");
        e.Property("Alignment", EnumProperty<TEdit, TAlignment>(AlignmentNames, [](TEdit* x) { return x->TextAlignment(); },
                                                                [](TEdit* x, TAlignment v) { x->SetTextAlignment(v); }));
    }
    {
        using M = TMemo;
        TClassInfo& m = r.Register<M>("TMemo", "TCustomEdit");
        m.Property("Lines.Strings", StringsProperty<M>([](M* x) -> rtl::TStrings& { return x->Lines(); }));
        m.Property("ScrollBars", EnumProperty<M, TScrollStyle>({{"ssNone", ssNone}, {"ssHorizontal", ssHorizontal},
                                                                {"ssVertical", ssVertical}, {"ssBoth", ssBoth}},
                                                               [](M* x) { return x->ScrollBars(); },
                                                               [](M* x, TScrollStyle v) { x->SetScrollBars(v); }));
        m.Property("WordWrap", Bool<M>(&M::WordWrap, &M::SetWordWrap));
        m.Property("WantReturns", Bool<M>(&M::WantReturns, &M::SetWantReturns));
        m.Property("WantTabs", Bool<M>(&M::WantTabs, &M::SetWantTabs));
        m.Property("Alignment", EnumProperty<M, TAlignment>(AlignmentNames, [](M* x) { return x->TextAlignment(); },
                                                            [](M* x, TAlignment v) { x->SetTextAlignment(v); }));
    }
    {
        using M = TMaskEdit;
        TClassInfo& m = r.Register<M>("TMaskEdit", "TCustomEdit");
        m.Property("EditMask", Str<M>([](M* x) { return x->EditMask(); }, [](M* x, const std::string& v) { x->SetEditMask(v); }));
    }
}

void RegisterLists(TClassRegistry& r)
{
    {
        using T = TCustomListBox;
        TClassInfo& c = r.RegisterAbstract<T>("TCustomListBox", "TCustomControl");
        c.Property("Items.Strings", StringsProperty<T>([](T* x) -> rtl::TStrings& { return x->Items(); }));
        c.Property("ItemIndex", Int<T>(&T::ItemIndex, &T::SetItemIndex));
        c.Property("Sorted", Bool<T>(&T::Sorted, &T::SetSorted));
        c.Property("ItemHeight", Int<T>(&T::ItemHeight, &T::SetItemHeight));
        c.Property("Style", EnumProperty<T, TListBoxStyle>({{"lbStandard", lbStandard}, {"lbOwnerDrawFixed", lbOwnerDrawFixed},
                                                            {"lbOwnerDrawVariable", lbOwnerDrawVariable},
                                                            {"lbVirtual", lbVirtual}, {"lbVirtualOwnerDraw", lbVirtualOwnerDraw}},
                                                           [](T* x) { return x->Style(); },
                                                           [](T* x, TListBoxStyle v) { x->SetStyle(v); }));
        IgnoreDesignerProps(c, {"MultiSelect", "ExtendedSelect", "Columns", "IntegralHeight", "BorderStyle", "BevelKind",
                                "BevelInner", "BevelOuter", "AutoComplete", "StyleElements"});
        r.Register<TListBox>("TListBox", "TCustomListBox");
        TClassInfo& cl = r.Register<TCheckListBox>("TCheckListBox", "TCustomListBox");
        cl.Property("AllowGrayed", Bool<TCheckListBox>(&TCheckListBox::AllowGrayed, &TCheckListBox::SetAllowGrayed));
        cl.Property("OnClickCheck", EventProperty(&TCheckListBox::OnClickCheck));
        IgnoreDesignerProps(cl, {"Flat", "HeaderColor", "HeaderBackgroundColor"});
    }
    {
        using T = TComboBox;
        TClassInfo& c = r.Register<T>("TComboBox", "TCustomEdit");
        c.Property("Items.Strings", StringsProperty<T>([](T* x) -> rtl::TStrings& { return x->Items(); }));
        c.Property("ItemIndex", Int<T>(&T::ItemIndex, &T::SetItemIndex));
        c.Property("Sorted", Bool<T>(&T::Sorted, &T::SetSorted));
        c.Property("DropDownCount", Int<T>(&T::DropDownCount, &T::SetDropDownCount));
        c.Property("AutoComplete", Bool<T>(&T::AutoComplete, &T::SetAutoComplete));
        c.Property("Style", EnumProperty<T, TComboBoxStyle>({{"csDropDown", csDropDown}, {"csSimple", csSimple},
                                                             {"csDropDownList", csDropDownList},
                                                             {"csOwnerDrawFixed", csOwnerDrawFixed},
                                                             {"csOwnerDrawVariable", csOwnerDrawVariable}},
                                                            [](T* x) { return x->Style(); },
                                                            [](T* x, TComboBoxStyle v) { x->SetStyle(v); }));
        c.Property("OnSelect", EventProperty(&T::OnSelect));
        c.Property("OnDropDown", EventProperty(&T::OnDropDown));
        c.Property("OnCloseUp", EventProperty(&T::OnCloseUp));
        IgnoreDesignerProps(c, {"ItemHeight", "AutoDropDown", "AutoCloseUp", "ExtendedUI"});
    }
}

void RegisterExtCtrls(TClassRegistry& r)
{
    const std::vector<std::pair<std::string, TBevelCut>> bevels = {
        {"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}};
    {
        using T = TPanel;
        TClassInfo& c = r.Register<T>("TPanel", "TCustomControl");
        c.Property("BevelOuter", EnumProperty<T, TBevelCut>(bevels, [](T* x) { return x->BevelOuter(); },
                                                            [](T* x, TBevelCut v) { x->SetBevelOuter(v); }));
        c.Property("BevelInner", EnumProperty<T, TBevelCut>(bevels, [](T* x) { return x->BevelInner(); },
                                                            [](T* x, TBevelCut v) { x->SetBevelInner(v); }));
        c.Property("BevelWidth", Int<T>(&T::BevelWidth, &T::SetBevelWidth));
        c.Property("BorderWidth", Int<T>(&T::BorderWidth, &T::SetBorderWidth));
        c.Property("BorderStyle", EnumProperty<T, TBorderStyle>({{"bsNone", bsNoneBorder}, {"bsSingle", bsSingleBorder}},
                                                                [](T* x) { return x->BorderStyle(); },
                                                                [](T* x, TBorderStyle v) { x->SetBorderStyle(v); }));
        c.Property("Alignment", EnumProperty<T, TAlignment>(AlignmentNames, [](T* x) { return x->Alignment(); },
                                                            [](T* x, TAlignment v) { x->SetAlignment(v); }));
        c.Property("VerticalAlignment", EnumProperty<T, TTextLayout>(
                                            {{"taAlignTop", tlTop}, {"taVerticalCenter", tlCenter}, {"taAlignBottom", tlBottom}},
                                            [](T* x) { return x->VerticalAlignment(); },
                                            [](T* x, TTextLayout v) { x->SetVerticalAlignment(v); }));
        c.Property("ShowCaption", Bool<T>(&T::ShowCaption, &T::SetShowCaption));
        IgnoreDesignerProps(c, {"FullRepaint", "Locked", "BevelKind", "BevelEdges", "StyleElements", "UseDockManager"});
    }
    {
        using T = TImage;
        TClassInfo& c = r.Register<T>("TImage", "TGraphicControl");
        c.Property("Stretch", Bool<T>(&T::Stretch, &T::SetStretch));
        c.Property("Center", Bool<T>(&T::Center, &T::SetCenter));
        c.Property("Proportional", Bool<T>(&T::Proportional, &T::SetProportional));
        c.Property("Transparent", Bool<T>(&T::Transparent, &T::SetTransparent));
        c.Property("AutoSize", Bool<T>(&T::AutoSize, &T::SetAutoSize));
        c.Property("Picture.Data", ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                       if (v.Kind != TValueKind::Binary) ctx.Fail("Invalid property value: binary data { … } expected");
                       std::string className;
                       std::string bytes = GraphicBytes(v.Str, className);
                       x->Picture().LoadFromBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
                   }));
        IgnoreDesignerProps(c, {"IncrementalDisplay"});
    }
}

void RegisterComCtrls(TClassRegistry& r)
{
    {
        using T = TTabSheet;
        TClassInfo& c = r.Register<T>("TTabSheet", "TCustomControl");
        c.Property("TabVisible", Bool<T>(&T::TabVisible, &T::SetTabVisible));
        c.Property("ImageIndex", Int<T>(&T::ImageIndex, &T::SetImageIndex));
        c.Property("PageIndex", Int<T>(&T::PageIndex, &T::SetPageIndex));
        c.Property("PageControl", ComponentProperty<T, TPageControl>([](T* x) { return x->PageControl(); },
                                                                     [](T* x, TPageControl* v) { x->SetPageControl(v); }));
        c.Property("OnShow", EventProperty(&T::OnShow));
        c.Property("OnHide", EventProperty(&T::OnHide));
        IgnoreDesignerProps(c, {"Highlighted"});
    }
    {
        using T = TPageControl;
        TClassInfo& c = r.Register<T>("TPageControl", "TCustomControl");
        c.Property("ActivePage", ComponentProperty<T, TTabSheet>([](T* x) { return x->ActivePage(); },
                                                                 [](T* x, TTabSheet* v) { x->SetActivePage(v); }));
        c.Property("OnChange", EventProperty(&T::OnChange));
        c.Property("OnChanging", EventProperty(&T::OnChanging));
        IgnoreDesignerProps(c, {"MultiLine", "Style", "TabHeight", "TabWidth", "TabPosition", "Images", "HotTrack",
                                "RaggedRight", "ScrollOpposite", "OwnerDraw", "TabIndex"});
    }
    {
        using T = TStatusBar;
        TClassInfo& c = r.Register<T>("TStatusBar", "TCustomControl");
        c.Property("SimplePanel", Bool<T>(&T::SimplePanel, &T::SetSimplePanel));
        c.Property("SimpleText", Str<T>([](T* x) { return x->SimpleText(); }, [](T* x, const std::string& v) { x->SetSimpleText(v); }));
        c.Property("SizeGrip", Bool<T>(&T::SizeGrip, &T::SetSizeGrip));
        c.Property("Panels", ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                       if (v.Kind != TValueKind::Collection) ctx.Fail("Invalid property value: a collection < … > expected");
                       x->Panels().Clear();
                       for (const TCollectionItem& item : v.Items) {
                           TStatusPanel& panel = x->Panels().Add();
                           for (const TPropItem& p : item.Props) {
                               ctx.Line = p.Line;
                               if (p.Name == "Width") panel.SetWidth(static_cast<int>(ValueToInt(p.Value, ctx)));
                               else if (p.Name == "Text") panel.SetText(ValueToString(p.Value, ctx));
                               else if (p.Name == "Alignment") {
                                   std::string a = ValueToIdent(p.Value, ctx);
                                   panel.SetAlignment(a == "taCenter" ? taCenter : a == "taRightJustify" ? taRightJustify : taLeftJustify);
                               } else if (p.Name == "Bevel") {
                                   std::string b = ValueToIdent(p.Value, ctx);
                                   panel.SetBevel(b == "pbNone" ? pbNone : b == "pbRaised" ? pbRaised : pbLowered);
                               } else if (p.Name != "Style") {
                                   ctx.Fail("Property " + p.Name + " does not exist");
                               }
                           }
                       }
                   }));
        IgnoreDesignerProps(c, {"AutoHint", "UseSystemFont"});
    }
    {
        using T = TTrackBar;
        TClassInfo& c = r.Register<T>("TTrackBar", "TCustomControl");
        c.Property("Min", Int<T>(&T::Min, &T::SetMin));
        c.Property("Max", Int<T>(&T::Max, &T::SetMax));
        c.Property("Position", Int<T>(&T::Position, &T::SetPosition));
        c.Property("Frequency", Int<T>(&T::Frequency, &T::SetFrequency));
        c.Property("LineSize", Int<T>(&T::LineSize, &T::SetLineSize));
        c.Property("PageSize", Int<T>(&T::PageSize, &T::SetPageSize));
        c.Property("Orientation", EnumProperty<T, TTrackBarOrientation>({{"trHorizontal", trHorizontal}, {"trVertical", trVertical}},
                                                                        [](T* x) { return x->Orientation(); },
                                                                        [](T* x, TTrackBarOrientation v) { x->SetOrientation(v); }));
        c.Property("TickStyle", EnumProperty<T, TTickStyle>({{"tsNone", tsNone}, {"tsAuto", tsAuto}, {"tsManual", tsManual}},
                                                            [](T* x) { return x->TickStyle(); },
                                                            [](T* x, TTickStyle v) { x->SetTickStyle(v); }));
        c.Property("TickMarks", EnumProperty<T, TTickMark>({{"tmBottomRight", tmBottomRight}, {"tmTopLeft", tmTopLeft}, {"tmBoth", tmBoth}},
                                                           [](T* x) { return x->TickMarks(); },
                                                           [](T* x, TTickMark v) { x->SetTickMarks(v); }));
        c.Property("OnChange", EventProperty(&T::OnChange));
        IgnoreDesignerProps(c, {"SelStart", "SelEnd", "ThumbLength", "SliderVisible", "ShowSelRange"});
    }
    {
        using T = TDateTimePicker;
        TClassInfo& c = r.Register<T>("TDateTimePicker", "TCustomControl");
        c.Property("Kind", EnumProperty<T, TDateTimeKind>({{"dtkDate", dtkDate}, {"dtkTime", dtkTime}, {"dtkDateTime", dtkDateTime}},
                                                          [](T* x) { return x->Kind(); }, [](T* x, TDateTimeKind v) { x->SetKind(v); }));
        c.Property("DateFormat", EnumProperty<T, TDTDateFormat>({{"dfShort", dfShort}, {"dfLong", dfLong}},
                                                                [](T* x) { return x->DateFormat(); },
                                                                [](T* x, TDTDateFormat v) { x->SetDateFormat(v); }));
        c.Property("Date", FloatProperty<T>([](T* x) { return x->Date(); }, [](T* x, double v) { x->SetDate(v); }));
        c.Property("Time", FloatProperty<T>([](T* x) { return x->Time(); }, [](T* x, double v) { x->SetTime(v); }));
        c.Property("Format", Str<T>([](T* x) { return x->Format(); }, [](T* x, const std::string& v) { x->SetFormat(v); }));
        c.Property("OnChange", EventProperty(&T::OnChange));
        IgnoreDesignerProps(c, {"DateMode", "ShowCheckbox", "Checked", "ParseInput", "CalAlignment", "MinDate", "MaxDate"});
    }
}

void RegisterMenusAndDialogs(TClassRegistry& r)
{
    {
        using T = TMenuItem;
        TClassInfo& c = r.Register<T>("TMenuItem", "TComponent");
        c.SetParentComponent = [](rtl::TComponent* child, rtl::TComponent* enclosing) {
            static_cast<TMenuItem*>(child)->SetParentComponent(enclosing);
        };
        c.Property("Caption", Str<T>([](T* x) { return x->Caption(); }, [](T* x, const std::string& v) { x->SetCaption(v); }));
        c.Property("Checked", Bool<T>(&T::Checked, &T::SetChecked));
        c.Property("Enabled", Bool<T>(&T::Enabled, &T::SetEnabled));
        c.Property("Visible", Bool<T>(&T::Visible, &T::SetVisible));
        c.Property("RadioItem", Bool<T>(&T::RadioItem, &T::SetRadioItem));
        c.Property("AutoCheck", Bool<T>(&T::AutoCheck, &T::SetAutoCheck));
        c.Property("Default", Bool<T>(&T::Default, &T::SetDefault));
        c.Property("GroupIndex", Int<T>(&T::GroupIndex, &T::SetGroupIndex));
        c.Property("ShortCut", IntProperty<T>([](T* x) { return static_cast<long long>(x->ShortCut()); },
                                              [](T* x, long long v) { x->SetShortCut(static_cast<TShortCut>(v)); }));
        c.Property("Hint", Str<T>([](T* x) { return x->Hint(); }, [](T* x, const std::string& v) { x->SetHint(v); }));
        c.Property("OnClick", EventProperty(&T::OnClick));
        IgnoreDesignerProps(c, {"ImageIndex", "Bitmap.Data"});
    }
    {
        using T = TPopupMenu;
        TClassInfo& c = r.Register<T>("TPopupMenu", "TComponent");
        c.Property("AutoPopup", Bool<T>(&T::AutoPopup, &T::SetAutoPopup));
        c.Property("Alignment", EnumProperty<T, TPopupAlignment>({{"paLeft", paLeft}, {"paRight", paRight}, {"paCenter", paCenter}},
                                                                 [](T* x) { return x->Alignment(); },
                                                                 [](T* x, TPopupAlignment v) { x->SetAlignment(v); }));
        c.Property("OnPopup", EventProperty(&T::OnPopup));
        IgnoreDesignerProps(c, {"Left", "Top", "Images", "AutoHotkeys", "TrackButton"});
    }
    {
        using T = TOpenDialog;
        TClassInfo& c = r.Register<T>("TOpenDialog", "TComponent");
        c.Property("Title", Str<T>([](T* x) { return x->Title(); }, [](T* x, const std::string& v) { x->SetTitle(v); }));
        c.Property("Filter", Str<T>([](T* x) { return x->Filter(); }, [](T* x, const std::string& v) { x->SetFilter(v); }));
        c.Property("FilterIndex", Int<T>(&T::FilterIndex, &T::SetFilterIndex));
        c.Property("InitialDir", Str<T>([](T* x) { return x->InitialDir(); }, [](T* x, const std::string& v) { x->SetInitialDir(v); }));
        c.Property("FileName", Str<T>([](T* x) { return x->FileName(); }, [](T* x, const std::string& v) { x->SetFileName(v); }));
        c.Property("DefaultExt", Str<T>([](T* x) { return x->DefaultExt(); }, [](T* x, const std::string& v) { x->SetDefaultExt(v); }));
        c.Property("Options", SetProperty<T>({{"ofReadOnly", ofReadOnly}, {"ofOverwritePrompt", ofOverwritePrompt},
                                              {"ofHideReadOnly", ofHideReadOnly}, {"ofNoChangeDir", ofNoChangeDir},
                                              {"ofAllowMultiSelect", ofAllowMultiSelect}, {"ofExtensionDifferent", ofExtensionDifferent},
                                              {"ofPathMustExist", ofPathMustExist}, {"ofFileMustExist", ofFileMustExist},
                                              {"ofCreatePrompt", ofCreatePrompt}, {"ofEnableSizing", ofEnableSizing}},
                                             [](T* x) { return x->Options(); }, [](T* x, unsigned v) { x->SetOptions(v); }));
        c.Property("OnShow", EventProperty(&T::OnShow));
        c.Property("OnClose", EventProperty(&T::OnClose));
        IgnoreDesignerProps(c, {"Left", "Top", "OptionsEx", "HelpContext"});
        r.Register<TSaveDialog>("TSaveDialog", "TOpenDialog");
    }
}

}  // namespace

// Picture data as a description stores it: the graphic's class name (length byte first),
// then the graphic's own data, which for bitmaps and JPEG pictures starts with its size.
std::string GraphicBytes(const std::string& data, std::string& className)
{
    if (data.empty()) return {};
    std::size_t n = static_cast<unsigned char>(data[0]);
    if (1 + n > data.size()) return data;
    className = data.substr(1, n);
    std::string rest = data.substr(1 + n);
    if (rest.size() >= 4) {
        std::uint32_t size = 0;
        std::memcpy(&size, rest.data(), 4);
        if (size == rest.size() - 4) rest = rest.substr(4);
    }
    return rest;
}

void RegisterStandardControls(TClassRegistry& registry)
{
    RegisterButtons(registry);
    RegisterEdits(registry);
    RegisterLists(registry);
    RegisterExtCtrls(registry);
    RegisterComCtrls(registry);
    RegisterMenusAndDialogs(registry);
}

void RegisterStandardControls()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterStandardControls(TClassRegistry::Instance());
}

}  // namespace ui
