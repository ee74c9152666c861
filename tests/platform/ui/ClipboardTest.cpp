// The clipboard: text and registered formats, writing several formats at once, the desktop clipboard mirror.
#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>

#include "platform/backend/SdlBackend.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Forms.h"

namespace {

using namespace ui;

TEST(ClipboardTest, RegisteredFormatsKeepTheirNumberAndTextReplacesEverything)
{
    unsigned rtf = RegisterClipboardFormat("Rich Text Format");
    unsigned cells = RegisterClipboardFormat("TExtStringGrid Cells");
    EXPECT_GE(rtf, 0xC000u);
    EXPECT_NE(rtf, cells);
    EXPECT_EQ(RegisterClipboardFormat("rich text format"), rtf);
    EXPECT_EQ(GetClipboardFormatName(cells), "TExtStringGrid Cells");
    EXPECT_EQ(RegisterClipboardFormat("CF_TEXT"), CF_TEXT);

    TClipboard& clip = Clipboard();
    clip.Open();
    clip.SetAsText("a\tb\r\n");
    clip.SetData(rtf, "{\\rtf1 a}");
    clip.SetData(cells, std::string("\x01\x00\x02", 3));
    clip.Close();
    EXPECT_TRUE(clip.HasFormat(CF_TEXT));
    EXPECT_TRUE(clip.HasFormat(CF_UNICODETEXT));
    EXPECT_TRUE(clip.HasFormat(rtf));
    EXPECT_EQ(clip.GetData(cells), std::string("\x01\x00\x02", 3));
    EXPECT_EQ(clip.AsText(), "a\tb\r\n");

    // Writing outside a bracket replaces what the clipboard held.
    clip.SetAsText("ő only");
    EXPECT_EQ(clip.AsText(), "ő only");
    EXPECT_FALSE(clip.HasFormat(rtf));
    EXPECT_EQ(clip.Formats(), (std::vector<unsigned>{CF_TEXT}));
    clip.Clear();
    EXPECT_EQ(clip.AsText(), "");
}

TEST(ClipboardTest, TextGoesToTheDesktopClipboardAndComesBackFromIt)
{
    // The real window backend on SDL's dummy driver: SDL's own clipboard store stands in
    // for the desktop's when no display is up; the hint is reset afterwards so that the
    // real window backend's tests get their driver.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    TApplication application;
    application.SetBackend(std::make_unique<TSdlBackend>());
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);
    TClipboard& clip = Clipboard();
    clip.SetAsText("cells 1; 2; 3");
    char* desktop = SDL_GetClipboardText();
    EXPECT_STREQ(desktop, "cells 1; 2; 3");
    SDL_free(desktop);
    unsigned cells = RegisterClipboardFormat("TExtStringGrid Cells");
    clip.Open();
    clip.SetAsText("x");
    clip.SetData(cells, "grid");
    clip.Close();
    EXPECT_TRUE(clip.HasFormat(cells));  // our own text read back keeps the other formats
    // Another program puts text there: it is what the clipboard holds now.
    SDL_SetClipboardText("from another program");
    EXPECT_EQ(clip.AsText(), "from another program");
    EXPECT_FALSE(clip.HasFormat(cells));
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    clip.SetAsText("after");
    EXPECT_EQ(clip.AsText(), "after");
}

}  // namespace
