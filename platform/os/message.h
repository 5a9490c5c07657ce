#pragma once
// Messages and ending the process, usable before any window exists.
// The programs install their window hooks; tests replace them.
#include <functional>
#include <string>

namespace os {

// Shows a message (8-bit Windows-1250 text). Default: written to stderr.
void show_message(const std::string& text);
using MessageHook = std::function<void(const std::string& text)>;
void set_message_hook(MessageHook hook); // empty: the default

// Ends the program after a fatal start-up condition: throws Halt, which the
// program's start catches, so everything made so far unwinds before the
// process ends with `code`. Not a std::exception, so no handler of run-time
// errors takes it for one. A test hook runs first and may throw instead.
struct Halt {
    int code = 0;
};
[[noreturn]] void halt(int code = 0);
using HaltHook = std::function<void(int code)>;
void set_halt_hook(HaltHook hook);

// Asks the application to terminate once its first event loop runs.
void request_terminate();
bool terminate_requested();
void clear_terminate_request();

} // namespace os
