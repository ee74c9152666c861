// String grid find, replace and key search, and the search footer: panel layout and the handlers of its controls.
#include <algorithm>
#include <cstdio>

#include "grid/core/ExtGrid.h"
#include "grid/core/FilterLists.h"
#include "grid/core/GridButton.h"
#include "grid/core/GridCheckBox.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/core/SearchPanel.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "grid/foundation/ExtUtilFilter.h"
#include "grid/foundation/ExtUtilTextForms.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace grid {

namespace {

constexpr int SearchPanelHeight = 32;

// Every occurrence of `from` in `text` replaced by `to`, found without regard to case.
std::string ReplaceIgnoringCase(const std::string& text, const std::string& from, const std::string& to)
{
    if (from.empty()) return text;
    const std::string upperText = rtl::AnsiUpperCase(text);
    const std::string upperFrom = rtl::AnsiUpperCase(from);
    // Upper-casing that changes the byte length cannot be mapped back: replace as written.
    const bool mapped = upperText.size() == text.size() && upperFrom.size() == from.size();
    const std::string& hay = mapped ? upperText : text;
    const std::string& needle = mapped ? upperFrom : from;
    std::string result;
    std::size_t pos = 0;
    for (std::size_t hit = hay.find(needle); hit != std::string::npos; hit = hay.find(needle, pos)) {
        result.append(text, pos, hit - pos);
        result += to;
        pos = hit + needle.size();
    }
    result.append(text, pos, std::string::npos);
    return result;
}

std::string FormatResult(const std::string& format, int pos, int total)
{
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format.c_str(), pos, total);
    return buffer;
}

}  // namespace

// --- owned objects

TSearchPanel* TExtStringGrid::SearchPanel() const { return FSearchParts ? FSearchParts->SearchPanel.get() : nullptr; }
TDropList* TExtStringGrid::DropList() const { return FSearchParts->DropList.get(); }
TDropCheckList* TExtStringGrid::DropCheckList() const { return FSearchParts->DropCheckList.get(); }
gfx::TImageList& TExtStringGrid::FilterIcons() const { return *FSearchParts->FltrList; }
ui::TPopupMenu& TExtStringGrid::FilterPopup() const { return *FSearchParts->FltrPopup; }

rtl::TPoint TExtStringGrid::SearchCell() const { return FSearchParts->State.SearchCell; }
void TExtStringGrid::SetSearchCell(rtl::TPoint Value) { FSearchParts->State.SearchCell = Value; }
int TExtStringGrid::FindCol() const { return FSearchParts->State.FindCol; }
void TExtStringGrid::SetFindCol(int Value) { FSearchParts->State.FindCol = Value; }
int TExtStringGrid::FindRow() const { return FSearchParts->State.FindRow; }
void TExtStringGrid::SetFindRow(int Value) { FSearchParts->State.FindRow = Value; }
bool TExtStringGrid::FindBusy() const { return FSearchParts->State.FindBusy; }

// --- search panel layout

void TExtStringGrid::BuildSearchPanel()
{
    TSearchPanel* panel = SearchPanel();
    if (HasState(rtl::csLoading) || panel == nullptr) return;
    TSearchFooter& footer = *FSearchFooter;
    const bool wasVisible = panel->Visible();
    panel->SetVisible(footer.Visible());
    if (!panel->HandleAllocated()) return;
    // Highlighted hits disappear with the footer; AlwaysHighLight keeps them painted.
    if ((panel->HiliteButton()->Down() && wasVisible && !footer.Visible()) || footer.AlwaysHighLight())
        Invalidate();

    panel->SetColor(footer.Color());
    panel->SetColorTo(footer.ColorTo());
    panel->FindNextCaption = footer.FindNextCaption();
    panel->FindPrevCaption = footer.FindPrevCaption();
    panel->MatchCaseCaption = footer.MatchCaseCaption();
    panel->HighLightCaption = footer.HighLightCaption();
    panel->ForwardButton()->SetCaption(footer.FindNextCaption());
    panel->BackwardButton()->SetCaption(footer.FindPrevCaption());
    panel->HiliteButton()->SetCaption(footer.HighLightCaption());
    panel->MatchCase()->SetCaption(footer.MatchCaseCaption());
    panel->HintFindNext = footer.HintFindNext();
    panel->HintFindPrev = footer.HintFindPrev();
    panel->HintClose = footer.HintClose();
    panel->HintHighlight = footer.HintHighlight();
    if (footer.Font() != nullptr) panel->Font().Assign(footer.Font());

    TExtGridButton* actions[] = {panel->ForwardButton(), panel->BackwardButton(), panel->HiliteButton()};
    const TControlStyle style = ControlLook().ControlStyle();
    for (TExtGridButton* b : actions) {
        if (footer.AutoThemeAdapt()) {
            b->SetAutoThemeAdapt(true);
            b->SetFlat(true);
        } else {
            b->SetAutoXPStyle(style == csWinXP || style == csTheme);
            b->SetFlat(style == csFlat);
        }
    }

    const bool searching = footer.SearchType() == stSearch;
    panel->HiliteButton()->SetVisible(footer.ShowHighLight() && searching);
    panel->ExitButton()->SetVisible(footer.ShowClose());
    panel->MatchCase()->SetVisible(footer.ShowMatchCase());
    panel->MatchCase()->SetTransparent(true);
    panel->BackwardButton()->SetVisible(footer.ShowFindPrev() && searching);
    panel->ForwardButton()->SetVisible(footer.ShowFindNext() && searching);

    int x = panel->ForwardButton()->Left();
    for (TExtGridButton* b : actions) {
        if (!b->Visible()) continue;
        b->SetLeft(x);
        x += b->Width() + 8;
    }
    TExtCheckBox* box = panel->MatchCase();
    gfx::TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(&box->Font());
    box->SetWidth(measure.Canvas().TextWidth(footer.MatchCaseCaption()) + 18);
    if (box->Visible()) {
        box->SetLeft(x);
        x += box->Width() + 10;
    }
    panel->ResultLabel()->SetLeft(x);
    panel->ResultLabel()->SetVisible(footer.ShowResults());

    const std::pair<TExtGridButton*, const std::string*> hints[] = {
        {panel->ForwardButton(), &footer.HintFindNext()},
        {panel->BackwardButton(), &footer.HintFindPrev()},
        {panel->ExitButton(), &footer.HintClose()},
        {panel->HiliteButton(), &footer.HintHighlight()}};
    for (const auto& [button, hint] : hints) {
        button->SetHint(*hint);
        button->SetShowHint(!hint->empty());
    }

    for (TExtGridButton* b : actions) b->SetHeight(b->Visible() ? 23 : 0);
    box->SetHeight(box->Visible() ? 18 : 0);
    panel->SetHeight(footer.Visible() ? SearchPanelHeight : 0);
    if (footer.Visible()) {
        UpdateSearchPanel();
        SearchFooterShown();
    }
}

// Borders and scroll bars lie outside the window's client area here, so the panel's place
// is measured from the bottom of the whole client area, where it is seen in full.
void TExtStringGrid::UpdateSearchPanel()
{
    TSearchPanel* panel = SearchPanel();
    if (!HandleAllocated() || panel == nullptr || !panel->Visible()) return;
    const rtl::TRect client = ui::TWinControl::ClientRect();
    panel->SetBounds(client.Left, client.Bottom - SearchPanelHeight, client.Width(), panel->Height());
}

int TExtStringGrid::SearchFooterTop() const
{
    const TSearchPanel* panel = SearchPanel();
    if (FSearchFooter == nullptr || !FSearchFooter->Visible() || panel == nullptr) return -1;
    return ui::TWinControl::ClientRect().Bottom - panel->Height();
}

void TExtStringGrid::SearchFooterShown() {}

// --- find

bool TExtStringGrid::MatchFindCell(int ACol, int ARow, TFindParams FindParams)
{
    auto has = [FindParams](TFindParameters p) { return (FindParams & FindParam(p)) != 0; };
    // ACol is a storage column: a displayed column as it stands, and with
    // fnIncludeHiddenColumns the positions beyond ColCount where the hidden columns lie.
    std::string text = GetFormattedCell(ACol, ARow);
    if (!has(fnMatchCase)) text = rtl::AnsiUpperCase(text);
    if (has(fnIgnoreHTMLTags)) text = StripHtmlTags(text);
    if (has(fnIgnoreAccents)) text = RemoveAccents(text);
    const std::string& s = FSearchParts->State.SearchCache;
    if (s == "\"\"") return text.empty();
    if (has(fnMatchRegular)) return EvaluateFilterCondition(s, text, has(fnMatchCase));
    const std::size_t p = text.find(s);
    const bool found = has(fnMatchStart) ? p == 0 : p != std::string::npos;
    const bool full = !has(fnMatchFull) || text == s;
    return found && full;
}

void TExtStringGrid::FindCellWorker(rtl::TPoint StartCell, const std::string& s, TFindParams FindParams,
                                    rtl::TPoint& Result)
{
    auto has = [FindParams](TFindParameters p) { return (FindParams & FindParam(p)) != 0; };
    TGridSearchState& st = FSearchParts->State;
    Result = {-1, -1};
    st.LastParams = FindParams;
    st.FindBusy = true;
    st.SearchCache = has(fnMatchCase) ? s : rtl::AnsiUpperCase(s);
    if (has(fnIgnoreAccents)) st.SearchCache = RemoveAccents(st.SearchCache);
    struct BusyEnd {
        bool& Busy;
        ~BusyEnd() { Busy = false; }
    } busyEnd{st.FindBusy};
    if (ColCount() == 0 || ColCount() == FixedCols() || TotalRowCount() <= FixedRows()) return;

    int c0 = FixedCols(), c1 = ColCount() - FixedRightCols() - 1;
    int r0 = FixedRows(), r1 = RowCount() - FixedFooters() - 1;
    if (has(fnIncludeFixed)) c0 = 0, c1 = ColCount() - 1, r0 = 0, r1 = RowCount() - 1;
    if (has(fnSelectedCells)) {
        const rtl::TRect sel = Selection();
        c0 = sel.Left, c1 = sel.Right, r0 = sel.Top, r1 = sel.Bottom;
    }
    if (has(fnIncludeHiddenColumns)) c1 += NumHiddenColumns();
    if (has(fnIncludeHiddenRows)) r1 += NumHiddenRows();
    // The row and column restrictions narrow the range before the start is placed, so that
    // a search from the start of the range begins inside the restricted row or column.
    if (has(fnFindInCurrentRow)) r0 = r1 = Row();
    if (has(fnFindInPresetRow)) r0 = r1 = st.FindRow;
    if (has(fnFindInCurrentCol)) c0 = c1 = Col();
    if (has(fnFindInPresetCol)) c0 = c1 = st.FindCol;

    const bool back = has(fnBackward);
    const bool alongRows = has(fnDirectionLeftRight);
    const int dir = back ? -1 : 1;
    auto inCols = [&](int c) { return c >= c0 && c <= c1; };
    auto inRows = [&](int r) { return r >= r0 && r <= r1; };
    int col = StartCell.X, row = StartCell.Y;
    if (col == -1 && row == -1) {
        col = back ? c1 : c0;
        row = back ? r1 : r0;
    } else if (alongRows) {
        col += dir;
        if (!inCols(col)) col = back ? c1 : c0, row += dir;
        if (!inRows(row)) col = back ? c1 : c0, row = back ? r1 : r0;
    } else {
        row += dir;
        if (!inRows(row)) row = back ? r1 : r0, col += dir;
        if (!inCols(col)) col = back ? c1 : c0, row = back ? r1 : r0;
    }

    const int focusRow = Row();
    bool hit = false;
    if (alongRows) {
        for (int r = row; inRows(r) && !hit; r += dir) {
            for (int c = col; inCols(c); c += dir) {
                ExportNotification(esExportFindRow, r);
                if (FIgnoreColumns->HasValue(c)) continue;
                if (MatchFindCell(c, r, FindParams)) {
                    Result = {c, r};
                    hit = true;
                    break;
                }
            }
            col = has(fnFindInCurrentCol) ? Col() : (back ? c1 : c0);
        }
    } else {
        for (int c = col; inCols(c) && !hit; c += dir) {
            for (int r = row; inRows(r); r += dir) {
                ExportNotification(esExportFindRow, r);
                if (MatchFindCell(c, r, FindParams)) {
                    Result = {c, r};
                    hit = true;
                    break;
                }
            }
            row = has(fnFindInCurrentRow) ? Row() : (back ? r1 : r0);
        }
    }
    if (!hit) {
        ExportNotification(esExportFindRow, focusRow);
        return;
    }
    st.SearchCell = Result;
    if (has(fnAutoGoto) && Result.Y >= FixedRows() && Result.Y < RowCount()) {
        SetRow(Result.Y);
        const int c = std::min(Result.X, ColCount() - 1);
        if (c >= FixedCols()) SetCol(c);
    }
}

// Keeps the focused row clear of the bottom edge: when it lies below the last Step rows
// of the view, the view scrolls by Step rows.
void TExtStringGrid::ScrollHitClear(int FooterRows, int Step)
{
    if (Row() > TopRow() + VisibleRowCount() - FooterRows - 2 &&
        RowCount() > VisibleRowCount() + FixedRows() + FooterRows)
        SetTopRow(std::min(TopRow() + Step, std::max(FixedRows(), RowCount() - VisibleRowCount())));
}

rtl::TPoint TExtStringGrid::Find(rtl::TPoint StartCell, const std::string& s, TFindParams FindParams)
{
    if (StartCell.X == -1 && StartCell.Y == -1) ExportNotification(esExportStart, -1);
    rtl::TPoint result{-1, -1};
    BeginUpdate();
    try {
        FindCellWorker(StartCell, s, FindParams, result);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    if ((FindParams & FindParam(fnAutoGoto)) != 0 && result.X != -1) {
        const int a = FloatingFooter().Visible() ? 2 : 0;
        ScrollHitClear(a, a + 1);
    }
    ExportNotification(result.X == -1 ? esExportDone : esExportFail, -1);
    return result;
}

rtl::TPoint TExtStringGrid::FindFirst(const std::string& s, TFindParams FindParams)
{
    rtl::TPoint hit = Find({-1, -1}, s, FindParams);
    FSearchParts->State.SearchCell = hit;
    return hit;
}

rtl::TPoint TExtStringGrid::FindNext()
{
    TGridSearchState& st = FSearchParts->State;
    const std::string cache = st.SearchCache;
    rtl::TPoint hit = Find(st.SearchCell, cache, st.LastParams);
    st.SearchCell = hit;
    return hit;
}

rtl::TPoint TExtStringGrid::FindAll(const std::string& s, TFindParams FindParams, int& NumResults)
{
    TGridSearchState& st = FSearchParts->State;
    NumResults = 0;
    ExportNotification(esExportStart, -1);
    rtl::TPoint first{-1, -1};
    BeginUpdate();
    try {
        FindCellWorker({-1, -1}, s, FindParams, first);
        // Counting must not move the focus again.
        st.LastParams &= ~FindParam(fnAutoGoto);
        if (first.X != -1) {
            NumResults = 1;
            while (FindNext().X != -1) ++NumResults;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    if (first.X != -1 && (FindParams & FindParam(fnAutoGoto)) != 0) {
        if (first.Y >= FixedRows() && first.Y < RowCount()) SetRow(first.Y);
        if (first.X >= FixedCols() && first.X < ColCount()) SetCol(first.X);
        const int a = FloatingFooter().Visible() ? 2 : 0;
        ScrollHitClear(a, a + 1);
    }
    ExportNotification(first.X == -1 ? esExportDone : esExportFail, -1);
    return first;
}

int TExtStringGrid::Replace(const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams)
{
    int count = 0;
    // Hits name the storage column (hidden columns beyond ColCount with fnIncludeHiddenColumns).
    for (rtl::TPoint hit = Find({-1, -1}, OrigStr, FindParams); hit.X != -1; hit = Find(hit, OrigStr, FindParams)) {
        const int c = hit.X;
        SetCellEx(c, hit.Y, ReplaceIgnoringCase(GetFormattedCell(c, hit.Y), OrigStr, NewStr));
        ++count;
    }
    return count;
}

int TExtStringGrid::Search(const std::string& s)
{
    if (RowCount() < 2) return -1;
    int col = FixedCols();
    const TSortSettings& sort = SortSettings();
    if (sort.Show()) {
        if (sort.IndexShow())
            col = SortIndexes().Count() > 0 ? SortIndexes().SortColumns(0) : FixedCols();
        else
            col = sort.Column();
    }
    if (col == -1) return -1;
    const std::u32string key = rtl::Utf8Decode(s);
    for (int r = FixedRows(); r < RowCount(); ++r) {
        std::u32string text = rtl::Utf8Decode(StripHtmlTags(GetCellEx(col, r)));
        text.resize(std::min(text.size(), key.size()));
        if (rtl::AnsiUpperCase(rtl::Utf8Encode(text)) == s) return r;
    }
    return -1;
}

// --- search footer handlers

TExtStringGrid::TFindParams TExtStringGrid::SearchFooterParams(bool AutoSearch)
{
    const TSearchFooter& f = *FSearchFooter;
    TSearchPanel* panel = SearchPanel();
    const bool hilite = panel->HiliteButton()->Down() || f.AlwaysHighLight();
    TFindParams p = FindParam(fnAutoGoto);
    if (hilite || (AutoSearch && f.IgnoreHTML())) p |= FindParam(fnIgnoreHTMLTags);
    if (AutoSearch && f.IgnoreAccents()) p |= FindParam(fnIgnoreAccents);
    if (panel->MatchCase()->Checked()) p |= FindParam(fnMatchCase);
    if (f.SearchActiveColumnOnly()) p |= FindParam(fnFindInCurrentCol);
    if (f.SearchMatchStart()) p |= FindParam(fnMatchStart);
    if (f.SearchFixedCells()) p |= FindParam(fnIncludeFixed);
    if (AutoSearch && f.SearchHiddenRows()) p |= FindParam(fnIncludeHiddenRows);
    if (f.SearchDirection() == sdLeftRight) p |= FindParam(fnDirectionLeftRight);
    if (f.SearchColumn() >= 0 && f.SearchColumn() < TotalColCount()) {
        FSearchParts->State.FindCol = DisplColIndex(f.SearchColumn());
        p |= FindParam(fnFindInPresetCol);
        if (!AutoSearch) p &= ~FindParam(fnDirectionLeftRight);
    }
    return p;
}

// Colours the search text by the outcome and shows the hit's position among all hits.
void TExtStringGrid::ShowSearchResult(bool Found)
{
    TSearchFooter& f = *FSearchFooter;
    TSearchPanel* panel = SearchPanel();
    if (!Found) {
        panel->EditControl()->SetColor(f.SearchErrorColor());
        panel->ResultLabel()->SetCaption("");
        return;
    }
    panel->EditControl()->SetColor(gfx::clWindow);
    const bool showCount = f.ShowResults() && f.ResultTot() > 0;
    panel->ResultLabel()->SetCaption(showCount ? FormatResult(f.ResultFormat(), f.ResultPos(), f.ResultTot()) : "");
    // The hit moves to the middle of the view when it is out of sight.
    const int row = Row();
    if (row < TopRow() || row >= TopRow() + VisibleRowCount())
        SetTopRow(std::clamp(row - VisibleRowCount() / 2, FixedRows(), std::max(FixedRows(), RowCount() - VisibleRowCount())));
}

void TExtStringGrid::SearchEditChange()
{
    TSearchFooter& f = *FSearchFooter;
    TSearchPanel* panel = SearchPanel();
    const std::string text = panel->EditControl()->GetText();
    bool defaultSearch = true;
    if (OnSearchEditChange) OnSearchEditChange(this, text, defaultSearch);
    if (f.SearchType() == stNarrowDown) return;  // narrowing the rows follows the row filter
    if (!defaultSearch || !f.AutoSearch()) return;
    const TFindParams params = SearchFooterParams(true);
    const bool hilite = panel->HiliteButton()->Down() || f.AlwaysHighLight();
    if (hilite) {
        if ((params & FindParam(fnFindInPresetCol)) != 0 && FindCol() < ColCount())
            InvalidateCol(FindCol());
        else
            Invalidate();
    }
    f.SetResultTot(0);
    if (text.empty()) {
        panel->EditControl()->SetColor(gfx::clWindow);
        if (hilite) Invalidate();
        return;
    }
    rtl::TPoint hit;
    if (f.ShowResults()) {
        int count = 0;
        hit = FindAll(text, params, count);
        FSearchParts->State.SearchCell = hit;
        f.SetResultTot(count);
    } else {
        hit = Find(f.SearchFromFocusCell() ? rtl::TPoint{Col(), Row()} : rtl::TPoint{-1, -1}, text, params);
    }
    if (!panel->EditControl()->Focused() && panel->EditControl()->CanFocus()) panel->EditControl()->SetFocus();
    SearchFooterAction(text, hit.X, hit.Y, saFindFirst);
    f.SetResultPos(hit.X == -1 ? -1 : 1);
    ShowSearchResult(hit.X != -1);
    if (hilite) Invalidate();
}

void TExtStringGrid::SearchStep(bool Backward, bool Repeat)
{
    TSearchFooter& f = *FSearchFooter;
    TSearchPanel* panel = SearchPanel();
    TGridSearchState& st = FSearchParts->State;
    const std::string text = panel->EditControl()->GetText();
    if (!f.AutoSearch() && text != f.LastSearch()) {
        st.SearchCell = {-1, -1};
        f.SetLastSearch(text);
    }
    if (f.SearchFromFocusCell()) st.SearchCell = {Col(), Row()};
    TFindParams params = SearchFooterParams(false);
    if (Backward) params |= FindParam(fnBackward);
    const rtl::TPoint hit = Find(st.SearchCell, text, params);
    st.SearchCell = hit;
    if (hit.X != -1) {
        if (Backward) ScrollHitClear(FloatingFooter().Visible() ? 1 : 0, 2);
        ShowSearchResult(true);
        if (!Backward) ScrollHitClear(FloatingFooter().Visible() ? 1 : 0, 2);
    }
    SearchFooterAction(text, hit.X, hit.Y, Backward ? saFindPrevious : saFindNext);
    if (hit.X == -1 && !Repeat) {
        bool continueFromStart = true;
        SearchFooterSearchEnd(continueFromStart);
        if (continueFromStart) {
            SearchStep(Backward, true);
            f.SetResultPos(Backward ? f.ResultTot() : 1);
        }
    } else if (hit.X != -1) {
        f.SetResultPos(f.ResultPos() + (Backward ? -1 : 1));
    }
    panel->Invalidate();
    ShowSearchResult(st.SearchCell.X != -1);
}

void TExtStringGrid::SearchForwardClick()
{
    HideInplaceEdit();
    SearchStep(false, false);
}

void TExtStringGrid::SearchBackwardClick()
{
    HideInplaceEdit();
    SearchStep(true, false);
}

void TExtStringGrid::SearchPanelClose()
{
    if (OnSearchFooterClose) OnSearchFooterClose(this);
    FSearchFooter->SetVisible(false);
}

void TExtStringGrid::SearchHighlightClick() { Invalidate(); }

void TExtStringGrid::SearchMatchCaseClick()
{
    if (SearchPanel()->HiliteButton()->Down()) SearchEditChange();
}

}  // namespace grid
