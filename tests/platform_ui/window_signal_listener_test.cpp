// The dictionary's caption listener on Qt's event loop.
#include "platform/os/date_serial.h"
#include "platform/os/window_signal.h"
#include "platform/ui/window_signal_listener.h"
#include "platform_ui/qt_app.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdlib>
#include <sys/stat.h>

namespace {

TEST(WindowSignalListenerTest, ReportsCaptionsSentUnderItsTitle) {
    testsupport::qt_app();
    testsupport::TempDir tmp;
    const char* old = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = old ? old : "";
    ASSERT_EQ(::mkdir(tmp.file("run").c_str(), 0700), 0);
    ::setenv("XDG_RUNTIME_DIR", tmp.file("run").c_str(), 1);

    const std::string title = "Tavolent - S\xB3ownik";
    ui::WindowSignalListener listener, second;
    std::vector<QByteArray> got;
    QObject::connect(&listener, &ui::WindowSignalListener::captionReceived,
                     [&](const QByteArray& c) { got.push_back(c); });
    ASSERT_TRUE(listener.listen(title)) << listener.error();
    EXPECT_FALSE(second.listen(title));

    EXPECT_TRUE(os::signal_window(title, "xxxhouse"));
    EXPECT_TRUE(os::signal_window(title, "xxx\xB3\xF3\xBF"
                                         "ko"));
    const int64_t end = os::ticks_ms() + 3000;
    while (got.size() < 2 && os::ticks_ms() < end)
        QCoreApplication::processEvents();
    EXPECT_EQ(got, (std::vector<QByteArray>{"xxxhouse", "xxx\xB3\xF3\xBF"
                                                        "ko"}));

    listener.stop();
    EXPECT_FALSE(os::signal_window(title, "xxxhouse"));
    old ? ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1) : ::unsetenv("XDG_RUNTIME_DIR");
}

} // namespace
