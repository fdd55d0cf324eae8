#pragma once

#include <csignal>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// An Xvfb server of the test's own. The server picks a free display number itself and writes it
// to a pipe once it takes connections, so parallel runs never race for the same display (which
// xvfb-run -a does when two start at once). It never resets: a server resets when its last client
// leaves, and a program connecting just then is turned away ("cannot open display").
class VirtualScreen {
public:
    explicit VirtualScreen(const std::string& geometry)
    {
        int ready[2];
        if (::pipe(ready) != 0)
            throw std::runtime_error("cannot make a pipe for Xvfb");
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(ready[0]);
            std::string fd = std::to_string(ready[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", geometry.c_str(), "-nolisten", "tcp",
                "-noreset", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(ready[1]);
        // Blocks until Xvfb names its display, or ends without one when Xvfb fails.
        std::string number;
        char c;
        while (::read(ready[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(ready[0]);
        if (m_pid < 0 || number.empty()) {
            if (m_pid > 0)
                ::waitpid(m_pid, nullptr, 0);
            throw std::runtime_error("Xvfb did not start");
        }
        m_display = ":" + number;
    }
    ~VirtualScreen()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    VirtualScreen(const VirtualScreen&) = delete;
    VirtualScreen& operator=(const VirtualScreen&) = delete;

    const std::string& display() const { return m_display; }

private:
    pid_t m_pid = -1;
    std::string m_display;
};
