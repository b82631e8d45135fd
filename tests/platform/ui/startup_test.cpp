// Start-up without a usable display: the layer says so through InitCVIRTEEx, so the program
// can report it and exit, instead of the toolkit aborting the process with a core dump.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Outcome {
    bool exited = false;
    int code = -1;
    int signal = 0;
    std::string errors;  // what the program wrote on standard error
};

bool DisplayVariable(const std::string& entry) {
    for (const char* name : {"QT_QPA_PLATFORM=", "DISPLAY=", "WAYLAND_DISPLAY="}) {
        if (entry.rfind(name, 0) == 0) return true;
    }
    return false;
}

// Runs the probe with the display variables of this process removed and `extra` added.
Outcome RunProbe(const std::vector<std::string>& extra) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (!DisplayVariable(*e)) env.emplace_back(*e);
    }
    env.insert(env.end(), extra.begin(), extra.end());
    std::vector<char*> envp;
    for (std::string& entry : env) envp.push_back(entry.data());
    envp.push_back(nullptr);

    Outcome outcome;
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return outcome;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    std::string path = OSTREL_NO_DISPLAY_PROBE;
    char* argv[] = {path.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (spawned == 0) {
        char buffer[512];
        ssize_t n = 0;
        while ((n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0) outcome.errors.append(buffer, n);
        int status = 0;
        ::waitpid(pid, &status, 0);
        outcome.exited = WIFEXITED(status);
        outcome.code = outcome.exited ? WEXITSTATUS(status) : -1;
        outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }
    ::close(pipeEnds[0]);
    return outcome;
}

// An X display no server answers on now, through its socket file or its abstract socket.
std::string UnservedDisplay() {
    for (int n = 987;; ++n) {
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(n);
        bool served = false;
        for (const std::size_t abstract : {0, 1}) {
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::memcpy(address.sun_path + abstract, socket.data(), socket.size());
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            const auto length =
                static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + abstract + socket.size());
            served = served || ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
            ::close(fd);
        }
        if (!served) return ":" + std::to_string(n);
    }
}

TEST(StartupTest, WithoutADisplayTheProgramSaysSoAndExitsWithoutASignal) {
    struct Case {
        const char* what;
        std::vector<std::string> env;
    };
    const Case cases[] = {
        {"no display variable at all", {}},
        {"an X display nobody serves", {"DISPLAY=" + UnservedDisplay()}},
        {"the X platform asked for, no display", {"QT_QPA_PLATFORM=xcb"}},
        {"a Wayland socket that does not exist", {"WAYLAND_DISPLAY=ostrel-no-such-socket"}},
    };
    for (const Case& c : cases) {
        const Outcome out = RunProbe(c.env);
        EXPECT_EQ(out.signal, 0) << c.what << ": ended by a signal";
        EXPECT_TRUE(out.exited) << c.what;
        EXPECT_EQ(out.code, 3) << c.what << ": InitCVIRTEEx should have given 0\n" << out.errors;
        EXPECT_NE(out.errors.find("no display can be opened"), std::string::npos) << c.what << "\n"
                                                                                  << out.errors;
    }
}

TEST(StartupTest, WithADisplayTheProbeStartsAndMakesAPanel) {
    // Guards the test above: the probe itself works when a display is there.
    const Outcome out = RunProbe({"QT_QPA_PLATFORM=offscreen"});
    EXPECT_TRUE(out.exited);
    EXPECT_EQ(out.code, 0) << out.errors;
}

}  // namespace
