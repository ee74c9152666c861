// The set-up shared by the tests of the drop-downs that list items in columns: a drop-down of
// two columns and six fruit items, with the focus, and a second one to move the focus to.
#pragma once

#include <cctype>
#include <string>
#include <vector>

#include "grid/dropdown/DropDownForm.h"
#include "platform/backend/HeadlessBackend.h"
#include "tests/grid/dropdown/HeadlessFormFixture.h"

namespace dropdowntest {

template <class TDrop, class TColumn, class TItem>
class ColumnDropDownTest : public HeadlessFormTest {
protected:
    void SetUp() override
    {
        StartForm(500, 400);
        Drop = new TDrop(Form);
        Drop->SetParent(Form);
        Drop->SetBounds(10, 10, 150, 21);
        Other = new TDrop(Form);
        Other->SetParent(Form);
        Other->SetBounds(10, 300, 150, 21);
        Drop->DropDownHeader().SetVisible(false);
        Drop->DropDownFooter().SetVisible(false);
        AddColumn("Crop", 100);
        AddColumn("Code", 50);
        for (const char* name : {"Apple", "Apricot", "Banana", "(paren)", "barley", "Cherry"})
            AddItem({name, std::string(name).substr(0, 2)});
        Drop->EndUpdate();
        Drop->OnSelect = [this](rtl::TObject* sender) {
            EXPECT_EQ(sender, Drop);
            ++Selects;
        };
        ShowFormFocused(Drop);
    }
    void AddColumn(const std::string& header, int width)
    {
        TColumn& col = *Drop->Columns().Add();
        col.SetHeader(header);
        col.SetWidth(width);
    }
    void AddItem(const std::vector<std::string>& texts)
    {
        TItem& item = *Drop->Items().Add();
        for (const std::string& t : texts) item.Text().Add(t);
    }
    static constexpr int VkPunctuation = 0xBA;
    // One key as a keyboard gives it: down, the character, up.
    static void Type(const std::string& text)
    {
        for (char ch : text) {
            // Letters, digits and the space have their own key codes; other characters come
            // from a punctuation key (never an arrow's code, which '(' would be read as).
            const auto c = static_cast<unsigned char>(ch);
            const int vk = std::isalpha(c) ? std::toupper(c) : std::isdigit(c) ? c : c == ' ' ? ' ' : VkPunctuation;
            ui::THeadlessBackend::KeyDown(vk);
            ui::THeadlessBackend::TypeText(std::string(1, ch));
            ui::THeadlessBackend::KeyUp(vk);
        }
    }
    int PopupHeight() const { return Drop->DropDownForm()->Height(); }

    TDrop* Drop = nullptr;
    TDrop* Other = nullptr;
    int Selects = 0;
};

}  // namespace dropdowntest
