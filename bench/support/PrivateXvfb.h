// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A private X server for the X11 run of the window benchmarks. Xvfb chooses a free display
// itself and writes its number to a pipe (-displayfd), so the benchmarks never collide with a
// display someone else uses. The server is stopped by its pid when this object goes, and it
// also dies with its parent if the parent is killed first.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace drawlet::bench {

class PrivateXvfb {
public:
    PrivateXvfb() {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            return;
        }
        const pid_t parent = getpid();
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (getppid() != parent) {
                _exit(127);
            }
            fcntl(fds[1], F_SETFD, 0);
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        if (pid_ > 0) {
            display_ = readDisplay(fds[0]);
        }
        close(fds[0]);
    }

    ~PrivateXvfb() { stop(); }

    PrivateXvfb(const PrivateXvfb&) = delete;
    PrivateXvfb& operator=(const PrivateXvfb&) = delete;

    // ":N", or empty when the server did not come up.
    const std::string& display() const { return display_; }

    void stop() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            int status = 0;
            while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
            }
            pid_ = -1;
        }
    }

private:
    // Xvfb writes the display number and a newline once it accepts clients.
    static std::string readDisplay(int fd) {
        std::string number;
        pollfd wait{.fd = fd, .events = POLLIN, .revents = 0};
        while (poll(&wait, 1, 15000) > 0) {
            char c = 0;
            if (read(fd, &c, 1) != 1 || c == '\n') {
                break;
            }
            number += c;
        }
        return number.empty() ? std::string() : ":" + number;
    }

    pid_t pid_ = -1;
    std::string display_;
};

using Environment = std::vector<std::pair<std::string, std::string>>;

// Runs a program with extra environment (its output thrown away when quiet) and waits for it.
// Returns its exit status (128 plus the signal when a signal ended it, -1 when it could not be
// started) and, when asked, the resources it used: wait4 reports the peak resident set of this one
// child.
inline int runAndWait(const std::string& program, const Environment& environment,
                      const std::vector<std::string>& arguments, rusage* usage = nullptr,
                      bool quiet = false) {
    const pid_t child = fork();
    if (child == 0) {
        if (quiet) {
            const int nothing = open("/dev/null", O_WRONLY);
            dup2(nothing, STDOUT_FILENO);
            dup2(nothing, STDERR_FILENO);
        }
        for (const auto& [name, value] : environment) {
            setenv(name.c_str(), value.c_str(), 1);
        }
        std::vector<std::string> copies = arguments;
        std::string name = program;
        std::vector<char*> argv{name.data()};
        for (std::string& argument : copies) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    if (child < 0) {
        return -1;
    }
    int status = 0;
    rusage used{};
    while (wait4(child, &status, 0, &used) < 0 && errno == EINTR) {
    }
    if (usage != nullptr) {
        *usage = used;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// This executable's own path, for running a second variant of itself.
inline std::string ownPath() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

} // namespace drawlet::bench
