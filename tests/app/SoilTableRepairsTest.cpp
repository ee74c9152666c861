// Tests of the soil table repairs on small tables, compared with whole expected files.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/SoilTableRepairs.h"
#include "platform/rtl/Exceptions.h"
#include "tests/app/BatchToolFixtures.h"

namespace {

using namespace batchfixtures;
using testsupport::ReadFileBytes;

fs::path Data(const std::string& name) { return testsupport::TestDataDir() / "app" / "soiltools" / name; }

struct TRepairFolder {
    testsupport::TempDir Dir;
    app::TSoilTableOptions Options;
    std::vector<std::string> Status;
    app::TToolStatus Report = [this](const std::string& text) { Status.push_back(text); };

    TRepairFolder() { Options.Folder = FolderOption(Dir.Path()); }
    fs::path File(const std::string& name) const { return Dir.Path() / name; }
    void Put(const std::string& fixture, const std::string& name) const
    {
        fs::create_directories(File(name).parent_path());
        fs::copy_file(Data(fixture), File(name));
    }
};

// Sandy, loamy and other layers, in both locales: the adjusted field capacity
// and wilting point are written fixed 5/2 with the locale's separator, every
// other column as read (a comma text stays a comma text).
TEST(AdjustWaterCapacity, AdjustsLayersByTextureInBothLocales)
{
    for (const auto& [separator, expected] : {std::pair{'.', "dwc_expected_dot.csv"}, {',', "dwc_expected_comma.csv"}}) {
        DecimalSeparatorScope scope(separator);
        TRepairFolder f;
        f.Put("dwc_base.csv", "Tolvek_DB_SOIL_TABLE_base.csv");
        app::AdjustWaterCapacity(f.Options, f.Report, [] { return 30; });
        EXPECT_EQ(ReadFileBytes(f.File("Tolvek_DB_SOIL_TABLE.csv")), ReadFileBytes(Data(expected))) << separator;
        EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING", "COMPLETE"}));
    }
}

TEST(AdjustWaterCapacity, MissingBaseCopyLeavesTheTableAsItWas)
{
    TRepairFolder f;
    WriteTable(f.File("Tolvek_DB_SOIL_TABLE.csv"), {"header", SoilRow(1)});
    const std::string before = ReadFileBytes(f.File("Tolvek_DB_SOIL_TABLE.csv"));
    EXPECT_THROW(app::AdjustWaterCapacity(f.Options, f.Report), rtl::EInOutError);
    EXPECT_EQ(ReadFileBytes(f.File("Tolvek_DB_SOIL_TABLE.csv")), before);
}

// A layer that keeps its water contents writes each as ParseDecimal(text)
// / 100 * 100, fixed 5/2, whatever shape the text has: every two-decimal
// value below 1000 and the shapes around it (no decimals, one, three, a
// leading zero, a sign, a comma, four integer digits, no number).
TEST(AdjustWaterCapacity, KeptLayersWriteTheirValuesFixed52InBothLocales)
{
    std::vector<std::string> texts = {"7",    "7.5",  "07.5",  "-3.25", "+4", "999.995", "1000", "1000.5",
                                      "12,5", "0",    "0.0",   "-0.001", "abc", "", ".5", "5.", "0.125", "99999"};
    for (int hundredths = 0; hundredths < 100000; hundredths += 7)
        texts.push_back(std::to_string(hundredths / 100) + "." + std::to_string(100 + hundredths % 100).substr(1));
    for (char separator : {'.', ','}) {
        DecimalSeparatorScope scope(separator);
        TRepairFolder f;
        std::vector<std::string> lines = {"header"};
        for (std::size_t i = 0; i < texts.size(); ++i)
            lines.push_back(SoilRow(static_cast<int>(i + 1), {{7, "60"}, {11, texts[i]}, {12, texts[i]}}));
        WriteTable(f.File("Tolvek_DB_SOIL_TABLE_base.csv"), lines);
        app::AdjustWaterCapacity(f.Options, f.Report, [] { return 30; });
        const std::vector<std::string> written = ReadTable(f.File("Tolvek_DB_SOIL_TABLE.csv"));
        app::TFieldViews fields;
        ASSERT_EQ(written.size(), lines.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const std::string expected = app::FixedText(app::ParseDecimal(texts[i]) / 100 * 100, 5, 2);
            fields.Split(written[i + 1]);
            ASSERT_EQ(fields[11], expected) << texts[i] << " with " << separator;
            ASSERT_EQ(fields[12], expected) << texts[i] << " with " << separator;
        }
    }
}

// Blanks before fields, columns beyond the 42nd and a missing 42nd column
// change nothing in the written row: each variant comes out as its plain row.
TEST(AdjustWaterCapacity, RowsWithBlanksOrOtherColumnCountsComeOutAsTheirPlainRow)
{
    TRepairFolder f;
    const std::string plain = SoilRow(1, {{7, "90"}, {17, "30"}, {18, "45"}, {19, "25"}});
    std::string blanks = " " + plain;
    for (std::size_t at = blanks.find(';'); at != std::string::npos; at = blanks.find(';', at + 3)) blanks.insert(at + 1, "  ");
    const std::string lastEmpty = SoilRow(2, {{7, "95"}, {42, ""}});
    WriteTable(f.File("Tolvek_DB_SOIL_TABLE_base.csv"),
               {"header", plain, blanks, plain + ";7;8", lastEmpty, lastEmpty.substr(0, lastEmpty.size() - 1)});
    app::AdjustWaterCapacity(f.Options, f.Report, [] { return 30; });
    const std::vector<std::string> written = ReadTable(f.File("Tolvek_DB_SOIL_TABLE.csv"));
    ASSERT_EQ(written.size(), 6u);
    EXPECT_NE(written[1], plain);
    EXPECT_EQ(written[2], written[1]);
    EXPECT_EQ(written[3], written[1]);
    EXPECT_EQ(written[5], written[4]);
}

// Rows are adjusted in batches on several threads: a table of several batches
// comes out row for row in input order, each row as it comes out alone.
TEST(AdjustWaterCapacity, LargeTablesComeOutInInputOrder)
{
    const std::vector<std::map<int, std::string>> kinds = {
        {{7, "90"}}, {{7, "30"}, {8, "40"}, {9, "30"}}, {{7, "60"}, {11, "12.5"}}, {{3, "-"}}, {{5, " 7.2"}, {7, "95"}}};
    TRepairFolder alone;
    std::vector<std::string> kindLines = {"header"};
    for (std::size_t k = 0; k < kinds.size(); ++k) kindLines.push_back(SoilRow(1, kinds[k]));
    WriteTable(alone.File("Tolvek_DB_SOIL_TABLE_base.csv"), kindLines);
    app::AdjustWaterCapacity(alone.Options, alone.Report, [] { return 30; });
    const std::vector<std::string> adjustedKinds = ReadTable(alone.File("Tolvek_DB_SOIL_TABLE.csv"));
    ASSERT_EQ(adjustedKinds.size(), kindLines.size());
    const auto withoutId = [](const std::string& row) { return row.substr(row.find(';')); };

    TRepairFolder f;
    constexpr int Rows = 70001;
    std::vector<std::string> lines = {"header"};
    for (int id = 1; id <= Rows; ++id) lines.push_back(SoilRow(id, kinds[static_cast<std::size_t>(id * 7) % kinds.size()]));
    WriteTable(f.File("Tolvek_DB_SOIL_TABLE_base.csv"), lines);
    app::AdjustWaterCapacity(f.Options, f.Report, [] { return 30; });
    const std::vector<std::string> written = ReadTable(f.File("Tolvek_DB_SOIL_TABLE.csv"));
    ASSERT_EQ(written.size(), lines.size());
    for (int id = 1; id <= Rows; ++id) {
        const std::string& row = written[static_cast<std::size_t>(id)];
        ASSERT_EQ(row.substr(0, row.find(';')), std::to_string(id));
        ASSERT_EQ(withoutId(row), withoutId(adjustedKinds[static_cast<std::size_t>(id * 7) % kinds.size() + 1])) << id;
    }
}

// The share of 12,000,000 rows shows once in a second 01 and again only after
// the second has moved on.
TEST(AdjustWaterCapacity, ShowsProgressOncePerSecond01)
{
    TRepairFolder f;
    std::vector<std::string> lines = {"header"};
    for (int id = 1; id <= 6; ++id) lines.push_back(SoilRow(id));
    WriteTable(f.File("Tolvek_DB_SOIL_TABLE_base.csv"), lines);
    const std::vector<int> seconds = {0, 1, 1, 2, 1, 1};
    std::size_t next = 0;
    app::AdjustWaterCapacity(f.Options, f.Report, [&] { return seconds[next++]; });
    // 2 of 12,000,000 rows is 0.0000167 %.
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING", "0.0% completed", "0.0% completed", "COMPLETE"}));
    EXPECT_EQ(next, 6u);
}

struct TRepairCase {
    const char* Name;
    std::vector<std::pair<const char*, const char*>> Inputs;  // fixture, name in the folder
    void (*Tool)(const app::TSoilTableOptions&, const app::TToolStatus&);
    const char* Output;
    const char* Expected;
    const char* FirstStatus;
};

// "soil table correct": rows with a "-" take the previous written row's texts
// (the first row from an empty one; a "-" in column 1 or 2 replaces only that
// column), zeros of other rows stay. "Button76": only a depth 0 before a bulk
// density beginning with 1 changes; the ";0;1" of a short row's organic matter
// and lime stays. "restore soil table": field capacity and wilting point come
// back from the ORIGINAL rows of the same ids, other ORIGINAL rows passed over.
// "Button37": depths rounded to whole centimetres, an id without one keeps its own.
TEST(SoilTableRepairs, WriteTheExpectedTables)
{
    const std::vector<TRepairCase> cases = {
        {"soil table correct", {{"correct_input.csv", "Tolvek_DB_SOIL_TABLE.csv"}}, app::CorrectSoilTable,
         "Tolvek_DB_SOIL_TABLE_corrected.csv", "correct_expected.csv", "PROCESSING"},
        {"Button76", {{"depth_input.csv", "Tolvek_DB_SOIL_TABLE_corrected.csv"}}, app::FixZeroSoilDepth,
         "Tolvek_DB_SOIL_TABLE_corrected2.csv", "depth_expected.csv", "PROCESSING"},
        {"restore soil table",
         {{"restore_current.csv", "Tolvek_DB_SOIL_TABLE.csv"},
          {"restore_original.csv", "ORIGINAL/Tolvek_DB_SOIL_TABLE.csv"}},
         app::RestoreSoilTable, "ORIGINAL/Tolvek_DB_SOIL_TABLE_restored.csv", "restore_expected.csv", "PROCESSING"},
        {"Button37",
         {{"topsoil_table.csv", "Tolvek_DB_SOIL_TABLE.csv"}, {"topsoil_depths.txt", "DATA/termoreteg_uj.txt"}},
         app::ReplaceTopsoilDepth, "Tolvek_DB_SOIL_TABLE_fixed.csv", "topsoil_expected.csv", "PROCESSING..."},
    };
    for (const TRepairCase& c : cases) {
        TRepairFolder f;
        for (const auto& [fixture, name] : c.Inputs) f.Put(fixture, name);
        c.Tool(f.Options, f.Report);
        EXPECT_EQ(ReadFileBytes(f.File(c.Output)), ReadFileBytes(Data(c.Expected))) << c.Name;
        EXPECT_EQ(f.Status, (std::vector<std::string>{c.FirstStatus, "COMPLETE"})) << c.Name;
    }
}

TEST(SoilTableRepairs, RepairsShowTheRowCountEvery10000Rows)
{
    TRepairFolder f;
    std::vector<std::string> lines = {"header"};
    for (int id = 1; id <= 10000; ++id) lines.push_back(SoilRow(id));
    WriteTable(f.File("Tolvek_DB_SOIL_TABLE_corrected.csv"), lines);
    app::FixZeroSoilDepth(f.Options, f.Report);
    EXPECT_EQ(f.Status, (std::vector<std::string>{"PROCESSING", "10000", "COMPLETE"}));
}

TEST(SoilTableRepairs, RestoreEndsAtTheEndOfTheOriginalNamingTheMissingId)
{
    TRepairFolder f;
    WriteTable(f.File("Tolvek_DB_SOIL_TABLE.csv"), {"h", SoilRow(1), SoilRow(3), SoilRow(4)});
    WriteTable(f.File("ORIGINAL/Tolvek_DB_SOIL_TABLE.csv"), {"h", SoilRow(1), SoilRow(2), SoilRow(4)});
    try {
        app::RestoreSoilTable(f.Options, f.Report);
        FAIL() << "no error";
    } catch (const rtl::Exception& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("id 3 "), std::string::npos) << message;
        EXPECT_NE(message.find("ORIGINAL\\Tolvek_DB_SOIL_TABLE.csv"), std::string::npos) << message;
    }
}

TEST(SoilTableRepairs, TopsoilIdBeyondItsIdTableNamesFileLineAndValue)
{
    TRepairFolder f;
    WriteTable(f.File("Tolvek_DB_SOIL_TABLE.csv"), {"h", SoilRow(1)});
    WriteTable(f.File("DATA/termoreteg_uj.txt"), {"h", "1;1;0;0;20", "2;11259792;0;0;20"});
    try {
        app::ReplaceTopsoilDepth(f.Options, f.Report);
        FAIL() << "no error";
    } catch (const rtl::EConvertError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("11259792"), std::string::npos) << message;
        EXPECT_NE(message.find("termoreteg_uj.txt\", line 3"), std::string::npos) << message;
    }
    EXPECT_FALSE(fs::exists(f.File("Tolvek_DB_SOIL_TABLE_fixed.csv")));
}

}  // namespace
