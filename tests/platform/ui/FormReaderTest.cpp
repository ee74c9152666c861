// The form-description reader: syntax and value kinds, building nested controls, events by name, errors.
#include <gtest/gtest.h>

#include <limits>

#include "UiTestSupport.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/ScreenModel.h"
#include "platform/ui/Timers.h"
#include "tests/support/TempDir.h"

namespace {

using namespace ui;
using uitest::TTestButton;
using uitest::TTestPanel;
using uitest::UiTest;

// A form whose handler methods are bound by name from its description.
class TForm1 : public TForm {
public:
    explicit TForm1(rtl::TComponent* owner, std::string file) : TForm(owner), FFile(std::move(file))
    {
        Methods().RegisterMethod("FormCreate", TNotifyEvent([this](rtl::TObject*) { Log.push_back("FormCreate"); }));
        Methods().RegisterMethod("FormActivate", TNotifyEvent([this](rtl::TObject*) { Log.push_back("FormActivate"); }));
        Methods().RegisterMethod("Button1Click", TNotifyEvent([this](rtl::TObject* sender) {
            Log.push_back("Button1Click " + static_cast<rtl::TComponent*>(sender)->Name());
        }));
        Methods().RegisterMethod("Timer1Timer", TNotifyEvent([this](rtl::TObject*) { Log.push_back("Timer1Timer"); }));
        // Wrong shape for a click: binding it to OnClick must fail.
        Methods().RegisterMethod("Button1KeyDown",
                                 TKeyEvent([](rtl::TObject*, WORD&, TShiftState) {}));
    }
    std::string ClassName() const override { return "TForm1"; }
    std::string DescriptionFile() const override { return FFile; }
    std::vector<std::string> Log;

private:
    std::string FFile;
};

std::string DataFile(const std::string& name)
{
    return (testsupport::TestDataDir() / "ui" / name).string();
}

class FormReaderTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        uitest::RegisterTestControls();
    }
    TForm1* Create(const std::string& file)
    {
        auto* form = new TForm1(App.get(), file);
        form->AfterConstruction();
        return form;
    }
};

TEST_F(FormReaderTest, BuildsNestedControlsWithPropertiesAndBindsEventsByName)
{
    TForm1* form = Create(DataFile("Nested.dfm"));
    EXPECT_EQ(form->Name(), "Form1");
    EXPECT_EQ(form->Caption(), "Tolvek Apps");
    EXPECT_EQ(form->ClientWidth(), 320);
    EXPECT_EQ(form->ClientHeight(), 180);
    EXPECT_EQ(form->BorderStyle(), bsSingle);
    EXPECT_EQ(form->Position(), poScreenCenter);
    EXPECT_EQ(form->Color(), gfx::clWhite);
    EXPECT_EQ(form->Font().Name(), "Tahoma");
    EXPECT_TRUE(form->Font().Style().Contains(gfx::fsBold));
    EXPECT_EQ(form->Font().Charset(), gfx::EASTEUROPE_CHARSET);
    EXPECT_FALSE(form->HasState(rtl::csLoading));

    auto* panel = dynamic_cast<TTestPanel*>(form->FindComponent("Panel1"));
    auto* button1 = dynamic_cast<TTestButton*>(form->FindComponent("Button1"));
    auto* button2 = dynamic_cast<TTestButton*>(form->FindComponent("Button2"));
    auto* timer = dynamic_cast<TTimer*>(form->FindComponent("Timer1"));
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(button1, nullptr);
    ASSERT_NE(button2, nullptr);
    ASSERT_NE(timer, nullptr);
    // Everything is owned by the form; controls sit in the object they are nested in.
    EXPECT_EQ(button1->Owner(), form);
    EXPECT_EQ(button1->Parent(), panel);
    EXPECT_EQ(panel->Parent(), form);
    EXPECT_EQ(timer->Owner(), form);
    EXPECT_EQ(button1->BoundsRect(), rtl::Bounds(10, 10, 80, 24));
    EXPECT_EQ(button1->Caption(), "GO");
    EXPECT_EQ(button1->Color(), gfx::clRed);
    EXPECT_EQ(panel->Color(), 0x00C0FFC0);
    EXPECT_EQ(panel->Hint(), "Rendben\r\nMégsem it's fine");
    EXPECT_TRUE(panel->ShowHint());
    EXPECT_FALSE(button2->Visible());
    EXPECT_EQ(button2->TabOrder(), 0);
    EXPECT_EQ(panel->TabOrder(), 1);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 250u);
    // Fonts follow the parent unless the description says otherwise.
    EXPECT_TRUE(panel->Font().Style().Contains(gfx::fsBold));
    EXPECT_EQ(form->ActiveControl(), button1);

    // OnCreate ran after the description; the click reaches the handler bound by name.
    EXPECT_EQ(form->Log, (std::vector<std::string>{"FormCreate"}));
    form->Show();
    EXPECT_EQ(form->Log.back(), "FormActivate");
    EXPECT_EQ(FocusedControl(), button1);
    App->ProcessMessages();
    THeadlessBackend::Click(button1, 5, 5);
    EXPECT_EQ(form->Log.back(), "Button1Click Button1");
    // The nested button paints its colour at its place in the window.
    EXPECT_EQ(THeadlessBackend::Pixel(button1, 40, 12), gfx::clRed);
    EXPECT_EQ(THeadlessBackend::Pixel(panel, 150, 80), 0x00C0FFC0);
}

TEST_F(FormReaderTest, UnknownClassOrPropertyNamesTheFileAndLine)
{
    try {
        Create(DataFile("UnknownClass.dfm"));
        FAIL() << "no error";
    } catch (const rtl::EReadError& e) {
        EXPECT_EQ(e.Message(), DataFile("UnknownClass.dfm") + "(5): Class TNoSuchGauge not found");
    }
    try {
        Create(DataFile("UnknownProperty.dfm"));
        FAIL() << "no error";
    } catch (const rtl::EReadError& e) {
        EXPECT_EQ(e.Message(),
                  DataFile("UnknownProperty.dfm") + "(5): Error reading Button1.Flavour: Property Flavour does not exist");
    }
}

TEST_F(FormReaderTest, BadValuesAndHandlersAreReportedWithTheirLine)
{
    struct TCase {
        const char* Text;
        const char* Message;
    };
    const TCase cases[] = {
        {"object Form1: TForm1\n  OnCreate = NoSuchMethod\nend\n",
         "t.dfm(2): Error reading Form1.OnCreate: Method 'NoSuchMethod' not found"},
        {"object Form1: TForm1\n  object B: TTestButton\n    OnClick = Button1KeyDown\n  end\nend\n",
         "t.dfm(3): Error reading B.OnClick: Method 'Button1KeyDown' does not fit the event"},
        {"object Form1: TForm1\n  Left = 'ten'\nend\n",
         "t.dfm(2): Error reading Form1.Left: Invalid property value 'ten': an integer expected"},
        {"object Form1: TForm1\n  Align = alMiddle\nend\n",
         "t.dfm(2): Error reading Form1.Align: Invalid property value 'alMiddle'"},
        {"object Form1: TForm1\n  Align = 2000000000\nend\n",
         "t.dfm(2): Error reading Form1.Align: Invalid property value 2000000000"},
        {"object Form1: TForm1\n  Caption = 'open\nend\n", "t.dfm(2): Unterminated string"},
        {"object Form1: TForm1\n  Caption = 'x'\n", "t.dfm(3): 'end' expected but end of file found"},
        {"object Form1: TForm1\n  ActiveControl = Ghost\nend\n",
         "t.dfm(2): Error reading Form1.ActiveControl: Invalid property value: no component named 'Ghost'"},
        {"object Form1: TForm1\n  object A: TTestButton\n  end\n  object a: TTestButton\n  end\nend\n",
         "t.dfm(4): Error reading a: A component named a already exists"},
    };
    for (const TCase& c : cases) {
        auto* form = new TForm1(App.get(), "");
        try {
            ReadComponentResText(c.Text, "t.dfm", form);
            ADD_FAILURE() << "no error for " << c.Text;
        } catch (const rtl::EReadError& e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
        delete form;
    }
}

// Descriptions nested far deeper than any form, or with numbers beyond 64 bits,
// end in an error naming the file and line, not in a stack overflow, an
// escaping library exception or a silently clamped value.
TEST_F(FormReaderTest, HostileDescriptionsAreErrorsNamingFileAndLine)
{
    auto repeat = [](const std::string& text, int times) {
        std::string all;
        for (int i = 0; i < times; ++i) all += text;
        return all;
    };
    const std::string form = "object Form1: TForm1\n";
    struct TCase {
        std::string Text;
        std::string Message;
    };
    const TCase cases[] = {
        {form + repeat("object P: TTestPanel\n", 100000), "t.dfm(257): Objects and values nested more than 256 deep"},
        {form + "  Items.Strings = " + repeat("(", 100000), "t.dfm(2): Objects and values nested more than 256 deep"},
        {form + "  Columns = " + repeat("<item Sub = ", 100000),
         "t.dfm(2): Objects and values nested more than 256 deep"},
        {form + "  Left = 99999999999999999999\nend\n", "t.dfm(2): Number 99999999999999999999 is out of range"},
        {form + "  Left = $1FFFFFFFFFFFFFFFF\nend\n", "t.dfm(2): Number $1FFFFFFFFFFFFFFFF is out of range"},
        {form + "  Left = -$8000000000000000\nend\n", "t.dfm(2): Number -$8000000000000000 is out of range"},
        {form + "  Caption = #99999999999999999999\nend\n",
         "t.dfm(2): Invalid character code #99999999999999999999"},
        {form + "  Caption = #$FFFFFFFFFFFFFFFFFFFF\nend\n",
         "t.dfm(2): Invalid character code #$FFFFFFFFFFFFFFFFFFFF"},
    };
    for (const TCase& c : cases) {
        auto* root = new TForm1(App.get(), "");
        try {
            ReadComponentResText(c.Text, "t.dfm", root);
            ADD_FAILURE() << "no error for " << c.Text.substr(0, 80);
        } catch (const rtl::EReadError& e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
        delete root;
    }
    // The limit leaves room for real forms: 256 levels read, and the extremes
    // of 64-bit numbers keep their values.
    const TObjectNode deep = ParseFormText(form + repeat("object P: TPanel\n", 255) + repeat("end\n", 256), "d.dfm");
    EXPECT_EQ(deep.Children.size(), 1u);
    EXPECT_EQ(ParsePropertyValueText("-9223372036854775808", "v").Int, std::numeric_limits<long long>::min());
    EXPECT_EQ(ParsePropertyValueText("$FFFFFFFFFFFFFFFF", "v").Int, -1);
}

TEST(FormParserTest, ReadsEveryKindOfValue)
{
    const char* text =
        "inherited Main: TMain [2]\n"
        "  Int = -42\n"
        "  Hex = $FF000000\n"
        "  Float = 1.5E3\n"
        "  Str = 'it''s'#9'ok' +\n"
        "    ' more'\n"
        "  Code = #337\n"
        "  Ident = clBtnFace\n"
        "  Flag = True\n"
        "  Styles = [fsBold, fsItalic]\n"
        "  Empty = []\n"
        "  Items.Strings = (\n"
        "    'one'\n"
        "    'two')\n"
        "  Columns = <\n"
        "    item\n"
        "      Width = 85\n"
        "      Title = 'Date'\n"
        "    end\n"
        "    item\n"
        "    end>\n"
        "  Picture.Data = {\n"
        "    0A0B\n"
        "    ff}\n"
        "  inline Frame1: TFrame1\n"
        "  end\n"
        "end\n";
    TObjectNode root = ParseFormText(text, "all.dfm");
    EXPECT_EQ(root.Kind, TObjectKind::Inherited);
    EXPECT_EQ(root.Name, "Main");
    EXPECT_EQ(root.ClassName, "TMain");
    EXPECT_EQ(root.Index, 2);
    ASSERT_EQ(root.Props.size(), 12u);
    EXPECT_EQ(root.Props[0].Value.Int, -42);
    EXPECT_EQ(root.Props[1].Value.Int, static_cast<std::int32_t>(0xFF000000u));
    EXPECT_EQ(root.Props[2].Value.Kind, TValueKind::Float);
    EXPECT_DOUBLE_EQ(root.Props[2].Value.Float, 1500.0);
    EXPECT_EQ(root.Props[3].Value.Str, "it's\tok more");
    EXPECT_EQ(root.Props[4].Value.Str, "ő");
    EXPECT_EQ(root.Props[5].Value.Kind, TValueKind::Ident);
    EXPECT_EQ(root.Props[6].Value.Str, "True");
    EXPECT_EQ(root.Props[7].Value.Set, (std::vector<std::string>{"fsBold", "fsItalic"}));
    EXPECT_TRUE(root.Props[8].Value.Set.empty());
    EXPECT_EQ(root.Props[9].Name, "Items.Strings");
    ASSERT_EQ(root.Props[9].Value.List.size(), 2u);
    EXPECT_EQ(root.Props[9].Value.List[1].Str, "two");
    ASSERT_EQ(root.Props[10].Value.Items.size(), 2u);
    EXPECT_EQ(root.Props[10].Value.Items[0].Props[1].Value.Str, "Date");
    EXPECT_EQ(root.Props[10].Value.Items[0].Props[0].Line, 17);
    EXPECT_EQ(root.Props[11].Value.Str, std::string("\x0A\x0B\xFF"));
    ASSERT_EQ(root.Children.size(), 1u);
    EXPECT_EQ(root.Children[0].Kind, TObjectKind::Inline);
    EXPECT_EQ(root.Children[0].Line, 25);
    // Values write back in the same syntax.
    EXPECT_EQ(root.Props[3].Value.ToText(), "'it''s'#9'ok more'");
    EXPECT_EQ(root.Props[7].Value.ToText(), "[fsBold, fsItalic]");
    EXPECT_EQ(root.Props[11].Value.ToText(), "{0A0BFF}");
    EXPECT_EQ(ParsePropertyValueText("1.25", "v").ToText(), "1.25");
}

TEST_F(FormReaderTest, InheritedObjectsChangeComponentsThatExist)
{
    TForm1* form = Create(DataFile("Nested.dfm"));
    ReadComponentResText("inherited Form1: TForm1\n"
                         "  Caption = 'Changed'\n"
                         "  inherited Button1: TTestButton\n"
                         "    Caption = 'STOP'\n"
                         "  end\n"
                         "end\n",
                         "derived.dfm", form);
    EXPECT_EQ(form->Caption(), "Changed");
    auto* button1 = dynamic_cast<TTestButton*>(form->FindComponent("Button1"));
    EXPECT_EQ(button1->Caption(), "STOP");
    EXPECT_EQ(button1->Parent(), form->FindComponent("Panel1"));
    EXPECT_THROW(ReadComponentResText("inherited Form1: TForm1\n  inherited Nobody: TTestButton\n  end\nend\n",
                                      "derived.dfm", form),
                 rtl::EReadError);
}

TEST_F(FormReaderTest, PropertiesCanBeSetAndReadByName)
{
    TForm1* form = Create(DataFile("Nested.dfm"));
    rtl::TComponent* button1 = FindComponentByPath(form, "Button1");
    ASSERT_NE(button1, nullptr);
    EXPECT_EQ(GetPropertyByName(button1, "Left"), "10");
    EXPECT_EQ(GetPropertyByName(button1, "Color"), "clRed");
    EXPECT_EQ(GetPropertyByName(button1, "Caption"), "'GO'");
    EXPECT_EQ(GetPropertyByName(button1, "Visible"), "True");
    SetPropertyByName(button1, "Caption", "'It''s'");
    SetPropertyByName(button1, "Color", "clBlue");
    SetPropertyByName(button1, "Font.Style", "[fsItalic, fsUnderline]");
    SetPropertyByName(button1, "Align", "alBottom");
    EXPECT_EQ(static_cast<TControl*>(button1)->Caption(), "It's");
    EXPECT_EQ(GetPropertyByName(button1, "Color"), "clBlue");
    EXPECT_EQ(GetPropertyByName(button1, "Font.Style"), "[fsItalic, fsUnderline]");
    EXPECT_EQ(GetPropertyByName(button1, "Align"), "alBottom");
    EXPECT_EQ(static_cast<TControl*>(button1)->Top(), 100 - 24);  // aligned to the panel's bottom
    auto* button2 = static_cast<TControl*>(FindComponentByPath(form, "Button2"));
    SetPropertyByName(button2, "OnClick", "Timer1Timer");
    button2->OnClick(button2);
    EXPECT_EQ(form->Log.back(), "Timer1Timer");
    try {
        SetPropertyByName(button1, "Colour", "clRed");
        FAIL();
    } catch (const rtl::EReadError& e) {
        EXPECT_EQ(e.Message(), "Error reading Button1.Colour: Property Colour does not exist");
    }
    EXPECT_THROW(SetPropertyByName(button1, "Left", "abc"), rtl::EReadError);
    // Whole paths from the form: component, then property.
    SetPropertyPath(form, "Button1.Font.Size", "12");
    EXPECT_EQ(GetPropertyPath(form, "Button1.Font.Size"), "12");
    SetPropertyPath(form, "Caption", "'Main'");
    EXPECT_EQ(GetPropertyPath(form, "Caption"), "'Main'");
    EXPECT_EQ(GetPropertyPath(form, "Font.Name"), "'Tahoma'");
}

TEST_F(FormReaderTest, AFormDescribedVisibleShowsOnlyAfterOnCreate)
{
    auto* form = new TForm1(App.get(), DataFile("Visible.dfm"));
    bool showingInCreate = true;
    form->Methods().RegisterMethod("FormCreate",
                                   TNotifyEvent([&](rtl::TObject*) { showingInCreate = form->Showing(); }));
    form->AfterConstruction();
    EXPECT_FALSE(showingInCreate);
    EXPECT_TRUE(form->Showing());
    EXPECT_EQ(App->ActiveForm(), form);
}

// A control with list, collection and binary properties that it reads itself.
class TTestList : public TCustomControl {
public:
    explicit TTestList(rtl::TComponent* owner) : TCustomControl(owner) {}
    std::vector<std::string> Items;
    std::vector<std::pair<std::string, long long>> Columns;
    std::string Data;
};

TEST_F(FormReaderTest, ListsCollectionsAndBinaryDataReachTheClassThatReadsThem)
{
    auto& info = TClassRegistry::Instance().Register<TTestList>("TTestList", "TCustomControl");
    info.Property("Items.Strings", ValueProperty<TTestList>([](TTestList* l, const TPropValue& v, TReadContext& ctx) {
        for (const TPropValue& item : v.List) l->Items.push_back(ValueToString(item, ctx));
    }));
    info.Property("Columns", ValueProperty<TTestList>([](TTestList* l, const TPropValue& v, TReadContext& ctx) {
        for (const TCollectionItem& item : v.Items) {
            std::string title;
            long long width = 0;
            for (const TPropItem& p : item.Props) {
                ctx.Line = p.Line;
                if (p.Name == "Title") title = ValueToString(p.Value, ctx);
                else if (p.Name == "Width") width = ValueToInt(p.Value, ctx);
                else ctx.Fail("Property " + p.Name + " does not exist");
            }
            l->Columns.push_back({title, width});
        }
    }));
    info.Property("Picture.Data", ValueProperty<TTestList>([](TTestList* l, const TPropValue& v, TReadContext&) {
        l->Data = v.Str;
    }));
    TForm1* form = Create(DataFile("Collections.dfm"));
    auto* list = dynamic_cast<TTestList*>(form->FindComponent("List1"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Items, (std::vector<std::string>{"one", "two\ttab"}));
    EXPECT_EQ(list->Columns, (std::vector<std::pair<std::string, long long>>{{"Date", 85}, {"Crop", 150}}));
    EXPECT_EQ(list->Data, std::string("\x89PNG\r\n"));
}

// A form described for another screen resolution is scaled to the screen's once read: its
// controls' bounds and fonts by screen / description, its client size too, its position not.
TEST_F(FormReaderTest, AScaledFormMadeForAnotherResolutionScalesItsControlsToTheScreen)
{
    const std::string body = "  Left = 200\n"
                             "  Top = 120\n"
                             "  ClientWidth = 300\n"
                             "  ClientHeight = 150\n"
                             "  Font.Height = -15\n"
                             "  object Panel1: TTestPanel\n"
                             "    Left = 10\n    Top = 20\n    Width = 200\n    Height = 100\n"
                             "    object Button1: TTestButton\n"
                             "      Left = 5\n      Top = 5\n      Width = 80\n      Height = 25\n"
                             "      ParentFont = False\n      Font.Height = -20\n"
                             "    end\n"
                             "  end\n"
                             "end\n";
    struct Case {
        int Screen;
        std::string Head;
        int Num, Den;  // expected scale
    };
    const Case cases[] = {
        {96, "  PixelsPerInch = 120\n", 96, 120},
        {144, "  PixelsPerInch = 96\n", 144, 96},
        {144, "  PixelsPerInch = 96\n  Scaled = False\n", 1, 1},
        {144, "", 1, 1},  // no resolution given: made for this screen
        {96, "  PixelsPerInch = 96\n", 1, 1},
    };
    for (const Case& k : cases) {
        SetScreenPixelsPerInch(k.Screen);
        auto* form = new TForm1(App.get(), "");
        ReadComponentResText("object Form1: TForm1\n" + k.Head + body, "Scaled.dfm", form);
        auto scaled = [&](int v) { return MulDiv(v, k.Num, k.Den); };
        auto* panel = dynamic_cast<TControl*>(form->FindComponent("Panel1"));
        auto* button = dynamic_cast<TControl*>(form->FindComponent("Button1"));
        ASSERT_NE(panel, nullptr);
        ASSERT_NE(button, nullptr);
        const std::string at = std::to_string(k.Screen) + " " + k.Head;
        EXPECT_EQ(form->PixelsPerInch(), k.Screen) << at;
        EXPECT_EQ(form->Left(), 200) << at;
        EXPECT_EQ(form->ClientWidth(), scaled(300)) << at;
        EXPECT_EQ(form->ClientHeight(), scaled(150)) << at;
        EXPECT_EQ(form->Font().Height(), scaled(-15)) << at;
        EXPECT_EQ(panel->BoundsRect(), rtl::Bounds(scaled(10), scaled(20), scaled(200), scaled(100))) << at;
        EXPECT_EQ(panel->Font().Height(), scaled(-15)) << at << ": the panel takes the form's scaled font";
        EXPECT_EQ(button->BoundsRect(), rtl::Bounds(scaled(5), scaled(5), scaled(80), scaled(25))) << at;
        EXPECT_EQ(button->Font().Height(), scaled(-20)) << at;
        delete form;
    }
    SetScreenPixelsPerInch(0);
}

// The application may scale a form at any time; its position stays.
TEST_F(FormReaderTest, ScaleByScalesControlsAndClientSizeButNotThePosition)
{
    TForm1* form = Create(DataFile("Nested.dfm"));
    const rtl::TRect panel = dynamic_cast<TControl*>(form->FindComponent("Panel1"))->BoundsRect();
    const int clientWidth = form->ClientWidth();
    const rtl::TPoint origin{form->Left(), form->Top()};
    form->ScaleBy(3, 2);
    EXPECT_EQ(dynamic_cast<TControl*>(form->FindComponent("Panel1"))->BoundsRect(),
              rtl::Bounds(panel.Left * 3 / 2, panel.Top * 3 / 2, panel.Width() * 3 / 2, panel.Height() * 3 / 2));
    EXPECT_EQ(form->ClientWidth(), clientWidth * 3 / 2);
    EXPECT_EQ(form->Left(), origin.X);
    EXPECT_EQ(form->Top(), origin.Y);
}

TEST_F(FormReaderTest, ASecondInstanceOfAFormGetsAUniqueName)
{
    TForm1* first = Create(DataFile("Nested.dfm"));
    TForm1* second = Create(DataFile("Nested.dfm"));
    EXPECT_EQ(first->Name(), "Form1");
    EXPECT_EQ(second->Name(), "Form1_1");
    EXPECT_NE(second->FindComponent("Button1"), first->FindComponent("Button1"));
}

}  // namespace
