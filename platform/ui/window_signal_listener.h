#pragma once
// The dictionary's side of the caption signal, driven by Qt's event loop:
// listens under its window title and reports every caption a sender sets.
#include "platform/os/window_signal.h"

#include <QByteArray>
#include <QObject>
#include <string>

class QSocketNotifier;

namespace ui {

class WindowSignalListener : public QObject {
    Q_OBJECT
  public:
    explicit WindowSignalListener(QObject* parent = nullptr);
    ~WindowSignalListener() override;

    // Listens under the 8-bit title; false (reason in error()) when it cannot.
    bool listen(const std::string& title);
    void stop();
    bool listening() const { return server_.is_open(); }
    const std::string& error() const { return server_.error(); }

  signals:
    // The caption as sent: 8-bit Windows-1250 bytes.
    void captionReceived(const QByteArray& caption);

  private:
    void take();

    os::WindowSignalServer server_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace ui
