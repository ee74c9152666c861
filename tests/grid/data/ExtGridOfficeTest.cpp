// Spreadsheet, document and database exchange of the grid, read back and built by standard tools.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/office/A1Notation.h"
#include "platform/office/OfficeErrors.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringList.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/support/TempDir.h"

namespace {

// Runs a python3 script of the system's interpreter (where openpyxl, python-docx and xlwt
// are installed) and returns what it prints.
std::string Python(const std::string& script, const testsupport::TempDir& dir)
{
    const std::string file = dir.File("script.py");
    { std::ofstream(file) << script; }
    std::string out;
    FILE* p = popen(("/usr/bin/python3 '" + file + "' 2>&1").c_str(), "r");
    char buf[4096];
    while (std::size_t n = fread(buf, 1, sizeof buf, p)) out.append(buf, n);
    pclose(p);
    return out;
}

std::string Sh(const std::string& command)
{
    std::string out;
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    char buf[4096];
    while (std::size_t n = fread(buf, 1, sizeof buf, p)) out.append(buf, n);
    pclose(p);
    return out;
}

std::string ReadBytes(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ExtGridOfficeTest : public gridtest::GridInAppTest {
protected:
    void FillSmall()
    {
        Grid->SetColCount(3);
        Grid->SetRowCount(3);
        Grid->SetCells(0, 0, "Cell");
        Grid->SetCells(1, 0, "Town");
        Grid->SetCells(2, 0, "Yield");
        Grid->SetCells(0, 1, "1");
        Grid->SetCells(1, 1, "Győr ő°");
        Grid->SetCells(2, 1, "12.5");
        Grid->SetCells(0, 2, "2");
        Grid->SetCells(1, 2, "a & <b>");
        Grid->SetCells(2, 2, "-3");
    }
    testsupport::TempDir Dir;
};

TEST(A1Notation, ColumnLettersAreBase26ForAnyNumberOfLettersBothWays)
{
    struct Case { int Column; const char* Letters; };
    for (Case k : {Case{1, "A"}, Case{26, "Z"}, Case{27, "AA"}, Case{52, "AZ"}, Case{53, "BA"}, Case{702, "ZZ"},
                   Case{703, "AAA"}, Case{16384, "XFD"}}) {
        EXPECT_EQ(office::ColumnLetters(k.Column), k.Letters);
        EXPECT_EQ(office::ColumnNumber(k.Letters), k.Column);
    }
    EXPECT_EQ(office::ColumnNumber("ab"), 28);
    EXPECT_EQ(office::ColumnNumber("A1"), 0);
    EXPECT_EQ(office::ColumnNumber(""), 0);
}

TEST_F(ExtGridOfficeTest, WorkbookTheGridWritesOpensInOpenpyxlWithItsSheetPositionsAndValues)
{
    FillSmall();
    const std::string file = Dir.File("cells.xlsx");
    Grid->SaveToXLSSheet(file, "Cells");
    const std::string out = Python(
        "import openpyxl\n"
        "wb = openpyxl.load_workbook('" + file + "')\n"
        "print(wb.sheetnames)\n"
        "ws = wb['Cells']\n"
        "print(ws.dimensions)\n"
        "for row in ws.iter_rows():\n"
        "    for c in row:\n"
        "        print(c.coordinate, repr(c.value))\n",
        Dir);
    EXPECT_EQ(out,
              "['Cells']\nA1:C3\n"
              "A1 'Cell'\nB1 'Town'\nC1 'Yield'\n"
              "A2 1\nB2 'Győr ő°'\nC2 12.5\n"
              "A3 2\nB3 'a & <b>'\nC3 -3\n");
}

TEST_F(ExtGridOfficeTest, WideGridEndsInColumnBA)
{
    Grid->SetColCount(53);
    Grid->SetRowCount(1);
    for (int c = 0; c < 53; ++c) Grid->SetCells(c, 0, "v" + std::to_string(c));
    const std::string file = Dir.File("wide.xlsx");
    Grid->SaveToXLS(file);
    EXPECT_EQ(Python("import openpyxl\nws = openpyxl.load_workbook('" + file + "').active\n"
                     "print(ws.dimensions, ws['AZ1'].value, ws['BA1'].value)\n",
                     Dir),
              "A1:BA1 v51 v52\n");
}

TEST_F(ExtGridOfficeTest, OpenpyxlWorkbookLoadsItsUsedRangeBehindTheFixedRowsAndColumns)
{
    const std::string file = Dir.File("made.xlsx");
    Python("import openpyxl\n"
           "wb = openpyxl.Workbook()\n"
           "wb.active.title = 'Notes'\n"
           "wb.active['A1'] = 'not this one'\n"
           "ws = wb.create_sheet('Data')\n"
           "ws['C3'] = 'first'\n"
           "ws['D3'] = 2.5\n"
           "ws['E4'] = True\n"
           "ws['F4'] = 'Pécs'\n"
           "ws['AD10'] = 'last'\n"
           "wb.save('" + file + "')\n",
           Dir);
    auto names = Grid->GetXLSSheets(file);
    ASSERT_EQ(names->Count(), 2);
    EXPECT_EQ(names->Strings(0), "Notes");
    EXPECT_EQ(names->Strings(1), "Data");

    Grid->SetColCount(5);
    Grid->SetRowCount(5);
    Grid->SetFixedCols(1);
    Grid->SetFixedRows(1);
    Grid->SetSaveFixedCells(false);
    Grid->LoadFromXLSSheet(file, "Data");
    // $C$3:$AD$10: 28 columns and 8 rows behind the fixed column and row, which stay.
    EXPECT_EQ(Grid->ColCount(), 29);
    EXPECT_EQ(Grid->RowCount(), 9);
    EXPECT_EQ(Grid->FixedCols(), 1);
    EXPECT_EQ(Grid->FixedRows(), 1);
    EXPECT_EQ(Grid->Cells(1, 1), "first");
    EXPECT_EQ(Grid->Cells(2, 1), "2.5");
    EXPECT_EQ(Grid->Cells(3, 2), "True");
    EXPECT_EQ(Grid->Cells(4, 2), "Pécs");
    EXPECT_EQ(Grid->Cells(28, 8), "last");
    EXPECT_EQ(Grid->Cells(5, 5), "");

    // Without a sheet name the active sheet loads (openpyxl leaves the first one active).
    Grid->SetSaveFixedCells(true);
    Grid->LoadFromXLS(file);
    EXPECT_EQ(Grid->Cells(0, 0), "not this one");
    EXPECT_EQ(Grid->ColCount(), 1);
}

TEST_F(ExtGridOfficeTest, MissingSheetOrBadFileLeavesTheGridUnchanged)
{
    FillSmall();
    const std::string file = Dir.File("cells.xlsx");
    Grid->SaveToXLSSheet(file, "Cells");
    Grid->SetCells(1, 1, "kept");
    try {
        Grid->LoadFromXLSSheet(file, "Nope");
        FAIL() << "no error";
    } catch (const grid::VIdoZovuVozir& e) {
        EXPECT_STREQ(e.what(), "Excel worksheet Nope not found");
    }
    const std::string notZip = Dir.File("text.xlsx");
    { std::ofstream(notZip) << "plain text"; }
    try {
        Grid->LoadFromXLS(notZip);
        FAIL() << "no error";
    } catch (const rtl::Exception& e) {
        EXPECT_NE(std::string(e.what()).find(notZip), std::string::npos) << e.what();
    }
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(Grid->RowCount(), 3);
    EXPECT_EQ(Grid->Cells(1, 1), "kept");
}

TEST_F(ExtGridOfficeTest, SheetAddedToAnExistingWorkbookKeepsTheOthersAndReplacesItsNamesake)
{
    const std::string file = Dir.File("book.xlsx");
    Python("import openpyxl\nwb = openpyxl.Workbook()\nwb.active.title = 'Old'\nwb.active['B2'] = 'stays'\n"
           "wb.save('" + file + "')\n",
           Dir);
    FillSmall();
    Grid->SaveToXLSSheet(file, "New");
    Grid->SetCells(0, 0, "again");
    Grid->SaveToXLSSheet(file, "New");
    EXPECT_EQ(Python("import openpyxl\nwb = openpyxl.load_workbook('" + file + "')\n"
                     "print(wb.sheetnames, wb['Old']['B2'].value, wb['New']['A1'].value, wb['New']['B2'].value)\n",
                     Dir),
              "['Old', 'New'] stays again Győr ő°\n");
}

TEST_F(ExtGridOfficeTest, FailedWorkbookSaveRaisesNamingTheFileAndKeepsTheExistingFile)
{
    FillSmall();
    const std::string noFolder = Dir.File("missing/out.xlsx");
    try {
        Grid->SaveToXLS(noFolder);
        FAIL() << "no error";
    } catch (const rtl::EInOutError& e) {
        EXPECT_NE(std::string(e.what()).find(noFolder), std::string::npos) << e.what();
    }
    // A file that is no workbook is not replaced by one.
    const std::string other = Dir.File("other.xlsx");
    { std::ofstream(other) << "someone's data"; }
    EXPECT_THROW(Grid->SaveToXLSSheet(other, "Cells"), rtl::Exception);
    EXPECT_EQ(ReadBytes(other), "someone's data");
    EXPECT_FALSE(std::filesystem::exists(Dir.File("missing")));
    // The old binary format is not written.
    try {
        Grid->SaveToXLS(Dir.File("old.xls"));
        FAIL() << "no error";
    } catch (const grid::VIdoZovuVozir& e) {
        EXPECT_STREQ(e.what(), "Excel OLE server not found");
    }
}

// Date settings for one test, restored after it.
class SheetDateSettings {
public:
    SheetDateSettings(char dateSep, const std::string& shortDate) : FSaved(rtl::FormatSettings)
    {
        rtl::FormatSettings.DateSeparator = dateSep;
        rtl::FormatSettings.TimeSeparator = ':';
        rtl::FormatSettings.ShortDateFormat = shortDate;
        rtl::FormatSettings.LongTimeFormat = "hh:nn:ss";
    }
    ~SheetDateSettings() { rtl::FormatSettings = FSaved; }

private:
    rtl::TFormatSettings FSaved;
};

// Cell texts in the program's date and time formats are stored as dates with matching number
// formats; a spreadsheet reader sees dates, and loading gives the texts back.
TEST_F(ExtGridOfficeTest, DatesAreWrittenAsRealDatesAndReadBackAsDateTexts)
{
    struct Case {
        char Sep;
        const char* ShortDate;
        const char* Date;
        const char* DateTime;
        const char* Expected;  // what openpyxl reads
    };
    const Case cases[] = {
        {'/', "dd/mm/yyyy", "15/03/2024", "15/03/2024 06:30:00",
         "A1 datetime.datetime(2024, 3, 15, 0, 0) dd/mm/yyyy\n"
         "B1 datetime.datetime(2024, 3, 15, 6, 30) dd/mm/yyyy hh:mm:ss\n"
         "C1 datetime.time(6, 30) hh:mm:ss\n"
         "D1 '1/2' General\nE1 12.5 General\n"},
        {'.', "yyyy/mm/dd/", "2024.03.15.", "2024.03.15. 06:30:00",
         "A1 datetime.datetime(2024, 3, 15, 0, 0) yyyy\\.mm\\.dd\\.\n"
         "B1 datetime.datetime(2024, 3, 15, 6, 30) yyyy\\.mm\\.dd\\. hh:mm:ss\n"
         "C1 datetime.time(6, 30) hh:mm:ss\n"
         "D1 '1/2' General\nE1 12.5 General\n"},
    };
    for (const Case& k : cases) {
        SheetDateSettings settings(k.Sep, k.ShortDate);
        Grid->SetColCount(5);
        Grid->SetRowCount(1);
        Grid->SetFixedRows(0);
        Grid->SetFixedCols(0);
        const std::vector<std::string> texts{k.Date, k.DateTime, "06:30:00", "1/2", "12.5"};
        for (int c = 0; c < 5; ++c) Grid->SetCells(c, 0, texts[c]);
        const std::string file = Dir.File("dates.xlsx");
        std::filesystem::remove(file);
        Grid->SaveToXLS(file);
        EXPECT_EQ(Python("import openpyxl\nws = openpyxl.load_workbook('" + file + "').active\n"
                         "for c in ws[1]:\n    print(c.coordinate, repr(c.value), c.number_format)\n",
                         Dir),
                  k.Expected)
            << k.ShortDate;
        for (int c = 0; c < 5; ++c) Grid->SetCells(c, 0, "");
        Grid->LoadFromXLS(file);
        for (int c = 0; c < 5; ++c) EXPECT_EQ(Grid->Cells(c, 0), texts[c]) << k.ShortDate << " column " << c;
    }
}

// Dates written by another program, in its own formats and in an existing workbook whose own
// styles stay as they were.
TEST_F(ExtGridOfficeTest, DatesOfOtherWorkbooksLoadAsDateTextsAndKeepTheirStyles)
{
    SheetDateSettings settings('/', "dd/mm/yyyy");
    const std::string file = Dir.File("theirs.xlsx");
    Python("import openpyxl, datetime\n"
           "from openpyxl.styles import Font\n"
           "wb = openpyxl.Workbook()\nws = wb.active\nws.title = 'Old'\n"
           "ws['A1'] = datetime.date(2023, 12, 31)\nws['A1'].number_format = 'yyyy-mm-dd'\n"
           "ws['B1'] = datetime.datetime(2024, 1, 2, 13, 45, 10)\n"
           "ws['C1'] = datetime.time(8, 5)\n"
           "ws['D1'] = 45000.25\nws['D1'].number_format = '0.00'\n"
           "ws['E1'] = 'bold'\nws['E1'].font = Font(bold=True)\n"
           "wb.save('" + file + "')\n",
           Dir);
    Grid->SetFixedRows(0);
    Grid->SetFixedCols(0);
    Grid->LoadFromXLSSheet(file, "Old");
    EXPECT_EQ(Grid->Cells(0, 0), "31/12/2023");
    EXPECT_EQ(Grid->Cells(1, 0), "02/01/2024 13:45:10");
    EXPECT_EQ(Grid->Cells(2, 0), "08:05:00");
    EXPECT_EQ(Grid->Cells(3, 0), "45000.25") << "a number format without date letters";
    Grid->SaveToXLSSheet(file, "New");
    EXPECT_EQ(Python("import openpyxl\nwb = openpyxl.load_workbook('" + file + "')\n"
                     "print(wb.sheetnames, wb['Old']['E1'].font.b, wb['Old']['A1'].number_format)\n"
                     "print(repr(wb['New']['A1'].value), repr(wb['New']['B1'].value), repr(wb['New']['C1'].value))\n",
                     Dir),
              "['Old', 'New'] True yyyy-mm-dd\n"
              "datetime.datetime(2023, 12, 31, 0, 0) datetime.datetime(2024, 1, 2, 13, 45, 10) datetime.time(8, 5)\n");
}

TEST_F(ExtGridOfficeTest, OldBinaryWorkbookLoads)
{
    const std::string file = Dir.File("old.xls");
    Python("import xlwt\nwb = xlwt.Workbook()\nws = wb.add_sheet('Yields')\n"
           "ws.write(0, 0, 'Cell')\nws.write(0, 1, 'Tonnes')\nws.write(1, 0, 17)\nws.write(1, 1, 3.25)\n"
           "wb.save('" + file + "')\n",
           Dir);
    Grid->LoadFromXLSSheet(file, "Yields");
    EXPECT_EQ(Grid->ColCount(), 2);
    EXPECT_EQ(Grid->RowCount(), 2);
    EXPECT_EQ(Grid->Cells(1, 0), "Tonnes");
    EXPECT_EQ(Grid->Cells(0, 1), "17");
    EXPECT_EQ(Grid->Cells(1, 1), "3.25");

    SheetDateSettings settings('/', "dd/mm/yyyy");
    Python("import xlwt, datetime\nwb = xlwt.Workbook()\nws = wb.add_sheet('Dates')\n"
           "ws.write(0, 0, datetime.date(2024, 3, 15), xlwt.easyxf(num_format_str='YYYY-MM-DD'))\n"
           "ws.write(0, 1, datetime.datetime(2024, 3, 15, 6, 30), xlwt.easyxf(num_format_str='YYYY-MM-DD hh:mm'))\n"
           "wb.save('" + file + "')\n",
           Dir);
    Grid->LoadFromXLSSheet(file, "Dates");
    EXPECT_EQ(Grid->Cells(0, 0), "15/03/2024");
    EXPECT_EQ(Grid->Cells(1, 0), "15/03/2024 06:30:00");
}

TEST_F(ExtGridOfficeTest, DatabaseLoadsByTableAndBySqlWithFieldNamesInTheLastFixedRow)
{
    const std::string db = Dir.File("orders.db");
    Sh("sqlite3 '" + db + "' \"CREATE TABLE Orders(id INTEGER, name TEXT, amount REAL, note TEXT);"
       "INSERT INTO Orders VALUES(1, 'Szeged', 2.5, NULL);"
       "INSERT INTO Orders VALUES(2, 'Eger', 0.5, 'late');"
       "INSERT INTO Orders VALUES(3, 'Tata', 7, '');\"");
    Grid->SetColCount(2);
    Grid->SetRowCount(3);
    Grid->SetFixedRows(2);
    Grid->SetFixedCols(1);
    Grid->LoadFromMDBTable(db, "Orders");
    EXPECT_EQ(Grid->ColCount(), 5);
    EXPECT_EQ(Grid->RowCount(), 5) << "the grid grows row by row as records come";
    EXPECT_EQ(Grid->Cells(1, 1), "id");
    EXPECT_EQ(Grid->Cells(4, 1), "note");
    EXPECT_EQ(Grid->Cells(2, 2), "Szeged");
    EXPECT_EQ(Grid->Cells(3, 2), "2.5");
    EXPECT_EQ(Grid->Cells(4, 2), "");
    EXPECT_EQ(Grid->Cells(4, 3), "late");
    EXPECT_EQ(Grid->Cells(1, 4), "3");

    Grid->SetRowCount(3);
    Grid->LoadFromMDBSQL(db, "SELECT name, amount FROM Orders WHERE amount > 1 ORDER BY id DESC");
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(Grid->RowCount(), 4);
    EXPECT_EQ(Grid->Cells(2, 1), "amount");
    EXPECT_EQ(Grid->Cells(1, 2), "Tata");
    EXPECT_EQ(Grid->Cells(2, 2), "7.0");
    EXPECT_EQ(Grid->Cells(1, 3), "Szeged");

    for (auto [file, sql, named] : {std::tuple{Dir.File("none.db"), std::string("SELECT 1"), Dir.File("none.db")},
                                    std::tuple{db, std::string("SELECT * FROM Nope"), std::string("Nope")}}) {
        try {
            Grid->LoadFromMDBSQL(file, sql);
            FAIL() << "no error for " << sql;
        } catch (const rtl::Exception& e) {
            EXPECT_NE(std::string(e.what()).find(named), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(Grid->Cells(1, 2), "Tata");
}

TEST_F(ExtGridOfficeTest, DocumentTableReadsBackWithPythonDocxWithTextsAndAlignment)
{
    FillSmall();
    Grid->SetAutoNumAlign(true);  // numbers align right
    Grid->OnGetAlignment = [](rtl::TObject*, int row, int col, ui::TAlignment& h, grid::TVAlignment&) {
        if (row == 0 && col == 1) h = ui::taCenter;
    };
    const std::string file = Dir.File("table.docx");
    Grid->SaveToDOC(file, true);
    EXPECT_EQ(Python("import docx\nd = docx.Document('" + file + "')\nt = d.tables[0]\n"
                     "for r in t.rows:\n"
                     "    print('|'.join(c.text + ':' + str(c.paragraphs[0].alignment) for c in r.cells))\n",
                     Dir),
              "Cell:None|Town:CENTER (1)|Yield:None\n"
              "1:RIGHT (2)|Győr ő°:None|12.5:RIGHT (2)\n"
              "2:RIGHT (2)|a & <b>:None|-3:RIGHT (2)\n");
}

TEST_F(ExtGridOfficeTest, AppendedTableStandsAtTheBookmarkOrAtTheEnd)
{
    const std::string file = Dir.File("report.docx");
    Python("import docx\nfrom docx.oxml.ns import qn\nfrom docx.oxml import OxmlElement\n"
           "d = docx.Document()\nd.add_paragraph('Intro')\np = d.add_paragraph('Results here')\n"
           "d.add_paragraph('Closing')\n"
           "b = OxmlElement('w:bookmarkStart'); b.set(qn('w:id'), '0'); b.set(qn('w:name'), 'Results')\n"
           "e = OxmlElement('w:bookmarkEnd'); e.set(qn('w:id'), '0')\n"
           "p._p.append(b); p._p.append(e)\nd.save('" + file + "')\n",
           Dir);
    FillSmall();
    Grid->AppendToDoc(file, "Results");
    Grid->SetCells(0, 0, "Second");
    Grid->AppendToDoc(file, "NoSuchMark");
    const std::string script =
        "import docx, docx.table\nd = docx.Document('" + file + "')\n"
        "for el in d.element.body.iterchildren():\n"
        "    tag = el.tag.split('}')[1]\n"
        "    if tag == 'p':\n"
        "        t = ''.join(x.text or '' for x in el.iter() if x.tag.endswith('}t'))\n"
        "        if t: print('p', t)\n"
        "    elif tag == 'tbl':\n"
        "        print('tbl', docx.table.Table(el, d).cell(0, 0).text, docx.table.Table(el, d).cell(1, 1).text)\n";
    EXPECT_EQ(Python(script, Dir),
              "p Intro\np Results here\ntbl Cell Győr ő°\np Closing\ntbl Second Győr ő°\n");
}

}  // namespace

// A part whose header declares gigabytes is refused with the part's name, without asking for
// that much memory; a part shorter or longer than it declares is refused too.
TEST_F(ExtGridOfficeTest, PartsWhoseHeadersLieAboutTheirSizeAreRefused)
{
    FillSmall();
    for (const auto& [size, expected] : {std::pair{"0xF0000000", "is too large"}, {"5", "Cannot read"}}) {
        const std::string file = Dir.File(std::string("forged-") + size + ".xlsx");
        const std::string out = Python(std::string("import zipfile, struct\n"
                                                   "path = r'") + file + "'\n"
                                                   "with zipfile.ZipFile(path, 'w', zipfile.ZIP_STORED) as z:\n"
                                                   "    z.writestr('xl/workbook.xml', '<workbook>' + 'x' * 100 + '</workbook>')\n"
                                                   "data = bytearray(open(path, 'rb').read())\n"
                                                   "central = data.rfind(b'PK\\x01\\x02')\n"
                                                   "struct.pack_into('<I', data, central + 24, " + size + ")\n"
                                                   "local = data.find(b'PK\\x03\\x04')\n"
                                                   "struct.pack_into('<I', data, local + 22, " + size + ")\n"
                                                   "open(path, 'wb').write(data)\n",
                                       Dir);
        ASSERT_EQ(out, "") << out;
        try {
            Grid->LoadFromXLS(file);
            FAIL() << "no error for " << size;
        } catch (const rtl::Exception& e) {
            EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("xl/workbook.xml"), std::string::npos) << e.what();
        }
        EXPECT_EQ(Grid->Cells(1, 1), "Győr ő°");
    }
}
