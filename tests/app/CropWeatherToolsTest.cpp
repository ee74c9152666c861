// Tests of the tools on crop-model weather files and CARPATCLIM tables, on generated cell files compared whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CropWeatherTools.h"
#include "platform/rtl/Exceptions.h"
#include "tests/app/FixedPlacesRun.h"
#include "tests/app/WeatherFixtures.h"

namespace {

using batchfixtures::ErrorOf;

using namespace weatherfixtures;
using batchfixtures::DecimalSeparatorScope;
using batchfixtures::ReadTable;
using batchfixtures::TCellNaming;
using batchfixtures::Write1104RowTable;
using batchfixtures::WriteTable;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

struct TRun : batchfixtures::TFixedPlacesRun {
    fs::path KeyTable() const { return Drive('e') / "Tolvek SOIL GRID" / "KEY_10kmID_OLD_NEW.csv"; }
};

Lines CellStatus()
{
    Lines status = {"PROCESSING"};
    for (int cell = 1; cell <= 1104; ++cell) status.push_back(std::to_string(cell));
    status.push_back("COMPLETE");
    return status;
}

// A crop-model weather file: id, latitude, longitude, elevation, two empty
// lines, then the given rows.
Lines CropFile(const std::string& id, const std::string& latitude, const Lines& rows)
{
    Lines lines = {id, latitude, "19.0", "120", "", ""};
    lines.insert(lines.end(), rows.begin(), rows.end());
    return lines;
}


TEST(CropWeatherTools, ConvertBetweenTheCarpatclimAndCropModelLayouts)
{
    TRun run;
    ForEveryCell(run.Drive('e') / "Tolvek WEATHER GRID" / "FORESEE", TCellNaming::Plain, ".csv", [](int cell) {
        return Lines{"ID;LAT;LONG;ELEV", std::to_string(cell) + ";47.5;19.0;120", "DATE;SRAD;TMAX;TMIN;PREC",
                     "2016.01.01;3.70;11.30;-1.50;2.50", "2016.01.02;3,71;1;2;0"};
    });
    fs::create_directories(run.Drive('e') / "4Mdata" / "weather");
    app::CarpatclimTablesToCropFiles(run.Places, run.Report);
    EXPECT_EQ(ReadTable(run.Drive('e') / "4Mdata" / "weather" / "1104.wth"),
              CropFile("1104", "47.5", {"2016.01.01\t3.70\t11.30\t-1.50\t2.50", "2016.01.02\t3,71\t1\t2\t0"}));
    EXPECT_EQ(run.Status, CellStatus());

    // Back again, the coordinates cut to one decimal after a point.
    run.Status.clear();
    ForEveryCell(run.Drive('e') / "Tolvek SOIL GRID" / "TolvekWTH", TCellNaming::Plain, ".wth", [](int cell) {
        return CropFile(std::to_string(cell), cell % 2 ? "47.5123" : "46,25", {"2016.01.01\t3.70\t11.30\t-1.50\t2.50"});
    });
    fs::create_directories(run.Drive('e') / "Tolvek WEATHER GRID" / "CARPATCLIM");
    app::CropFilesToCarpatclimTables(run.Places, run.Report);
    const fs::path tables = run.Drive('e') / "Tolvek WEATHER GRID" / "CARPATCLIM";
    EXPECT_EQ(ReadTable(tables / "7.csv"),
              (Lines{"ID;LAT;LONG;ELEV", "7;47.5;19.0;120", "DATE;SRAD;TMAX;TMIN;PREC", "2016.01.01;3.70;11.30;-1.50;2.50"}));
    EXPECT_EQ(ReadTable(tables / "8.csv")[1], "8;46.2;19.0;120");
    EXPECT_EQ(run.Status, CellStatus());
}

TEST(CropWeatherTools, ForeseeInputTablesGiveOneRowPerDayUnderTheCellsHeader)
{
    for (const auto& [separator, radiation, precipitation] :
         {std::tuple{'.', "3.70", "2.5"}, std::tuple{',', "3,70", "2,5"}}) {
        DecimalSeparatorScope scope(separator);
        TRun run;
        ForEveryCell(run.Drive('d') / "TolvekCloud" / "PRODUCTS" / "ALAPADAT" / "CC", TCellNaming::Padded4, ".wth",
                     [](int cell) { return CropFile(std::to_string(cell), "47.5", {"not copied"}); });
        ForEveryCell(run.Drive('d') / "TolvekCloud" / "PRODUCTS" / "ALAPADAT" / "FORESEE_CarpatClim_grid",
                     TCellNaming::Plain, "-data.csv", [](int) {
                         return Lines{"n,year,doy,tmax,tmin,tday,prcp,vpd,srad,daylen",
                                      "1,2016,60,11.3,-1.5,6.2,0.25,512.3,123.4,30000",
                                      "2,2016,366,11.3,-1.5,6.2,0.25,512.3,123.4,30000"};
                     });
        fs::create_directories(run.Drive('d') / "WTH");
        app::ForeseeInputTablesToCropFiles(run.Places);
        const std::string tail = std::string("\t") + radiation + "\t11.3\t-1.5\t" + precipitation;
        EXPECT_EQ(ReadTable(run.Drive('d') / "WTH" / "1104.wth"),
                  CropFile("1104", "47.5", {"2016.02.29" + tail, "2016.12.31" + tail}));
        EXPECT_TRUE(run.Status.empty());
    }
}

TEST(CropWeatherTools, RenumberingNamesFilesByTheKeyTablesNewNumbers)
{
    TRun run;
    // Old cell k is new cell 1105 - k.
    Write1104RowTable(run.KeyTable(), {"OLD;NEW"},
                      [](int cell) { return std::to_string(cell) + ";" + std::to_string(1105 - cell); });
    const auto sources = [](int cell) { return CropFile(std::to_string(cell), "47.5", {"2016.01.01\t1\t2\t3\t4"}); };
    ForEveryCell(run.Drive('e') / "TolvekCloud" / "PRODUCTS" / "ALAPADAT" / "CC", TCellNaming::Padded4, ".wth", sources);
    ForEveryCell(run.Drive('c') / "TolvekCloud" / "PRODUCTS" / "ALAPADAT" / "CC", TCellNaming::Padded4, ".wth", sources);
    fs::create_directories(run.Drive('e') / "WTHDATA" / "CCnewgrid");
    fs::create_directories(run.Drive('e') / "Tolvek SOIL GRID" / "TolvekWTH");

    app::RenumberCropFilesPadded(run.Places, run.Report);
    Lines expected = sources(1098);
    expected[0] = "0007";
    EXPECT_EQ(ReadTable(run.Drive('e') / "WTHDATA" / "CCnewgrid" / "0007.wth"), expected);

    // By key line: the new number as the table writes it.
    app::RenumberCropFilesByKeyLine(run.Places, run.Report);
    expected[0] = "7";
    EXPECT_EQ(ReadTable(run.Drive('e') / "Tolvek SOIL GRID" / "TolvekWTH" / "7.wth"), expected);
    EXPECT_EQ(run.Status, (Lines{"PROCESSING", "COMPLETE", "PROCESSING...", "COMPLETE"}));

    // New numbers that would name a file elsewhere, and old numbers outside the grid.
    for (const auto& [line, error] : {std::pair{"3;../x", "'../x' is not a file name"}, {"3;a/b", "'a/b' is not a file name"},
                                      {"1105;3", "old cell number 1105 is outside 1 to 1104"}}) {
        Lines keys = ReadTable(run.KeyTable());
        const Lines original = keys;
        keys[3] = line;
        WriteTable(run.KeyTable(), keys);
        const std::string message = ErrorOf([&] { app::RenumberCropFilesPadded(run.Places, run.Report); });
        EXPECT_NE(message.find(error), std::string::npos) << line << ": " << message;
        EXPECT_NE(message.find("KEY_10kmID_OLD_NEW.csv\", line 4"), std::string::npos) << message;
        WriteTable(run.KeyTable(), original);
    }
}

TEST(CropWeatherTools, TwoYearCutCoordinateListAndStationTables)
{
    TRun run;
    ForEveryCell(run.Drive('e') / "4Mvizgyujto" / "weather", TCellNaming::Plain, ".wth", [](int cell) {
        return CropFile(std::to_string(cell), "47.5",
                        {"2014.12.31\t1\t2\t3\t4", "2015.01.01\t1\t2\t3\t4", "2016.12.31\t1\t2\t3\t4", "2017.01.01\t1\t2\t3\t4"});
    });
    fs::create_directories(run.Drive('e') / "4M100m" / "weather");
    app::KeepCropWeatherYears2015And2016(run.Places, run.Report);
    EXPECT_EQ(ReadTable(run.Drive('e') / "4M100m" / "weather" / "5.wth"),
              CropFile("5", "47.5", {"2015.01.01\t1\t2\t3\t4", "2016.12.31\t1\t2\t3\t4"}));
    EXPECT_EQ(run.Status, CellStatus());
    WriteTable(run.Drive('e') / "4Mvizgyujto" / "weather" / "6.wth", CropFile("6", "47.5", {"2015.01.01\t1", ""}));
    EXPECT_NE(ErrorOf([&] { app::KeepCropWeatherYears2015And2016(run.Places, run.Report); })
                  .find("'' is not a valid integer value (year, file \""),
              std::string::npos);

    ForEveryCell(run.Drive('d') / "TolvekCloud" / "DATA" / "CC", TCellNaming::Padded4, ".wth",
                 [](int cell) { return CropFile(std::to_string(cell), std::to_string(45 + cell % 3) + ".5", {}); });
    app::ListCropFileCoordinates(run.Places);
    const Lines list = ReadTable(run.Drive('d') / "TolvekCloud" / "DATA" / "CCgrid.txt");
    ASSERT_EQ(list.size(), 1104u);
    EXPECT_EQ(list[0], "1\t46.5\t19.0");
    EXPECT_EQ(list[1103], "1104\t45.5\t19.0");

    const fs::path cc = run.Drive('e') / "TolvekCloud" / "PRODUCTS" / "ALAPADAT" / "CC";
    for (const fs::path& folder : {cc, cc / "CC20162017"})
        Write1104RowTable(folder / "cc_nws_join.csv", {"CC;LAT;LON;NWS"},
                          [](int cell) { return std::to_string(cell) + ";1;2;" + std::to_string(cell % 40); });
    EXPECT_NO_THROW(app::ReadStationJoinTables(run.Places));
    Lines join = ReadTable(cc / "CC20162017" / "cc_nws_join.csv");
    join[9] = "9;1;2;x";
    WriteTable(cc / "CC20162017" / "cc_nws_join.csv", join);
    EXPECT_NE(ErrorOf([&] { app::ReadStationJoinTables(run.Places); }).find("'x' is not a valid integer value (station"),
              std::string::npos);
}

TEST(CropWeatherTools, PrecipitationSumsCoverJanuary2015ToOctober2016)
{
    for (const auto& [separator, sum] : {std::pair{'.', "3.5"}, {',', "3,5"}}) {
        DecimalSeparatorScope scope(separator);
        TRun run;
        Write1104RowTable(run.KeyTable(), {"OLD;NEW"},
                          [](int cell) { return std::to_string(cell) + ";" + std::to_string(1105 - cell); });
        ForEveryCell(run.Drive('e') / "4Mrun" / "weather", TCellNaming::Plain, ".wth", [](int cell) {
            return CropFile(std::to_string(cell), "47.5",
                            {"2014.12.31\t1\t2\t3\t100", "2015.01.01\t1\t2\t3\t1.25", "2016.10.31\t1\t2\t3\t2,25",
                             "2016.11.01\t1\t2\t3\t100", "bad date\t1\t2\t3\t100"});
        });
        app::SumPrecipitation2015To2016(run.Places, run.Report);
        const Lines sums = ReadTable(run.Drive('e') / "4Mrun" / "precgrid.csv");
        ASSERT_EQ(sums.size(), 1104u);
        EXPECT_EQ(sums[0], std::string("1104;") + sum);
        EXPECT_EQ(sums[1103], std::string("1;") + sum);
        EXPECT_EQ(run.Status, (Lines{"PROCESSING", "COMPLETE"}));
    }
}

}  // namespace
