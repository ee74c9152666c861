// Registration of the platform's own classes and their published properties for form descriptions.
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Timers.h"

namespace ui {

namespace {

const std::vector<std::pair<std::string, TCursor>> CursorNames = {
    {"crDefault", crDefault}, {"crNone", crNone}, {"crArrow", crArrow}, {"crCross", crCross},
    {"crIBeam", crIBeam}, {"crSizeNESW", crSizeNESW}, {"crSizeNS", crSizeNS}, {"crSizeNWSE", crSizeNWSE},
    {"crSizeWE", crSizeWE}, {"crUpArrow", crUpArrow}, {"crHourGlass", crHourGlass}, {"crDrag", crDrag},
    {"crNoDrop", crNoDrop}, {"crHSplit", crHSplit}, {"crVSplit", crVSplit}, {"crMultiDrag", crMultiDrag},
    {"crSQLWait", crSQLWait}, {"crNo", crNo}, {"crAppStart", crAppStart}, {"crHelp", crHelp},
    {"crHandPoint", crHandPoint}, {"crSizeAll", crSizeAll},
};

void RegisterComponent(TClassRegistry& r)
{
    TClassInfo& c = r.RegisterAbstract<rtl::TComponent>("TComponent", "");
    c.Property("Name", StringProperty<rtl::TComponent>([](rtl::TComponent* x) { return x->Name(); },
                                                        [](rtl::TComponent* x, const std::string& v) { x->SetName(v); }));
    c.Property("Tag", IntProperty<rtl::TComponent>([](rtl::TComponent* x) { return x->Tag(); },
                                                    [](rtl::TComponent* x, long long v) { x->SetTag(v); }));
}

void RegisterControl(TClassRegistry& r)
{
    using T = TControl;
    TClassInfo& c = r.RegisterAbstract<TControl>("TControl", "TComponent");
    c.Property("Left", IntProperty<T>([](T* x) { return x->Left(); }, [](T* x, long long v) { x->SetLeft(static_cast<int>(v)); }));
    c.Property("Top", IntProperty<T>([](T* x) { return x->Top(); }, [](T* x, long long v) { x->SetTop(static_cast<int>(v)); }));
    c.Property("Width", IntProperty<T>([](T* x) { return x->Width(); }, [](T* x, long long v) { x->SetWidth(static_cast<int>(v)); }));
    c.Property("Height", IntProperty<T>([](T* x) { return x->Height(); }, [](T* x, long long v) { x->SetHeight(static_cast<int>(v)); }));
    c.Property("ClientWidth", IntProperty<T>([](T* x) { return x->ClientWidth(); },
                                             [](T* x, long long v) { x->SetClientWidth(static_cast<int>(v)); }));
    c.Property("ClientHeight", IntProperty<T>([](T* x) { return x->ClientHeight(); },
                                              [](T* x, long long v) { x->SetClientHeight(static_cast<int>(v)); }));
    c.Property("Align", EnumProperty<T, TAlign>({{"alNone", alNone}, {"alTop", alTop}, {"alBottom", alBottom},
                                                 {"alLeft", alLeft}, {"alRight", alRight}, {"alClient", alClient},
                                                 {"alCustom", alCustom}},
                                                [](T* x) { return x->Align(); }, [](T* x, TAlign v) { x->SetAlign(v); }));
    c.Property("Visible", BoolProperty<T>([](T* x) { return x->Visible(); }, [](T* x, bool v) { x->SetVisible(v); }));
    c.Property("Enabled", BoolProperty<T>([](T* x) { return x->Enabled(); }, [](T* x, bool v) { x->SetEnabled(v); }));
    c.Property("Color", ColorProperty<T>([](T* x) { return x->Color(); }, [](T* x, gfx::TColor v) { x->SetColor(v); }));
    c.Property("ParentColor", BoolProperty<T>([](T* x) { return x->ParentColor(); }, [](T* x, bool v) { x->SetParentColor(v); }));
    c.Property("ParentFont", BoolProperty<T>([](T* x) { return x->ParentFont(); }, [](T* x, bool v) { x->SetParentFont(v); }));
    c.Property("Font.Name", StringProperty<T>([](T* x) { return x->Font().Name(); },
                                              [](T* x, const std::string& v) { x->Font().SetName(v); }));
    c.Property("Font.Size", IntProperty<T>([](T* x) { return x->Font().Size(); },
                                           [](T* x, long long v) { x->Font().SetSize(static_cast<int>(v)); }));
    c.Property("Font.Height", IntProperty<T>([](T* x) { return x->Font().Height(); },
                                             [](T* x, long long v) { x->Font().SetHeight(static_cast<int>(v)); }));
    c.Property("Font.Color", ColorProperty<T>([](T* x) { return x->Font().Color(); },
                                           [](T* x, gfx::TColor v) { x->Font().SetColor(v); }));
    c.Property("Font.Style", SetProperty<T>({{"fsBold", 1u}, {"fsItalic", 2u}, {"fsUnderline", 4u}, {"fsStrikeOut", 8u}},
                                            [](T* x) { return static_cast<unsigned>(x->Font().Style().Bits()); },
                                            [](T* x, unsigned bits) {
                                                x->Font().SetStyle(gfx::TFontStyles::FromBits(static_cast<std::uint8_t>(bits)));
                                            }));
    // The charset is given as an identifier in most descriptions.
    c.Property("Font.Charset", EnumProperty<T, int>({{"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2},
                                                     {"EASTEUROPE_CHARSET", 238}, {"RUSSIAN_CHARSET", 204}},
                                                    [](T* x) { return static_cast<int>(x->Font().Charset()); },
                                                    [](T* x, int v) { x->Font().SetCharset(static_cast<gfx::TFontCharset>(v)); }));
    c.Property("Caption", StringProperty<T>([](T* x) { return x->Caption(); }, [](T* x, const std::string& v) { x->SetCaption(v); }));
    c.Property("Text", StringProperty<T>([](T* x) { return x->Text(); }, [](T* x, const std::string& v) { x->SetText(v); }));
    c.Property("Hint", StringProperty<T>([](T* x) { return x->Hint(); }, [](T* x, const std::string& v) { x->SetHint(v); }));
    c.Property("ShowHint", BoolProperty<T>([](T* x) { return x->ShowHint(); }, [](T* x, bool v) { x->SetShowHint(v); }));
    c.Property("ParentShowHint", BoolProperty<T>([](T* x) { return x->ParentShowHint(); },
                                                 [](T* x, bool v) { x->SetParentShowHint(v); }));
    c.Property("Cursor", EnumProperty<T, TCursor>(CursorNames, [](T* x) { return x->Cursor(); },
                                                  [](T* x, TCursor v) { x->SetCursor(v); }));
    c.Property("PopupMenu", ComponentProperty<T, rtl::TComponent>([](T* x) { return x->PopupMenu(); },
                                                                  [](T* x, rtl::TComponent* v) { x->SetPopupMenu(v); }));
    c.Property("OnClick", EventProperty(&T::OnClick));
    c.Property("OnDblClick", EventProperty(&T::OnDblClick));
    c.Property("OnMouseDown", EventProperty(&T::OnMouseDown));
    c.Property("OnMouseMove", EventProperty(&T::OnMouseMove));
    c.Property("OnMouseUp", EventProperty(&T::OnMouseUp));
    c.Property("OnMouseWheel", EventProperty(&T::OnMouseWheel));
    c.Property("OnMouseWheelDown", EventProperty(&T::OnMouseWheelDown));
    c.Property("OnMouseWheelUp", EventProperty(&T::OnMouseWheelUp));
    c.Property("OnMouseEnter", EventProperty(&T::OnMouseEnter));
    c.Property("OnMouseLeave", EventProperty(&T::OnMouseLeave));
    c.Property("OnResize", EventProperty(&T::OnResize));
    c.Property("OnContextPopup", EventProperty(&T::OnContextPopup));
    // Kept by the designer only.
    for (const char* name : {"ExplicitLeft", "ExplicitTop", "ExplicitWidth", "ExplicitHeight", "DesignSize",
                             "Anchors", "Ctl3D", "ParentCtl3D", "ParentBiDiMode", "ParentBackground",
                             "ParentDoubleBuffered", "DoubleBuffered", "Margins.Left", "Margins.Top",
                             "Margins.Right", "Margins.Bottom", "AlignWithMargins"})
        c.Property(name, IgnoredProperty());
}

void RegisterWinControl(TClassRegistry& r)
{
    using T = TWinControl;
    TClassInfo& c = r.RegisterAbstract<TWinControl>("TWinControl", "TControl");
    c.Property("TabOrder", IntProperty<T>([](T* x) { return x->TabOrder(); }, [](T* x, long long v) { x->SetTabOrder(static_cast<int>(v)); }));
    c.Property("TabStop", BoolProperty<T>([](T* x) { return x->TabStop(); }, [](T* x, bool v) { x->SetTabStop(v); }));
    c.Property("OnEnter", EventProperty(&T::OnEnter));
    c.Property("OnExit", EventProperty(&T::OnExit));
    c.Property("OnKeyDown", EventProperty(&T::OnKeyDown));
    c.Property("OnKeyPress", EventProperty(&T::OnKeyPress));
    c.Property("OnKeyUp", EventProperty(&T::OnKeyUp));
    r.RegisterAbstract<TCustomControl>("TCustomControl", "TWinControl");
    r.RegisterAbstract<TGraphicControl>("TGraphicControl", "TControl");
}

void RegisterForm(TClassRegistry& r)
{
    using T = TCustomForm;
    TClassInfo& c = r.RegisterAbstract<TCustomForm>("TCustomForm", "TWinControl");
    c.Property("BorderStyle", EnumProperty<T, TFormBorderStyle>(
                                  {{"bsNone", bsNone}, {"bsSingle", bsSingle}, {"bsSizeable", bsSizeable},
                                   {"bsDialog", bsDialog}, {"bsToolWindow", bsToolWindow}, {"bsSizeToolWin", bsSizeToolWin}},
                                  [](T* x) { return x->BorderStyle(); }, [](T* x, TFormBorderStyle v) { x->SetBorderStyle(v); }));
    c.Property("Position", EnumProperty<T, TPosition>(
                               {{"poDesigned", poDesigned}, {"poDefault", poDefault}, {"poDefaultPosOnly", poDefaultPosOnly},
                                {"poDefaultSizeOnly", poDefaultSizeOnly}, {"poScreenCenter", poScreenCenter},
                                {"poDesktopCenter", poDesktopCenter}, {"poMainFormCenter", poMainFormCenter},
                                {"poOwnerFormCenter", poOwnerFormCenter}},
                               [](T* x) { return x->Position(); }, [](T* x, TPosition v) { x->SetPosition(v); }));
    c.Property("WindowState", EnumProperty<T, TWindowState>({{"wsNormal", wsNormal}, {"wsMinimized", wsMinimized},
                                                             {"wsMaximized", wsMaximized}},
                                                            [](T* x) { return x->WindowState(); },
                                                            [](T* x, TWindowState v) { x->SetWindowState(v); }));
    c.Property("KeyPreview", BoolProperty<T>([](T* x) { return x->KeyPreview(); }, [](T* x, bool v) { x->SetKeyPreview(v); }));
    c.Property("ActiveControl", ComponentProperty<T, TWinControl>([](T* x) { return x->ActiveControl(); },
                                                                  [](T* x, TWinControl* v) { x->SetActiveControl(v); }));
    c.Property("OnCreate", EventProperty(&T::OnCreate));
    c.Property("OnDestroy", EventProperty(&T::OnDestroy));
    c.Property("OnShow", EventProperty(&T::OnShow));
    c.Property("OnHide", EventProperty(&T::OnHide));
    c.Property("OnActivate", EventProperty(&T::OnActivate));
    c.Property("OnDeactivate", EventProperty(&T::OnDeactivate));
    c.Property("OnClose", EventProperty(&T::OnClose));
    c.Property("OnCloseQuery", EventProperty(&T::OnCloseQuery));
    c.Property("OnPaint", EventProperty(&T::OnPaint));
    c.Property("PixelsPerInch", IntProperty<T>([](T* x) { return x->PixelsPerInch(); },
                                               [](T* x, long long v) { x->SetPixelsPerInch(static_cast<int>(v)); }));
    c.Property("Scaled", BoolProperty<T>([](T* x) { return x->Scaled(); }, [](T* x, bool v) { x->SetScaled(v); }));
    for (const char* name : {"TextHeight", "OldCreateOrder", "FormStyle", "Icon.Data",
                             "BorderIcons", "AutoScroll", "HorzScrollBar.Visible", "VertScrollBar.Visible"})
        c.Property(name, IgnoredProperty());
    r.Register<TForm>("TForm", "TCustomForm");
}

void RegisterTimer(TClassRegistry& r)
{
    using T = TTimer;
    TClassInfo& c = r.Register<TTimer>("TTimer", "TComponent");
    c.Property("Enabled", BoolProperty<T>([](T* x) { return x->Enabled(); }, [](T* x, bool v) { x->SetEnabled(v); }));
    c.Property("Interval", IntProperty<T>([](T* x) { return x->Interval(); },
                                          [](T* x, long long v) { x->SetInterval(static_cast<unsigned>(v)); }));
    c.Property("OnTimer", EventProperty(&T::OnTimer));
}

}  // namespace

void RegisterImageList(TClassRegistry& r);  // ImageListRegistration.cpp

void RegisterPlatformClasses(TClassRegistry& registry)
{
    RegisterComponent(registry);
    RegisterControl(registry);
    RegisterWinControl(registry);
    RegisterForm(registry);
    RegisterTimer(registry);
    RegisterImageList(registry);
}

}  // namespace ui
