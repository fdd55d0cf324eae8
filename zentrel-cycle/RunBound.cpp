#include "zentrel-cycle/RunBound.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

char message[96];

void giveUp(int)
{
    // Only what may run in a signal handler.
    ssize_t ignored = ::write(STDERR_FILENO, message, std::strlen(message));
    (void)ignored;
    ::_exit(1);
}

struct sigaction previous;

} // namespace

RunBound::RunBound(unsigned seconds)
{
    std::snprintf(message, sizeof message, "zentrel-cycle: stopped after %u seconds without finishing.\n", seconds);
    struct sigaction action { };
    action.sa_handler = giveUp;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGALRM, &action, &previous);
    ::alarm(seconds);
}

RunBound::~RunBound()
{
    ::alarm(0);
    ::sigaction(SIGALRM, &previous, nullptr);
}
