#include "desktop/SessionEnd.h"

#include "cycle/Registry.h"
#include "desktop/WavePlayer.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ostream>
#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

// Watches for the end of the session: one of the signals that end a session arrives, or the
// display's connection closes. The signals are held from the start, so one that comes before the
// wait is not lost.
class EndWatch {
public:
    explicit EndWatch(const std::string& display)
    {
        sigemptyset(&m_ending);
        for (int signal : { SIGTERM, SIGHUP, SIGINT })
            sigaddset(&m_ending, signal);
        sigprocmask(SIG_BLOCK, &m_ending, nullptr);
        m_signals = signalfd(-1, &m_ending, SFD_CLOEXEC);
        m_x = display.empty() ? nullptr : xcb_connect(display.c_str(), nullptr);
        if (m_x && xcb_connection_has_error(m_x)) {
            xcb_disconnect(m_x);
            m_x = nullptr;
        }
    }
    ~EndWatch()
    {
        if (m_x)
            xcb_disconnect(m_x);
        // The signals stay held: a second one must not cut the sound short.
        if (m_signals >= 0)
            close(m_signals);
    }
    EndWatch(const EndWatch&) = delete;
    EndWatch& operator=(const EndWatch&) = delete;

    void wait()
    {
        while (true) {
            pollfd watched[2] = { { m_signals, POLLIN, 0 }, { m_x ? xcb_get_file_descriptor(m_x) : -1, POLLIN, 0 } };
            if (poll(watched, 2, -1) < 0 && errno != EINTR)
                return;
            if (watched[0].revents) {
                signalfd_siginfo taken;
                [[maybe_unused]] ssize_t ignored = read(m_signals, &taken, sizeof taken);
                return;
            }
            if (m_x) {
                while (xcb_generic_event_t* event = xcb_poll_for_event(m_x))
                    std::free(event);
                if (xcb_connection_has_error(m_x))
                    return;
            }
        }
    }

private:
    sigset_t m_ending;
    int m_signals = -1;
    xcb_connection_t* m_x = nullptr;
};

} // namespace

std::string eventWave(Registry& registry, SoundEvent event)
{
    std::unique_ptr<RegistryKey> key = registry.openKey(RegistryRoot::CurrentUser, SoundApply::eventKey(event));
    if (!key)
        return "";
    RegistryValue value = key->queryValue("");
    bool text = value.kind == RegistryValue::Kind::String || value.kind == RegistryValue::Kind::ExpandableString;
    return text ? value.text : "";
}

SessionEnd::SessionEnd(
    CycleServices services, std::shared_ptr<WavePlayer> player, std::ostream& out, std::ostream& errors)
    : m_services(std::move(services))
    , m_player(std::move(player))
    , m_out(out)
    , m_errors(errors)
{
}

bool SessionEnd::playShutdownSound(bool dryRun)
{
    try {
        std::string wave = eventWave(*m_services.registry, SoundEvent::SystemExit);
        if (wave.empty()) {
            m_out << "shutdown sound: none set" << std::endl;
            return true;
        }
        if (!dryRun)
            m_player->playOnce(wave);
        m_out << "shutdown sound: " << (dryRun ? "would play " : "played ") << wave << std::endl;
        return true;
    } catch (const std::exception& error) {
        m_out << "shutdown sound: failed" << std::endl;
        m_errors << error.what() << "." << std::endl;
        return false;
    }
}

bool SessionEnd::awaitAndPlay(const std::string& display, bool dryRun)
{
    {
        EndWatch watch(display);
        m_out << "shutdown sound: waiting for the session to end" << std::endl;
        watch.wait();
    }
    return playShutdownSound(dryRun);
}
