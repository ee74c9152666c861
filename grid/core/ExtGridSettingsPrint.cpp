// Print-settings persistence: the print settings as keys of one section of an INI file.
#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsRecords.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StringList.h"

namespace grid {

namespace {

struct TPrintIni {
    rtl::TMemIniFile& Ini;
    const std::string& Section;

    void Int(const std::string& key, int v) { Ini.WriteInteger(Section, key, v); }
    void YN(const std::string& key, bool v) { Ini.WriteString(Section, key, v ? "Y" : "N"); }
    void Text(const std::string& key, const std::string& v) { Ini.WriteString(Section, key, v); }
    int ReadInt(const std::string& key, int def) { return Ini.ReadInteger(Section, key, def); }
    // True only for exactly "Y".
    bool ReadYN(const std::string& key, const char* def) { return Ini.ReadString(Section, key, def) == "Y"; }
    std::string ReadText(const std::string& key) { return Ini.ReadString(Section, key, ""); }

    void WriteFont(const std::string& prefix, const gfx::TFont& font)
    {
        Text(prefix + "Name", font.Name());
        Int(prefix + "Size", font.Size());
        Int(prefix + "Style", font.Style().Bits());
        Int(prefix + "Color", static_cast<int>(font.Color()));
    }

    // The stored style replaces the font's style: adding the stored bits to the current
    // ones could never take a style away, so a font saved plain would stay bold.
    void ReadFont(const std::string& prefix, gfx::TFont& font)
    {
        font.SetName(Ini.ReadString(Section, prefix + "Name", "Arial"));
        font.SetSize(ReadInt(prefix + "Size", 10));
        font.SetStyle(gfx::TFontStyles::FromBits(static_cast<std::uint8_t>(ReadInt(prefix + "Style", 0) & 0x0F)));
        font.SetColor(static_cast<gfx::TColor>(ReadInt(prefix + "Color", 0)));
    }
};

// The title lines as one text: each line break written as the two characters "\n".
std::string JoinTitleLines(const rtl::TStringList& lines)
{
    std::string out;
    for (int i = 0; i < lines.Count(); ++i) {
        if (i > 0) out += "\\n";
        for (char ch : lines.Strings(i))
            if (ch != '\n' && ch != '\r') out += ch;
    }
    return out;
}

void SplitTitleLines(const std::string& text, rtl::TStringList& lines)
{
    lines.Clear();
    if (text.empty()) return;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = text.find("\\n", start);
        lines.Add(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return;
        start = at + 2;
    }
}

TPrintPosition ReadPosition(TPrintIni& ini, const std::string& key)
{
    int v = ini.ReadInt(key, 0);
    return v >= 1 && v <= 6 ? static_cast<TPrintPosition>(v) : ppNone;
}

}  // namespace

void TExtStringGrid::SavePrintSettings(const std::string& Key, const std::string& Section)
{
    rtl::TMemIniFile file(Key);
    TPrintIni ini{file, Section};
    const TPrintSettings& ps = PrintSettings();
    ini.Int("ColumnSpacing", ps.ColumnSpacing());
    ini.Int("RowSpacing", ps.RowSpacing());
    ini.Int("TitleSpacing", ps.TitleSpacing());
    ini.Int("FixedHeight", ps.FixedHeight());
    ini.Int("FixedWidth", ps.FixedWidth());
    ini.YN("Centered", ps.Centered());
    ini.YN("NoAutoSize", ps.NoAutoSize());
    ini.YN("NoAutoSizeRow", ps.NoAutoSizeRow());
    ini.YN("UseFixedHeight", ps.UseFixedHeight());
    ini.YN("UseFixedWidth", ps.UseFixedWidth());
    ini.YN("RepeatFixedRows", ps.RepeatFixedRows());
    ini.YN("RepeatFixedCols", ps.RepeatFixedCols());
    ini.YN("UseDisplFont", ps.UseDisplayFont());
    ini.YN("UseDefOrientation", ps.UseDefaultOrientation());
    ini.Int("Borders", ps.Borders());
    ini.Int("BorderColor", static_cast<int>(ps.BorderColor()));
    ini.Int("BorderStyle", ps.BorderStyle());
    ini.Int("Date", ps.Date());
    ini.Int("PageNr", ps.PageNr());
    ini.Int("Title", ps.Title());
    ini.Int("Time", ps.Time());
    ini.Text("DateFormat", ps.DateFormat());
    ini.Text("TitleText", ps.TitleText());
    ini.Int("FooterSize", ps.FooterSize());
    ini.Int("HeaderSize", ps.HeaderSize());
    ini.Int("LeftSize", ps.LeftSize());
    ini.Int("RightSize", ps.RightSize());
    ini.Int("FitToPage", ps.FitToPage());
    ini.WriteFont("Font", *ps.Font());
    ini.WriteFont("FixedFont", *ps.FixedFont());
    ini.WriteFont("HeaderFont", *ps.HeaderFont());
    ini.WriteFont("FooterFont", *ps.FooterFont());
    ini.Text("PageNumSep", ps.PageNumSep());
    ini.Text("PageSuffix", ps.PageSuffix());
    ini.Text("PagePrefix", ps.PagePrefix());
    ini.Int("Orientation", ps.Orientation());
    ini.Text("TitleLines", JoinTitleLines(*ps.TitleLines()));
    ini.YN("PrintGraphics", ps.PrintGraphics());
    file.UpdateFile();
}

void TExtStringGrid::LoadPrintSettings(const std::string& Key, const std::string& Section)
{
    rtl::TMemIniFile file(Key);
    TPrintIni ini{file, Section};
    TPrintSettings& ps = PrintSettings();
    ps.SetColumnSpacing(ini.ReadInt("ColumnSpacing", 20));
    ps.SetRowSpacing(ini.ReadInt("RowSpacing", 20));
    ps.SetTitleSpacing(ini.ReadInt("TitleSpacing", 20));
    ps.SetFixedHeight(ini.ReadInt("FixedHeight", 0));
    ps.SetFixedWidth(ini.ReadInt("FixedWidth", 0));
    ps.SetCentered(ini.ReadYN("Centered", "Y"));
    ps.SetNoAutoSize(ini.ReadYN("NoAutoSize", "N"));
    ps.SetNoAutoSizeRow(ini.ReadYN("NoAutoSizeRow", "N"));
    ps.SetUseFixedHeight(ini.ReadYN("UseFixedHeight", "N"));
    ps.SetUseFixedWidth(ini.ReadYN("UseFixedWidth", "N"));
    ps.SetRepeatFixedRows(ini.ReadYN("RepeatFixedRows", "N"));
    ps.SetRepeatFixedCols(ini.ReadYN("RepeatFixedCols", "N"));
    ps.SetUseDisplayFont(ini.ReadYN("UseDisplFont", "N"));
    ps.SetUseDefaultOrientation(ini.ReadYN("UseDefOrientation", "N"));
    int borders = ini.ReadInt("Borders", 0);
    if (borders >= 0 && borders <= 8) ps.SetBorders(static_cast<TPrintBorders>(borders));
    ps.SetBorderColor(static_cast<gfx::TColor>(ini.ReadInt("BorderColor", 0)));
    int style = ini.ReadInt("BorderStyle", 0);
    if (style >= 0 && style <= 6) ps.SetBorderStyle(static_cast<gfx::TPenStyle>(style));
    ps.SetDate(ReadPosition(ini, "Date"));
    ps.SetPageNr(ReadPosition(ini, "PageNr"));
    ps.SetTitle(ReadPosition(ini, "Title"));
    ps.SetTime(ReadPosition(ini, "Time"));
    ps.SetDateFormat(ini.ReadText("DateFormat"));
    ps.SetTitleText(ini.ReadText("TitleText"));
    ps.SetFooterSize(ini.ReadInt("FooterSize", 100));
    ps.SetHeaderSize(ini.ReadInt("HeaderSize", 100));
    ps.SetLeftSize(ini.ReadInt("LeftSize", 100));
    ps.SetRightSize(ini.ReadInt("RightSize", 100));
    int fit = ini.ReadInt("FitToPage", 0);
    if (fit >= 0 && fit <= 4) ps.SetFitToPage(static_cast<TFitToPage>(fit));
    ini.ReadFont("Font", *ps.Font());
    ini.ReadFont("FixedFont", *ps.FixedFont());
    ini.ReadFont("HeaderFont", *ps.HeaderFont());
    ini.ReadFont("FooterFont", *ps.FooterFont());
    ps.SetPageNumSep(ini.ReadText("PageNumSep"));
    ps.SetPageSuffix(ini.ReadText("PageSuffix"));
    ps.SetPagePrefix(ini.ReadText("PagePrefix"));
    int orientation = ini.ReadInt("Orientation", 0);
    if (orientation == 0 || orientation == 1) ps.SetOrientation(static_cast<TPrinterOrientation>(orientation));
    SplitTitleLines(ini.ReadText("TitleLines"), *ps.TitleLines());
    ps.SetPrintGraphics(ini.ReadYN("PrintGraphics", "N"));
    file.UpdateFile();
}

}  // namespace grid
