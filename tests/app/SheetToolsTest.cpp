// Tests of the sheet line transforms and the two file-list tools: JSON read back by a JSON parser, wide to long, dates, nutrients.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

#include "app/SheetTools.h"
#include "platform/rtl/Exceptions.h"
#include "tests/app/BatchToolFixtures.h"

namespace {

using app::TSheetLines;
using batchfixtures::DecimalSeparatorScope;
using batchfixtures::ReadTable;
using batchfixtures::WriteTable;
namespace fs = std::filesystem;

std::string Joined(const TSheetLines& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

TEST(SheetTools, JsonObjectsPerRowWithTheLastWithoutComma)
{
    const TSheetLines json = app::SheetToJson({"v1\tL1\t1\t2\tT\tVAR\tday\tsum\tline\t0.1\ttag1", "v2\tL2"});
    ASSERT_EQ(json.size(), 4u);
    EXPECT_EQ(json[0], "[");
    EXPECT_EQ(json[1], "    {\"VARCODE\": \"v1\", \"LABEL NAME\": \"L1\", \"FROM\": \"1\", \"TO\": \"2\", \"TYPE\": \"T\", "
                       "\"VARIABLE\": \"VAR\", \"TIMESTEP\": \"day\", \"FUNCTION\": \"sum\", \"PLOT TYPE\": \"line\", "
                       "\"CONV FACTOR\": \"0.1\", \"TAG\": \"tag1\"},");
    EXPECT_EQ(json[2], "    {\"VARCODE\": \"v2\", \"LABEL NAME\": \"L2\", \"FROM\": \"\", \"TO\": \"\", \"TYPE\": \"\", "
                       "\"VARIABLE\": \"\", \"TIMESTEP\": \"\", \"FUNCTION\": \"\", \"PLOT TYPE\": \"\", "
                       "\"CONV FACTOR\": \"\", \"TAG\": \"\"}");
    EXPECT_EQ(json[3], "]");
    EXPECT_EQ(app::SheetToJson({"one"}).at(1).back(), '}');
    EXPECT_EQ(app::SheetToJson({}), (TSheetLines{"[", "]"}));
}

// Quotes, backslashes and control characters are escaped, so any sheet gives
// valid JSON; leading blanks of a cell are dropped; characters outside the
// 8-bit code page stay.
TEST(SheetTools, JsonOfAnySheetReadsBackWithAJsonParser)
{
    const std::string awkward = "say \"hi\" \\ back\x01slash";
    const TSheetLines json = app::SheetToJson({"   v1\t" + awkward + "\t\u6f22\u00f5", "v2\t\tx"});
    const nlohmann::json parsed = nlohmann::json::parse(Joined(json));
    ASSERT_EQ(parsed.size(), 2u);
    EXPECT_EQ(parsed[0]["VARCODE"], "v1");
    EXPECT_EQ(parsed[0]["LABEL NAME"], awkward);
    EXPECT_EQ(parsed[0]["FROM"], "\u6f22\u00f5");
    EXPECT_EQ(parsed[1]["LABEL NAME"], "");
    EXPECT_EQ(parsed[1]["FROM"], "x");
    EXPECT_EQ(parsed[1]["TAG"], "");
    EXPECT_EQ(parsed[0].size(), 11u);
}

TEST(SheetTools, WideToLongWritesFourRowsPerRow)
{
    EXPECT_EQ(app::WideToLong({"a\tb\tc\tw\tx\ty\tz"}, "3"),
              (TSheetLines{"a\tb\tc\t1\tw", "a\tb\tc\t2\tx", "a\tb\tc\t3\ty", "a\tb\tc\t4\tz"}));
    // A short row still gives four rows, the missing values empty.
    EXPECT_EQ(app::WideToLong({"k\t5"}, "1"), (TSheetLines{"k\t1\t5", "k\t2\t", "k\t3\t", "k\t4\t"}));
    EXPECT_THROW(app::WideToLong({"a"}, "three"), rtl::EConvertError);
}

TEST(SheetTools, DateRepairPadsOneDigitDaysInTheFirst400Lines)
{
    TSheetLines lines = {"2016.10.5", "2016.10.15", "2016.1.5", "abc"};
    lines.resize(401, "x");
    lines[400] = "2016.10.7";
    const TSheetLines repaired = app::RepairDates(lines);
    EXPECT_EQ(repaired[0], "2016.10.05");
    EXPECT_EQ(repaired[1], "2016.10.15");
    EXPECT_EQ(repaired[2], "2016.1.5");
    EXPECT_EQ(repaired[3], "abc");
    EXPECT_EQ(repaired[400], "2016.10.7");
}

TEST(SheetTools, NutrientDemandsOfCropAndYield)
{
    for (char separator : {'.', ','}) {
        DecimalSeparatorScope scope(separator);
        EXPECT_EQ(app::NutrientDemands({"búza\tx\ty\t6", "kukorica\t\t\t7,5", "xyz\t1\t2\t3"}),
                  (TSheetLines{"120\t54\t30", "120\t45\t30", "0\t0\t0"}));
    }
}

TEST(SheetTools, DropShortLinesKeepsLinesOverTenCharacters)
{
    testsupport::TempDir dir;
    app::TWeatherToolOptions places{dir.Path().string() + "/"};
    const fs::path folder = dir.Path() / "drives" / "c" / "TolvekCloud" / "PRODUCTS" / "MÉRÉS - KÍSÉRLETI TÉR" / "TARTAMOK" /
                            "PLANT DENSITY";
    WriteTable(folder / "pdens.txt", {"0123456789", "0123456789A", "", "őőőőőőőőőő", "őőőőőőőőőőő"});
    std::vector<std::string> status;
    app::DropShortLines(places, [&](const std::string& s) { status.push_back(s); });
    EXPECT_EQ(ReadTable(folder / "pdenso.txt"), (TSheetLines{"0123456789A", "őőőőőőőőőőő"}));
    EXPECT_EQ(status, (TSheetLines{"PROCESSING", "READY"}));
}

}  // namespace
