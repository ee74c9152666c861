// The print preview form: pages drawn in the form, turned by keys and buttons, printed by its button.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <string>

#include "grid/data/GridPrintPreview.h"
#include "platform/print/Printer.h"
#include "platform/ui/StdCtrlsButtons.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/support/TempDir.h"

namespace {

class GridPrintPreviewTest : public gridtest::GridInAppTest {
protected:
    void SetUp() override
    {
        GridInAppTest::SetUp();
        print::Printer().SetPaperSize({2100, 2970});
        print::Printer().SetOrientation(print::poPortrait);
        print::Printer().SetFileName(Dir.File("preview.pdf"));
        Grid->SetColCount(4);
        Grid->SetRowCount(200);
        for (int r = 0; r < 200; ++r)
            for (int c = 0; c < 4; ++c) Grid->SetCells(c, r, "r" + std::to_string(r) + "c" + std::to_string(c));
        Preview = new grid::TGridPrintPreview(App.get(), *Grid);
        Preview->Show();
        App->ProcessMessages();
    }

    ui::TButton* Button(const std::string& caption)
    {
        for (int i = 0; i < Preview->ControlCount(); ++i)
            if (auto* b = dynamic_cast<ui::TButton*>(Preview->Controls(i)); b && b->Caption() == caption) return b;
        return nullptr;
    }

    // Dark pixels in the page area of the form's window image.
    int DarkPixelsOnPage()
    {
        const rtl::TRect page = Preview->PageRect();
        int dark = 0;
        for (int y = page.Top; y < page.Bottom; y += 2)
            for (int x = page.Left; x < page.Right; x += 2) dark += (ui::THeadlessBackend::Pixel(Preview, x, y) & 0xFF) < 96;
        return dark;
    }

    testsupport::TempDir Dir;
    grid::TGridPrintPreview* Preview = nullptr;
};

TEST_F(GridPrintPreviewTest, PagesAreDrawnAndTurnedByKeysAndButtons)
{
    EXPECT_GT(Preview->PageCount(), 2);
    EXPECT_EQ(Preview->Text(), "Print preview - page 1 of " + std::to_string(Preview->PageCount()));
    EXPECT_GT(DarkPixelsOnPage(), 500) << "grid lines and texts on the page";

    ui::THeadlessBackend::PressKey(ui::VK_NEXT);
    App->ProcessMessages();
    EXPECT_EQ(Preview->Page(), 2);
    ui::TButton* next = Button(">");
    ASSERT_NE(next, nullptr);
    ui::THeadlessBackend::Click(next, 5, 5);
    App->ProcessMessages();
    EXPECT_EQ(Preview->Page(), 3);
    ui::THeadlessBackend::PressKey(ui::VK_PRIOR);
    App->ProcessMessages();
    EXPECT_EQ(Preview->Page(), 2);
    EXPECT_GT(DarkPixelsOnPage(), 500);

    // The form's pages are the printed pages.
    ui::THeadlessBackend::Click(Button("Print"), 5, 5);
    std::string info;
    FILE* p = popen(("pdfinfo '" + Dir.File("preview.pdf") + "' 2>&1").c_str(), "r");
    char buf[1024];
    while (std::size_t n = fread(buf, 1, sizeof buf, p)) info.append(buf, n);
    pclose(p);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(info, m, std::regex("Pages:\\s+(\\d+)"))) << info;
    EXPECT_EQ(std::stoi(m[1]), Preview->PageCount());
}

}  // namespace
