// Gallery of cell graphics: one PNG per graphic kind under build/screenshots, each a row of cells in several states.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "grid/core/CellGraphics.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/foundation/ExtUtilShapes.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/rtl/StringList.h"
#include "tests/grid/core/ExtGridGraphicDrawFixture.h"
#include "tests/support/TempDir.h"

using namespace grid;
using gridtest::GraphicDrawTest;

namespace {

constexpr int CellWidth = 110;
constexpr int CellHeight = 60;

// One variant of a kind: how the cell (1, 1) is set up before it is drawn.
struct TVariant {
    std::function<void(TExtStringGrid&)> Setup;
};

}  // namespace

class GraphicGalleryTest : public GraphicDrawTest {
protected:
    // Draws each variant into its own cell of one strip (grid lines between them) and saves it.
    void Shoot(const std::string& kind, const std::vector<TVariant>& variants, int col = 1)
    {
        Grid->SetColWidths(col, CellWidth);
        Grid->SetRowHeights(1, CellHeight);
        const int n = static_cast<int>(variants.size());
        gridtest::Surface strip(n * CellWidth + 1, CellHeight + 1, gfx::clSilver);
        strip.Canvas().Font().Assign(&Grid->Font());
        for (int i = 0; i < n; ++i) {
            Grid->ControlLook().SetControlStyle(csClassic);
            gfx::SetThemesActive(false);
            if (col == 1) Grid->ClearRect(1, 1, 1, 1);
            variants[i].Setup(*Grid);
            const rtl::TRect cell = rtl::Bounds(i * CellWidth + 1, 1, CellWidth - 1, CellHeight - 1);
            strip.Canvas().Brush().SetColor(gfx::clWhite);
            strip.Canvas().FillRect(cell);
            TExtStringGrid::TCellGraphicPaint work;
            work.TextVAlign = vtaCenter;
            Grid->DrawCellGraphic(strip.Canvas(), col, 1, cell, Grid->GetCellGraphic(col, 1), work);
            gfx::SetThemesActive(false);
            // Something was drawn in every cell.
            EXPECT_GT(strip.Count(cell, gridtest::NotWhite), 0) << kind << " variant " << i;
        }
        const std::filesystem::path dir = testsupport::BuildDir() / "screenshots";
        std::filesystem::create_directories(dir);
        const std::filesystem::path file = dir / ("cell-graphic-" + kind + ".png");
        strip.Canvas().SaveToPngFile(file.string());
        EXPECT_TRUE(std::filesystem::exists(file));
    }
};

TEST_F(GraphicGalleryTest, WritesOnePicturePerGraphicKind)
{
    auto style = [](TControlStyle s, bool themes) {
        return [s, themes](TExtStringGrid& g) {
            g.ControlLook().SetControlStyle(s);
            gfx::SetThemesActive(themes);
        };
    };
    std::vector<TVariant> checks;
    for (TControlStyle s : {csClassic, csFlat, csWinXP, csBorland, csJyx, csTheme})
        for (bool on : {false, true})
            checks.push_back({[=](TExtStringGrid& g) {
                style(s, s == csTheme)(g);
                g.AddCheckBox(1, 1, on, false);
            }});
    for (TControlStyle s : {csClassic, csFlat})
        checks.push_back({[=](TExtStringGrid& g) {
            style(s, false)(g);
            g.AddCheckBox(1, 1, ui::cbGrayed);
        }});
    Shoot("checkbox", checks);

    static rtl::TStringList items;
    items.Clear();
    items.Add("one");
    items.Add("two");
    std::vector<TVariant> radios;
    for (TControlStyle s : {csClassic, csFlat, csWinXP, csBorland, csJyx, csTheme})
        radios.push_back({[=](TExtStringGrid& g) {
            style(s, s == csTheme)(g);
            g.AddRadio(1, 1, 0, 1, &items);
        }});
    radios.push_back({[](TExtStringGrid& g) { g.AddRadio(1, 1, 1, 0, &items); }});
    radios.push_back({[](TExtStringGrid& g) { g.AddRadioButton(1, 1, true); }});
    Shoot("radio", radios);

    std::vector<TVariant> bars;
    for (const char* v : {"0", "35", "100", "abc"})
        bars.push_back({[v](TExtStringGrid& g) {
            g.AddProgress(1, 1, 0xD77800, 0xF0F0F0);
            g.SetCells(1, 1, v);
        }});
    Shoot("progress", bars);

    std::vector<TVariant> xp;
    for (const char* v : {"10", "75", "95", "100"})
        xp.push_back({[v](TExtStringGrid& g) {
            g.AddExtProgress(1, 1, 0, 100);
            g.SetCells(1, 1, v);
        }});
    Shoot("xpprogress", xp);

    Shoot("range", {{[](TExtStringGrid& g) {
                        g.AddRangeIndicator(1, 1, 100, gfx::clRed, gfx::clGreen, true);
                        g.SetCells(1, 1, "-40");
                    }},
                    {[](TExtStringGrid& g) {
                        g.AddRangeIndicator(1, 1, 100, gfx::clRed, gfx::clGreen, true);
                        g.SetCells(1, 1, "70");
                    }}});

    Shoot("pie", {{[](TExtStringGrid& g) { g.AddProgressPie(1, 1, gfx::clGreen, 30); }},
                  {[](TExtStringGrid& g) { g.AddProgressPie(1, 1, gfx::clRed, 80); }}});

    std::vector<TVariant> shapes;
    for (int s = csRectangle; s <= csHalfStar; ++s)
        shapes.push_back({[s](TExtStringGrid& g) {
            g.AddShape(1, 1, static_cast<TCellShape>(s), 0x00C0FF, gfx::clBlack, haCenter, vaCenter);
        }});
    Shoot("shape", shapes);

    std::vector<TVariant> ratings;
    for (const char* v : {"0", "2.7", "5"})
        ratings.push_back({[v](TExtStringGrid& g) {
            g.AddRating(1, 1, 5, 0x00A5FF, 0xC0C0C0);
            g.SetCells(1, 1, v);
        }});
    Shoot("rating", ratings);

    static gfx::TBitmap glyph(12, 12);
    glyph.Canvas().Brush().SetColor(gfx::clFuchsia);
    glyph.Canvas().FillRect(rtl::Rect(0, 0, 12, 12));
    glyph.Canvas().Brush().SetColor(gfx::clNavy);
    glyph.Canvas().FillRect(rtl::Rect(3, 3, 9, 9));
    Shoot("button", {{[](TExtStringGrid& g) { g.AddButton(1, 1, 80, 24, "Run", haCenter, vaCenter); }},
                     {[](TExtStringGrid& g) {
                         g.AddButton(1, 1, 80, 24, "Pushed", haCenter, vaCenter);
                         g.PushButton(1, 1, true);
                     }},
                     {[](TExtStringGrid& g) { g.AddBitButton(1, 1, 80, 24, "Glyph", &glyph, haCenter, vaCenter); }}});

    Shoot("rotated", {{[](TExtStringGrid& g) { g.AddRotated(1, 1, 0, "Level"); }},
                      {[](TExtStringGrid& g) { g.AddRotated(1, 1, 45, "Level"); }},
                      {[](TExtStringGrid& g) { g.AddRotated(1, 1, 90, "Level"); }},
                      {[](TExtStringGrid& g) { g.AddRotated(1, 1, 270, "Level"); }}});

    static gfx::TBitmap bitmap(16, 16);
    bitmap.Canvas().Brush().SetColor(gfx::clYellow);
    bitmap.Canvas().FillRect(rtl::Rect(0, 0, 16, 16));
    bitmap.Canvas().Brush().SetColor(gfx::clBlue);
    bitmap.Canvas().Ellipse(rtl::Rect(2, 2, 14, 14));
    std::vector<TVariant> pictures;
    for (TCellHAlign h : {haLeft, haCenter, haRight})
        for (TCellVAlign v : {vaTop, vaCenter, vaBottom})
            pictures.push_back({[h, v](TExtStringGrid& g) { g.AddBitmap(1, 1, &bitmap, true, h, v); }});
    pictures.push_back({[](TExtStringGrid& g) {
        gfx::TPicture* p = g.CreatePicture(1, 1, false, StretchWithAspectRatio, 0, haLeft, vaTop);
        p->SetGraphic(&bitmap);
    }});
    Shoot("picture", pictures);

    Grid->SetRowCount(6);
    Grid->AddNode(1, 3);
    std::vector<TVariant> nodes;
    for (TNodeType t : {cnFlat, cn3D, cnLeaf, cnXP})
        for (bool contracted : {false, true})
            nodes.push_back({[t, contracted](TExtStringGrid& g) {
                g.CellNode().SetNodeType(t);
                if (contracted) g.ContractNode(1);
                else g.ExpandNode(1);
            }});
    Shoot("node", nodes, 0);

    Shoot("comment", {{[](TExtStringGrid& g) { g.SetComment(1, 1, "a note"); }},
                      {[](TExtStringGrid& g) {
                          g.AddCheckBox(1, 1, true, false);
                          g.SetComment(1, 1, "checked");
                          g.GetCellGraphic(1, 1)->SetCommentColor(gfx::clBlue);
                      }}});
}
