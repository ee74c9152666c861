// Registration of the test controls for form descriptions.
#include "UiTestSupport.h"

#include "platform/ui/ClassRegistry.h"

namespace uitest {

void RegisterTestControls()
{
    static bool done = false;
    if (done) return;
    done = true;
    auto& registry = ui::TClassRegistry::Instance();
    registry.Register<TTestButton>("TTestButton", "TCustomControl");
    registry.Register<TTestPanel>("TTestPanel", "TCustomControl");
}

}  // namespace uitest
