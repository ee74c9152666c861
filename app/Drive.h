// The headless driver of the workbench (tolvek-drive): starts the program without a display and runs steps on its controls.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace app {

// One step of a drive, as given on the command line.
struct TDriveStep {
    enum TKind { skSet, skCheck, skClick, skGet, skChoose, skDialog, skCancelDialog, skType, skKey, skActivate,
                 skSavePicture, skClipboardPut, skClipboardGet };
    TKind Kind = skClick;
    std::string Control;   // component name; "Form3.Edit2" names a control of another window
    std::string Property;  // set, get: property path after the control ("Text", "Font.Size", "Items[2]")
    std::string Value;     // set: the raw value text; check: "true" or "false"; dialog: the file;
                           // type: the text; key: the key name
    int Index = 0;         // check, choose: the item
};

struct TDriveOptions {
    std::string Dir;                       // --dir: current directory of the run ("" keeps it)
    std::optional<char> DecimalSeparator;  // --decimal-separator: the locale's separator
    std::vector<TDriveStep> Steps;
};

// The usage text printed for a bad command line.
extern const char* const DriveUsage;

// Reads the arguments after the program name. Raises rtl::Exception naming the bad
// argument.
TDriveOptions ParseDriveArguments(const std::vector<std::string>& args);

// Changes to the folder, starts the workbench headless as the program's start does
// (application, main window with FormCreate, map window, main window shown and
// activated), then runs the steps in order:
//   set CONTROL.PROPERTY=VALUE   a published property; VALUE as typed (text is not quoted);
//                                GRID.Cells[c,r]=TEXT edits a cell as the user does
//   check CONTROL INDEX true|false   ticks or unticks an item of a check list
//   click CONTROL                the control's click as a user's click fires it (a check
//                                box or radio button toggles; a form becomes active)
//   get CONTROL.PROPERTY         prints the value on its own line; besides the published
//                                properties: Items.Count, Items[i], Checked[i] of lists
//                                and boxes, Lines.Count, Lines[i] of memos, Cells[c,r]
//                                of grids, Panels[i].Text of status bars
//   choose CONTROL INDEX         the user chooses item INDEX of a combo box (its text
//                                shows, its change and select events run)
//   dialog FILE                  the next file dialog a step opens is answered with FILE
//                                (typed into its name field, relative to its folder,
//                                then Open); cancel-dialog cancels the next one instead.
//                                A dialog without an answer, or one that refuses its
//                                file, is cancelled and "dialog: ..." printed on `err`;
//                                message boxes take their default (first) button
//   type CONTROL TEXT            types TEXT into the control character by character, as
//                                the keyboard does (a grid opens the current cell's editor)
//   key CONTROL KEY              presses a named key on the control: Enter, Tab, Escape,
//                                F2, arrows, Home, End, PgUp, PgDn, Insert, Delete, Space,
//                                Backspace or a letter, with Ctrl+, Shift+ or Alt+ in front
// Every error box the program shows prints "errorbox: TEXT" on `err`, and the run goes
// on. An exception of a step prints "error: MESSAGE" on `err` and ends the run with 1.
// Returns the exit status.
int RunDrive(const TDriveOptions& options, std::ostream& out, std::ostream& err);

// The whole driver: arguments, run, exit status (2 for a bad command line).
int DriveMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace app
