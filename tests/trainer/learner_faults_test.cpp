// Every learner file, and the course files a login reads, made truncated,
// random, empty, a folder, or unreadable (a link to /proc/self/mem gives EIO
// even as root); then the real start, login and close. No crash; a message
// naming the file; and afterwards every learner file either unchanged byte
// for byte or rewritten with nothing it held lost.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <unistd.h>

#include "core/exercises.h"
#include "core/statistics.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/line_file.h"
#include "platform_ui/qt_app.h"
#include "trainer/learner_fixture.h"
#include "shared/form20.h"
#include "shared/form5.h"
#include "trainer/trainer_run.h"

namespace {

namespace fs = std::filesystem;

enum class Damage { truncated, random, empty, folder, eio };

const char* name_of(Damage d) {
    switch (d) {
    case Damage::truncated:
        return "truncated";
    case Damage::random:
        return "random";
    case Damage::empty:
        return "empty";
    case Damage::folder:
        return "folder";
    case Damage::eio:
        return "eio";
    }
    return "";
}

// The learner files, relative to the program folder.
const std::vector<std::string> kLearnerFiles = {
    "1/ustaw_tas_40.txt", "1/p.b",     "1/p.i",        "1/p_kopia.b",  "1/p_kopia_5.b",
    "1/tas_40",           "usr.t",     "sbusr.txt",    "kom_user.txt", "cwa_su.txt",
    "korekta_dane.txt",
};

// What a file holds: its bytes, or a mark for a folder or a link.
std::string content(const std::string& path) {
    const auto st = fs::symlink_status(path);
    if (fs::is_symlink(st)) return "<link " + fs::read_symlink(path).string() + ">";
    if (fs::is_directory(st)) return "<folder>";
    if (!fs::exists(st)) return "<none>";
    return testsupport::TempDir::read_from(path);
}

struct Outcome {
    int code = -1;
    bool main_window = false;
    std::vector<std::string> messages; // UTF-8
};

// The real start: log in as the last user (or leave, when there is nobody to
// log in), let every other box say its text and close it, close the main
// window once it shows.
Outcome run_trainer(std::vector<std::string>& os_messages) {
    Outcome out;
    std::function<void(ui::Window&)> act = [&](ui::Window& w) {
        ui::set_next_modal_hook(act);
        if (&w == Form9) {
            Form9->K_OKClick();
            if (Form9->isVisible()) Form9->close();
            return;
        }
        if (&w == Form20)
            out.messages.push_back(os::cp1250_to_utf8(Form20->Label1.Caption()));
        w.close();
    };
    ui::set_next_modal_hook(act);
    // Boxes of the start-up, before the program's own boxes exist.
    QTimer boxes;
    QObject::connect(&boxes, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            out.messages.push_back(box->text().toStdString());
            box->close();
        }
    });
    boxes.start(20);
    const testsupport::TrainerRun run =
        testsupport::run_trainer_once([](TForm1& f) { f.close(); });
    out.code = run.code;
    out.main_window = run.main_window;
    for (const std::string& m : os_messages)
        out.messages.push_back(os::cp1250_to_utf8(m));
    return out;
}

// The program folder of a learner after one login and close: settings,
// statistics, p.i and a backup as the program writes them; an own word, a
// comment, an own exercise and correction data; two backups.
const std::string& template_folder() {
    static testsupport::TempDir dir;
    static const bool laid_out = [] {
        testsupport::DemoEdition demo{testsupport::linked_folders};
        testsupport::lay_out_learner(demo, 40, 1);
        demo.write("korekta_panel.cfg", "");
        demo.write("korekta_dane.txt", "1 = popr = 1010 =uwaga=\r\n");
        demo.write("cwa_su.txt", os::pl("9=201-1-0001= Ćwiczenie usera [moje]=00001=00002=00003\r\n"));
        demo.write("1/p_kopia_5.b", demo.read("1/p.b"));
        std::vector<std::string> messages;
        const Outcome first = run_trainer(messages);
        EXPECT_TRUE(first.main_window && first.messages.empty());
        fs::copy(demo.dir.path(), dir.path(),
                 fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        return true;
    }();
    (void)laid_out;
    return dir.path();
}

// What a case must show: 'N' a message naming the file, 'M' some message
// (the text the original gives), '-' none needed; one letter per damage, in
// the order truncated, random, empty, folder, unreadable.
struct FaultCase {
    std::string file; // relative to the program folder
    Damage damage;
    char message;
};

const std::vector<std::pair<std::string, std::string>> kTable = {
    // learner files
    {"1/ustaw_tas_40.txt", "-N-NN"}, // missing lines take defaults
    {"1/p.b", "NNMNN"},              // empty: fewer records than saved
    {"1/p.i", "---NN"},              // an index, rebuilt from the files
    {"1/tas_40", "N--NN"},           // random rows are kept as rows
    {"usr.t", "---NN"},
    {"sbusr.txt", "-NMNN"},          // empty: an own word's record is gone
    {"kom_user.txt", "---NN"},
    {"cwa_su.txt", "NN-NN"},
    {"korekta_dane.txt", "---NN"},
    // course files of the start and the login
    {"ts40.ini", "NNNNN"},
    {"tavo_sk.txt", "--NNN"},
    {"gta_s.txt", "-N-NN"},
    {"ss_sk.t", "---NN"},
    {"sba_slow.txt", "NNNNN"}, // items vanish: their records are named
    {"zda.txt", "NNNNN"},
    {"coneca.txt", "-N-NN"},
    {"cwa_s.txt", "-N-NN"},
    {"b1.txt", "---NN"},
};

std::string case_name(const testing::TestParamInfo<FaultCase>& info) {
    std::string s = info.param.file + "_" + name_of(info.param.damage);
    for (char& c : s)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return s;
}

void damage(const std::string& path, Damage d) {
    const std::string before = testsupport::TempDir::read_from(path);
    fs::remove(path);
    switch (d) {
    case Damage::truncated:
        testsupport::TempDir::write_to(path, before.substr(0, before.size() / 2 + 1));
        break;
    case Damage::random: {
        std::string junk(before.size(), '\0');
        uint32_t x = 20240305;
        for (char& ch : junk) {
            x = x * 1103515245u + 12345u;
            ch = static_cast<char>(x >> 23);
        }
        testsupport::TempDir::write_to(path, junk);
        break;
    }
    case Damage::empty:
        testsupport::TempDir::write_to(path, "");
        break;
    case Damage::folder:
        fs::create_directory(path);
        break;
    case Damage::eio:
        // Reading one's own memory at offset 0 fails with EIO, even as root.
        fs::create_symlink("/proc/self/mem", path);
        break;
    }
}

std::vector<std::string> lines_of(const std::string& bytes) {
    return os::split_lines(bytes);
}

std::set<int32_t> record_ids(const std::string& bytes) {
    std::set<int32_t> ids;
    if (bytes.size() % ROZMIAR_POWTORKI != 0) return ids;
    for (size_t at = 0; at < bytes.size(); at += ROZMIAR_POWTORKI) {
        TPowtorka r;
        r.decode(reinterpret_cast<const unsigned char*>(bytes.data()) + at);
        ids.insert(r.id);
    }
    return ids;
}

// Statistics rows as name/kind/runs, holes left out.
std::multiset<std::string> stat_rows(const std::string& bytes) {
    std::multiset<std::string> rows;
    if (bytes.size() % TCwInfo::ROZMIAR != 0) return rows;
    for (size_t at = 0; at < bytes.size(); at += TCwInfo::ROZMIAR) {
        const TCwInfo r = TCwInfo::decode(reinterpret_cast<const unsigned char*>(bytes.data()) + at);
        if (!r.nazwa.empty())
            rows.insert(r.nazwa + "/" + std::to_string(r.rodzaj) + "/" + std::to_string(r.uruchomienia));
    }
    return rows;
}

// A learner file after the close: unchanged, or rewritten without losing what
// it held. `program` is the folder after the run, `baseline` the file in the
// template (undamaged).
void expect_nothing_lost(const std::string& name, const std::string& before, const std::string& after,
                         const std::string& baseline, const std::string& program) {
    SCOPED_TRACE(name);
    if (after == before) return;
    // A file that could not be read is never written over.
    ASSERT_TRUE(before[0] != '<' || before == "<none>") << before << " became " << after.substr(0, 80);
    if (name == "1/ustaw_tas_40.txt") {
        const auto b = lines_of(before), a = lines_of(after);
        ASSERT_EQ(a.size(), 54u);
        if (b.size() != 54u) return; // damaged: nothing whole to keep
        for (size_t n = 0; n < 54; ++n)
            if (n + 1 != 45 && n + 1 != 51 && n + 1 != 52) EXPECT_EQ(a[n], b[n]) << "line " << n + 1;
        EXPECT_EQ(a[50], std::to_string(std::stoi(b[50]) + 1));
    } else if (name == "1/p.i") {
        std::set<std::string> after_names;
        for (const auto& l : lines_of(after))
            after_names.insert(l.substr(0, l.find('=')));
        for (const auto& l : lines_of(before)) {
            const std::string n = l.substr(0, l.find('='));
            if (fs::is_regular_file(program + "1/" + n)) EXPECT_TRUE(after_names.count(n)) << n;
        }
        testsupport::expect_info_agrees(program + "1/");
    } else if (name == "1/p_kopia.b" || name == "1/p_kopia_5.b") {
        const auto b = record_ids(before), a = record_ids(after);
        EXPECT_TRUE(std::includes(a.begin(), a.end(), b.begin(), b.end()));
        EXPECT_EQ(after.size() % ROZMIAR_POWTORKI, 0u);
    } else if (name == "1/tas_40") {
        // Rows of own exercises that left the own list go by design.
        std::set<std::string> own;
        std::vector<std::string> list;
        if (os::read_lines(program + "cwa_su.txt", list) == os::ReadStatus::ok)
            for (const auto& l : list)
                own.insert(klucz_cwiczenia(pole_linii(l, 2)));
        const auto b = stat_rows(before), a = stat_rows(after);
        for (const std::string& row : b)
            if (row[0] != '2' || own.count(row.substr(0, row.find('/'))))
                EXPECT_GE(a.count(row), b.count(row)) << row;
    } else if (name == "korekta_dane.txt") {
        const auto a = lines_of(after);
        for (const auto& l : lines_of(before))
            if (l == baseline.substr(0, baseline.find('\r')))
                EXPECT_NE(std::find(a.begin(), a.end(), l), a.end()) << l;
    } else {
        ADD_FAILURE() << "written, though nothing in a login and close writes it";
    }
}

class LearnerFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(LearnerFaults, NoCrashAMessageAndNothingLost) {
    testsupport::qt_app();
    const FaultCase& c = GetParam();
    testsupport::TempDir dir;
    fs::copy(template_folder(), dir.path(), fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    const std::string program = dir.path() + "program/";
    damage(program + c.file, c.damage);
    std::map<std::string, std::string> before;
    for (const std::string& f : kLearnerFiles)
        before[f] = content(program + f);

    Outcome out;
    {
        testsupport::DataHooks hooks{program};
        core::wyczysc_stan();
        wyczysc_userow();
        out = run_trainer(hooks.messages);
        core::wyczysc_stan();
        wyczysc_userow();
    }

    EXPECT_TRUE(out.code == 0 || out.code == 1) << out.code;
    const std::string base = c.file.substr(c.file.rfind('/') + 1);
    auto names = [&](const std::string& m) { return m.find(base) != std::string::npos; };
    std::string said;
    for (const auto& m : out.messages)
        said += "\n  " + m.substr(0, 300);
    if (c.message == 'N')
        EXPECT_TRUE(std::any_of(out.messages.begin(), out.messages.end(), names)) << said;
    if (c.message == 'M') EXPECT_FALSE(out.messages.empty());

    for (const std::string& f : kLearnerFiles)
        expect_nothing_lost(f, before[f], content(program + f),
                            testsupport::TempDir::read_from(template_folder() + "program/" + f),
                            program);
}

std::vector<FaultCase> all_cases() {
    const Damage damages[] = {Damage::truncated, Damage::random, Damage::empty, Damage::folder,
                              Damage::eio};
    std::vector<FaultCase> out;
    for (const auto& [file, expect] : kTable)
        for (int d = 0; d < 5; ++d)
            out.push_back({file, damages[d], expect[static_cast<size_t>(d)]});
    return out;
}

INSTANTIATE_TEST_SUITE_P(EveryFileEveryDamage, LearnerFaults, testing::ValuesIn(all_cases()),
                         case_name);

} // namespace

namespace {

// The longest of the new messages, in the information box, for a person to
// look at: the course that lost items, and a learner file that cannot be read
// (a long folder name).
TEST(LearnerFaultBoxes, TheMessagesFitTheInformationBox) {
    testsupport::qt_app();
    const std::string demo = std::string(DEMO_PROGRAM_DIR) + "/";
    const std::string saved = sciezka_programu;
    sciezka_programu = demo;
    {
        TForm5 form5;
        TForm20 form20;
        const std::pair<const char*, std::string> boxes[] = {
            {"course_lost_items",
             os::pl("Plik kursu (sba_slow.txt, zda.txt) jest uszkodzony: 39 powtórek dotyczy "
                    "słówek lub zdań, których w nim nie ma. Powtórki zostaną zachowane, ale kopie "
                    "powtórek nie będą zapisywane.")},
            {"unreadable_settings",
             os::pl("Nie można odczytać pliku /home/uczennica/Dokumenty/Programy do nauki/Tavolent 4.0 angielski/program/12/"
                    "ustaw_tas_40.txt. Plik pozostanie bez zmian.")},
        };
        for (const auto& [name, text] : boxes) {
            form20.Label1.SetCaption(text);
            const QImage shot = form20.grab().toImage();
            EXPECT_TRUE(ui::grab_to_png(form20, testsupport::output_path(
                                                    std::string("trainer/learner_faults/") + name + ".png")));
            EXPECT_FALSE(shot.isNull());
        }
    }
    sciezka_programu = saved;
}

} // namespace
