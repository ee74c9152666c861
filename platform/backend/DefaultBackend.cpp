// The application's default window backend, the real SDL2 windows. Kept apart from the rest
// of TApplication so that a program that sets its own backend (the headless driver) and never
// calls Initialize links neither the SDL2 backend nor SDL2 and the libraries it loads.
#include <memory>

#include "platform/ui/Forms.h"

namespace ui {

std::unique_ptr<TBackend> CreateSdlBackend();  // platform/backend/SdlBackend.cpp

void TApplication::Initialize()
{
    if (!FBackend) FBackend = CreateSdlBackend();
}

}  // namespace ui
