#pragma once

// The unlucky user's machine for tests of code that writes files, undone when they go.
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <string>
#include <utility>

// A nearly full disk: a small tmpfs on `dir`. Mounting needs root and may be refused (!ok()).
struct SmallDisk {
    SmallDisk(std::string folder, int kilobytes) : dir(std::move(folder)) {
        const std::string options = "size=" + std::to_string(kilobytes) + "k";
        mounted = mount("tmpfs", dir.c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallDisk() {
        if (mounted) umount2(dir.c_str(), MNT_DETACH);
    }
    bool ok() const { return mounted; }
    std::string dir;
    bool mounted;
};

// Files may not grow beyond `bytes`: a write past it comes back short, then fails with EFBIG
// (the signal that would end the process is ignored).
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limit{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        oldHandler = signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old);
        signal(SIGXFSZ, oldHandler);
    }
    rlimit old{};
    sighandler_t oldHandler;
};
