#pragma once
// An exclusive lock between processes on a lock file of its own, for a
// read-change-write of a shared file (the user list). The shared file itself
// is replaced by a rename, so a lock on it would guard the wrong file. The
// system frees the lock when its holder dies.
#include <string>

namespace os {

class FileLock {
  public:
    // Creates the lock file when missing and waits up to `wait_ms` for the lock.
    explicit FileLock(const std::string& path, int wait_ms = 5000);
    ~FileLock(); // releases; the lock file stays
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

} // namespace os
