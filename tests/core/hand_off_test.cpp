// The hand-off file slow.txt between the dictionary (appending) and the
// trainer (taking, keeping or deleting), under their one lock file.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

#include "core/hand_off.h"
#include "platform/os/codepage.h"
#include "platform/os/line_file.h"
#include "support/temp_dir.h"

extern char** environ;

namespace {

using testsupport::TempDir;

std::string naglowek() {
    std::string s = "Tavolent 2001 S\r\n" + os::pl("Słówka ze słownika...") + "\r\n";
    for (int i = 0; i < 8; ++i)
        s += "\r\n";
    return s;
}

// The IDs after the header, as written.
std::vector<int> identyfikatory(const std::string& path) {
    const std::vector<std::string> lines = os::read_lines(path);
    std::vector<int> ids;
    for (size_t n = NAGLOWEK_SLOW; n < lines.size(); ++n)
        ids.push_back(std::stoi(lines[n]));
    return ids;
}

TEST(HandOffWriter, MakesTheHeaderOnceAndAppendsOneIdALine) {
    struct Case {
        const char* what;
        const char* before; // nullptr: no file
        std::vector<int> ids;
        std::string after;
    } cases[] = {
        {"new file", nullptr, {12, 7, 12}, naglowek() + "12\r\n7\r\n12\r\n"},
        {"no row selected", nullptr, {0}, naglowek()},
        {"existing file", "h\r\nh\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n5\r\n", {6},
         "h\r\nh\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n5\r\n6\r\n"},
        {"last line without its break", "h\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n5", {6},
         "h\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n5\r\n6\r\n"},
        {"empty file", "", {3}, naglowek() + "3\r\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        if (c.before) dir.write("slow.txt", c.before);
        for (int id : c.ids)
            ASSERT_TRUE(dopisz_slowo(dir.path(), id)) << c.what;
        EXPECT_EQ(dir.read("slow.txt"), c.after) << c.what;
    }
}

class HandOffReader : public ::testing::Test {
  protected:
    TempDir dir;
    std::string slow() const { return plik_slow(dir.path()); }
    std::string przejety() const { return plik_slow_przejety(dir.path()); }
    void wyslij(std::initializer_list<int> ids) {
        for (int id : ids)
            ASSERT_TRUE(dopisz_slowo(dir.path(), id));
    }
};

TEST_F(HandOffReader, WordsSentWhileTheListShowsAreNotLost) {
    EXPECT_EQ(przejmij_slowa(dir.path()), "");
    wyslij({1, 2});
    ASSERT_EQ(przejmij_slowa(dir.path()), przejety());
    EXPECT_FALSE(dir.exists("slow.txt"));
    wyslij({3}); // meanwhile, into a new file

    // Kept: the taken words come back first, then the new ones.
    ASSERT_TRUE(oddaj_slowa(dir.path()));
    EXPECT_FALSE(dir.exists("slow_przejete.txt"));
    EXPECT_EQ(identyfikatory(slow()), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(os::read_lines(slow())[0], "Tavolent 2001 S");

    // Used: only the taken words go.
    ASSERT_EQ(przejmij_slowa(dir.path()), przejety());
    wyslij({4});
    usun_przejete_slowa(dir.path());
    EXPECT_EQ(identyfikatory(slow()), (std::vector<int>{4}));

    // Kept with nothing new: the file comes back as it was.
    const std::string przed = dir.read("slow.txt");
    ASSERT_EQ(przejmij_slowa(dir.path()), przejety());
    ASSERT_TRUE(oddaj_slowa(dir.path()));
    EXPECT_EQ(dir.read("slow.txt"), przed);
}

TEST_F(HandOffReader, ATakenFileLeftBehindIsMergedBackAtTheNextStart) {
    wyslij({8, 9});
    ASSERT_EQ(przejmij_slowa(dir.path()), przejety());
    // The trainer ends here; the dictionary sends one more.
    wyslij({10});
    ASSERT_TRUE(odzyskaj_slowa(dir.path()));
    EXPECT_EQ(identyfikatory(slow()), (std::vector<int>{8, 9, 10}));
    EXPECT_FALSE(dir.exists("slow_przejete.txt"));
    EXPECT_TRUE(odzyskaj_slowa(dir.path())); // nothing left to merge

    // Taking again also merges a leftover first.
    ASSERT_EQ(przejmij_slowa(dir.path()), przejety());
    wyslij({11});
    ASSERT_EQ(przejmij_slowa(dir.path()), przejety());
    EXPECT_EQ(identyfikatory(przejety()), (std::vector<int>{8, 9, 10, 11}));
}

pid_t uruchom(const std::string& folder, int first, int count) {
    const std::string a = std::to_string(first), b = std::to_string(count);
    char* argv[] = {const_cast<char*>(HAND_OFF_CHILD), const_cast<char*>(folder.c_str()),
                    const_cast<char*>(a.c_str()), const_cast<char*>(b.c_str()), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, HAND_OFF_CHILD, nullptr, nullptr, argv, environ) != 0) return -1;
    return pid;
}

bool zakonczony(pid_t pid, int& status) {
    return waitpid(pid, &status, WNOHANG) == pid;
}

// Two dictionaries append while the trainer takes the file again and again,
// keeping it one time and using it the next: every word sent is used exactly
// once or is still in the file at the end.
TEST_F(HandOffReader, TwoWritersAndATakingReaderLoseAndDoubleNothing) {
    constexpr int kIle = 1500;
    const pid_t a = uruchom(dir.path(), 1, kIle);
    const pid_t b = uruchom(dir.path(), 100001, kIle);
    ASSERT_GT(a, 0);
    ASSERT_GT(b, 0);

    std::multiset<int> uzyte;
    int status_a = -1, status_b = -1;
    bool koniec_a = false, koniec_b = false;
    bool zachowaj = false;
    const auto limit = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (!(koniec_a && koniec_b) && std::chrono::steady_clock::now() < limit) {
        if (!przejmij_slowa(dir.path()).empty()) {
            const std::vector<int> ids = identyfikatory(przejety());
            if (zachowaj) {
                ASSERT_TRUE(oddaj_slowa(dir.path()));
            } else {
                uzyte.insert(ids.begin(), ids.end());
                usun_przejete_slowa(dir.path());
            }
            zachowaj = !zachowaj;
        }
        koniec_a = koniec_a || zakonczony(a, status_a);
        koniec_b = koniec_b || zakonczony(b, status_b);
        std::this_thread::yield();
    }
    ASSERT_TRUE(koniec_a && koniec_b) << "the writers did not finish";
    EXPECT_TRUE(WIFEXITED(status_a) && WEXITSTATUS(status_a) == 0);
    EXPECT_TRUE(WIFEXITED(status_b) && WEXITSTATUS(status_b) == 0);
    if (dir.exists("slow.txt")) {
        const std::vector<int> reszta = identyfikatory(slow());
        uzyte.insert(reszta.begin(), reszta.end());
    }
    std::multiset<int> wyslane;
    for (int i = 0; i < kIle; ++i) {
        wyslane.insert(1 + i);
        wyslane.insert(100001 + i);
    }
    EXPECT_EQ(uzyte, wyslane);
}

} // namespace
