// A grid whose cell (2, 2) holds "Banana", with a drop-down cell editor that lists four fruits
// and their codes in two columns, for the editors that show their items in columns.
#pragma once

#include <string>

#include "GridEditorFixture.h"
#include "platform/ui/InputRouter.h"

template <class TEditor, TEditor* (*EditorOf)(grid::TExtStringGrid&), grid::TEditorType Kind>
class FruitDropDownEditorFixture : public GridEditorFixture {
protected:
    void SetUp() override
    {
        GridEditorFixture::SetUp();
        Grid->SetCells(2, 2, "Banana");
        TEditor& dd = Editor();
        dd.Columns().Add()->SetHeader("Fruit");
        dd.Columns().Add()->SetHeader("Code");
        for (const char* name : {"Apple", "Banana", "Cherry", "Damson"}) {
            auto& item = *dd.Items().Add();
            item.Text().Add(name);
            item.Text().Add(std::string(name, 2));
        }
        dd.EndUpdate();
    }
    TEditor& Editor() { return *EditorOf(*Grid); }
    void OpenCell() { Open(Editor(), Kind, 2, 2); }

    // Escape keeps the cell as it was: with the pop-up open after moving in it (each row shown
    // in the editor at once, as the message says), and in the closed editor after typing.
    void ExpectEscapeKeepsTheCell(const char* eachRowShownAtOnce)
    {
        OpenCell();
        Press(ui::VK_F4);
        ASSERT_TRUE(Editor().DroppedDown());
        Press(ui::VK_DOWN);
        Press(ui::VK_DOWN);
        EXPECT_EQ(Editor().Text(), "Damson") << eachRowShownAtOnce;
        Press(ui::VK_ESCAPE);
        EXPECT_FALSE(Editor().DroppedDown());
        EXPECT_EQ(Grid->Cells(2, 2), "Banana");

        OpenCell();
        Editor().SelectAll();
        TypeKey('A');
        EXPECT_EQ(Editor().Text(), "Apple");
        Press(ui::VK_ESCAPE);
        EXPECT_FALSE(Grid->EditorMode());
        EXPECT_EQ(Grid->Cells(2, 2), "Banana");
        EXPECT_EQ(ui::TInputRouter::Focus(), Grid);
    }
};
