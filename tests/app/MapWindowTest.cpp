// Tests of the map window: colour classes, the value table's checks, and the map on real pixels through tolvek-drive.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/DriveSteps.h"
#include "app/MapDrawing.h"
#include "app/Program.h"
#include "app/Unit1.h"
#include "app/Unit3.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "tests/app/BatchToolFixtures.h"
#include "tests/app/EndToEndDrive.h"

namespace {

using batchfixtures::WriteTable;
using e2e::Drive;
using e2e::TDriveResult;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

TEST(MapWindow, ColourClassesOnAndAroundTheBounds)
{
    struct TCase {
        double Value, Low, High;
        int Class;
    };
    const TCase cases[] = {
        {7, 8, 12, 1},      {8, 8, 12, 1},    {8.5, 8, 12, 2},  {8.51, 8, 12, 3}, {10, 8, 12, 5},
        {12, 8, 12, 9},     {12.01, 8, 12, 10}, {-1e9, 8, 12, 1}, {1e9, 8, 12, 10},
        // Equal bounds: up to the bound class 1, above it class 10.
        {5, 5, 5, 1},       {5.001, 5, 5, 10},
        // Reversed bounds: up to the lower bound class 1, everything else 10.
        {12, 12, 8, 1},     {10, 12, 8, 1},   {12.5, 12, 8, 10},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(app::ColourClassOf(c.Value, c.Low, c.High), c.Class) << c.Value << " in " << c.Low << ".." << c.High;
}

// The values of the drawn cells cycle through these, with these classes for the bounds 8 and 12.
const double CycleValues[] = {7, 8, 8.5, 8.51, 9, 10, 11.5, 12, 12.01, 100};
const int CycleClasses[] = {1, 1, 2, 3, 3, 5, 8, 9, 10, 10};

Lines ValueTable(char separator)
{
    Lines lines = {"ID;VALUE"};
    for (int cell = 1; cell <= 1104; ++cell) {
        std::string value = std::to_string(CycleValues[(cell - 1) % 10]);
        for (char& ch : value)
            if (ch == '.') ch = separator;
        lines.push_back(std::to_string(cell) + ";" + value + ";ignored");
    }
    return lines;
}

TEST(MapWindow, ValueTableMissingRepeatingOrForeignCellsIsRefusedNamingTheLine)
{
    testsupport::TempDir dir;
    const fs::path file = dir.Path() / "values.csv";
    struct TCase {
        const char* Name;
        int Row;  // 1-based data row replaced, 0: the last row dropped
        std::string Text;
        std::string Message;
    };
    const TCase cases[] = {
        {"repeated", 5, "4;1", "cell 4 is listed twice (file \"" + file.string() + "\", line 6)"},
        {"outside", 7, "1105;1", "cell 1105 is outside 1 to 1104 (file \"" + file.string() + "\", line 8)"},
        {"missing", 0, "", "'' is not a valid integer value (cell, file \"" + file.string() + "\", line 1105)"},
    };
    for (const TCase& c : cases) {
        Lines table = ValueTable('.');
        if (c.Row == 0) table.pop_back();
        else table[static_cast<std::size_t>(c.Row)] = c.Text;
        WriteTable(file, table);
        try {
            app::ReadCellClasses(file.string(), 8, 12);
            ADD_FAILURE() << c.Name << ": no error";
        } catch (const rtl::Exception& e) {
            EXPECT_EQ(e.Message(), c.Message) << c.Name;
        }
    }
}

// Cell c's rectangle sits at (20 + 16 * column, 22 * row) of a 60-column
// layout; `shift` moves every cell down.
app::TMapPoint LayoutPosition(int cell, int shift) { return {20 + ((cell - 1) % 60) * 16, ((cell - 1) / 60) * 22 + shift}; }

// The key table (old c is new 2000 + c; cell 1104 left out, so it has no
// place) and grid table 3 with the coordinates of the layout.
void WritePositionTables(const fs::path& root, int shift)
{
    const fs::path soilGrid = root / "drives" / "e" / "Tolvek SOIL GRID";
    Lines key = {"OLD;NEW"};
    Lines grid = {"NEW;X;LAT;LON"};
    for (int cell = 1; cell <= 1103; ++cell) {
        key.push_back(std::to_string(cell) + ";" + std::to_string(2000 + cell));
        const app::TMapPoint p = LayoutPosition(cell, shift);
        char row[128];
        std::snprintf(row, sizeof row, "%d;x;%.10f;%.10f", 2000 + cell, 48.7 - p.Y / 200.0, 16 + p.X / 140.0);
        grid.push_back(row);
    }
    WriteTable(soilGrid / "KEY_10kmID_OLD_NEW.csv", key);
    WriteTable(soilGrid / "Tolvek_DB_GRID_TABLE3.csv", grid);
}

gfx::TColor PixelOf(const gfx::TBitmap& bitmap, int x, int y) { return bitmap.Canvas().Pixels(x, y); }

// The class colour at each cell's centre, grey on the rectangle's edges and
// not past them, button face between and outside the cells.
void ExpectMapDrawn(const fs::path& png, int shift, const char* what)
{
    gfx::TPicture picture;
    picture.LoadFromFile(png.string());
    const gfx::TBitmap& bitmap = picture.Bitmap();
    ASSERT_EQ(bitmap.Width(), 1000) << what;
    ASSERT_EQ(bitmap.Height(), 650) << what;
    const gfx::TColor face = gfx::ColorToRGB(gfx::clBtnFace);
    for (int cell = 1; cell <= 1103; cell += 7) {
        const app::TMapPoint p = LayoutPosition(cell, shift);
        const auto colour = app::MapClassColours[static_cast<std::size_t>(CycleClasses[(cell - 1) % 10])];
        EXPECT_EQ(PixelOf(bitmap, p.X + 7, p.Y + 10), colour) << what << ", cell " << cell;
        EXPECT_EQ(PixelOf(bitmap, p.X, p.Y + 10), app::MapOutlineColour) << what << ", cell " << cell;
        EXPECT_EQ(PixelOf(bitmap, p.X + 13, p.Y + 10), app::MapOutlineColour) << what << ", cell " << cell;
        EXPECT_EQ(PixelOf(bitmap, p.X + 7, p.Y + 19), app::MapOutlineColour) << what << ", cell " << cell;
        EXPECT_EQ(PixelOf(bitmap, p.X + 14, p.Y + 10), face) << what << ", cell " << cell;
        EXPECT_EQ(PixelOf(bitmap, p.X + 7, p.Y + 20), face) << what << ", cell " << cell;
    }
    // Cell 1104 is in neither position table: drawn at the top left corner (class 4, value 8.51).
    EXPECT_EQ(PixelOf(bitmap, 7, 10), app::MapClassColours[3]) << what;
    EXPECT_EQ(PixelOf(bitmap, 999, 649), face) << what;
    EXPECT_EQ(PixelOf(bitmap, 600, 500), face) << what;
}

// "MAP" shows the window, which loads the positions on its activation; DRAW
// paints the cells; the picture saved through the drive shows them. The PNG of
// the first run stays in build/screenshots.
TEST(MapWindow, MapButtonAndDrawPaintClassColoursOnThePicture)
{
    for (char separator : {'.', ','}) {
        testsupport::TempDir dir;
        const fs::path root = dir.Path();
        WritePositionTables(root, 0);
        WriteTable(root / "drives" / "e" / "map" / "values.csv", ValueTable(separator));
        const fs::path first = testsupport::BuildDir() / "screenshots" / "map-picture.png";
        fs::create_directories(first.parent_path());
        const std::string sep(1, separator);
        TDriveResult r = Drive(root, {"--decimal-separator", sep, "click", "Button30", "set", "Form3.Edit1.Text=e:\\map\\values.csv",
                                      "click", "Form3.Button1", "save-picture", "Form3.map", first.string(), "get", "Form3.Edit2.Text"});
        ASSERT_EQ(r.Status, 0) << r.Err;
        EXPECT_EQ(r.Err, "");
        EXPECT_EQ(r.Out, Lines{"8"});
        ExpectMapDrawn(first, 0, "first drawing");
    }
}

// Each activation reads the position tables again: after they moved every
// cell down, the window activated anew and DRAW show the cells moved, and
// nothing of the first drawing is left at the old places.
TEST(MapWindow, ReactivationReloadsMovedPositionsAndDrawStartsFromAClearPicture)
{
    testsupport::TempDir dir;
    testsupport::CurrentDirScope inDir(dir.Path());
    WritePositionTables(dir.Path(), 0);
    WriteTable(dir.Path() / "drives" / "e" / "map" / "values.csv", ValueTable('.'));
    ui::TApplication application;
    application.SetBackend(std::make_unique<ui::THeadlessBackend>());
    app::TWorkbenchForms forms = app::CreateWorkbenchForms(application);
    forms.MainForm->Show();
    application.ProcessMessages();
    app::DriveClick(forms.MainForm->FindComponent("Button30"));  // "MAP"
    application.ProcessMessages();
    app::TForm3& map = *forms.MapForm;
    map.Edit1->SetText("e:\\map\\values.csv");
    app::DriveClick(map.Button1);
    const fs::path firstPng = dir.Path() / "first.png";
    map.map->Picture().Bitmap().SaveToPngFile(firstPng.string());
    ExpectMapDrawn(firstPng, 0, "before the move");

    WritePositionTables(dir.Path(), 150);
    app::DriveClick(map.Button1);  // no new activation: the old positions stay
    EXPECT_EQ(map.CellPositions()[2].Y, 0);
    application.ActivateForm(forms.MainForm);
    application.ActivateForm(&map);
    EXPECT_EQ(map.CellPositions()[2].Y, 150);
    app::DriveClick(map.Button1);
    const fs::path secondPng = dir.Path() / "second.png";
    map.map->Picture().Bitmap().SaveToPngFile(secondPng.string());
    ExpectMapDrawn(secondPng, 150, "after the move");
    const gfx::TBitmap& moved = map.map->Picture().Bitmap();
    for (int cell : {2, 61, 1000}) {
        const app::TMapPoint old = LayoutPosition(cell, 0);
        if (old.Y + 20 <= 150) {
            EXPECT_EQ(PixelOf(moved, old.X + 7, old.Y + 10), gfx::ColorToRGB(gfx::clBtnFace)) << cell;
            EXPECT_EQ(PixelOf(moved, old.X, old.Y + 10), gfx::ColorToRGB(gfx::clBtnFace)) << cell;
        }
    }
}

}  // namespace
