// The user list usr.t: reading, the duplicate check, new IDs and folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include "core/startup.h"
#include "core/state.h"
#include "support/temp_dir.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/atomic_file.h"
#include "platform/os/codepage.h"
#include "platform/os/read_file.h"
#include "shared/users.h"
#include "support/temp_dir.h"

namespace {

class Users : public ::testing::Test {
  protected:
    Users() {
        core::wyczysc_stan();
        wyczysc_userow();
        sciezka_programu = dir.path();
    }
    ~Users() override {
        os::set_atomic_fail_hook({});
        os::set_read_fail_hook({});
        core::wyczysc_stan();
        wyczysc_userow();
    }
    void lista(const std::string& bytes) {
        dir.write("usr.t", bytes);
        wczytaj_userow();
    }
    testsupport::TempDir dir;
};

TEST_F(Users, LinesThatAreNoUserAreNamedKeptBesideAndWrittenBackAsRead) {
    std::vector<std::string> said;
    core::ui().info = [&](const std::string& t) { said.push_back(t); };
    const std::string damaged =
        os::pl("1=Anna\r\nbez znaku\r\n x2 =Ola\r\n\r\n7=  Uczeń  \r\n") + std::string(1 << 20, '\xb7');
    lista(damaged);
    ASSERT_EQ(ile_userow, 2);
    EXPECT_EQ(id_userow[1], 1);
    EXPECT_EQ(nazwy_userow[1], "Anna");
    EXPECT_EQ(id_userow[2], 7);
    EXPECT_EQ(nazwy_userow[2], os::pl("Uczeń"));
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find(dir.file("usr.t") + " "), std::string::npos) << said[0];
    EXPECT_NE(said[0].find(dir.file("usr.t.uszkodzony")), std::string::npos) << said[0];
    EXPECT_EQ(dir.read("usr.t.uszkodzony"), damaged);

    // A rewrite keeps every line it does not understand, as it was read; the
    // copy made at the start serves.
    ASSERT_EQ(dodaj_usera("Piotr"), WynikDodania::dodany);
    EXPECT_EQ(dir.read("usr.t"), os::pl("1=Anna\r\n7=Uczeń\r\n8=Piotr\r\nbez znaku\r\n x2 =Ola\r\n") +
                                     std::string(1 << 20, '\xb7') + "\r\n");
    EXPECT_EQ(dir.read("usr.t.uszkodzony"), damaged);
    EXPECT_FALSE(std::filesystem::exists(dir.file("usr.t.uszkodzony.2")));
    core::reset_ui();
}

TEST_F(Users, AMissingFileGivesAnEmptyList) {
    wczytaj_userow();
    EXPECT_EQ(ile_userow, 0);
    int id = 0;
    ASSERT_EQ(dodaj_usera("  Jan ", &id), WynikDodania::dodany);
    EXPECT_EQ(id, 1);
    EXPECT_EQ(dir.read("usr.t"), "1=Jan\r\n");
}

TEST_F(Users, DuplicateNamesAreFoundWithoutCaseAndBlanks) {
    lista(os::pl("1=Uczeń\r\n"));
    const std::string same[] = {os::pl(" uczeń "), os::pl("UCZEŃ"), os::pl("Uczeń")};
    for (const auto& n : same) {
        SCOPED_TRACE(n);
        EXPECT_EQ(dodaj_usera(n), WynikDodania::istnieje);
    }
    EXPECT_EQ(ile_userow, 1);
    EXPECT_EQ(dodaj_usera(os::pl("Uczennica")), WynikDodania::dodany);
}

TEST_F(Users, TheNewIdFollowsTheHighestAndNamesTheFolder) {
    lista("1=A1\r\n2=B2\r\n7=C7\r\n");
    int id = 0;
    ASSERT_EQ(dodaj_usera("Nowy", &id), WynikDodania::dodany);
    EXPECT_EQ(id, 8);
    EXPECT_EQ(folder_usera(id), dir.path() + "8/");
}

// A numbered folder holds some learner's data even when usr.t has lost the
// line: a new user never inherits it.
TEST_F(Users, TheNewIdIsAboveEveryNumberedUserFolderToo) {
    struct Case {
        const char* list;
        std::vector<std::string> folders, files;
        int id;
    } cases[] = {
        {"1=A\r\n", {}, {}, 2},
        {"", {"1"}, {}, 2},
        {"1=A\r\n", {"12", "abc", "3x"}, {"40"}, 13},
        {"", {"007"}, {}, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list + std::to_string(c.id));
        testsupport::TempDir fresh;
        sciezka_programu = fresh.path();
        fresh.write("usr.t", c.list);
        for (const auto& f : c.folders)
            std::filesystem::create_directory(fresh.file(f));
        for (const auto& f : c.files)
            fresh.write(f, "a file, not a user");
        wczytaj_userow();
        int id = 0;
        ASSERT_EQ(dodaj_usera("Nowy", &id), WynikDodania::dodany);
        EXPECT_EQ(id, c.id);
    }
}

// The list may have changed since it was shown: the other program adds users too.
TEST_F(Users, AUserTheOtherProgramAddedMeanwhileIsNeitherLostNorTakenTwice) {
    lista("1=Anna\r\n");
    dir.write("usr.t", "1=Anna\r\n2=Piotr\r\n");
    std::filesystem::create_directory(dir.file("2"));
    EXPECT_EQ(dodaj_usera("piotr"), WynikDodania::istnieje);
    EXPECT_EQ(ile_userow, 1); // nothing added: the list shown stays

    int id = 0;
    ASSERT_EQ(dodaj_usera("Ewa", &id), WynikDodania::dodany);
    EXPECT_EQ(id, 3);
    EXPECT_EQ(dir.read("usr.t"), "1=Anna\r\n2=Piotr\r\n3=Ewa\r\n");
    ASSERT_EQ(ile_userow, 3);
    EXPECT_EQ(nazwy_userow[2], "Piotr");
    EXPECT_EQ(nazwy_userow[3], "Ewa");
}

// Two programs adding users at the same time, each its own process.
TEST_F(Users, TwoWritersAtOnceLoseNobodyAndShareNoId) {
    constexpr int each = 12;
    const std::string program = dir.path();
    auto spawn = [&](const char* prefix) {
        const pid_t pid = fork();
        if (pid == 0) {
            execl(TRAINER_CHILD, TRAINER_CHILD, "add-users", program.c_str(), prefix,
                  std::to_string(each).c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        return pid;
    };
    const pid_t a = spawn("Ala"), b = spawn("Bartek");
    for (pid_t pid : {a, b}) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    wczytaj_userow();
    ASSERT_EQ(ile_userow, 2 * each) << dir.read("usr.t");
    std::set<int> ids;
    std::set<std::string> names;
    for (int i = 1; i <= ile_userow; ++i) {
        ids.insert(id_userow[i]);
        names.insert(nazwy_userow[i]);
    }
    EXPECT_EQ(ids.size(), static_cast<size_t>(2 * each));
    EXPECT_EQ(*ids.rbegin(), 2 * each);
    for (int i = 1; i <= each; ++i) {
        EXPECT_TRUE(names.count("Ala" + std::to_string(i))) << i;
        EXPECT_TRUE(names.count("Bartek" + std::to_string(i))) << i;
    }
    EXPECT_TRUE(nadmiarowi_userzy().empty());
}

TEST_F(Users, AFiftyFirstUserIsRefusedAndExtraLinesAreKept) {
    std::string bytes;
    for (int i = 1; i <= 52; ++i)
        bytes += std::to_string(i) + "=u" + std::to_string(i) + "\r\n";
    lista(bytes);
    EXPECT_EQ(ile_userow, MAX_USEROW);
    EXPECT_EQ(nadmiarowi_userzy().size(), 2u);
    EXPECT_EQ(dodaj_usera("Kolejny"), WynikDodania::pelna_lista);
    EXPECT_EQ(dir.read("usr.t"), bytes);
}

TEST_F(Users, AFailedWriteAddsNobodyAndKeepsTheFile) {
    lista("1=Anna\r\n");
    os::set_atomic_fail_hook([](const std::string& step) { return step == "rename"; });
    EXPECT_EQ(dodaj_usera("Ola"), WynikDodania::blad_zapisu);
    EXPECT_EQ(ile_userow, 1);
    EXPECT_EQ(dir.read("usr.t"), "1=Anna\r\n");
}

TEST_F(Users, AListThatCouldNotBeReadIsNeverRewritten) {
    const std::string bytes = "1=Anna\r\n2=Piotr\r\n";
    dir.write("usr.t", bytes);
    os::set_read_fail_hook([](const std::string&) { return true; });
    wczytaj_userow();
    EXPECT_EQ(ile_userow, 0);
    EXPECT_EQ(dodaj_usera("Ola"), WynikDodania::blad_odczytu);
    EXPECT_EQ(dir.read("usr.t"), bytes);

    // Read again once it can be: the users are back and a new one is added.
    os::set_read_fail_hook({});
    lista(bytes);
    EXPECT_EQ(dodaj_usera("Ola"), WynikDodania::dodany);
    EXPECT_EQ(dir.read("usr.t"), bytes + "3=Ola\r\n");
}

} // namespace
