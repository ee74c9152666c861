// The workbench's main program: the application on the real window backend, the main and map windows, the message loop.
#include <cstdio>
#include <exception>

#include "app/Program.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Forms.h"

int main()
{
    ui::TApplication application;
    try {
        // Without a display the real window backend cannot start; it says why.
        application.Initialize();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tolvek: %s\n", e.what());
        return 1;
    }
    try {
        app::CreateWorkbenchForms(application);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tolvek: the windows could not be built: %s\n", e.what());
        return 1;
    }
    application.Run();
    return 0;
}
