// Tests of the visual-properties file: byte-exact writing, reading hand-written files, look and error handling.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "tests/grid/GridOnFormTest.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsOwned.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Forms.h"
#include "tests/support/TempDir.h"

using namespace grid;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::TestDataDir;
using testsupport::WriteFileBytes;

namespace {

std::filesystem::path Fixture(const std::string& name) { return TestDataDir() / "grid/core/settings" / name; }

class VisualPropsTest : public gridtest::GridInAppTest {
protected:
    TempDir Dir;
};

}  // namespace

TEST_F(VisualPropsTest, NewGridWritesTheDocumentedLinesInOrder)
{
    std::string path = (Dir.Path() / "visual.txt").string();
    Grid->SaveVisualProps(path);
    EXPECT_EQ(ReadFileBytes(path), ReadFileBytes(Fixture("visual-default.ini")));
}

TEST_F(VisualPropsTest, HandWrittenFileLoadsAndSavesBackByteForByte)
{
    Grid->LoadVisualProps(Fixture("visual-custom.ini").string());
    EXPECT_EQ(Grid->Color(), gfx::clCream);
    EXPECT_EQ(Grid->SelectionColor(), 0x00C08040u);
    EXPECT_EQ(Grid->SelectionTextColor(), gfx::clWhite);
    EXPECT_TRUE(Grid->URLShow());
    EXPECT_TRUE(Grid->ActiveRowShow());
    EXPECT_EQ(Grid->Font().Name(), "Courier New");
    EXPECT_EQ(Grid->Font().Size(), 11);
    EXPECT_TRUE(Grid->Font().Style().Contains(gfx::fsItalic));
    EXPECT_TRUE(Grid->Font().Style().Contains(gfx::fsUnderline));
    EXPECT_FALSE(Grid->Font().Style().Contains(gfx::fsBold));
    EXPECT_EQ(Grid->Balloon().Transparency(), 40);
    EXPECT_TRUE(Grid->Bands().Active());
    EXPECT_EQ(Grid->ControlLook().ControlStyle(), csFlat);
    EXPECT_EQ(Grid->ControlLook().CheckSize(), 18);
    EXPECT_EQ(Grid->Grouping().HeaderLineWidth(), 3);
    EXPECT_EQ(Grid->BackGround().Display(), bdGradientVert);
    EXPECT_EQ(Grid->BackGround().Cells(), bcAll);
    EXPECT_EQ(Grid->SelectionStyle(), ssWin7);
    // The Jyx gradient colours become the control look's fixed gradient.
    EXPECT_EQ(Grid->ControlLook().FixedGradientFrom(), gfx::clAqua);
    EXPECT_EQ(Grid->ControlLook().FixedGradientMirrorTo(), gfx::clNavy);
    EXPECT_EQ(Grid->Look(), glCustom);

    std::string path = (Dir.Path() / "again.txt").string();
    Grid->SaveVisualProps(path);
    EXPECT_EQ(ReadFileBytes(path), ReadFileBytes(Fixture("visual-custom.ini")));
}

TEST_F(VisualPropsTest, FixedGradientColoursRoundTripEachToItsOwnValue)
{
    Grid->ControlLook().SetFixedGradientFrom(gfx::clRed);
    Grid->ControlLook().SetFixedGradientTo(gfx::clBlue);
    std::string path = (Dir.Path() / "v.txt").string();
    Grid->SaveVisualProps(path);
    TExtStringGrid other(nullptr);
    other.LoadVisualProps(path);
    EXPECT_EQ(other.ControlLook().FixedGradientFrom(), gfx::clRed);
    EXPECT_EQ(other.ControlLook().FixedGradientTo(), gfx::clBlue);
    EXPECT_EQ(other.JyxGradientFrom(), gfx::clRed);
    EXPECT_EQ(other.JyxGradientTo(), gfx::clBlue);
}

TEST_F(VisualPropsTest, LookNameIsMatchedWithoutCaseAndTheLoadEndsAsCustom)
{
    std::string text = ReadFileBytes(Fixture("visual-default.ini"));
    auto at = text.find("Look=glXP");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 9, "Look=glsoft");
    std::string path = (Dir.Path() / "soft.txt").string();
    WriteFileBytes(path, text);
    Grid->LoadVisualProps(path);
    EXPECT_EQ(Grid->Look(), glCustom);
}

TEST_F(VisualPropsTest, UnknownNamesAndMissingColoursAreHandledAsDocumented)
{
    std::string path = (Dir.Path() / "odd.txt").string();
    std::string text = ReadFileBytes(Fixture("visual-default.ini"));
    for (auto [from, to] : {std::pair<std::string, std::string>{"ControlLook.ControlStyle=csTheme", "ControlLook.ControlStyle=csNoSuch"},
                            {"HintColor=clInfoBk\r\n", ""}}) {
        auto at = text.find(from);
        if (at != std::string::npos) text.replace(at, from.size(), to);
    }
    WriteFileBytes(path, text);
    Grid->ControlLook().SetControlStyle(csBorland);
    Grid->LoadVisualProps(path);
    EXPECT_EQ(Grid->ControlLook().ControlStyle(), csBorland);
    EXPECT_EQ(Grid->HintColor(), gfx::clNone);
}

TEST_F(VisualPropsTest, MissingFontSizeStopsWithAConversionErrorAfterColourAndStyle)
{
    std::string text = ReadFileBytes(Fixture("visual-custom.ini"));
    auto at = text.find("Font.Size=11\r\n");
    ASSERT_NE(at, std::string::npos);
    text.erase(at, 14);
    std::string path = (Dir.Path() / "nosize.txt").string();
    WriteFileBytes(path, text);
    try {
        Grid->LoadVisualProps(path);
        FAIL() << "no error";
    } catch (const rtl::EConvertError& e) {
        EXPECT_NE(e.Message().find("'' is not a valid integer value"), std::string::npos) << e.Message();
        EXPECT_NE(e.Message().find("nosize.txt"), std::string::npos) << e.Message();
        EXPECT_NE(e.Message().find("Font.Size"), std::string::npos) << e.Message();
    }
    EXPECT_EQ(Grid->Font().Color(), gfx::clMaroon);
    EXPECT_TRUE(Grid->Font().Style().Contains(gfx::fsItalic));
    EXPECT_NE(Grid->Font().Name(), "Courier New");
}

TEST_F(VisualPropsTest, MalformedIntegerNamesFileAndLine)
{
    std::string text = ReadFileBytes(Fixture("visual-custom.ini"));
    auto at = text.find("Grouping.HeaderLineWidth=3");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 26, "Grouping.HeaderLineWidth=3x");
    std::string path = (Dir.Path() / "bad.txt").string();
    WriteFileBytes(path, text);
    int line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
    try {
        Grid->LoadVisualProps(path);
        FAIL() << "no error";
    } catch (const rtl::EConvertError& e) {
        EXPECT_NE(e.Message().find("'3x'"), std::string::npos) << e.Message();
        EXPECT_NE(e.Message().find("line " + std::to_string(line)), std::string::npos) << e.Message();
    }
}

TEST_F(VisualPropsTest, FileErrorsUseTheDocumentedTexts)
{
    std::string missing = (Dir.Path() / "none.txt").string();
    try {
        Grid->LoadVisualProps(missing);
        FAIL() << "no error";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot open file " + missing);
    }
    std::string bad = (Dir.Path() / "no/such/folder/v.txt").string();
    try {
        Grid->SaveVisualProps(bad);
        FAIL() << "no error";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot Create " + bad);
    }
}
