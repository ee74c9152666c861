// Opening links with the desktop's opener: xdg-open started directly with the link as its only argument.
#include "platform/ui/DesktopOpener.h"

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <thread>

extern char** environ;

namespace ui {

namespace {

TDesktopOpener& ReplacedOpener()
{
    static TDesktopOpener opener;
    return opener;
}

bool StartsNoCase(const std::string& text, std::string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char p, char t) {
        return p == std::tolower(static_cast<unsigned char>(t));
    });
}

// xdg-open gets the link as argv[1]: no shell ever parses it. The child is reaped by a
// detached waiter so no zombie is left behind.
bool SpawnXdgOpen(const std::string& link)
{
    std::string program = "xdg-open";
    std::string argument = link;
    std::array<char*, 3> argv{program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return false;
    std::thread([pid] {
        int status = 0;
        waitpid(pid, &status, 0);
    }).detach();
    return true;
}

}  // namespace

void SetDesktopOpener(TDesktopOpener Opener) { ReplacedOpener() = std::move(Opener); }

bool IsOpenableLink(const std::string& Link)
{
    for (std::string_view scheme : {"http:", "https:", "mailto:", "file:"})
        if (StartsNoCase(Link, scheme)) return true;
    return false;
}

bool OpenWithDesktop(const std::string& Link)
{
    if (!IsOpenableLink(Link)) return false;
    if (ReplacedOpener()) return ReplacedOpener()(Link);
    return SpawnXdgOpen(Link);
}

}  // namespace ui
