// Columns, items and table styles of the two list drop-down families.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/dropdown/ExtMultiColumnDropDown.h"
#include "grid/dropdown/GridDropDownItems.h"
#include "grid/dropdown/MultiColumnDropDownItems.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Forms.h"

namespace {

using namespace grid;

void SetTexts(rtl::TStringList& list, std::initializer_list<const char*> texts)
{
    list.Clear();
    for (const char* t : texts) list.Add(t);
}

TEST(ListDropDownItems, GridItemsCopyOnlyTheImageIndexWhileMultiColumnItemsCopyEverything)
{
    griddropdown::TDropDownItems gridItems(nullptr);
    griddropdown::TDropDownItem& gridSource = *gridItems.Add();
    griddropdown::TDropDownItem& gridTarget = *gridItems.Add();
    gridSource.SetImageIndex(4);
    SetTexts(gridSource.Text(), {"new"});
    SetTexts(gridTarget.Text(), {"kept", "texts"});
    gridTarget.Assign(&gridSource);
    EXPECT_EQ(gridTarget.ImageIndex(), 4);
    EXPECT_EQ(gridTarget.Text().Count(), 2);
    EXPECT_EQ(gridTarget.Text().Strings(0), "kept");

    multicolumn::TDropDownItem source;
    multicolumn::TDropDownItem target;
    source.SetImageIndex(2);
    source.SetTag(17);
    SetTexts(source.Text(), {"a", "b"});
    SetTexts(target.Text(), {"old"});
    target.Assign(&source);
    EXPECT_EQ(target.ImageIndex(), 2);
    EXPECT_EQ(target.Tag(), 17);
    ASSERT_EQ(target.Text().Count(), 2);
    EXPECT_EQ(target.Text().Strings(1), "b");
    source.Text().SetStrings(1, "changed later");
    EXPECT_EQ(target.Text().Strings(1), "b") << "the texts are copied, not shared";

    // A foreign source: ignored by a multi-column item, refused by a grid item.
    griddropdown::TDropDownItem foreign;
    target.Assign(&foreign);
    EXPECT_EQ(target.Tag(), 17);
    EXPECT_THROW(gridTarget.Assign(&source), rtl::EConvertError);
}

TEST(ListDropDownItems, ColumnsCopyEverySettingWithTheirOwnFontAndRefuseTheOtherFamily)
{
    multicolumn::TDropDownColumns columns(nullptr);
    multicolumn::TDropDownColumn& source = *columns.Add();
    source.SetWordwrap(true);
    source.SetWidth(120);
    source.SetAutoSize(true);
    source.SetHeader("Crop");
    source.SetAlignment(ui::taRightJustify);
    source.SetColor(0x00FF00);
    source.SetColumnType(ctImage);
    source.SetEllipsis(true);
    source.Font().SetColor(gfx::clRed);
    multicolumn::TDropDownColumn& target = *columns.Insert(0);
    EXPECT_EQ(columns.Items(1), &source) << "Insert puts the new column before the others";
    EXPECT_EQ(target.Width(), 80);
    columns.SetItems(0, &source);
    EXPECT_TRUE(target.Wordwrap());
    EXPECT_EQ(target.Width(), 120);
    EXPECT_TRUE(target.AutoSize());
    EXPECT_EQ(target.Header(), "Crop");
    EXPECT_EQ(target.Alignment(), ui::taRightJustify);
    EXPECT_EQ(target.Color(), 0x00FF00u);
    EXPECT_EQ(target.ColumnType(), ctImage);
    EXPECT_TRUE(target.Ellipsis());
    EXPECT_EQ(target.Font().Color(), gfx::clRed);
    EXPECT_NE(&target.Font(), &source.Font());

    griddropdown::TDropDownColumn other;
    EXPECT_THROW(target.Assign(&other), rtl::EConvertError);
    EXPECT_THROW(other.Assign(&source), rtl::EConvertError);
}

TEST(ListDropDownItems, IndexInColumnMatchesExactlyAndSkipsItemsWithoutThatText)
{
    multicolumn::TDropDownItems items(nullptr);
    SetTexts(items.Add()->Text(), {"1", "x"});          // too short for column 2
    SetTexts(items.Add()->Text(), {"2", "y", "X"});     // upper case does not match
    SetTexts(items.Add()->Text(), {"3", "z", "x"});
    SetTexts(items.Add()->Text(), {"4", "w", "x"});
    struct Case {
        int column;
        const char* value;
        int expected;
    } cases[] = {{2, "x", 2}, {2, "X", 1}, {2, "", -1}, {1, "x", 0}, {2, "xx", -1}, {5, "x", -1}, {-1, "x", -1}};
    for (const Case& c : cases)
        EXPECT_EQ(items.IndexInColumn(c.column, c.value), c.expected) << c.column << " " << c.value;
}

// A descendant collection substitutes its own items through ItemClass.
class TTaggedItem : public griddropdown::TDropDownItem {};
class TTaggedItems : public griddropdown::TDropDownItems {
public:
    using TDropDownItems::TDropDownItems;
    griddropdown::TDropDownItemClass ItemClass() const override
    {
        return [] { return std::make_unique<TTaggedItem>(); };
    }
};

TEST(ListDropDownItems, AGridItemCollectionMakesItsItemsThroughItemClass)
{
    rtl::TPersistent owner;
    TTaggedItems items(&owner);
    EXPECT_NE(dynamic_cast<TTaggedItem*>(items.Add()), nullptr);
    EXPECT_NE(dynamic_cast<TTaggedItem*>(items.Insert(0)), nullptr);
    EXPECT_EQ(items.GetOwner(), &owner);
}

class ListDropDownStyleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Drop = new TExtMultiColumnDropDown(Form);
    }
    void TearDown() override { App.reset(); }
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtMultiColumnDropDown* Drop = nullptr;
};

TEST_F(ListDropDownStyleTest, ANewControlHasTheOffice2007LineAndSelectionColours)
{
    EXPECT_EQ(Drop->LineColor(), 0xF1EDEBu);
    EXPECT_EQ(Drop->FixedLineColor(), 0xD1BBA4u);
    EXPECT_EQ(Drop->SelectionColorStyle(), scOffice2007);
    EXPECT_EQ(Drop->SelectionColor(), 0xD7FFFDu);
    EXPECT_EQ(Drop->SelectionColorTo(), 0x58D4FCu);
}

TEST_F(ListDropDownStyleTest, StylesSetTheTableColoursAndTheRowsLineColoursWinOverTheSelectionStyle)
{
    Drop->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(Drop->HeaderColor(), 0xD68759u);
    EXPECT_EQ(Drop->HeaderColorTo(), 0x933803u);
    EXPECT_EQ(Drop->HeaderFont().Color(), 0xFFFFFFu);
    EXPECT_EQ(Drop->LineColor(), 0x962D00u);
    EXPECT_EQ(Drop->FixedLineColor(), 0x962D00u);
    EXPECT_EQ(Drop->SelectionColor(), 0xD7FFFDu) << "from the Office 2007 selection style";

    Drop->SetComponentStyle(tsWindowsXP);
    EXPECT_EQ(Drop->HeaderColor(), gfx::clBtnFace);
    EXPECT_EQ(Drop->HeaderColorTo(), gfx::clBtnFace) << "a flat header band";
    EXPECT_EQ(Drop->FixedLineColor(), 0x000000u);
    EXPECT_EQ(Drop->LineColor(), 0xC0C0C0u);
    EXPECT_EQ(Drop->SelectionColor(), gfx::clHighlight);
    EXPECT_EQ(Drop->SelectionColorTo(), gfx::clHighlight);
    EXPECT_EQ(Drop->SelectionTextColor(), gfx::clHighlightText);
    EXPECT_EQ(Drop->SelectionColorStyle(), scCustom);

    Drop->SetComponentStyle(tsWindows7);
    EXPECT_EQ(Drop->LineColor(), 0xFBD6B8u);
    EXPECT_EQ(Drop->SelectionColor(), 0xFCEBDCu);
    EXPECT_EQ(Drop->SelectionColorStyle(), scWindows7);

    const gfx::TColor header = Drop->HeaderColor(), line = Drop->LineColor(), sel = Drop->SelectionColor();
    Drop->HeaderFont().SetColor(gfx::clRed);
    Drop->SetComponentStyle(tsCustom);
    EXPECT_EQ(Drop->HeaderColor(), header);
    EXPECT_EQ(Drop->LineColor(), line);
    EXPECT_EQ(Drop->SelectionColor(), sel);
    EXPECT_EQ(Drop->HeaderFont().Color(), gfx::clRed);
    EXPECT_EQ(Drop->GetComponentStyle(), tsCustom);
}

TEST_F(ListDropDownStyleTest, SelectionColourStylesBringTheirLineColoursAndCustomKeepsThem)
{
    Drop->ApplySelectionColorStyle(scWindowsVista);
    EXPECT_EQ(Drop->LineColor(), 0xECECF0u);
    EXPECT_EQ(Drop->FixedLineColor(), 0xD4D2D1u);
    EXPECT_EQ(Drop->SelectionColor(), 0xFDF8F1u);
    Drop->SetLineColor(0x123456);
    Drop->ApplySelectionColorStyle(scCustom);
    EXPECT_EQ(Drop->LineColor(), 0x123456u);
    EXPECT_EQ(Drop->SelectionColor(), 0xFDF8F1u);
}

}  // namespace
