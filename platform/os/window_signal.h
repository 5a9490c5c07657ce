#pragma once
// "Find the window by its title and set its caption" between the two
// programs: the window's owner listens on a Unix-domain socket in the user's
// runtime folder, named from the window title; a sender connects, writes
// "caption:" and the new caption (8-bit text, at most max_caption bytes),
// then closes.
#include <string>
#include <vector>

namespace os {

constexpr size_t max_caption = 4096;

// Socket path for a window title; empty when there is no runtime folder. Where
// the full name would pass the 107 bytes a socket path may have, only the
// title's hash names it, and in /tmp/vokarin-<uid>/ when the runtime folder is
// too long even for that.
std::string window_socket_path(const std::string& title);

// Sends the caption to the window listening under `title`. False when nobody
// listens there (or the caption could not be written).
bool signal_window(const std::string& title, const std::string& caption);

// The listening side, non-blocking: a program polls it from its event loop
// (a socket notifier on fd(), or a timer).
class WindowSignalServer {
  public:
    WindowSignalServer() = default;
    ~WindowSignalServer(); // closes and removes the socket file
    WindowSignalServer(const WindowSignalServer&) = delete;
    WindowSignalServer& operator=(const WindowSignalServer&) = delete;

    // Listens under `title`. A socket file left by a program that ended is
    // replaced; a live listener under the same title makes this fail.
    bool open(const std::string& title);
    void close();
    bool is_open() const { return fd_ >= 0; }
    int fd() const { return fd_; } // readable when a sender is waiting
    const std::string& error() const { return error_; }

    // Accepts every waiting sender and returns their captions, oldest first;
    // never blocks for long (a silent sender is dropped after a short wait).
    std::vector<std::string> poll();

  private:
    int fd_ = -1;
    std::string path_;
    std::string error_;
};

} // namespace os
