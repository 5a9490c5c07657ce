#pragma once
// The data routines' hooks as tests want them, for the life of a fixture:
// messages are collected, the program folder is fixed. A halt throws
// os::Halt (Halted here).
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ui_hooks.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"
#include "platform/os/read_file.h"

namespace testsupport {

using Halted = os::Halt;

class DataHooks {
  public:
    explicit DataHooks(const std::string& program_folder) {
        os::set_message_hook([this](const std::string& t) { messages.push_back(t); });
        os::set_program_folder(program_folder);
    }
    ~DataHooks() {
        os::set_read_fail_hook({});
        os::set_message_hook({});
        os::set_program_folder("");
        core::reset_ui();
    }
    DataHooks(const DataHooks&) = delete;
    DataHooks& operator=(const DataHooks&) = delete;

    std::vector<std::string> messages;
};

} // namespace testsupport
