// The visual-styles library as this platform offers it: loading by name, look-up of functions, binding.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace grid {

using TFarProc = void (*)();

// A loaded library: its exported functions by name.
struct TThemeModule {
    std::string Name;
    std::vector<std::pair<std::string, TFarProc>> Exports;
};

// The visual-styles library ("UXTHEME.DLL", any case) exists only while visual styles are
// switched on (gfx::SetThemesActive); its functions then paint with our themed-part
// painter or answer "not available". nullptr for an absent library.
const TThemeModule* LoadThemeLibrary(const std::string& name);
void FreeThemeLibrary(const TThemeModule* module);
// The function of that name (exact case), or nullptr.
TFarProc GetThemeProcAddress(const TThemeModule* module, const std::string& name);

// The names the bindings look up, in binding order.
const std::vector<std::string>& VisualStylesFunctionNames();

// Looks up each function in binding order into slots[k]; a missing one fails the
// assertion "Assertion failure (<unit>, line <firstLine + 3k>)" (EAssertionFailed), after
// the functions before it were stored.
void BindVisualStylesFunctions(const TThemeModule& module, const std::string& unitName, int firstLine,
                               TFarProc* slots);

}  // namespace grid
