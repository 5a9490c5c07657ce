// The user list usr.t: reading, the duplicate check, new IDs and folders.
#include <gtest/gtest.h>

#include "core/startup.h"
#include "core/state.h"
#include "core/text.h"
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
        sciezka_programu = dir.path();
    }
    ~Users() override {
        os::set_atomic_fail_hook({});
        os::set_read_fail_hook({});
        core::wyczysc_stan();
    }
    void lista(const std::string& bytes) {
        dir.write("usr.t", bytes);
        wczytaj_userow();
    }
    testsupport::TempDir dir;
};

TEST_F(Users, ReadingSkipsLinesWithoutEqualsAndKeepsBadIdsAside) {
    lista(os::pl("1=Anna\r\nbez znaku\r\n x2 =Ola\r\n\r\n7=  Uczeń  \r\n"));
    ASSERT_EQ(ile_userow, 2);
    EXPECT_EQ(id_userow[1], 1);
    EXPECT_EQ(nazwy_userow[1], "Anna");
    EXPECT_EQ(id_userow[2], 7);
    EXPECT_EQ(nazwy_userow[2], os::pl("Uczeń"));

    // A rewrite keeps the line whose ID is not a number.
    ASSERT_EQ(dodaj_usera("Piotr"), WynikDodania::dodany);
    EXPECT_EQ(dir.read("usr.t"), os::pl("1=Anna\r\n7=Uczeń\r\n8=Piotr\r\n x2 =Ola\r\n"));
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
