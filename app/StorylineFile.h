// The storyline file (".stl"): the coverage check before saving, writing, and reading it back.
#pragma once

#include "app/StorylineMessage.h"
#include "app/StorylineModel.h"

#include <string>

namespace app {

class TModelFileLayout;

// The message of a domain whose first period does not start in the total
// start year or whose last period does not end in the total end year.
inline constexpr const char* CoverageGapMessage = "Period time spans do not cover the total time span!";

// --- Coverage check ---------------------------------------------------------

// Each domain's first period must start in the storyline's start year and its
// last period end in its end year; the periods in between are not compared.
// Returns the message for the first domain that fails (confirm picture only),
// or an empty message when every domain passes. A storyline without domains
// passes.
TStorylineMessage CheckCoverage(const Tstoryline& storyline);

// --- Writing ----------------------------------------------------------------

// The lines of the file; events are written only when present (a date of ten
// characters; grazing both dates).
void LayOutStorylineFile(const Tstoryline& storyline, TModelFileLayout& layout);
// Writes the file whole (CR LF, system code page); raises rtl::EInOutError
// naming the file when it cannot be written.
void WriteStorylineFile(const Tstoryline& storyline, const std::string& fileName);

// The storyline folder: "\input\storyline\" below the current directory.
std::string StorylineFolder();
// The storyline folder, the name and ".stl".
std::string StorylineFileName(const std::string& name);

// "Save Storyline": nothing without a storyline; otherwise the coverage check,
// then the file in the storyline folder (created when missing) under the name
// plus ".stl". Returns the coverage message when the check fails (nothing is
// written then). A name that cannot be a file name in that folder raises
// rtl::Exception naming it.
TStorylineMessage SaveStoryline(const TStorylineEditor& editor);

// --- Reading ----------------------------------------------------------------

// Reads a whole file into a new storyline. A number that does not convert, a
// period count outside 1..10, a domain count outside 0..1104 or an event line
// with more fields than its kind's slots hold raises rtl::EConvertError naming
// the file, the line number and the value. A missing file raises
// rtl::EInOutError.
Tstoryline ReadStorylineFile(const std::string& fileName);

// "Open Storyline": replaces the editor's storyline with the file's and points
// the indexes to domain 1, period 1 (all 0 for a file without domains). A
// missing file changes nothing (false). A bad file raises the reader's error
// and leaves the editor untouched.
bool OpenStoryline(TStorylineEditor& editor, const std::string& fileName);

}  // namespace app
