// The real executable on a real X server of its own, in a decimal-comma locale where one can
// be made: settings read, a swatch drawn in the colour core's colour, File > Quit by the
// keyboard under the version's title, settings written, exit code 0.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "colour/cie_conversions.h"
#include "colour/ral_design.h"
#include "colour/rgb_encoding.h"
#include "colour/rgb_spaces.h"
#include "colour/white_points.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string Output(const std::string& command) {
    std::string out;
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        ::pclose(pipe);
    }
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

// The pixel (0xRRGGBB) at x, y of a 32-bit TrueColor window dump, or -1.
long XwdPixel(const std::string& d, int x, int y) {
    auto card = [&](std::size_t i) {
        const auto* p = reinterpret_cast<const unsigned char*>(d.data()) + 4 * i;
        return unsigned(p[0]) << 24 | unsigned(p[1]) << 16 | unsigned(p[2]) << 8 | p[3];
    };
    if (d.size() < 100 || card(11) != 32) return -1;
    const std::size_t at = card(0) + card(19) * 12 + std::size_t(y) * card(12) + std::size_t(x) * 4;
    if (x >= int(card(4)) || y >= int(card(5)) || at + 4 > d.size()) return -1;
    const auto* p = reinterpret_cast<const unsigned char*>(d.data()) + at;
    const unsigned v = card(7) == 0 ? p[0] | p[1] << 8 | p[2] << 16 : p[3] | p[2] << 8 | p[1] << 16;
    return v & 0xFFFFFF;
}

class Smoke : public ::testing::Test {
  protected:
    void TearDown() override {
        for (const pid_t pid : {app, server}) {
            if (pid > 0) ::kill(pid, SIGKILL), ::waitpid(pid, nullptr, 0);
        }
        if (!dir.empty()) fs::remove_all(dir);
    }
    std::string X(const std::string& args) {
        return Output("DISPLAY=" + display + " timeout 20 xdotool " + args);
    }
    pid_t app = 0, server = 0;
    std::string display;
    fs::path dir;
};

TEST_F(Smoke, RealExecutableUnderXvfb) {
    if (Output("for p in Xvfb xdotool xwd; do command -v $p; done | wc -l") != "3")
        GTEST_SKIP() << "Xvfb, xdotool or xwd missing";
    // A directory of its own: the settings file lives beside the program.
    std::string pattern = (fs::path(OSTREL_EXECUTABLE).parent_path().parent_path() / "smoke-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    fs::copy_file(OSTREL_EXECUTABLE, dir / "Ostrel");
    std::ofstream(dir / "Ostrel.ini") << "COLORSPACE = 4\nHUEINDEX = 0\n";
    // A user's locale with a decimal comma, where one can be made: the program's numbers keep
    // their point in it.
    const fs::path locales = dir / "locales";
    fs::create_directory(locales);
    const bool commaLocale = Output("localedef -i de_DE -f UTF-8 " + (locales / "de_DE.UTF-8").string() +
                                    " >/dev/null 2>&1; echo $?") == "0";

    // Xvfb picks a free display itself; one started at the same moment as another server may
    // lose the race for a number and give none, so a few tries are allowed.
    for (int attempt = 0; attempt < 3 && display.empty(); ++attempt) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        if ((server = ::fork()) == 0) {
            ::close(fds[0]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", std::to_string(fds[1]).c_str(), "-screen", "0",
                     "1280x1024x24", "-nolisten", "tcp", nullptr);
            ::_exit(127);
        }
        ::close(fds[1]);
        // The server writes the digits and the newline apart and dies when the second write
        // finds the pipe closed, so the pipe stays open up to the newline or its end.
        std::string number;
        char c = 0;
        for (pollfd ready{fds[0], POLLIN, 0}; number.size() < 16 && ::poll(&ready, 1, 20000) == 1 &&
                                              ::read(fds[0], &c, 1) == 1 && c != '\n';) {
            number += c;
        }
        if (c == '\n' && !number.empty()) {
            display = ":" + number;
        } else {
            ::kill(server, SIGKILL), ::waitpid(server, nullptr, 0);
            server = 0;
        }
        ::close(fds[0]);
    }
    ASSERT_FALSE(display.empty()) << "Xvfb gave no display number";

    if ((app = ::fork()) == 0) {
        ::setenv("DISPLAY", display.c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        if (commaLocale) ::setenv("LOCPATH", locales.c_str(), 1), ::setenv("LC_ALL", "de_DE.UTF-8", 1);
        const std::string exe = (dir / "Ostrel").string();
        ::execl(exe.c_str(), exe.c_str(), nullptr);
        ::_exit(127);
    }
    const std::string window = X("search --sync --onlyvisible --name '^Kelbrant Ostrel$' | head -1");
    ASSERT_FALSE(window.empty()) << "no main window";

    // "010 90 05" in HDTV, the space read; the first swatch below the menu bar, once painted.
    int count = 0;
    const RalDesignColor& e = GetRalDesignDataAddress(&count)[0];
    SetRgbSpace(4);
    const long expected = RGB__int(XYZ__RGB(Lab__XYZ({e.L, e.a, e.b}, GetWhiteRef(4, 1))));
    SetRgbSpace(kRgbSpaceSRGB);
    int run = 0;
    for (const auto end = Clock::now() + std::chrono::seconds(20); run < 40 && Clock::now() < end;) {
        const std::string dump = Output("DISPLAY=" + display + " xwd -silent -id " + window);
        run = 0;
        for (int y = 140; y < 240 && run < 40; ++y) run = XwdPixel(dump, 146, y) == expected ? run + 1 : 0;
    }
    EXPECT_GE(run, 40) << std::hex << "no swatch of 0x" << expected;

    // The File menu opens as a window of its own; then its Quit is chosen by its letter.
    X("windowfocus --sync " + window);
    const std::string before = X("search --onlyvisible --maxdepth 1 --class ''");
    X("key alt+f");
    for (const auto end = Clock::now() + std::chrono::seconds(20);
         X("search --onlyvisible --maxdepth 1 --class ''") == before && Clock::now() < end;) {
    }
    X("key q");
    const std::string popup =
        X("search --sync --onlyvisible --name '^Ostrel v1\\.00 Jun 03 2006$' | head -1");
    ASSERT_FALSE(popup.empty()) << "no quit question; shown: "
                                << X("search --onlyvisible --name 'Ostrel v' getwindowname %@");
    X("windowfocus --sync " + popup + " key y");

    int status = -1;
    for (const auto end = Clock::now() + std::chrono::seconds(20); Clock::now() < end;) {
        if (::waitpid(app, &status, WNOHANG) == app) break;
        ::poll(nullptr, 0, 20);
    }
    ASSERT_TRUE(WIFEXITED(status)) << "still running";
    app = 0;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::ifstream in(dir / "Ostrel.ini");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "COLORSPACE = 4\nHUEINDEX = 0\n");
}

}  // namespace
