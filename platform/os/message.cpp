#include "platform/os/message.h"

#include "platform/os/codepage.h"

#include <atomic>
#include <cstdio>

namespace os {

namespace {

MessageHook g_message_hook;
HaltHook g_halt_hook;
std::atomic<bool> g_terminate{false};

} // namespace

void show_message(const std::string& text) {
    if (g_message_hook) {
        g_message_hook(text);
        return;
    }
    std::string line = cp1250_to_utf8(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

void set_message_hook(MessageHook hook) {
    g_message_hook = std::move(hook);
}

void halt(int code) {
    if (g_halt_hook) g_halt_hook(code);
    throw Halt{code};
}

void set_halt_hook(HaltHook hook) {
    g_halt_hook = std::move(hook);
}

void request_terminate() {
    g_terminate = true;
}
bool terminate_requested() {
    return g_terminate;
}
void clear_terminate_request() {
    g_terminate = false;
}

} // namespace os
