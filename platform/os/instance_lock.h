#pragma once
// One instance per user: an exclusive lock (flock) on a file named by a token
// in the user's runtime folder. The system frees the lock when the process
// ends, however it ends, so a lock left by a dead process never blocks.
#include <string>

namespace os {

// The user's runtime folder, ending in "/": $XDG_RUNTIME_DIR when set and a
// folder, else /tmp/vokarin-<uid> (created with mode 0700; refused when it is
// not a folder of this user). Empty when no such folder can be had.
std::string runtime_folder();
// The fallback above, /tmp/vokarin-<uid>/, whatever $XDG_RUNTIME_DIR says.
std::string private_tmp_folder();

// A file name made from any text: letters, digits, '-' and '_' kept, every
// other byte '_', at most 40 of them, then a hash of the whole text, so that
// different texts give different names.
std::string token_file_name(const std::string& text);

class InstanceLock {
  public:
    enum class State {
        acquired,       // this object holds the lock
        held_elsewhere, // another holder (process or object) has it
        failed,         // the lock file could not be made (see error())
    };

    explicit InstanceLock(std::string token);
    ~InstanceLock(); // releases
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State acquire(); // non-blocking
    void release();
    bool held() const { return fd_ >= 0; }
    const std::string& path() const { return path_; } // set by acquire()
    const std::string& error() const { return error_; }

  private:
    std::string token_;
    std::string path_;
    std::string error_;
    int fd_ = -1;
};

// Process-wide lock kept until the process ends: false only when another
// holder has it. A lock file that cannot be made does not stop the program.
bool acquire_single_instance(const std::string& token);

} // namespace os
