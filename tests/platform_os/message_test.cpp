#include "platform/os/codepage.h"
#include "platform/os/message.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct Halted : std::runtime_error {
    explicit Halted(int c) : std::runtime_error("halt"), code(c) {}
    int code;
};

class MessageTest : public ::testing::Test {
  protected:
    void TearDown() override {
        os::set_message_hook({});
        os::set_halt_hook({});
        os::clear_terminate_request();
    }
};

TEST_F(MessageTest, DefaultWritesUtf8ToStderr) {
    testing::internal::CaptureStderr();
    os::show_message(os::pl("Brak plików systemowych programu!"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Brak plików systemowych programu!\n");
}

TEST_F(MessageTest, HookReceivesTheBytes) {
    std::string seen;
    os::set_message_hook([&](const std::string& t) { seen = t; });
    os::show_message(os::pl("płyta"));
    EXPECT_EQ(seen, "p\xB3yta");
}

TEST_F(MessageTest, HaltCallsHookThatMayThrow) {
    os::set_halt_hook([](int code) { throw Halted(code); });
    try {
        os::halt(3);
        FAIL() << "halt returned";
    } catch (const Halted& h) {
        EXPECT_EQ(h.code, 3);
    }
}

TEST_F(MessageTest, HaltUnwindsWithItsCodeWhenTheHookReturns) {
    os::set_halt_hook([](int) {});
    try {
        os::halt(7);
        FAIL() << "halt returned";
    } catch (const os::Halt& h) {
        EXPECT_EQ(h.code, 7);
    }
}

TEST_F(MessageTest, TerminateRequest) {
    EXPECT_FALSE(os::terminate_requested());
    os::request_terminate();
    EXPECT_TRUE(os::terminate_requested());
    os::clear_terminate_request();
    EXPECT_FALSE(os::terminate_requested());
}

} // namespace
