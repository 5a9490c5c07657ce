#pragma once
// A learner on the demo edition: usr.t with one user, the user's folder with
// a p.b of records for the first items of the course and a settings file
// whose help hint was seen, so a start can log in and close without stops.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/state.h"
#include "core/text.h"
#include "platform/os/date_serial.h"
#include "platform/os/line_file.h"
#include "platform/os/paths.h"
#include "platform/os/read_file.h"
#include "trainer/demo_edition.h"

namespace testsupport {

// Records for `n` items spread over the demo course, words and sentences, in
// item order, as p.b holds them.
inline std::string demo_records(int n) {
    start_programu();
    wczytaj_dane();
    std::string bytes;
    unsigned char rec[ROZMIAR_POWTORKI];
    for (int k = 0; k < n && k < baza.ile_slow; ++k) {
        const int i = n < 2 ? 1 : 1 + static_cast<int>(static_cast<long long>(k) * (baza.ile_slow - 1) / (n - 1));
        TPowtorka r;
        r.id = baza.id_slowa[i];
        r.data_pierwsza = os::today() - 30;
        r.data_ostatnia = os::today() - 2;
        r.ile_powtorzen = 2;
        r.interwal = 10;
        r.wspolczynnik = 1.5;
        r.typy[6] = 2;
        r.encode(rec);
        bytes.append(reinterpret_cast<const char*>(rec), ROZMIAR_POWTORKI);
    }
    core::wyczysc_stan();
    return bytes;
}

// The 54 lines of a settings file: the defaults, the hint seen, the run
// counter and the record count given.
inline std::string settings_file(int counter, int records) {
    TUstawienia u;
    u.linia[45] = 1;
    u.linia[51] = counter;
    u.linia[52] = records;
    std::string s;
    for (int n = 1; n <= LINII_USTAWIEN; ++n)
        s += (n == 39 || n == 40 ? std::string("1.20") : std::to_string(u.linia[n])) + "\r\n";
    return s;
}

// Lays out user 1 ("Anna") with `records` records and run counter `counter`.
inline void lay_out_learner(const DemoEdition& demo, int records, int counter) {
    demo.write("usr.t", "1=Anna\r\n");
    demo.write("1/p.b", demo_records(records));
    demo.write("1/ustaw_tas_40.txt", settings_file(counter, records));
}

// Each line of p.i whose file is there, whole, gives its record count and a
// time no older than the file's.
inline void expect_info_agrees(const std::string& user) {
    std::vector<std::string> lines;
    ASSERT_EQ(os::read_lines(user + "p.i", lines), os::ReadStatus::ok);
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        const size_t a = line.find('='), b = line.find('=', a + 1), c = line.find('=', b + 1);
        ASSERT_NE(c, std::string::npos);
        const std::string path = user + line.substr(0, a);
        // A damaged record file cannot agree with any line (the test made it so),
        // nor can one that cannot be read.
        std::string bytes;
        if (!std::filesystem::is_regular_file(path) || os::file_size(path) % ROZMIAR_POWTORKI ||
            os::read_whole_file(path, bytes) != os::ReadStatus::ok)
            continue;
        EXPECT_EQ(line.substr(b + 1, c - b - 1), IntToStr(os::file_size(path) / ROZMIAR_POWTORKI));
        double written = 0;
        ASSERT_TRUE(os::parse_date_time(line.substr(a + 1, b - a - 1), written));
        const double changed = os::serial_of_unix_time(os::file_mtime(path));
        EXPECT_GE(written + 0.5 / 86400, std::floor(changed * 86400) / 86400);
    }
}

} // namespace testsupport
