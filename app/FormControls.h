// Finding the controls a form description created, by name, for a window class's fields.
#pragma once

#include <string>

#include "platform/rtl/Component.h"
#include "platform/rtl/Exceptions.h"

namespace app {

// Sets `field` to the component `name` of the form; raises rtl::Exception naming the
// form and the control when the description lacks it or it is of another class.
template <typename T>
void FindFormControl(rtl::TComponent* form, T*& field, const char* name)
{
    field = dynamic_cast<T*>(form->FindComponent(name));
    if (field == nullptr)
        throw rtl::Exception("The description of " + form->Name() + " lacks the control " + name);
}

}  // namespace app
