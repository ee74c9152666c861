// Small helpers shared by the string grid's text file readers and writers: progress reporting and UTF-16 lines.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridEventsPublished.h"
#include "grid/editing/ExtGridUpdateScope.h"

namespace rtl {
class TStream;
}

namespace grid {

// Fires a file-progress event only when the rounded percentage changes (the first report
// always fires).
class TFileProgressReporter {
public:
    TFileProgressReporter(const TFileProgressEvent& Event, TSender Sender) : FEvent(Event), FSender(Sender) {}
    bool Active() const { return static_cast<bool>(FEvent); }
    // Part / Whole as a percentage, rounded half away from zero.
    void Report(double Part, double Whole)
    {
        if (!FEvent) return;
        const int p = static_cast<int>(std::lround(Part / Whole * 100.0));
        if (p == FLast) return;
        FLast = p;
        FEvent(FSender, p);
    }

    // After the row of that index (from 0) of Count rows was written: 0 for the first row,
    // 100 for the last, so that a save reaches 100 whatever the grid's size, its fixed and
    // footer rows (a single row reports 100).
    void ReportRow(int Index, int Count) { Report(Count <= 1 ? 1.0 : Index, Count <= 1 ? 1.0 : Count - 1.0); }

private:
    const TFileProgressEvent& FEvent;
    TSender FSender;
    int FLast = -1;
};

// Runs Load with the grid's updates suspended; when it completes, the whole grid is reported
// changed and the footers are recalculated. An exception ends the update without the report.
template <class TLoad>
void LoadCellsUnderUpdate(TExtStringGrid& Grid, TLoad&& Load)
{
    {
        TUpdateScope update(Grid);
        Load();
    }
    Grid.CellsChanged(rtl::TRect{0, 0, Grid.ColCount(), Grid.RowCount()});
    Grid.RecalcAllFooters();
}

// Writes a UTF-8 line as UTF-16LE code units followed by CR LF (0D 00 0A 00), no byte-order mark.
void WriteUtf16Line(rtl::TStream& Stream, const std::string& Line);
// Reads 16-bit units up to a CR or the end of the stream, drops the CR and reads one more
// unit (the LF); the line comes back as UTF-8.
std::string ReadUtf16Line(rtl::TStream& Stream);

}  // namespace grid
