// The steps of the headless driver on the controls of a form: set and get properties, tick items, click.
#pragma once

#include <string>

namespace rtl {
class TComponent;
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

}  // namespace app
