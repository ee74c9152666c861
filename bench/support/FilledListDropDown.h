// Benchmark list drop-downs: a drop-down of either list family with 100,000 crop items in three
// columns, focused on a headless form, and the keys and timings both benchmarks drive it with.
#pragma once

#include <cctype>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/Floor.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

namespace benchlist {

constexpr int ItemCount = 100000;

// The lookup text of item i: "crop" and six digits.
inline std::string Name(int i)
{
    char text[32];
    std::snprintf(text, sizeof text, "crop%06d", i);
    return text;
}

// The three column texts of item i: name, code and yield.
inline std::vector<std::string> ItemTexts(int i)
{
    return {Name(i), std::to_string(i % 997), std::to_string(i % 13) + ".5"};
}

// TDrop is one of the list drop-downs; its items are filled before the form shows.
template <typename TDrop>
struct TFilledListDropDown {
    std::unique_ptr<ui::TApplication> App;
    TDrop* Drop = nullptr;

    TFilledListDropDown()
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        auto* form = new ui::TForm(App.get());
        form->SetBounds(0, 0, 500, 400);
        Drop = new TDrop(form);
        Drop->SetParent(form);
        Drop->SetBounds(10, 10, 150, 21);
        for (const char* header : {"Crop", "Code", "Yield"}) Drop->Columns().Add()->SetHeader(header);
        for (int i = 0; i < ItemCount; ++i) {
            auto& item = *Drop->Items().Add();
            for (const std::string& t : ItemTexts(i)) item.Text().Add(t);
        }
        Drop->EndUpdate();
        form->Show();
        App->ActivateForm(form);
        Drop->SetFocus();
    }

    // Seconds the pop-up takes to open and paint; it closes again outside the timing.
    double OpenSeconds()
    {
        const double s = benchfloor::Seconds([&] {
            Drop->ShowDropDown();
            App->ProcessMessages();
        });
        Drop->HideDropDown(false);
        return s;
    }
};

// One key as a keyboard gives it: down, the character, up (the release runs a completion).
inline void Key(char ch)
{
    const int vk = ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch;
    ui::THeadlessBackend::KeyDown(vk);
    ui::THeadlessBackend::TypeText(std::string(1, ch));
    ui::THeadlessBackend::KeyUp(vk);
}

// Seconds the last key of typed takes in the open list, the keys before it typed untimed;
// then a key that no text starts with empties the lookup entry for the next round.
inline double LastKeySeconds(const std::string& typed)
{
    for (std::size_t k = 0; k + 1 < typed.size(); ++k) Key(typed[k]);
    const double s = benchfloor::Seconds([&] { Key(typed.back()); });
    Key('x');
    return s;
}

// The index of the first text that starts with upperEntry, compared without regard to case;
// -1 when none does. The floor of a lookup keystroke.
inline int FirstStartingWithUpper(const std::vector<std::string>& texts, const std::string& upperEntry)
{
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& t = texts[i];
        if (t.size() < upperEntry.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < upperEntry.size() && same; ++k)
            same = static_cast<char>(std::toupper(static_cast<unsigned char>(t[k]))) == upperEntry[k];
        if (same) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace benchlist
