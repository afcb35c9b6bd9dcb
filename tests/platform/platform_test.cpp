#include "launch_table.h"
#include "platform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <xcb/xcb.h>

using namespace parvelo;
namespace fs = std::filesystem;

namespace {

TEST(LaunchTable, CalculatorCommandLineMapsToDesktopCalculators)
{
    const auto programs = programs_for_command_line(R"(c:\windows\system32\calc.exe)");
    ASSERT_EQ(programs.size(), 6u);
    EXPECT_EQ(programs.front(), "gnome-calculator");
    EXPECT_EQ(programs.back(), "xcalc");
    // Nothing else is interpreted: no other command line starts anything.
    EXPECT_TRUE(programs_for_command_line("calc.exe").empty());
    EXPECT_TRUE(programs_for_command_line(R"(c:\windows\system32\calc.exe & rm -rf ~)").empty());
}

// A PATH of stand-in programs that write their arguments, one per line, to a file.
class DesktopTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("parvelo-desktop-" + std::to_string(getpid()));
        fs::create_directories(folder);
        saved_path = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", folder.c_str(), 1);
    }
    void TearDown() override
    {
        setenv("PATH", saved_path.c_str(), 1);
        fs::remove_all(folder);
    }

    void install(const std::string &name)
    {
        const std::string args = (folder / (name + ".args")).string();
        std::ofstream(folder / name) << "#!/bin/sh\n"
                                     << "for a in \"$@\"; do echo \"$a\"; done > '" << args
                                     << ".tmp'\n/bin/mv '" << args << ".tmp' '" << args << "'\n";
        fs::permissions(folder / name, fs::perms::owner_all);
    }

    // What the stand-in was called with, once it has run (empty after a few seconds).
    std::string arguments(const std::string &name) const
    {
        const fs::path file = folder / (name + ".args");
        for (int i = 0; i < 500 && !fs::exists(file); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ostringstream text;
        text << std::ifstream(file).rdbuf();
        return text.str();
    }

    fs::path folder;
    std::string saved_path;
    std::unique_ptr<Platform> desktop = make_desktop_platform();
};

TEST_F(DesktopTest, CalculatorStartsTheFirstInstalledOne)
{
    EXPECT_FALSE(desktop->create_process(R"(c:\windows\system32\calc.exe)")); // none yet
    install("kcalc");
    install("xcalc");
    EXPECT_TRUE(desktop->create_process(R"(c:\windows\system32\calc.exe)"));
    EXPECT_EQ(arguments("kcalc"), "");
    EXPECT_FALSE(fs::exists(folder / "xcalc.args"));
    EXPECT_FALSE(desktop->create_process("kcalc"));
}

TEST_F(DesktopTest, AddressesGoWholeToTheOpenerAndNeverThroughAShell)
{
    install("xdg-open");
    const std::string address = "http://x.example/a b;touch pwned&c=$(id)";
    EXPECT_TRUE(desktop->shell_open("explorer.exe", address, ShowState::ShowNormal));
    EXPECT_EQ(arguments("xdg-open"), address + "\n");
    EXPECT_FALSE(fs::exists(folder / "pwned"));
    EXPECT_FALSE(fs::exists("pwned"));

    fs::remove(folder / "xdg-open.args");
    EXPECT_TRUE(desktop->shell_open("tencent://message/?uin=1", "", ShowState::Show));
    EXPECT_EQ(arguments("xdg-open"), "tencent://message/?uin=1\n");

    // An option-like target reaches no program at all.
    fs::remove(folder / "xdg-open.args");
    EXPECT_FALSE(desktop->shell_open("--help", "", ShowState::Show));
    EXPECT_FALSE(desktop->shell_open("explorer.exe", "", ShowState::ShowNormal));
    EXPECT_FALSE(fs::exists(folder / "xdg-open.args"));
}

TEST_F(DesktopTest, WithoutTheOpenerABrowserServes)
{
    install("sensible-browser");
    EXPECT_TRUE(desktop->shell_open("http://x.example/", "", ShowState::Show));
    EXPECT_EQ(arguments("sensible-browser"), "http://x.example/\n");
}

TEST(DesktopPointer, ReadsWhereTheWindowSystemPutsIt)
{
    int number = 0;
    xcb_connection_t *c = xcb_connect(nullptr, &number);
    ASSERT_EQ(xcb_connection_has_error(c), 0) << "the tests run on an X display";
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const auto desktop = make_desktop_platform();
    for (const PointerPosition p : {PointerPosition{120, 608}, PointerPosition{3, 4}}) {
        xcb_warp_pointer(c, XCB_NONE, root, 0, 0, 0, 0, static_cast<int16_t>(p.x),
                         static_cast<int16_t>(p.y));
        free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // a round trip
        const PointerPosition read = desktop->cursor_position();
        EXPECT_EQ(read.x, p.x);
        EXPECT_EQ(read.y, p.y);
    }
    xcb_disconnect(c);
}

} // namespace
