#include "platform/ui/window_signal_listener.h"

#include <QSocketNotifier>

namespace ui {

WindowSignalListener::WindowSignalListener(QObject* parent) : QObject(parent) {}

WindowSignalListener::~WindowSignalListener() {
    stop();
}

bool WindowSignalListener::listen(const std::string& title) {
    stop();
    if (!server_.open(title)) return false;
    notifier_ = new QSocketNotifier(server_.fd(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &WindowSignalListener::take);
    return true;
}

void WindowSignalListener::stop() {
    delete notifier_;
    notifier_ = nullptr;
    server_.close();
}

void WindowSignalListener::take() {
    for (const std::string& caption : server_.poll())
        emit captionReceived(QByteArray(caption.data(), static_cast<qsizetype>(caption.size())));
}

} // namespace ui
