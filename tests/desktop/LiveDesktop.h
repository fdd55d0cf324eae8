#pragma once

// A desktop's own programs running in a session of the test's own: an Xvfb screen (or a headless
// sway), a private session bus, a home folder with the stand-in machine, and the programs the
// test starts. `present()` runs zentrel-cycle --present in that session; `shows()` waits, within a
// bound, until the screen's pixels are the picture tiled from the top left or centred on the
// desktop's colour. Every process started is ended with its whole process group.
#include "VirtualScreen.h"
#include "cycle/StandInMachine.h"
#include "cycle/TemporaryFolder.h"

#include <QImage>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

class LiveDesktop {
public:
    enum class Screen { X11, Sway };
    static constexpr int width = 640, height = 480;
    static constexpr QRgb colour = 0x008080; // the stand-in machine's "Background"

    LiveDesktop(std::string currentDesktop, Screen kind = Screen::X11)
        : m_kind(kind)
        , m_desktop(currentDesktop)
    {
        // sway refuses to run as root: the whole session then runs as nobody.
        if (kind == Screen::Sway && ::getuid() == 0)
            m_asUser = { "setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--" };
        for (const char* sub : { "home", "run", "home/.config", "home/.cache", "home/.local/share" })
            std::filesystem::create_directories(m_folder.file(sub));
        std::filesystem::permissions(m_folder.file("run"), std::filesystem::perms::owner_all);
        StandInMachine(m_folder.path()).ensureExists();
        // Every pixel differs from its neighbours, so a shifted or scaled picture shows.
        for (int y = 0; y < m_picture.height(); ++y)
            for (int x = 0; x < m_picture.width(); ++x)
                m_picture.setPixel(x, y, qRgb(6 * x + 7, 8 * y + 11, (x * 37 + y * 11) % 200 + 40));
        m_picture.save(QString::fromStdString(picturePath()), "BMP");
        if (!m_asUser.empty())
            std::system(("chown -R 65534:65534 '" + m_folder.path() + "'").c_str());

        std::string home = m_folder.file("home");
        m_environment = { "HOME=" + home, "XDG_CONFIG_HOME=" + home + "/.config", "XDG_CACHE_HOME=" + home + "/.cache",
            "XDG_DATA_HOME=" + home + "/.local/share", "XDG_RUNTIME_DIR=" + m_folder.file("run"),
            "XDG_CURRENT_DESKTOP=" + currentDesktop, "PATH=/usr/local/bin:/usr/bin:/bin", "LANG=C.UTF-8",
            "GSETTINGS_BACKEND=dconf", "GIO_USE_VFS=local", "GIO_USE_VOLUME_MONITOR=unix", "NO_AT_BRIDGE=1",
            "QT_QPA_PLATFORM=xcb", "SDL_AUDIODRIVER=dummy" };
        if (kind == Screen::X11) {
            m_xvfb = std::make_unique<VirtualScreen>(std::to_string(width) + "x" + std::to_string(height) + "x24");
            m_environment.push_back("DISPLAY=" + m_xvfb->display());
        }
        startBus();
        if (kind == Screen::Sway)
            startSway();
    }

    ~LiveDesktop()
    {
        // Later programs first: the bus and the screen outlive the programs that use them.
        for (auto pid = m_groups.rbegin(); pid != m_groups.rend(); ++pid)
            ::kill(-*pid, SIGTERM);
        for (pid_t pid : m_groups)
            if (!exited(pid, 3))
                ::kill(-pid, SIGKILL), ::waitpid(pid, nullptr, 0);
    }
    LiveDesktop(const LiveDesktop&) = delete;
    LiveDesktop& operator=(const LiveDesktop&) = delete;

    // A file or folder in the session's home folder, made with the folders above it.
    std::string home(const std::string& name) const
    {
        std::string path = m_folder.file("home/" + name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        return path;
    }

    // Starts a program of the desktop in the session; it ends with the session. Its process id.
    pid_t start(std::vector<std::string> command) { return m_groups.emplace_back(spawn(std::move(command))); }

    // Sets the wallpaper's tiling and runs zentrel-cycle --present; its exit status, its output in `output`.
    int present(bool tiled, std::string& output)
    {
        m_folder.write("machine/c/WINDOWS/win.ini",
            "[Desktop]\r\nWallpaper=" + picturePath() + "\r\nTileWallpaper=" + (tiled ? "1" : "0") + "\r\n");
        std::string out = m_folder.file("present.txt");
        int status = run("exec '" ZENTREL_CYCLE "' --present --only saver --program-dir '" + m_folder.path() + "' >'"
            + out + "' 2>&1");
        output = TemporaryFolder::readPath(out);
        return status;
    }

    // Waits, within `seconds`, until `condition` holds.
    static bool waitFor(const std::function<bool()>& condition, int seconds)
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return true;
    }

    // A window of the desktop type covers the X screen: the desktop program is up and drawing.
    bool desktopWindowIsUp() const
    {
        std::string command = "for w in $(xwininfo -root -tree | awk '/0x/ && / " + std::to_string(width) + "x"
            + std::to_string(height)
            + "\\+/ { print $1 }'); do xprop -id $w _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DESKTOP && "
              "exit 0; done; exit 1";
        return run(command) == 0;
    }

    // A shell command run in the session succeeds.
    bool succeeds(const std::string& command) const { return run(command) == 0; }

    // Waits up to `seconds` for the screen to show the picture tiled, or centred on the colour, on
    // the right three fifths of the screen (desktop icons sit at the left).
    ::testing::AssertionResult shows(bool tiled, bool onColour, int seconds = 20)
    {
        std::string mismatch;
        waitFor([&] { return (mismatch = compare(screen(), tiled, onColour)).empty(); }, seconds);
        if (mismatch.empty())
            return ::testing::AssertionSuccess();
        // Left beside the test for a look at what the desktop showed.
        screen().save(QString::fromStdString(m_desktop + (tiled ? "-tiled.png" : "-centred.png")));
        return ::testing::AssertionFailure() << mismatch;
    }

private:
    std::string picturePath() const { return m_folder.file("a picture.bmp"); }

    static bool near(QRgb a, QRgb b)
    {
        return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2
            && std::abs(qBlue(a) - qBlue(b)) <= 2;
    }

    std::string compare(const QImage& shot, bool tiled, bool onColour) const
    {
        if (shot.width() != width || shot.height() != height)
            return "no screenshot";
        int left = (width - m_picture.width()) / 2, top = (height - m_picture.height()) / 2;
        for (int y = 0; y < height; ++y)
            for (int x = width * 2 / 5; x < width; ++x) {
                std::optional<QRgb> want;
                if (tiled)
                    want = m_picture.pixel(x % m_picture.width(), y % m_picture.height());
                else if (x >= left && x < left + m_picture.width() && y >= top && y < top + m_picture.height())
                    want = m_picture.pixel(x - left, y - top);
                else if (onColour)
                    want = colour;
                if (want && !near(shot.pixel(x, y), *want))
                    return "pixel " + std::to_string(x) + "," + std::to_string(y) + " is "
                        + QString::number(shot.pixel(x, y) & 0xffffff, 16).toStdString() + ", not "
                        + QString::number(*want & 0xffffff, 16).toStdString();
            }
        return "";
    }

    QImage screen() const
    {
        if (m_kind == Screen::Sway) {
            std::string shot = m_folder.file("run/shot.ppm");
            if (run("grim -t ppm '" + shot + "'") != 0)
                return {};
            return QImage(QString::fromStdString(shot)).convertToFormat(QImage::Format_RGB32);
        }
        xcb_connection_t* c = xcb_connect(m_xvfb->display().c_str(), nullptr);
        xcb_screen_t* root = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        auto* reply = xcb_get_image_reply(
            c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root->root, 0, 0, width, height, ~0u), nullptr);
        QImage image;
        if (reply)
            image = QImage(xcb_get_image_data(reply), width, height, QImage::Format_RGB32).copy();
        free(reply);
        xcb_disconnect(c);
        return image;
    }

    static bool exited(pid_t pid, int seconds, int* status = nullptr)
    {
        return waitFor([&] { return ::waitpid(pid, status, WNOHANG) == pid; }, seconds);
    }

    // Runs a shell command in the session, for at most 40 seconds; its exit status, or -1.
    int run(const std::string& command) const
    {
        pid_t pid = spawn({ "sh", "-c", command });
        int status = 0;
        if (exited(pid, 40, &status))
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        ::kill(-pid, SIGKILL), ::waitpid(pid, nullptr, 0);
        return -1;
    }

    // Starts a command in a process group of its own, with the session's environment.
    pid_t spawn(std::vector<std::string> command) const
    {
        command.insert(command.begin(), m_asUser.begin(), m_asUser.end());
        std::vector<char*> argv, envp;
        for (std::string& word : command)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        std::vector<std::string> environment = m_environment;
        for (std::string& entry : environment)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        pid_t pid = ::fork();
        if (pid == 0) {
            ::setpgid(0, 0);
            int null = ::open("/dev/null", O_RDWR);
            ::dup2(null, 0), ::dup2(null, 1), ::dup2(null, 2);
            ::chdir(m_folder.path().c_str());
            ::execvpe(argv[0], argv.data(), envp.data());
            ::_exit(127);
        }
        return pid;
    }

    void startBus()
    {
        std::string address = m_folder.file("run/bus");
        m_environment.push_back("DBUS_SESSION_BUS_ADDRESS=unix:path=" + address);
        start({ "dbus-daemon", "--session", "--nofork", "--nopidfile", "--address=unix:path=" + address });
        if (!waitFor([&] { return std::filesystem::exists(address); }, 10))
            throw std::runtime_error("the session bus did not start");
    }

    void startSway()
    {
        m_folder.write("run/sway.conf",
            "output HEADLESS-1 resolution " + std::to_string(width) + "x" + std::to_string(height) + "\n");
        m_environment.insert(
            m_environment.end(), { "WLR_BACKENDS=headless", "WLR_LIBINPUT_NO_DEVICES=1", "WLR_RENDERER=pixman" });
        start({ "sway", "-c", m_folder.file("run/sway.conf") });
        std::string run = m_folder.file("run");
        std::string socket, display;
        waitFor(
            [&] {
                for (const auto& entry : std::filesystem::directory_iterator(run)) {
                    std::string name = entry.path().filename().string();
                    if (name.starts_with("sway-ipc.") && name.ends_with(".sock"))
                        socket = entry.path().string();
                    if (name.starts_with("wayland-") && !name.ends_with(".lock"))
                        display = name;
                }
                return !socket.empty() && !display.empty();
            },
            20);
        if (socket.empty() || display.empty())
            throw std::runtime_error("sway did not start");
        m_environment.insert(m_environment.end(), { "SWAYSOCK=" + socket, "WAYLAND_DISPLAY=" + display });
    }

    Screen m_kind;
    std::string m_desktop;
    TemporaryFolder m_folder;
    std::vector<std::string> m_asUser;
    std::vector<std::string> m_environment;
    std::unique_ptr<VirtualScreen> m_xvfb;
    std::vector<pid_t> m_groups;
    QImage m_picture { 40, 30, QImage::Format_RGB32 };
};
