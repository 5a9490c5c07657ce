#pragma once
// The data routines' hooks as tests want them, for the life of a fixture:
// messages are collected, halting throws Halted, the program folder is fixed.
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ui_hooks.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"
#include "platform/os/read_file.h"

namespace testsupport {

// Thrown by the halt hook in place of ending the process.
struct Halted : std::runtime_error {
    explicit Halted(int code) : std::runtime_error("halt " + std::to_string(code)) {}
};

class DataHooks {
  public:
    explicit DataHooks(const std::string& program_folder) {
        os::set_message_hook([this](const std::string& t) { messages.push_back(t); });
        os::set_halt_hook([](int code) { throw Halted(code); });
        os::set_program_folder(program_folder);
    }
    ~DataHooks() {
        os::set_read_fail_hook({});
        os::set_message_hook({});
        os::set_halt_hook({});
        os::set_program_folder("");
        core::reset_ui();
    }
    DataHooks(const DataHooks&) = delete;
    DataHooks& operator=(const DataHooks&) = delete;

    std::vector<std::string> messages;
};

} // namespace testsupport
