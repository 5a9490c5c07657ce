// Every learner file, and the course files a login reads, made truncated,
// random (also of a size a whole number of records), a 10 MB line longer,
// empty, a folder, or unreadable (a link to /proc/self/mem gives EIO even as
// root); then the real start, login, the writers a session uses and close. No
// crash; a message naming the file; and afterwards every learner file either
// unchanged byte for byte, or rewritten with nothing it held lost and, where a
// damaged file was rewritten, its original kept beside it.
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
#include "shared/users.h"
#include "core/items.h"
#include "trainer/form12.h"
#include "trainer/trainer_run.h"
#include "trainer/windows.h"
#include "trainer_logic/generator.h"

namespace {

namespace fs = std::filesystem;

enum class Damage { truncated, random, random_records, long_line, empty, folder, eio, bad_line, removed };
constexpr Damage kDamages[] = {Damage::truncated, Damage::random, Damage::random_records,
                               Damage::long_line, Damage::empty,  Damage::folder,
                               Damage::eio,       Damage::bad_line, Damage::removed};

const char* name_of(Damage d) {
    switch (d) {
    case Damage::truncated:
        return "truncated";
    case Damage::random:
        return "random";
    case Damage::random_records:
        return "random_records";
    case Damage::long_line:
        return "long_line";
    case Damage::empty:
        return "empty";
    case Damage::folder:
        return "folder";
    case Damage::eio:
        return "eio";
    case Damage::bad_line:
        return "bad_line";
    case Damage::removed:
        return "removed";
    }
    return "";
}

// The learner files, relative to the program folder.
const std::vector<std::string> kLearnerFiles = {
    "1/ustaw_tas_40.txt", "1/p.b",     "1/p.i",        "1/p_kopia.b",  "1/p_kopia_5.b",
    "1/tas_40",           "usr.t",     "sbusr.txt",    "kom_user.txt", "cwa_su.txt",
    "korekta_dane.txt",   "1/slow.txt",
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

// What a session writes besides its close: a new user; a comment and the own
// words, as the generator's close writes them; an own exercise saved.
void session_writers() {
    dodaj_usera("Nowa");
    if (const int i = znajdz_slowko(3); i >= 1) { // an item without a comment
        baza.komentarz[i] = "nowy komentarz";
        komentarze_zmienione = true;
        // Correction data, which the close writes.
        baza.ma_korekte[i] = 1;
        baza.korekta_tekst1[i] = "nowa korekta";
    }
    generator::dodaj({"new word", "nowe", "", "", ""}, "");
    zapisz_slowka_usera();
    zapisz_komentarze();
    ile_w_liscie = 2;
    lista_id[1] = 1;
    lista_id[2] = 3;
    zapisz_cwiczenie_usera("201-1", os::pl("nowe ćwiczenie"), 1);
}

// The real start: log in as the last user (or leave, when there is nobody to
// log in), let every other box say its text and close it (the chosen-words
// window among them, which uses the words), run the session's writers when
// asked, close the main window once it shows.
Outcome run_trainer(std::vector<std::string>& os_messages, const std::function<void()>& session,
                    const std::function<void(ui::Window&)>& on_window = {}) {
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
        if (on_window) on_window(w);
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
    const testsupport::TrainerRun run = testsupport::run_trainer_once([&session](TForm1& f) {
        if (session) session();
        f.close();
    });
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
        const Outcome first = run_trainer(messages, {});
        EXPECT_TRUE(first.main_window && first.messages.empty());
        fs::copy(demo.dir.path(), dir.path(),
                 fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        // Words the learner sent from the dictionary since.
        std::string slow = "Tavolent 2001 S\r\n" + os::pl("Słówka ze słownika...") + "\r\n";
        for (int i = 0; i < 8; ++i)
            slow += "\r\n";
        testsupport::TempDir::write_to(dir.path() + "program/1/slow.txt", slow + "1\r\n3\r\n");
        return true;
    }();
    (void)laid_out;
    return dir.path();
}

// What a case must show: 'N' a message naming the file, 'M' some message
// (the text the original gives), '-' none needed, 'x' not run (a random file
// of a whole number of records is only another random file where there are no
// records; a bad line is made only in the files read by number, and only the
// own exercise list is removed); one letter per damage, in the order
// truncated, random, random records, 10 MB line, empty, folder, unreadable,
// a first line whose number is not one, removed.
struct FaultCase {
    std::string file; // relative to the program folder
    Damage damage;
    char message;
};

const std::vector<std::pair<std::string, std::string>> kTable = {
    // learner files
    {"1/ustaw_tas_40.txt", "-NxN-NNxx"}, // missing lines take defaults
    {"1/p.b", "NNNNMNNxx"},              // empty: fewer records than saved
    {"1/p.i", "NNxN-NNxx"},              // an index, rebuilt from the files
    {"1/tas_40", "NNNN-NNxx"},
    {"usr.t", "-NxN-NNxx"},
    {"sbusr.txt", "-NxNMNNNx"},          // empty: an own word's record is gone
    {"kom_user.txt", "-NxN-NNNx"},
    {"cwa_su.txt", "NNxNNNNxN"},         // none read: the own rows are kept, and said
    {"korekta_dane.txt", "-NxN-NNNx"},
    {"1/slow.txt", "--x--NNxx"},         // a hand-off file: a folder is named, not taken
    // course files of the start and the login
    {"ts40.ini", "NNxNNNNxx"},
    {"tavo_sk.txt", "--xNNNNxx"},
    {"gta_s.txt", "-NxN-NNxx"},
    {"ss_sk.t", "--x--NNxx"},
    {"sba_slow.txt", "NNxNNNNxx"}, // items vanish: their records are named
    {"zda.txt", "NNxNNNNxx"},
    {"coneca.txt", "-NxN-NNxx"},
    {"cwa_s.txt", "-Nx--NNxx"},  // a line without its fields is no exercise
    {"b1.txt", "--xN-NNxx"},
};

std::string case_name(const testing::TestParamInfo<FaultCase>& info) {
    std::string s = info.param.file + "_" + name_of(info.param.damage);
    for (char& c : s)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return s;
}

// Random bytes, the same for every run.
std::string junk(size_t size) {
    std::string out(size, '\0');
    uint32_t x = 20240305;
    for (char& ch : out) {
        x = x * 1103515245u + 12345u;
        ch = static_cast<char>(x >> 23);
    }
    return out;
}

// The record size of a file of records; 0 for a line file.
size_t record_size(const std::string& path) {
    if (path.size() >= 2 && path.compare(path.size() - 2, 2, ".b") == 0) return ROZMIAR_POWTORKI;
    if (path.size() >= 6 && path.compare(path.size() - 6, 6, "tas_40") == 0) return TCwInfo::ROZMIAR;
    return 0;
}

// A first line that the readers by number cannot take: its group and the text
// before its first "=" are no numbers; its ID is the one the next own word
// would take were the kept lines not counted.
const std::string& bad_line() {
    static const std::string line = [] {
        int highest = 40000;
        for (const auto& l : os::split_lines(
                 testsupport::TempDir::read_from(template_folder() + "program/sbusr.txt")))
            if (Trim(l).size() > 7) highest = std::max(highest, StrToIntDef(Trim(Copy(Trim(l), 5, 5)), 0));
        return "zz 1" + std::to_string(highest + 1) + " 11 zle = x";
    }();
    return line;
}

void damage(const std::string& path, Damage d) {
    const std::string before = testsupport::TempDir::read_from(path);
    fs::remove(path);
    switch (d) {
    case Damage::truncated:
        testsupport::TempDir::write_to(path, before.substr(0, before.size() / 2 + 1));
        break;
    case Damage::random:
        testsupport::TempDir::write_to(path, junk(before.size()));
        break;
    case Damage::random_records: {
        const size_t size = record_size(path);
        testsupport::TempDir::write_to(path, junk(std::max(before.size() / size, size_t{1}) * size));
        break;
    }
    case Damage::long_line:
        testsupport::TempDir::write_to(path, std::string(10 << 20, 'x') + "\r\n" + before);
        break;
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
    case Damage::bad_line:
        testsupport::TempDir::write_to(path, bad_line() + "\r\n" + before);
        break;
    case Damage::removed:
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

// The item IDs of an own-word file, as its reader takes them.
std::multiset<std::string> item_ids(const std::string& bytes) {
    std::multiset<std::string> ids;
    for (const auto& l : lines_of(bytes))
        if (Trim(l).size() > 7) ids.insert(Trim(Copy(Trim(l), 5, 5)));
    return ids;
}

// Every line of `before` that is not blank is among the lines of `after`.
void expect_lines_kept(const std::string& before, const std::string& after) {
    const auto a = lines_of(after);
    const std::multiset<std::string> have(a.begin(), a.end());
    for (const auto& l : lines_of(before))
        if (!Trim(l).empty()) EXPECT_TRUE(have.count(l)) << "lost: " << l.substr(0, 80);
}

// The copies of a damaged file kept beside it.
std::vector<std::string> kept_copies(const std::string& path) {
    std::vector<std::string> out;
    for (int n = 1; n <= 9; ++n) {
        const std::string copy = path + ".uszkodzony" + (n == 1 ? "" : "." + std::to_string(n));
        if (fs::exists(fs::symlink_status(copy))) out.push_back(copy);
    }
    return out;
}

// A learner file after the close: unchanged, or rewritten without losing what
// it held. `program` is the folder after the run, `baseline` the file in the
// template (undamaged).
void expect_nothing_lost(const std::string& name, const std::map<std::string, std::string>& files,
                         const std::string& after, const std::string& baseline,
                         const std::string& program) {
    const std::string& before = files.at(name);
    SCOPED_TRACE(name);
    // A copy kept beside a file holds what the file held.
    for (const std::string& copy : kept_copies(program + name))
        EXPECT_EQ(content(copy), before) << copy;
    if (after == before) return;
    // A file that could not be read is never written over.
    ASSERT_TRUE(before[0] != '<' || before == "<none>") << before << " became " << after.substr(0, 80);
    if (before == "<none>") return; // made by the session: nothing was there to lose
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
            std::error_code ec; // a damaged line may name no possible file
            if (fs::is_regular_file(program + "1/" + n, ec)) EXPECT_TRUE(after_names.count(n)) << n;
        }
        testsupport::expect_info_agrees(program + "1/");
    } else if (name == "1/p_kopia.b" || name == "1/p_kopia_5.b") {
        const auto b = record_ids(before), a = record_ids(after);
        EXPECT_TRUE(std::includes(a.begin(), a.end(), b.begin(), b.end()));
        EXPECT_EQ(after.size() % ROZMIAR_POWTORKI, 0u);
    } else if (name == "1/tas_40") {
        // Rows of own exercises go only when the own list at the login was
        // read whole, named at least one exercise and not theirs.
        std::set<std::string> own;
        const std::string list = files.at("cwa_su.txt");
        const auto list_lines = lines_of(list);
        if (list[0] != '<' && !lista_uszkodzona(list_lines))
            for (const auto& l : list_lines)
                if (ile_rownosci(l) >= 3) own.insert(klucz_cwiczenia(pole_linii(l, 2)));
        const auto b = stat_rows(before), a = stat_rows(after);
        for (const std::string& row : b)
            if (row[0] != '2' || own.empty() || own.count(row.substr(0, row.find('/'))))
                EXPECT_GE(a.count(row), b.count(row)) << row;
    } else if (name == "korekta_dane.txt") {
        const auto a = lines_of(after);
        for (const auto& l : lines_of(before))
            if (l == baseline.substr(0, baseline.find('\r')))
                EXPECT_NE(std::find(a.begin(), a.end(), l), a.end()) << l;
    } else if (name == "usr.t" || name == "kom_user.txt" || name == "cwa_su.txt") {
        expect_lines_kept(before, after);
    } else if (name == "sbusr.txt") {
        const auto b = item_ids(before), a = item_ids(after);
        EXPECT_TRUE(std::includes(a.begin(), a.end(), b.begin(), b.end()));
    } else if (name == "1/slow.txt") {
        EXPECT_EQ(after, "<none>"); // read and used: the chosen-words window deletes it
    } else {
        ADD_FAILURE() << "written, though nothing in a session writes it";
    }
}

// A file read by number after a session with a line it could not take: that
// line written back as it was read, the later lines read (what the learner
// added or changed went in beside them), and in sbusr.txt no two lines of
// one ID (the new word did not take the kept line's).
void expect_bad_line_kept(const std::string& file, const std::string& program) {
    const std::string after = content(program + file);
    const auto lines = lines_of(after);
    EXPECT_NE(std::find(lines.begin(), lines.end(), bad_line()), lines.end()) << after.substr(0, 300);
    const char* added = file == "kom_user.txt" ? "nowy komentarz" : file == "korekta_dane.txt" ? "nowa korekta" : "new word";
    EXPECT_NE(after.find(added), std::string::npos) << after.substr(0, 300);
    if (file != "sbusr.txt") return;
    const auto ids = item_ids(after);
    for (const std::string& id : ids)
        EXPECT_EQ(ids.count(id), 1u) << id;
    // The rest of the file was read: its own words are in the store.
    EXPECT_GE(ids.size(), item_ids(testsupport::TempDir::read_from(template_folder() + "program/sbusr.txt")).size() + 2);
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
        out = run_trainer(hooks.messages, session_writers);
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
        expect_nothing_lost(f, before, content(program + f),
                            testsupport::TempDir::read_from(template_folder() + "program/" + f),
                            program);
    // A damaged file that was rewritten was kept beside it first, and the
    // message said where.
    const bool garbage = c.damage == Damage::random || c.damage == Damage::random_records ||
                         c.damage == Damage::long_line || c.damage == Damage::bad_line;
    const bool learner = std::find(kLearnerFiles.begin(), kLearnerFiles.end(), c.file) != kLearnerFiles.end();
    if (garbage && learner && c.file != "1/slow.txt" && content(program + c.file) != before[c.file]) {
        const auto copies = kept_copies(program + c.file);
        ASSERT_FALSE(copies.empty()) << "rewritten without its damaged original";
        EXPECT_TRUE(std::any_of(out.messages.begin(), out.messages.end(), [&](const std::string& m) {
            return m.find(copies[0]) != std::string::npos;
        })) << said;
    }
    if (c.damage == Damage::bad_line) expect_bad_line_kept(c.file, program);
}

std::vector<FaultCase> all_cases() {
    std::vector<FaultCase> out;
    for (const auto& [file, expect] : kTable)
        for (size_t d = 0; d < std::size(kDamages); ++d)
            if (expect[d] != 'x') out.push_back({file, kDamages[d], expect[d]});
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

namespace {

// The program folder under a folder named with Polish letters: a learner
// file's message names it and its kept copy as they are spelled, and so does
// the settings window's line of the learner's folder.
TEST(LearnerFaultPaths, AFolderNamedWithPolishLettersIsShownRight) {
    testsupport::qt_app();
    testsupport::TempDir dir;
    const std::string root = dir.path() + "Słówka żółwia/";
    fs::create_directories(root);
    fs::copy(template_folder(), root, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    const std::string program = root + "program/";
    damage(program + "kom_user.txt", Damage::bad_line);

    Outcome out;
    std::string line, user;
    {
        testsupport::DataHooks hooks{program};
        core::wyczysc_stan();
        wyczysc_userow();
        auto settings = [&](ui::Window& w) {
            if (&w != Form12) return;
            // Enlarged, where the line of the learner's folder shows.
            Form12->k_opcje_wiecejClick();
            line = os::cp1250_to_utf8(Form12->L_Kat_usera.Caption());
            EXPECT_TRUE(ui::grab_to_png(
                *Form12, testsupport::output_path("trainer/learner_faults/polish_folder_settings.png")));
            Form12->B_ZamknijClick();
        };
        out = run_trainer(
            hooks.messages,
            [&] {
                user = sciezka_usera;
                Form12->show_modal();
            },
            settings);
        core::wyczysc_stan();
        wyczysc_userow();
    }
    EXPECT_EQ(user, program + "1/");
    EXPECT_EQ(line, "Katalog użytkownika: " + program + "1/");
    const std::string named = "Plik " + program + "kom_user.txt jest uszkodzony";
    const std::string copy = program + "kom_user.txt.uszkodzony.";
    const auto message = std::find_if(out.messages.begin(), out.messages.end(), [&](const std::string& m) {
        return m.find(named) != std::string::npos && m.find(copy) != std::string::npos;
    });
    ASSERT_NE(message, out.messages.end()) << (out.messages.empty() ? "" : out.messages[0]);

    const std::string saved = sciezka_programu;
    sciezka_programu = std::string(DEMO_PROGRAM_DIR) + "/";
    {
        TForm5 form5;
        TForm20 form20;
        form20.Label1.SetCaption(os::utf8_to_cp1250(*message));
        EXPECT_TRUE(ui::grab_to_png(
            form20, testsupport::output_path("trainer/learner_faults/polish_folder_message.png")));
    }
    sciezka_programu = saved;
}

} // namespace
