// Handing a word to the dictionary program: the caption text, and starting or
// signalling a real second process (the stand-in dictionary).
#include "core/dictionary_launch.h"
#include "core/startup.h"
#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"
#include "platform/os/message.h"
#include "platform/os/process.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <cstdlib>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using testsupport::TempDir;

TEST(DictionaryLaunchTest, CaptionText) {
    struct Case {
        std::string word, caption;
    } cases[] = {
        {"house.", "xxxhouse"},
        {"Haus!?", "xxxHaus!"},
        {"   ", ""},
        {"", ""},
        {"  dog  ", "xxxdog"},
        {"a,", "xxxa"},
        {"why?", "xxxwhy"},
        {".", "xxx"},
        {"\xBF\xF3\xB3w", "xxx\xBF\xF3\xB3w"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(podpis_slownika(c.word), c.caption) << c.word;
}

#ifdef FAKE_LEXARIN

// Lines the stand-in wrote that begin with `prefix`, without it.
std::vector<std::string> log_lines(const TempDir& tmp, const std::string& prefix) {
    std::istringstream in(tmp.read("log.txt"));
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);)
        if (line.rfind(prefix, 0) == 0) out.push_back(line.substr(prefix.size()));
    return out;
}

bool wait_for(const std::function<bool()>& done) {
    const int64_t end = os::ticks_ms() + 5000;
    while (!done()) {
        if (os::ticks_ms() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// One test: the steps share the process list, so they must not run side by side.
TEST(DictionaryLaunchTest, StartsWhenAbsentSignalsWhenPresentReportsFailedStart) {
    if (os::is_program_running(nazwa_slownika)) GTEST_SKIP() << "a dictionary program runs here";
    TempDir tmp;
    // Puts back what the test changes, however it ends.
    struct Restore {
        std::string cwd, run;
        bool had_run;
        ~Restore() {
            os::set_message_hook(nullptr);
            had_run ? ::setenv("XDG_RUNTIME_DIR", run.c_str(), 1) : ::unsetenv("XDG_RUNTIME_DIR");
            if (::chdir(cwd.c_str()) != 0) std::perror("chdir");
        }
    } restore{std::filesystem::current_path().string(),
              std::getenv("XDG_RUNTIME_DIR") ? std::getenv("XDG_RUNTIME_DIR") : "",
              std::getenv("XDG_RUNTIME_DIR") != nullptr};
    const std::string run = tmp.file("run");
    ASSERT_EQ(::mkdir(run.c_str(), 0700), 0);
    ::setenv("XDG_RUNTIME_DIR", run.c_str(), 1);
    ::setenv("FAKE_LEXARIN_LOG", tmp.file("log.txt").c_str(), 1);
    ::setenv("FAKE_LEXARIN_TITLE", "Tavolent - S\xB3ownik", 1);
    ::setenv("FAKE_LEXARIN_LIFETIME_MS", "20000", 1);
    std::vector<std::string> messages;
    os::set_message_hook([&](const std::string& m) { messages.push_back(m); });
    wyczysc_start();
    tytul_slownika = "Tavolent - S\xB3ownik";
    ASSERT_EQ(::chdir("/"), 0); // the current folder plays no part

    // No dictionary in the program folder: the learner is told.
    sciezka_programu = tmp.path();
    odpal_slownik("house.");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind(os::pl("Nie można uruchomić słownika: ") + tmp.file("lexarin"), 0),
              0u)
        << messages[0];
    EXPECT_NE(messages[0].find(os::pl("Nie ma takiego pliku.")), std::string::npos);
    messages.clear();

    // Absent: started; it does not listen yet, so this caption is lost.
    struct Stop { // ends every stand-in this test started, however it ends
        const TempDir& tmp;
        bool done = false;
        void now() {
            if (done) return;
            done = true;
            for (const std::string& pid : log_lines(tmp, "started "))
                ::kill(std::stoi(pid), SIGTERM);
        }
        ~Stop() { now(); }
    } stop{tmp};
    std::string fake = FAKE_LEXARIN;
    sciezka_programu = fake.substr(0, fake.rfind('/') + 1);
    odpal_slownik("house.");
    ASSERT_TRUE(wait_for([&] { return !log_lines(tmp, "listening").empty(); }))
        << tmp.read("log.txt");
    ASSERT_EQ(log_lines(tmp, "started ").size(), 1u);

    // Present: signalled, not started again.
    odpal_slownik("Haus!?");
    odpal_slownik("   ");
    // The first caption arrives too when the stand-in was quick to listen.
    auto later_captions = [&] {
        std::vector<std::string> c = log_lines(tmp, "caption ");
        if (!c.empty() && c.front() == "xxxhouse") c.erase(c.begin());
        return c;
    };
    ASSERT_TRUE(wait_for([&] { return later_captions().size() >= 2; })) << tmp.read("log.txt");
    EXPECT_EQ(later_captions(), (std::vector<std::string>{"xxxHaus!", ""}));
    EXPECT_EQ(log_lines(tmp, "started ").size(), 1u);
    EXPECT_TRUE(messages.empty());

    stop.now();
    EXPECT_TRUE(wait_for([] { return !os::is_program_running(nazwa_slownika); }));
}

#endif

} // namespace
