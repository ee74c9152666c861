// End-to-end tests of the annual output, statistics and sheet tools through tolvek-drive: buttons, the clipboard and the files.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "tests/app/AnnualOutputFixtures.h"
#include "tests/app/EndToEndDrive.h"

namespace {

using e2e::Drive;
using e2e::TDriveResult;
using namespace annoutfixtures;
using batchfixtures::ReadTable;
using batchfixtures::TCellNaming;
using batchfixtures::WriteTable;
using testsupport::ReadFileBytes;

fs::path Expected(const std::string& name) { return testsupport::TestDataDir() / "app" / "annout" / name; }

void WriteText(const fs::path& path, const std::string& text) { testsupport::WriteFileBytes(path, text); }

// The clipboard tools: a sheet pasted from the clipboard comes back transformed
// on it; an empty missing-outputs list leaves the clipboard as it was.
TEST(AnnualToolsEndToEnd, SheetToolsWorkThroughTheClipboard)
{
    testsupport::TempDir dir;
    const fs::path root = dir.Path();
    WriteText(root / "sheet.txt", "v1\tsay \"hi\" \\\t\u6f22\r\n   v2\tL2\r\n");
    WriteText(root / "wide.txt", "a\tb\tw\tx\ty\tz\r\n");
    WriteText(root / "dates.txt", "2016.10.5\r\n2016.10.15\r\n");
    WriteText(root / "crops.txt", "búza\t\t\t6\r\n");
    const fs::path annout = root / "drives" / "c" / "TolvekCloud" / "PRODUCTS" / "MODELLFEJLESZTÉS" / "SPINUP_SOM" / "annout";
    batchfixtures::WritePerCellFiles(annout, 1, 1104, TCellNaming::Plain, "", ".annout", [](int) { return Lines{"x"}; });
    fs::remove(annout / "5.annout");
    fs::remove(annout / "1104.annout");

    const TDriveResult r = Drive(root, {"clipboard-put", "sheet.txt", "click", "Button95", "clipboard-get",
                                        "set", "Edit39.Text=2", "clipboard-put", "wide.txt", "click", "Button96", "clipboard-get",
                                        "clipboard-put", "dates.txt", "click", "Button49", "clipboard-get",
                                        "clipboard-put", "crops.txt", "click", "Button2", "clipboard-get",
                                        "click", "Button46", "clipboard-get", "get", "Label2.Caption"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    ASSERT_EQ(r.Out.size(), 4u + 4 + 2 + 1 + 2 + 1) << r.Err;
    std::string json;
    for (int k = 0; k < 4; ++k) json += r.Out[static_cast<std::size_t>(k)] + "\n";
    const nlohmann::json parsed = nlohmann::json::parse(json);
    ASSERT_EQ(parsed.size(), 2u);
    EXPECT_EQ(parsed[0]["LABEL NAME"], "say \"hi\" \\");
    EXPECT_EQ(parsed[0]["FROM"], "\u6f22");
    EXPECT_EQ(parsed[1]["VARCODE"], "v2");
    const Lines rest(r.Out.begin() + 4, r.Out.end());
    EXPECT_EQ(rest, (Lines{"a\tb\t1\tw", "a\tb\t2\tx", "a\tb\t3\ty", "a\tb\t4\tz", "2016.10.05", "2016.10.15", "120\t54\t30",
                           "5", "1104", "READY"}));

    WriteTable(annout / "5.annout", {"x"});
    WriteTable(annout / "1104.annout", {"x"});
    WriteText(root / "kept.txt", "kept\r\n");
    const TDriveResult all = Drive(root, {"clipboard-put", "kept.txt", "click", "Button46", "clipboard-get"});
    ASSERT_EQ(all.Status, 0) << all.Err;
    EXPECT_EQ(all.Out, Lines{"kept"});
}

// The file buttons of the annual outputs and the statistics, each at its
// fixed place, with the page's fields.
TEST(AnnualToolsEndToEnd, AnnualAndStatisticsButtonsWriteTheirFiles)
{
    testsupport::TempDir dir;
    const fs::path root = dir.Path();
    const fs::path e = root / "drives" / "e";
    const fs::path output = e / "TolvekCloud" / "PRODUCTS" / "TOLVEK DEVELOP" / "Tolvek File System" / "output";
    WriteTable(output / "grid" / "10km" / "myrun" / "0002.annout.txt", {"h", "2000 0 0 0 0 1 1 1", "2001 10 20 30 40 3 5 9"});
    const fs::path sensitivity = e / "TolvekCloud" / "PRODUCTS" / "LIBRARY" / "DB sensitivity";
    for (const char* variant : {"CChu", "CCeu", "FShu", "FSeu"}) WriteTable(sensitivity / "RESULTS" / variant / "0003.annout.txt", {"h", "2010 4"});
    Lines yearly = {"ID;ROW;X;A;B"};
    for (int cell = 1; cell <= 1104; ++cell)
        for (int row = 1; row <= 2; ++row) yearly.push_back(std::to_string(cell) + ";" + std::to_string(row) + ";x;" + std::to_string(cell) + ";1");
    WriteTable(e / "4Mdata" / "YEARLY.TXT", yearly);
    WriteTable(e / "4Mrun" / "result" / "FERT_DATE_1" / "RUN2016_WET only prec.txt", {"CELL\tPREC", "3\t12,5", "1104\t7.25"});
    const fs::path statistics = e / "TolvekCloud" / "PRODUCTS" / "ALAPADAT" / "STATISTICS";
    batchfixtures::Write1104RowTable(statistics / "meanYields2014-2017.csv", {"h"},
                                     [](int cell) { return std::to_string(cell) + ";" + (cell == 1 ? "4" : cell == 2 ? "6" : "5") + ";1;HU" + (cell <= 2 ? "120" : "331"); });
    std::string header = "NUTS3;NAME", county = "HU120;x";
    for (int year = 1970; year <= 2018; ++year) {
        header += ";" + std::to_string(year);
        county += ";1000";
    }
    WriteTable(statistics / "MaizeYield1970-2018NUTS3.csv", {header, county});
    WriteTable(statistics / "100m-es_racshoz_mutragya.txt", {"h", "2016;42;repce;12.345"});
    fs::create_directories(e / "4M100m");

    const TDriveResult r = Drive(root, {"--decimal-separator", ",", "set", "Edit34.Text=myrun", "click", "Button82", "get", "Label2.Caption",
                                        "click", "Button85", "get", "Label2.Caption", "set", "Edit4.Text=2",
                                        "set", "Edit5.Text=OUT", "set", "Edit6.Text=YEARLY.TXT", "click", "Button31",
                                        "get", "Label2.Caption", "click", "Button45", "click", "Button73", "click", "Button74",
                                        "click", "Button71", "get", "Label2.Caption"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, (Lines{"COMPLETE", "COMPLETE", "COMPLETE", "COMPLETE"})) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(ReadTable(output / "myrun_tsoc.csv").at(2), "2;1,000000;2,000000;3,000000;4,000000;0,200000;0,400000;0,000000");
    EXPECT_EQ(ReadTable(sensitivity / "DIFS.txt").at(2 * 50 + 49), "3;50;4,000000;4,000000;4,000000;4,000000;0;0;0;0");
    EXPECT_EQ(ReadTable(e / "4Mdata" / "OUT.csv").at(9), "10;10,00;10,00;1,00;1,00;10,00;10,00;10,00");
    EXPECT_TRUE(ReadFileBytes(e / "4Mrun" / "result" / "FERT_DATE_1" / "RUN2016 prec grid.csv") == ReadFileBytes(Expected("prec_grid.csv")));
    EXPECT_EQ(ReadTable(statistics / "NUTS3dissaggr.csv").at(1), "1;0,80000000;1,00000000;HU120");
    EXPECT_EQ(ReadTable(statistics / "MaizeYieldDisAggr1970-2018.csv").at(2).substr(0, 22), "2;HU120;1200;1200;1200");
    EXPECT_EQ(ReadTable(e / "4M100m" / "repce_fertilization_2016.csv"), (Lines{"ID;amount_kgN/ha", "42;12.34"}));
}

TEST(AnnualToolsEndToEnd, ScenarioMeansButtonReadsThePageFields)
{
    testsupport::TempDir dir;
    const fs::path base = dir.Path() / "drives" / "e" / "sens";
    batchfixtures::WritePerCellFiles(base / "RCP45RAW", 1, 1104, TCellNaming::Padded4, "p", ".annout", [](int cell) {
        Lines lines = {"h"};
        for (int k = 1; k <= (cell == 7 ? 10 : 31); ++k) lines.push_back(std::to_string(2000 + k) + " " + std::to_string(cell + k) + " 0");
        return lines;
    });
    for (const char* scenario : {"RCP45", "RCP85RAW", "RCP85"}) fs::create_directory_symlink(base / "RCP45RAW", base / scenario);
    const TDriveResult r = Drive(dir.Path(), {"set", "Edit1.Text=e:\\sens\\", "set", "Edit37.Text=p", "set", "Edit38.Text=2",
                                              "click", "Button94", "get", "Label2.Caption"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, Lines{"COMPLETED"});
    EXPECT_TRUE(ReadFileBytes(base / "maize_results.csv") == ReadFileBytes(Expected("maize_results_dot.csv")));
}

TEST(AnnualToolsEndToEnd, SoilOrganicMatterButtonReadsTheCurrentFolder)
{
    testsupport::TempDir dir;
    batchfixtures::Write1104RowTable(dir.Path() / "BD.csv", {"ID;BD30;BD60;BD90"}, [](int cell) { return BulkDensityRow(cell, ','); });
    batchfixtures::WritePerCellFiles(dir.Path() / "annout", 1, 1104, TCellNaming::Plain, "", ".annout",
                                     [](int cell) { return SomFileOfCell(cell, ','); });
    const TDriveResult r = Drive(dir.Path(), {"--decimal-separator", ",", "click", "Button42", "get", "Label2.Caption"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, Lines{"COMPLETE"});
    EXPECT_TRUE(ReadFileBytes(dir.Path() / "SOMgridSIM.csv") == ReadFileBytes(Expected("SOMgridSIM_comma.csv")));
}

}  // namespace

namespace {

// The soil buttons of "MAKE SOIL INPUT": the selected ids' files, the two
// 10 km variants chained, and the crop-model files of the listed 100 m cells.
TEST(AnnualToolsEndToEnd, SoilVariantButtonsWriteTheirFiles)
{
    testsupport::TempDir dir;
    const fs::path e = dir.Path() / "drives" / "e";
    const fs::path soilGrid = e / "Tolvek SOIL GRID";
    WriteTable(soilGrid / "USDA" / "SOCgroupIDs.csv", {"NAME;ID", "top;4711"});
    WriteTable(soilGrid / "Tolvek_DB_GRID_TABLE1.csv", {"h", "4711;0;0;47.1;19.1;250", "5;0;0;47.2;19.2;600"});
    WriteTable(soilGrid / "Tolvek_DB_SOIL_TABLE.csv", {"h", batchfixtures::SoilRow(4711)});
    fs::create_directories(soilGrid / "Tolvek" / "selected");
    WriteTable(soilGrid / "Tolvek_DB_SOIL_TABLE_corrected2.csv", {"h", batchfixtures::SoilRow(4711), batchfixtures::SoilRow(5)});
    WriteTable(e / "4M100m" / "ret es legelo_fertilization_2016.csv", {"ID;amount_kgN/ha", "5;12.3"});

    const fs::path tenKm = e / "TolvekCloud" / "PRODUCTS" / "TOLVEK DEVELOP" / "Tolvek File System" / "input" / "soil" / "grid" / "10km";
    Lines key;
    for (int cell = 1; cell <= 1104; ++cell) key.push_back(std::to_string(cell) + ";2;3;4;5;6;7;8;9;10;11;12;77");
    WriteTable(soilGrid / "Tolvek_DB_GRID_TABLE3_EXP.csv", key);
    Lines rep;
    for (int k = 1; k <= 30; ++k) rep.push_back("123456REP-" + std::to_string(k) + "xxxxxx");
    WriteTable(soilGrid / "USDA" / "3reps" / "77_calibSOIspinup.soi", rep);
    batchfixtures::WritePerCellFiles(tenKm, 1, 1104, TCellNaming::Padded4, "10km", ".soi", [](int cell) {
        Lines lines;
        for (int k = 1; k <= 57; ++k) lines.push_back("c" + std::to_string(cell) + " l" + std::to_string(k));
        lines[46] = "SOIL COMPOSITION AND CHARACTERISTIC VALUES (-9999: no measured data)";
        return lines;
    });
    fs::create_directories(tenKm / "3type");
    fs::create_directories(tenKm / "euptf");
    Lines ptf = {"header"};
    for (int cell = 1; cell <= 1104; ++cell) ptf.push_back(std::to_string(cell) + "\t45.3\t44\t43\t42\t30\t31\t32\t33\t10\t11\t12\t13");
    WriteTable(e / "TolvekCloud" / "PRODUCTS" / "LIBRARY" / "DB sensitivity" / "EU-PTF.txt", ptf);

    const TDriveResult r = Drive(dir.Path(), {"click", "Button69", "get", "Label2.Caption", "click", "Button77", "get", "Label2.Caption",
                                              "click", "Button84", "get", "Label2.Caption", "click", "Button72", "get", "Label2.Caption"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(r.Out, (Lines{"COMPLETE", "COMPLETE", "COMPLETE", "COMPLETE"}));
    const Lines top = ReadTable(soilGrid / "Tolvek" / "selected" / "top.soi");
    ASSERT_EQ(top.size(), 57u);
    EXPECT_EQ(top[0], "SOILPROP FILE - MuSo6, site/cell: top 4711");
    EXPECT_EQ(top[44].substr(0, 2), "70");
    const Lines ptfFile = ReadTable(tenKm / "euptf" / "10km1104.soi");
    ASSERT_EQ(ptfFile.size(), 57u);
    EXPECT_EQ(ptfFile[0], "c1104 l1 EU-PTF estimated THS, FC, WP");
    EXPECT_EQ(ptfFile[13], "REP-14xx");
    EXPECT_EQ(ptfFile[51].substr(0, 16), "0.453   0.453   ");
    EXPECT_TRUE(fs::exists(e / "4M100m" / "soil" / "5.soi"));
    EXPECT_FALSE(fs::exists(e / "4M100m" / "soil" / "4711.soi"));
}

}  // namespace
