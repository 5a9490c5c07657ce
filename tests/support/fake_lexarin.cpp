// A stand-in dictionary program for the two-process tests. Started without
// arguments, it takes its orders from the environment:
//   FAKE_LEXARIN_TITLE  the window title to listen under
//   FAKE_LEXARIN_LOG    a file to which it appends what happens
// It writes "started <pid>", then "listening" once it listens, then
// "caption <text>" for every caption it receives. It ends by itself after
// FAKE_LEXARIN_LIFETIME_MS (default 30000) so a failed test leaves nothing.
#include "platform/os/date_serial.h"
#include "platform/os/window_signal.h"

#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace {

void log_line(const char* file, const std::string& line) {
    if (std::FILE* f = std::fopen(file, "ab")) {
        std::fprintf(f, "%s\n", line.c_str());
        std::fclose(f);
    }
}

} // namespace

int main() {
    const char* title = std::getenv("FAKE_LEXARIN_TITLE");
    const char* log = std::getenv("FAKE_LEXARIN_LOG");
    if (!title || !log) return 2;
    const char* life = std::getenv("FAKE_LEXARIN_LIFETIME_MS");
    const int64_t end = os::ticks_ms() + (life ? std::atoi(life) : 30000);

    log_line(log, "started " + std::to_string(::getpid()));
    os::WindowSignalServer server;
    if (!server.open(title)) {
        log_line(log, "cannot listen: " + server.error());
        return 1;
    }
    log_line(log, "listening");
    while (os::ticks_ms() < end) {
        pollfd p{server.fd(), POLLIN, 0};
        if (::poll(&p, 1, 100) > 0)
            for (const std::string& caption : server.poll())
                log_line(log, "caption " + caption);
    }
    return 0;
}
