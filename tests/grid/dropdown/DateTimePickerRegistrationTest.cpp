// The date-and-time picker and the analog clock read from form descriptions: their published
// settings take effect on the controls and their pixels, and bad values name file, line and value.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "grid/dropdown/ExtDateTimePicker.h"
#include "grid/dropdown/ExtTimePickerDropDown.h"
#include "grid/dropdown/ExtWatch.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/FormReader.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/StdCtrlsRegistration.h"
#include "tests/grid/dropdown/FormDescriptionFixture.h"

namespace {

using namespace grid;

class DateTimePickerRegistrationTest : public dropdowntest::FormDescriptionTest {};

TEST_F(DateTimePickerRegistrationTest, PickersFromADescriptionKeepDateTimeKindFormatsAndLabel)
{
    // 45000 is 15 March 2023; 0.75 is 18:00.
    ui::ReadComponentResText("object Form1: TForm\n"
                             "  Width = 400\n  Height = 300\n"
                             "  object Sowing: TExtDateTimePicker\n"
                             "    Left = 80\n    Top = 40\n    Width = 200\n    Height = 21\n"
                             "    Kind = dkDateTime\n"
                             "    Date = 45000.000000000000000000\n"
                             "    Time = 0.750000000000000000\n"
                             "    TimeFormat = 'HH:mm'\n"
                             "    AutoTab = True\n    AutoTabToNext = False\n"
                             "    BorderStyle = bsNone\n"
                             "    LabelCaption = 'Sowing date'\n"
                             "    LabelPosition = lpTopLeft\n    LabelMargin = 6\n    LabelTransparent = True\n"
                             "    FocusLabel = True\n"
                             "    Version = '9.9.9.9'\n"
                             "  end\n"
                             "  object Hour: TExtDateTimePicker\n"
                             "    Left = 80\n    Top = 100\n"
                             "    Kind = dkTime\n"
                             "    TimeFormat = 'HH:mm'\n"
                             "  end\n"
                             "end\n",
                             "pickers.dfm", Form);
    auto* sowing = dynamic_cast<TExtDateTimePicker*>(Form->FindComponent("Sowing"));
    auto* hour = dynamic_cast<TExtDateTimePicker*>(Form->FindComponent("Hour"));
    ASSERT_NE(sowing, nullptr);
    ASSERT_NE(hour, nullptr);

    EXPECT_DOUBLE_EQ(sowing->GetDateTime(), 45000.75);  // the written time survives reading the value back
    EXPECT_DOUBLE_EQ(sowing->GetTime(), 0.75);
    ASSERT_NE(sowing->TimePicker(), nullptr);
    EXPECT_EQ(sowing->TimePicker()->Format(), "HH:mm");
    EXPECT_TRUE(sowing->TimePicker()->AutoTab());
    EXPECT_FALSE(sowing->TimePicker()->AutoTabToNext());
    EXPECT_EQ(sowing->BorderStyle(), ui::bsNone);
    EXPECT_TRUE(sowing->FocusLabel());
    EXPECT_EQ(sowing->Version(), "1.2.2.0");

    ui::TLabel* label = sowing->PickerLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), "Sowing date");
    EXPECT_TRUE(label->Transparent());
    EXPECT_EQ(label->Left(), 80);
    EXPECT_EQ(label->Top(), 40 - label->Height() - 6);

    // A time picker edits the time in the picker itself, in the time format.
    EXPECT_EQ(hour->ExtKind(), dkTime);
    EXPECT_EQ(hour->Kind(), ui::dtkTime);
    EXPECT_EQ(hour->Format(), "HH:mm");
    EXPECT_EQ(hour->TimePicker(), nullptr);
}

TEST_F(DateTimePickerRegistrationTest, ClockFromADescriptionPaintsItsAppearanceAndKeepsItsSettings)
{
    ui::ReadComponentResText("object Form1: TForm\n"
                             "  Left = 10\n  Top = 10\n  Width = 420\n  Height = 240\n"
                             "  object Field: TExtWatch\n"
                             "    Left = 0\n    Top = 0\n    Width = 180\n    Height = 180\n"
                             "    Animation = False\n    AnimationFactor = 4\n"
                             "    Appearance.Shape = wsRect\n"
                             "    Appearance.BackgroundColor = clYellow\n"
                             "    Appearance.HourPointer = clRed\n"
                             "    Appearance.HourPointerShadow = clNone\n"
                             "    Appearance.HourPointerSize = 6\n"
                             "    Appearance.TickMarks = tmQuartHours\n"
                             "    Appearance.HourFont.Name = 'Arial'\n"
                             "    Appearance.HourFont.Style = [fsBold]\n"
                             "    ReadOnly = True\n    Resolution = 15\n"
                             "    Settings.Second = False\n    Settings.TimeOffset = 30\n"
                             "    Time = 0.125000000000000000\n"
                             "    ShowAMPM = False\n"
                             "    Version = '0.0'\n"
                             "  end\n"
                             "  object Preset: TExtWatch\n"
                             "    Left = 200\n    Top = 0\n"
                             "    Style = wsGray\n"
                             "  end\n"
                             "end\n",
                             "clocks.dfm", Form);
    auto* field = dynamic_cast<TExtWatch*>(Form->FindComponent("Field"));
    auto* preset = dynamic_cast<TExtWatch*>(Form->FindComponent("Preset"));
    ASSERT_NE(field, nullptr);
    ASSERT_NE(preset, nullptr);

    EXPECT_FALSE(field->Animation());
    EXPECT_EQ(field->AnimationFactor(), 4);
    EXPECT_TRUE(field->ReadOnly());
    EXPECT_EQ(field->Resolution(), 15);
    EXPECT_FALSE(field->Settings().Second());
    EXPECT_EQ(field->Settings().TimeOffset(), 30);
    EXPECT_FALSE(field->ShowAMPM());
    EXPECT_EQ(field->AMPMRect().Width(), 0);
    EXPECT_EQ(field->Appearance().HourPointerSize(), 6);
    EXPECT_EQ(field->Appearance().TickMarks(), tmQuartHours);
    EXPECT_EQ(field->Appearance().HourFont().Name(), "Arial");
    EXPECT_TRUE(field->Appearance().HourFont().Style().Contains(gfx::fsBold));
    EXPECT_EQ(field->Version(), "1.2.1.0");

    EXPECT_EQ(preset->Style(), wsGray);
    EXPECT_EQ(preset->Appearance().BackgroundGradient(), wgRadial);
    EXPECT_EQ(preset->Appearance().SecondPointer(), 0x0000FFu);

    // 3 o'clock on a square yellow face: the red hour hand points right.
    Form->Show();
    App->ActivateForm(Form);
    App->ProcessMessages();
    EXPECT_EQ(ui::THeadlessBackend::Pixel(field, 8, 8), gfx::ColorToRGB(0x00FFFF));    // the square's corner
    EXPECT_EQ(ui::THeadlessBackend::Pixel(field, 60, 100), gfx::ColorToRGB(0x00FFFF));  // the face
    EXPECT_EQ(ui::THeadlessBackend::Pixel(field, 120, 90), gfx::ColorToRGB(0x0000FF));  // the hour hand
    EXPECT_EQ(ui::THeadlessBackend::Pixel(field, 120, 92), gfx::ColorToRGB(0x0000FF));  // six pixels wide
}

TEST_F(DateTimePickerRegistrationTest, BadValuesNameTheFileLineAndValue)
{
    struct TCase {
        const char* ClassName;
        const char* Line;
        const char* Message;
    };
    const TCase cases[] = {
        {"TExtDateTimePicker", "Kind = dkWeek", "Error reading P.Kind: Invalid property value 'dkWeek'"},
        {"TExtDateTimePicker", "BorderStyle = bsDialog", "Error reading P.BorderStyle: Invalid property value 'bsDialog'"},
        {"TExtDateTimePicker", "Time = 'noon'", "Error reading P.Time: Invalid property value 'noon': a number expected"},
        {"TExtWatch", "Style = wsDigital", "Error reading P.Style: Invalid property value 'wsDigital'"},
        {"TExtWatch", "Appearance.HourPointerSize = 300",
         "Error reading P.Appearance.HourPointerSize: Invalid property value 300: 0 to 255 expected"},
        {"TExtWatch", "Appearance.BorderColor = 'navy'",
         "Error reading P.Appearance.BorderColor: Invalid property value 'navy': a colour expected"},
        {"TExtWatch", "Appearance.Picture.Data = 12",
         "Error reading P.Appearance.Picture.Data: Invalid property value: binary data { … } expected"},
        {"TExtTimePickerDropDown", "WatchAppearance.TickMarks = tmSome",
         "Error reading P.WatchAppearance.TickMarks: Invalid property value 'tmSome'"},
        {"TExtTimePickerDropDown", "ShowSeconds = 2",
         "Error reading P.ShowSeconds: Invalid property value 2: True or False expected"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Line);
        const std::string text = std::string("object F: TForm\n  object P: ") + c.ClassName + "\n    Left = 5\n    " +
                                 c.Line + "\n  end\nend\n";
        EXPECT_EQ(ReadErrorMessage(text, "bad.dfm"), std::string("bad.dfm(4): ") + c.Message);
    }
}

// A picture's data as a description stores it: the class name with its length byte, the
// data's size, then a 2 x 2 24-bit bitmap of one colour; written as hexadecimal.
std::string BitmapPictureData(unsigned char r, unsigned char g, unsigned char b)
{
    std::string bmp = "BM";
    auto put32 = [&bmp](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bmp += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto put16 = [&bmp](std::uint16_t v) {
        bmp += static_cast<char>(v & 0xFF);
        bmp += static_cast<char>(v >> 8);
    };
    put32(14 + 40 + 16);
    put32(0);
    put32(14 + 40);
    put32(40);
    put32(2);
    put32(2);
    put16(1);
    put16(24);
    put32(0);
    put32(16);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    for (int row = 0; row < 2; ++row) {
        for (int x = 0; x < 2; ++x) bmp += {static_cast<char>(b), static_cast<char>(g), static_cast<char>(r)};
        bmp += std::string(2, '\0');  // rows padded to four bytes
    }
    std::string data = std::string(1, 7) + "TBitmap";
    const auto size = static_cast<std::uint32_t>(bmp.size());
    for (int i = 0; i < 4; ++i) data += static_cast<char>((size >> (8 * i)) & 0xFF);
    data += bmp;
    static const char* digits = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : data) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

TEST_F(DateTimePickerRegistrationTest, LabelFontAndTheClocksPictureComeFromADescription)
{
    ui::ReadComponentResText("object Form1: TForm\n"
                             "  Left = 10\n  Top = 10\n  Width = 420\n  Height = 300\n"
                             "  object Own: TExtDateTimePicker\n"
                             "    Left = 120\n    Top = 20\n    Width = 200\n    Height = 21\n"
                             "    Font.Name = 'Arial'\n    Font.Size = 9\n"
                             "    ParentFont = False\n"
                             "    LabelCaption = 'Harvest'\n"
                             "    LabelFont.Name = 'Courier New'\n    LabelFont.Size = 14\n"
                             "    LabelFont.Color = clRed\n    LabelFont.Style = [fsItalic]\n"
                             "  end\n"
                             "  object Inherited: TExtDateTimePicker\n"
                             "    Left = 120\n    Top = 60\n    Width = 200\n    Height = 21\n"
                             "    LabelCaption = 'Sowing'\n"
                             "    LabelFont.Name = 'Courier New'\n    LabelFont.Size = 14\n"
                             "  end\n"
                             "  object Face: TExtWatch\n"
                             "    Left = 0\n    Top = 100\n    Width = 180\n    Height = 180\n"
                             "    Appearance.Picture.Data = {" + BitmapPictureData(0x20, 0x80, 0xC0) + "}\n"
                             "  end\n"
                             "end\n",
                             "label.dfm", Form);
    auto* own = dynamic_cast<TExtDateTimePicker*>(Form->FindComponent("Own"));
    auto* inherited = dynamic_cast<TExtDateTimePicker*>(Form->FindComponent("Inherited"));
    auto* face = dynamic_cast<TExtWatch*>(Form->FindComponent("Face"));
    ASSERT_NE(own, nullptr);
    ASSERT_NE(inherited, nullptr);
    ASSERT_NE(face, nullptr);

    // Without ParentFont the label shows its own font, and the measured caption places it.
    ASSERT_NE(own->PickerLabel(), nullptr);
    const gfx::TFont& font = own->PickerLabel()->Font();
    EXPECT_EQ(font.Name(), "Courier New");
    EXPECT_EQ(font.Size(), 14);
    EXPECT_EQ(font.Color(), gfx::clRed);
    EXPECT_TRUE(font.Style().Contains(gfx::fsItalic));
    gfx::TCanvas measure;
    measure.Font().Assign(&font);
    EXPECT_EQ(own->PickerLabel()->Left(), 120 - measure.TextWidth("Harvest") - 4);
    // With ParentFont, as loaded, the label takes the picker's font.
    EXPECT_EQ(inherited->PickerLabel()->Font().Name(), inherited->Font().Name());
    EXPECT_EQ(inherited->PickerLabel()->Font().Size(), inherited->Font().Size());
    EXPECT_EQ(inherited->LabelFont().Name(), "Courier New");
    // A font changed later moves the label again.
    own->LabelFont().SetSize(8);
    measure.Font().SetSize(8);
    EXPECT_EQ(own->PickerLabel()->Left(), 120 - measure.TextWidth("Harvest") - 4);

    // The picture is drawn stretched over the clock, under its hands.
    ASSERT_FALSE(face->Appearance().Picture().Empty());
    Form->Show();
    App->ActivateForm(Form);
    App->ProcessMessages();
    EXPECT_EQ(ui::THeadlessBackend::Pixel(face, 4, 4) & 0xFFFFFF, gfx::ColorToRGB(gfx::RGB(0x20, 0x80, 0xC0)));
    EXPECT_EQ(ui::THeadlessBackend::Pixel(face, 50, 130) & 0xFFFFFF, gfx::ColorToRGB(gfx::RGB(0x20, 0x80, 0xC0)));
}

TEST_F(DateTimePickerRegistrationTest, TimePickerFromADescriptionShowsItsTimeAndHandsItsClockSettingsOver)
{
    ui::ReadComponentResText("object Form1: TForm\n"
                             "  Left = 10\n  Top = 10\n  Width = 420\n  Height = 300\n"
                             "  object Start: TExtTimePickerDropDown\n"
                             "    Left = 20\n    Top = 20\n    Width = 100\n    Height = 21\n"
                             "    Time = 0.75\n"
                             "    ShowSeconds = False\n"
                             "    EditorEnabled = True\n"
                             "    Animation = False\n    AnimationFactor = 3\n"
                             "    Resolution = 5\n"
                             "    ShowWatchAMPM = False\n    ShowWatchNumbers = False\n"
                             "    ShowTimePicker = True\n"
                             "    WatchAppearance.BackgroundColor = clLime\n"
                             "    WatchAppearance.HourFont.Size = 12\n"
                             "    WatchSettings.TimeOffset = 15\n"
                             "  end\n"
                             "end\n",
                             "time.dfm", Form);
    auto* start = dynamic_cast<TExtTimePickerDropDown*>(Form->FindComponent("Start"));
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->Text(), "18:00");
    EXPECT_TRUE(start->EditorEnabled());
    EXPECT_EQ(start->AnimationFactor(), 3);
    EXPECT_EQ(start->Resolution(), 5);
    EXPECT_TRUE(start->ShowTimePicker());
    EXPECT_EQ(start->WatchAppearance().HourFont().Size(), 12);
    EXPECT_EQ(start->WatchSettings().TimeOffset(), 15);

    Form->Show();
    App->ActivateForm(Form);
    start->SetFocus();
    ui::THeadlessBackend::PressKey(ui::VK_DOWN, ui::ssAlt);
    ASSERT_TRUE(start->DroppedDown());
    TExtWatch& clock = *start->Watch();
    EXPECT_FALSE(clock.Animation());
    EXPECT_EQ(clock.AnimationFactor(), 3);
    EXPECT_EQ(clock.Resolution(), 5);
    EXPECT_FALSE(clock.ShowAMPM());
    EXPECT_FALSE(clock.ShowNumbers());
    EXPECT_EQ(clock.Settings().TimeOffset(), 15);
    EXPECT_DOUBLE_EQ(clock.Time(), 0.75);
    App->ProcessMessages();
    EXPECT_EQ(ui::THeadlessBackend::Pixel(&clock, 40, 100) & 0xFFFFFF, gfx::ColorToRGB(0x00FF00));
}

}  // namespace
