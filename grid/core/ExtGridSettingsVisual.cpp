// Visual-properties persistence: colours, fonts and look settings of the string grid as Name=Value lines of a text file.
#include <functional>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsOwned.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/TextFile.h"

namespace grid {

namespace {

using TGrid = TExtStringGrid;

std::string ColorText(gfx::TColor c) { return gfx::ColorToString(c); }
// A missing (empty) colour is none.
gfx::TColor ColorValue(const std::string& s) { return s.empty() ? gfx::clNone : gfx::StringToColor(s); }
std::string BoolText(bool b) { return b ? "true" : "false"; }
bool BoolValue(const std::string& s) { return rtl::UpperCase(s) == "TRUE"; }
std::string IntText(int i) { return std::to_string(i); }

constexpr const char* StyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr gfx::TFontStyle Styles[] = {gfx::fsBold, gfx::fsItalic, gfx::fsUnderline, gfx::fsStrikeOut};

std::string FontStyleText(gfx::TFontStyles style)
{
    std::string out;
    for (int i = 0; i < 4; ++i) {
        if (!style.Contains(Styles[i])) continue;
        if (!out.empty()) out += ",";
        out += StyleNames[i];
    }
    return out;
}

// Each name found anywhere in the text (with exactly that case) sets its style.
gfx::TFontStyles FontStyleValue(const std::string& s)
{
    gfx::TFontStyles style;
    for (int i = 0; i < 4; ++i)
        if (s.find(StyleNames[i]) != std::string::npos) style.Include(Styles[i]);
    return style;
}

constexpr const char* ControlStyleNames[] = {"csClassic", "csFlat", "csWinXP", "csBorland", "csJyx", "csGlyph", "csTheme"};
constexpr const char* LookNames[] = {"glStandard", "glSoft", "glClassic", "glJyx", "glXP",
                                     "glListView", "glVista", "glWin7", "glOffice2007"};
constexpr const char* DisplayNames[] = {"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"};
constexpr const char* CellsNames[] = {"bcNormal", "bcFixed", "bcAll"};

template <std::size_t N>
bool FindName(const char* const (&names)[N], const std::string& s, int& ordinal)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (!rtl::SameText(names[i], s)) continue;
        ordinal = static_cast<int>(i);
        return true;
    }
    return false;
}

// One key of the file: how it is written and how it is applied.
struct TVisualKey {
    std::string Name;
    std::function<std::string(TGrid&)> Save;
    std::function<void(TGrid&, const std::string&)> Load;
};

TVisualKey Color(std::string name, std::function<gfx::TColor(TGrid&)> get, std::function<void(TGrid&, gfx::TColor)> set)
{
    return {std::move(name), [get](TGrid& g) { return ColorText(get(g)); },
            [set](TGrid& g, const std::string& v) { set(g, ColorValue(v)); }};
}

TVisualKey Bool(std::string name, std::function<bool(TGrid&)> get, std::function<void(TGrid&, bool)> set)
{
    return {std::move(name), [get](TGrid& g) { return BoolText(get(g)); },
            [set](TGrid& g, const std::string& v) { set(g, BoolValue(v)); }};
}

TVisualKey Int(std::string name, std::function<int(TGrid&)> get, std::function<void(TGrid&, int)> set)
{
    return {std::move(name), [get](TGrid& g) { return IntText(get(g)); },
            [set](TGrid& g, const std::string& v) { set(g, rtl::StrToInt(v)); }};
}

template <std::size_t N, typename E>
TVisualKey Named(std::string name, const char* const (&names)[N], std::function<E(TGrid&)> get,
                 std::function<void(TGrid&, E)> set)
{
    return {std::move(name),
            [&names, get](TGrid& g) {
                auto i = static_cast<std::size_t>(get(g));
                return i < N ? std::string(names[i]) : std::string();
            },
            [&names, set](TGrid& g, const std::string& v) {
                int ordinal = 0;
                if (FindName(names, v, ordinal)) set(g, static_cast<E>(ordinal));
            }};
}

void AddFont(std::vector<TVisualKey>& keys, const std::string& prefix, std::function<gfx::TFont&(TGrid&)> font)
{
    keys.push_back(Color(prefix + ".Color", [font](TGrid& g) { return font(g).Color(); },
                         [font](TGrid& g, gfx::TColor v) { font(g).SetColor(v); }));
    keys.push_back({prefix + ".Style", [font](TGrid& g) { return FontStyleText(font(g).Style()); },
                    [font](TGrid& g, const std::string& v) { font(g).SetStyle(FontStyleValue(v)); }});
    keys.push_back(Int(prefix + ".Size", [font](TGrid& g) { return font(g).Size(); },
                       [font](TGrid& g, int v) { font(g).SetSize(v); }));
    keys.push_back({prefix + ".Name", [font](TGrid& g) { return font(g).Name(); },
                    [font](TGrid& g, const std::string& v) { font(g).SetName(v); }});
}

std::vector<TVisualKey> SelectionKeys()
{
    return {Color("SelectionColor", [](TGrid& g) { return g.SelectionColor(); }, [](TGrid& g, gfx::TColor v) { g.SetSelectionColor(v); }),
            Color("SelectionColorTo", [](TGrid& g) { return g.SelectionColorTo(); }, [](TGrid& g, gfx::TColor v) { g.SetSelectionColorTo(v); }),
            Color("SelectionMirrorColor", [](TGrid& g) { return g.SelectionMirrorColor(); },
                  [](TGrid& g, gfx::TColor v) { g.SetSelectionMirrorColor(v); }),
            Color("SelectionMirrorColorTo", [](TGrid& g) { return g.SelectionMirrorColorTo(); },
                  [](TGrid& g, gfx::TColor v) { g.SetSelectionMirrorColorTo(v); }),
            Color("SelectionTextColor", [](TGrid& g) { return g.SelectionTextColor(); },
                  [](TGrid& g, gfx::TColor v) { g.SetSelectionTextColor(v); })};
}

// The keys applied in order when loading, from "Color" to "BackGround.ColorTo".
std::vector<TVisualKey> MainKeys()
{
    std::vector<TVisualKey> k;
    k.push_back(Color("Color", [](TGrid& g) { return g.Color(); }, [](TGrid& g, gfx::TColor v) { g.SetColor(v); }));
    k.push_back(Color("HintColor", [](TGrid& g) { return g.HintColor(); }, [](TGrid& g, gfx::TColor v) { g.SetHintColor(v); }));
    for (auto& s : SelectionKeys()) k.push_back(std::move(s));
    k.push_back(Color("URLColor", [](TGrid& g) { return g.URLColor(); }, [](TGrid& g, gfx::TColor v) { g.SetURLColor(v); }));
    k.push_back(Bool("URLShow", [](TGrid& g) { return g.URLShow(); }, [](TGrid& g, bool v) { g.SetURLShow(v); }));
    k.push_back(Bool("URLShowInText", [](TGrid& g) { return g.URLShowInText(); }, [](TGrid& g, bool v) { g.SetURLShowInText(v); }));
    k.push_back(Color("ScrollColor", [](TGrid& g) { return g.ScrollColor(); }, [](TGrid& g, gfx::TColor v) { g.SetScrollColor(v); }));
    k.push_back(Color("ActiveRowColor", [](TGrid& g) { return g.ActiveRowColor(); }, [](TGrid& g, gfx::TColor v) { g.SetActiveRowColor(v); }));
    k.push_back(Bool("ActiveRowShow", [](TGrid& g) { return g.ActiveRowShow(); }, [](TGrid& g, bool v) { g.SetActiveRowShow(v); }));
    k.push_back(Bool("ActiveCellShow", [](TGrid& g) { return g.ActiveCellShow(); }, [](TGrid& g, bool v) { g.SetActiveCellShow(v); }));
    AddFont(k, "Font", [](TGrid& g) -> gfx::TFont& { return g.Font(); });
    k.push_back(Color("ActiveCellColor", [](TGrid& g) { return g.ActiveCellColor(); }, [](TGrid& g, gfx::TColor v) { g.SetActiveCellColor(v); }));
    k.push_back(Color("ActiveCellColorTo", [](TGrid& g) { return g.ActiveCellColorTo(); },
                      [](TGrid& g, gfx::TColor v) { g.SetActiveCellColorTo(v); }));
    AddFont(k, "ActiveCellFont", [](TGrid& g) -> gfx::TFont& { return g.ActiveCellFont(); });
    AddFont(k, "FixedFont", [](TGrid& g) -> gfx::TFont& { return g.FixedFont(); });
    k.push_back(Color("Balloon.BackgroundColor", [](TGrid& g) { return g.Balloon().BackgroundColor(); },
                      [](TGrid& g, gfx::TColor v) { g.Balloon().SetBackgroundColor(v); }));
    k.push_back(Color("Balloon.TextColor", [](TGrid& g) { return g.Balloon().TextColor(); },
                      [](TGrid& g, gfx::TColor v) { g.Balloon().SetTextColor(v); }));
    k.push_back(Int("Balloon.Transparency", [](TGrid& g) { return int(g.Balloon().Transparency()); },
                    [](TGrid& g, int v) { g.Balloon().SetTransparency(static_cast<std::uint8_t>(v)); }));
    k.push_back(Color("Bands.PrimaryColor", [](TGrid& g) { return g.Bands().PrimaryColor(); },
                      [](TGrid& g, gfx::TColor v) { g.Bands().SetPrimaryColor(v); }));
    k.push_back(Color("Bands.SecondaryColor", [](TGrid& g) { return g.Bands().SecondaryColor(); },
                      [](TGrid& g, gfx::TColor v) { g.Bands().SetSecondaryColor(v); }));
    k.push_back(Bool("Bands.Active", [](TGrid& g) { return g.Bands().Active(); }, [](TGrid& g, bool v) { g.Bands().SetActive(v); }));
    k.push_back(Color("SortSettings.IndexColor", [](TGrid& g) { return g.SortSettings().IndexColor(); },
                      [](TGrid& g, gfx::TColor v) { g.SortSettings().SetIndexColor(v); }));
    k.push_back(Color("FloatingFooter.Color", [](TGrid& g) { return g.FloatingFooter().Color(); },
                      [](TGrid& g, gfx::TColor v) { g.FloatingFooter().SetColor(v); }));
    k.push_back(Int("ControlLook.CheckSize", [](TGrid& g) { return g.ControlLook().CheckSize(); },
                    [](TGrid& g, int v) { g.ControlLook().SetCheckSize(v); }));
    k.push_back(Color("ControlLook.Color", [](TGrid& g) { return g.ControlLook().Color(); },
                      [](TGrid& g, gfx::TColor v) { g.ControlLook().SetColor(v); }));
    k.push_back(Color("ControlLook.CommentColor", [](TGrid& g) { return g.ControlLook().CommentColor(); },
                      [](TGrid& g, gfx::TColor v) { g.ControlLook().SetCommentColor(v); }));
    k.push_back(Named<7, TControlStyle>("ControlLook.ControlStyle", ControlStyleNames,
                                        [](TGrid& g) { return g.ControlLook().ControlStyle(); },
                                        [](TGrid& g, TControlStyle v) { g.ControlLook().SetControlStyle(v); }));
    k.push_back(Color("ControlLook.FixedGradientFrom", [](TGrid& g) { return g.ControlLook().FixedGradientFrom(); },
                      [](TGrid& g, gfx::TColor v) { g.ControlLook().SetFixedGradientFrom(v); }));
    k.push_back(Color("ControlLook.FixedGradientTo", [](TGrid& g) { return g.ControlLook().FixedGradientTo(); },
                      [](TGrid& g, gfx::TColor v) { g.ControlLook().SetFixedGradientTo(v); }));
    k.push_back(Int("ControlLook.RadioSize", [](TGrid& g) { return g.ControlLook().RadioSize(); },
                    [](TGrid& g, int v) { g.ControlLook().SetRadioSize(v); }));
    k.push_back(Bool("ControlLook.FlatButton", [](TGrid& g) { return g.ControlLook().FlatButton(); },
                     [](TGrid& g, bool v) { g.ControlLook().SetFlatButton(v); }));
    k.push_back(Color("ControlLook.ProgressBorderColor", [](TGrid& g) { return g.ControlLook().ProgressBorderColor(); },
                      [](TGrid& g, gfx::TColor v) { g.ControlLook().SetProgressBorderColor(v); }));
    k.push_back(Bool("ControlLook.ProgressXP", [](TGrid& g) { return g.ControlLook().ProgressXP(); },
                     [](TGrid& g, bool v) { g.ControlLook().SetProgressXP(v); }));
    // glCustom has no name: it is written empty, and an empty value changes nothing.
    k.push_back(Named<9, TGridLook>("Look", LookNames, [](TGrid& g) { return g.Look(); },
                                    [](TGrid& g, TGridLook v) { g.SetLook(v); }));
    k.push_back(Color("SearchFooter.Color", [](TGrid& g) { return g.SearchFooter().Color(); },
                      [](TGrid& g, gfx::TColor v) { g.SearchFooter().SetColor(v); }));
    k.push_back(Color("SearchFooter.ColorTo", [](TGrid& g) { return g.SearchFooter().ColorTo(); },
                      [](TGrid& g, gfx::TColor v) { g.SearchFooter().SetColorTo(v); }));
    auto grp = [](TGrid& g) -> TGrouping& { return g.Grouping(); };
    k.push_back(Color("Grouping.HeaderColor", [grp](TGrid& g) { return grp(g).HeaderColor(); },
                      [grp](TGrid& g, gfx::TColor v) { grp(g).SetHeaderColor(v); }));
    k.push_back(Color("Grouping.HeaderColorTo", [grp](TGrid& g) { return grp(g).HeaderColorTo(); },
                      [grp](TGrid& g, gfx::TColor v) { grp(g).SetHeaderColorTo(v); }));
    k.push_back(Color("Grouping.HeaderTextColor", [grp](TGrid& g) { return grp(g).HeaderTextColor(); },
                      [grp](TGrid& g, gfx::TColor v) { grp(g).SetHeaderTextColor(v); }));
    k.push_back(Bool("Grouping.HeaderUnderline", [grp](TGrid& g) { return grp(g).HeaderUnderline(); },
                     [grp](TGrid& g, bool v) { grp(g).SetHeaderUnderline(v); }));
    k.push_back(Color("Grouping.HeaderLineColor", [grp](TGrid& g) { return grp(g).HeaderLineColor(); },
                      [grp](TGrid& g, gfx::TColor v) { grp(g).SetHeaderLineColor(v); }));
    k.push_back(Int("Grouping.HeaderLineWidth", [grp](TGrid& g) { return grp(g).HeaderLineWidth(); },
                    [grp](TGrid& g, int v) { grp(g).SetHeaderLineWidth(v); }));
    k.push_back(Color("Grouping.SummaryColor", [grp](TGrid& g) { return grp(g).SummaryColor(); },
                      [grp](TGrid& g, gfx::TColor v) { grp(g).SetSummaryColor(v); }));
    k.push_back(Color("Grouping.SummaryColorTo", [grp](TGrid& g) { return grp(g).SummaryColorTo(); },
                      [grp](TGrid& g, gfx::TColor v) { grp(g).SetSummaryColorTo(v); }));
    k.push_back(Color("Grouping.SummaryTextColor", [grp](TGrid& g) { return grp(g).SummaryTextColor(); },
                      [grp](TGrid& g, gfx::TColor v) { grp(g).SetSummaryTextColor(v); }));
    k.push_back(Bool("Grouping.SummaryLine", [grp](TGrid& g) { return grp(g).SummaryLine(); },
                     [grp](TGrid& g, bool v) { grp(g).SetSummaryLine(v); }));
    k.push_back(Color("Grouping.SummaryLineColor", [grp](TGrid& g) { return grp(g).SummaryLineColor(); },
                      [grp](TGrid& g, gfx::TColor v) { grp(g).SetSummaryLineColor(v); }));
    k.push_back(Int("Grouping.SummaryLineWidth", [grp](TGrid& g) { return grp(g).SummaryLineWidth(); },
                    [grp](TGrid& g, int v) { grp(g).SetSummaryLineWidth(v); }));
    k.push_back(Color("GridLineColor", [](TGrid& g) { return g.GridLineColor(); }, [](TGrid& g, gfx::TColor v) { g.SetGridLineColor(v); }));
    k.push_back(Color("GridFixedLineColor", [](TGrid& g) { return g.GridFixedLineColor(); },
                      [](TGrid& g, gfx::TColor v) { g.SetGridFixedLineColor(v); }));
    auto bg = [](TGrid& g) -> TBackGround& { return g.BackGround(); };
    k.push_back(Int("BackGround.Top", [bg](TGrid& g) { return bg(g).Top(); }, [bg](TGrid& g, int v) { bg(g).SetTop(v); }));
    k.push_back(Int("BackGround.Left", [bg](TGrid& g) { return bg(g).Left(); }, [bg](TGrid& g, int v) { bg(g).SetLeft(v); }));
    k.push_back(Named<4, TBackGroundDisplay>("BackGround.Display", DisplayNames, [bg](TGrid& g) { return bg(g).Display(); },
                                             [bg](TGrid& g, TBackGroundDisplay v) { bg(g).SetDisplay(v); }));
    k.push_back(Named<3, TBackGroundCells>("BackGround.Cells", CellsNames, [bg](TGrid& g) { return bg(g).Cells(); },
                                           [bg](TGrid& g, TBackGroundCells v) { bg(g).SetCells(v); }));
    k.push_back(Color("BackGround.Color", [bg](TGrid& g) { return bg(g).Color(); }, [bg](TGrid& g, gfx::TColor v) { bg(g).SetColor(v); }));
    k.push_back(Color("BackGround.ColorTo", [bg](TGrid& g) { return bg(g).ColorTo(); },
                      [bg](TGrid& g, gfx::TColor v) { bg(g).SetColorTo(v); }));
    return k;
}

// The Jyx gradient colours; when loaded they become the control look's fixed gradient.
std::vector<TVisualKey> JyxKeys()
{
    TControlLook& (TGrid::*look)() const = &TGrid::ControlLook;
    return {Color("JyxGradFrom", [](TGrid& g) { return g.JyxGradientFrom(); },
                  [look](TGrid& g, gfx::TColor v) { (g.*look)().SetFixedGradientFrom(v); g.SetJyxGradientFrom(v); }),
            Color("JyxGradTo", [](TGrid& g) { return g.JyxGradientTo(); },
                  [look](TGrid& g, gfx::TColor v) { (g.*look)().SetFixedGradientTo(v); g.SetJyxGradientTo(v); }),
            Color("JyxGradMirrorFrom", [](TGrid& g) { return g.JyxGradientMirrorFrom(); },
                  [look](TGrid& g, gfx::TColor v) { (g.*look)().SetFixedGradientMirrorFrom(v); }),
            Color("JyxGradMirrorTo", [](TGrid& g) { return g.JyxGradientMirrorTo(); },
                  [look](TGrid& g, gfx::TColor v) { (g.*look)().SetFixedGradientMirrorTo(v); }),
            // A number outside the selection styles leaves the style as it is.
            Int("SelectionStyle", [](TGrid& g) { return static_cast<int>(g.SelectionStyle()); },
                [](TGrid& g, int v) {
                    if (v >= ssDefault && v <= ssOffice2007) g.SetSelectionStyle(static_cast<TGridSelectionStyle>(v));
                })};
}

// Applies one key; a conversion error names the file, the line and the value.
void ApplyKey(TGrid& grid, const TVisualKey& key, const rtl::TStringList& lines, const std::string& fileName)
{
    try {
        key.Load(grid, lines.Values(key.Name));
    } catch (const rtl::EConvertError& e) {
        int index = lines.IndexOfName(key.Name);
        std::string where = index < 0 ? "missing" : "line " + std::to_string(index + 1);
        throw rtl::EConvertError(e.Message() + " in " + fileName + ", " + where + " (" + key.Name + ")");
    }
}

}  // namespace

void TExtStringGrid::SaveVisualProps(const std::string& FileName)
{
    rtl::TTextFile file;
    try {
        file.Assign(FileName);
        file.Rewrite();
    } catch (const rtl::Exception&) {
        throw rtl::Exception("Cannot Create " + rtl::DisplayPath(FileName));
    }
    for (const TVisualKey& key : MainKeys()) file.WriteLn(key.Name + "=" + key.Save(*this));
    for (const TVisualKey& key : JyxKeys()) file.WriteLn(key.Name + "=" + key.Save(*this));
    file.Close();
}

void TExtStringGrid::LoadVisualProps(const std::string& FileName)
{
    rtl::TStringList lines;
    rtl::TTextFile file;
    try {
        file.Assign(FileName);
        file.Reset();
    } catch (const rtl::Exception&) {
        throw rtl::Exception("Cannot open file " + FileName);
    }
    std::string line;
    while (!file.Eof()) {
        file.ReadLn(line);
        lines.Add(line);
    }
    file.Close();

    for (const TVisualKey& key : MainKeys()) ApplyKey(*this, key, lines, FileName);
    if (lines.IndexOfName("JyxGradFrom") >= 0)
        for (const TVisualKey& key : JyxKeys()) ApplyKey(*this, key, lines, FileName);
    // Setting the look replaced the selection colours; the stored ones win.
    for (const TVisualKey& key : SelectionKeys()) ApplyKey(*this, key, lines, FileName);
    FLook = glCustom;
}

}  // namespace grid
