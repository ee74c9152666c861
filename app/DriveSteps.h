// The steps of the headless driver on the controls of a form: set and get properties, tick items, click.
#pragma once

#include <optional>
#include <string>

namespace rtl {
class TComponent;
}
namespace ui {
class TCustomForm;
}

namespace app {

// The component of that name below the form (the form itself for its own name).
// Raises rtl::Exception when there is none.
rtl::TComponent* DriveFindComponent(rtl::TComponent* form, const std::string& name);

// Sets a published property from its raw text: a text property takes the value as
// typed, other kinds read it in the description syntax (True, 12, clRed, [fsBold]).
// Cells[c,r] of a grid is edited as the user edits a cell (the grid's edit-text event
// runs; fixed cells cannot be edited). The control's own events run, and an exception
// they raise propagates unchanged.
void DriveSetProperty(rtl::TComponent* component, const std::string& property, const std::string& value);

// The property's value as plain text (a text without quotes). Besides the published
// properties: Items.Count, Items[i] and Checked[i] of list and combo boxes, Lines.Count
// and Lines[i] of memos, Cells[c,r] of grids, Panels[i].Text of status bars.
std::string DriveGetProperty(rtl::TComponent* component, const std::string& property);

// Ticks or unticks item `index` of a check list, as code does (no click event).
void DriveCheckItem(rtl::TComponent* component, int index, bool checked);

// What a user's click does: a check box or radio button toggles (and fires its click),
// a form becomes the active form, any other control fires its click. A disabled control
// cannot be clicked (rtl::Exception).
void DriveClick(rtl::TComponent* component);

// What a user's choice of item `index` in a combo box's list does: the item's text shows,
// then OnChange (when it changed) and OnSelect run. Raises rtl::Exception for a control
// that is no combo box, a disabled one, or an index beyond its items.
void DriveChooseItem(rtl::TComponent* component, int index);

// True for an open or save dialog window (it has a file name field and Open and Cancel).
bool DriveIsFileDialog(ui::TCustomForm& dialog);

// Answers an open or save dialog window as a user does: types the file into its name
// field and presses its Open (Save) button; without a file, or when the dialog refuses
// the file and stays open, presses Cancel. False when the file was not taken.
bool DriveAnswerFileDialog(ui::TCustomForm& dialog, const std::optional<std::string>& fileName);

// Answers any other dialog window (a message box) with its default button, the answer a
// run without a display takes; a window without a default button is cancelled.
void DriveAnswerOtherDialog(ui::TCustomForm& dialog);

// Types the text into the control as a user does, character by character: the control
// takes the focus first unless it or a control inside it (an open cell editor) has it.
void DriveType(rtl::TComponent* component, const std::string& text);

// Presses a key on the control the same way: KEY is a key name (Enter, Tab, Escape, F2,
// Up, Down, Left, Right, Home, End, PgUp, PgDn, Insert, Delete, Space, Backspace) or one
// letter or digit, with optional "Ctrl+", "Shift+" and "Alt+" in front ("Shift+Tab").
// Raises rtl::Exception naming an unknown key.
void DriveKey(rtl::TComponent* component, const std::string& key);

// Makes the window the active one, showing it first when hidden; its
// activation handler runs.
void DriveActivate(rtl::TComponent* component);

// Writes the picture of an image control to a PNG file.
void DriveSavePicture(rtl::TComponent* component, const std::string& fileName);

// Puts the text of a file (UTF-8) on the clipboard, as a paste from another program would.
void DriveClipboardPut(const std::string& fileName);

// The clipboard's text, its lines ended by "\n" (CR LF given as "\n").
std::string DriveClipboardGet();

}  // namespace app
