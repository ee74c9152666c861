// Edit masks: the text shown and the text kept for each kind of mask, typing into a masked edit, validation.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Mask.h"

namespace {

using namespace ui;
using uitest::UiTest;

struct TMaskCase {
    const char* Mask;
    const char* Typed;
    const char* EditText;
    const char* Text;
};

class MaskTypingTest : public UiTest, public ::testing::WithParamInterface<TMaskCase> {};

TEST_P(MaskTypingTest, TypedCharactersFillThePlacesTheMaskAllows)
{
    const TMaskCase& c = GetParam();
    auto* form = NewForm();
    auto* edit = new TMaskEdit(form);
    edit->SetParent(form);
    edit->SetEditMask(c.Mask);
    form->Show();
    edit->SetFocus();
    THeadlessBackend::PressKey(VK_HOME);
    THeadlessBackend::TypeText(c.Typed);
    EXPECT_EQ(edit->EditText(), c.EditText) << c.Mask;
    EXPECT_EQ(edit->Text(), c.Text) << c.Mask;
}

INSTANTIATE_TEST_SUITE_P(
    Masks, MaskTypingTest,
    ::testing::Values(TMaskCase{"9999;1;_", "2a0x1", "201_", "201 "},
                      TMaskCase{"!99/99/0000;1;_", "15032001", "15/03/2001", "15/03/2001"},
                      TMaskCase{"!99/99/0000;0;_", "1503", "15/03/____", "1503    "},
                      TMaskCase{"00:00;1;*", "1230", "12:30", "12:30"},
                      TMaskCase{">LL-000;0;_", "hu12345", "HU-123", "HU123"},
                      TMaskCase{"<llll;1; ", "ABcD", "abcd", "abcd"},
                      TMaskCase{"#99;1;_", "-5x", "-5_", "-5 "},
                      TMaskCase{"\\(000\\);1;_", "12", "(12_)", "(12 )"},
                      TMaskCase{"AaCc;1;_", "1b !", "1b !", "1b !"},
                      TMaskCase{"99/99;1;_", "1/2", "1_/2_", "1 /2 "}));

TEST_F(UiTest, MaskedEditBackAndDeleteClearPlacesAndTextFromCodeFollowsTheMask)
{
    auto* form = NewForm();
    auto* edit = new TMaskEdit(form);
    edit->SetParent(form);
    edit->SetEditMask("99/99/0000;1;_");
    int changes = 0;
    edit->OnChange = [&](rtl::TObject*) { ++changes; };
    edit->SetText("15/03/2001");
    EXPECT_EQ(edit->EditText(), "15/03/2001");
    EXPECT_EQ(changes, 1);
    // With '!' a text fills each run of places from its end, up to the literal that ends it.
    TEditMask trimmed("!90:00:00;1; ");
    EXPECT_EQ(rtl::Utf8Encode(trimmed.EditTextFromText(U"8:15:00")), " 8:15:00");
    EXPECT_EQ(rtl::Utf8Encode(trimmed.EditTextFromText(U"12:34:56")), "12:34:56");
    EXPECT_EQ(rtl::Utf8Encode(trimmed.EditTextFromText(U"123456")), "12:34:56");
    EXPECT_EQ(rtl::Utf8Encode(trimmed.EditTextFromText(U"7:5")), " 7: 5:  ");
    form->Show();
    edit->SetFocus();
    THeadlessBackend::PressKey(VK_END);
    THeadlessBackend::PressKey(VK_BACK);
    EXPECT_EQ(edit->EditText(), "15/03/200_");
    THeadlessBackend::PressKey(VK_HOME);
    THeadlessBackend::PressKey(VK_DELETE);
    EXPECT_EQ(edit->EditText(), "_5/03/200_");
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_THROW(edit->ValidateEdit(), rtl::Exception);  // required year place empty
    THeadlessBackend::TypeText("2");
    EXPECT_EQ(edit->EditText(), "25/03/200_");
    EXPECT_EQ(edit->SelStart(), 1);

    // Leaving the field with a required place empty reports the error once.
    auto* other = new TMaskEdit(form);
    other->SetParent(form);
    other->SetTop(40);
    other->SetFocus();
    EXPECT_EQ(Backend->ErrorTexts().size(), 1u);
    edit->SetText("01/01/2020");
    EXPECT_NO_THROW(edit->ValidateEdit());
    // Escape abandons the changes made since the field was entered.
    edit->SetFocus();
    THeadlessBackend::PressKey(VK_HOME);
    THeadlessBackend::TypeText("3");
    EXPECT_EQ(edit->EditText(), "31/01/2020");
    THeadlessBackend::PressKey(VK_ESCAPE);
    EXPECT_EQ(edit->EditText(), "01/01/2020");

    // Without a mask it is a plain edit.
    edit->SetEditMask("");
    edit->SetText("free text");
    EXPECT_EQ(edit->Text(), "free text");
}

}  // namespace
