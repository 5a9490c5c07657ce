// Speaks the demo course's recordings with espeak-ng: for every word and
// sentence with a recording number n, the foreign text becomes
// <out>/D_ss/dd_sss/sssss.wav (s = n in five digits), 22050 Hz mono; for every
// saying of the interlude sets, the saying becomes <out>/bssent/d_roz.cdr/<its file>.
//
// Usage: make_recordings <out-folder> <stamp-file> [words:<file>] [sentences:<file>]
//                        [sayings:<program folder>] [say:<voice>:<file>:<text>]...
// Course files are line files (sb?_slow.txt words, zd?.txt sentences), their
// foreign text Windows-1250, or Windows-1252 in French; the letter before
// ".txt"/"_slow" picks the voice. The sayings are the rows of the data files that b1.txt .. b7.txt of kind "sent1" name;
// the edition's language (tavo_sk.txt, line 2) picks their voice. A "say:"
// argument speaks one text into a file under the out folder (the sample
// recordings of the learner's own words). Without
// espeak-ng nothing is spoken: the tool says which recordings it left out and
// ends without error. The stamp is written only when every recording was made.
#include "core/exercises.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/line_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int parallel_jobs = 8;

struct Job {
    std::string text; // UTF-8
    std::string voice;
    std::string path;
};

// What espeak-ng should say for a foreign text: no gap marks, "#" (a stored
// "=") and "/" between alternatives read as pauses, and so is "@" (a line break).
// French text is Windows-1252, every other Windows-1250.
std::string speech_text(const std::string& foreign, const std::string& voice) {
    std::string s;
    for (char c : foreign) {
        if (c == '<' || c == '>') continue;
        if (c == '/' || c == '#' || c == '@') {
            s += ", ";
            continue;
        }
        s += c;
    }
    return voice == "fr" ? os::cp1252_to_utf8(Trim(s)) : os::cp1250_to_utf8(Trim(s));
}

std::string voice_of(const std::string& file) {
    std::string name = fs::path(file).stem().string(); // sba_slow, zda
    if (name.size() >= 5 && name.compare(name.size() - 5, 5, "_slow") == 0)
        name.resize(name.size() - 5);
    const char letter = name.empty() ? 'a' : name.back();
    return letter == 'n' ? "de" : letter == 'f' ? "fr" : "en";
}

// The items of one course file with a recording number, as jobs.
using Jobs = std::map<std::string, Job>; // by output path

void read_course(const std::string& file, int number_field, const std::string& out, Jobs& jobs) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "make_recordings: cannot read %s\n", file.c_str());
        return;
    }
    const std::string voice = voice_of(file);
    for (std::string line; std::getline(in, line);) {
        line = Trim(line);
        if (line.size() <= 13 || line[3] == '1') continue; // short, or a learner's own item
        std::vector<size_t> eq;
        for (size_t i = 0; i < line.size(); ++i)
            if (line[i] == '=') eq.push_back(i);
        if (eq.size() < size_t(number_field) + 1 || eq[0] < 13) continue;
        const std::string foreign = Trim(line.substr(13, eq[0] - 13));
        const std::string field = Trim(
            line.substr(eq[number_field - 1] + 1, eq[number_field] - eq[number_field - 1] - 1));
        if (field.empty() || field.size() > 9 ||
            field.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const int n = std::atoi(field.c_str());
        const std::string text = speech_text(foreign, voice);
        if (n <= 0 || text.empty()) continue;
        char s[16];
        std::snprintf(s, sizeof s, "%05d", n);
        const std::string name(s);
        const std::string path =
            out + "/D_" + name.substr(0, 2) + "/dd_" + name.substr(0, 3) + "/" + name + ".wav";
        if (!jobs.count(path)) jobs[path] = {text, voice, path};
    }
}

void read_sayings(const std::string& folder, const std::string& out, Jobs& jobs) {
    const std::vector<std::string> edition = os::read_lines(folder + "/tavo_sk.txt");
    const std::string language = edition.size() > 1 ? Trim(edition[1]) : "1";
    const std::string voice = language == "2" ? "de" : language == "3" ? "fr" : "en";
    for (int k = 1; k <= 7; ++k) {
        const std::vector<std::string> b =
            os::read_lines(folder + "/b" + std::to_string(k) + ".txt");
        if (b.size() < 3 || Trim(b[1]) != "sent1" || Trim(b[2]).empty()) continue;
        for (const std::string& row : os::read_lines(folder + "/" + Trim(b[2]))) {
            const std::string text = speech_text(Trim(pole_linii(row, 1)), voice);
            const std::string file = Trim(pole_linii(row, 2));
            if (text.empty() || file.empty() || file.find('/') != std::string::npos ||
                file.find('\\') != std::string::npos)
                continue;
            const std::string path = out + "/bssent/d_roz.cdr/" + file;
            if (!jobs.count(path)) jobs[path] = {text, voice, path};
        }
    }
}

// One sample recording: "<voice>:<file under out>:<text>" (UTF-8).
void read_sample(const std::string& spec, const std::string& out, Jobs& jobs) {
    const size_t a = spec.find(':'), b = a == std::string::npos ? a : spec.find(':', a + 1);
    if (b == std::string::npos || spec.find("..") != std::string::npos) {
        std::fprintf(stderr, "make_recordings: ignored sample %s\n", spec.c_str());
        return;
    }
    const std::string path = out + "/" + spec.substr(a + 1, b - a - 1);
    jobs[path] = {spec.substr(b + 1), spec.substr(0, a), path};
}

bool have_program(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t b = 0;
    while (b <= dirs.size()) {
        size_t e = dirs.find(':', b);
        if (e == std::string::npos) e = dirs.size();
        const std::string dir = dirs.substr(b, e - b);
        if (!dir.empty() && ::access((dir + "/" + name).c_str(), X_OK) == 0) return true;
        b = e + 1;
    }
    return false;
}

pid_t speak(const Job& job) {
    fs::create_directories(fs::path(job.path).parent_path());
    const std::string part = job.path + ".part";
    pid_t pid = ::fork();
    if (pid == 0) {
        ::execlp("espeak-ng", "espeak-ng", "-v", job.voice.c_str(), "-s", "140", "-w", part.c_str(),
                 "--", job.text.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return pid;
}

void list_left_out(const std::vector<const Job*>& left) {
    std::printf("make_recordings: %zu recordings left out:", left.size());
    for (const Job* j : left)
        std::printf(" %s", fs::path(j->path).filename().c_str());
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: make_recordings <out-folder> <stamp> [words:|sentences:<file>] "
                     "[sayings:<program folder>]...\n");
        return 2;
    }
    const std::string out = argv[1];
    const std::string stamp = argv[2];
    Jobs jobs;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("words:", 0) == 0)
            read_course(arg.substr(6), 5, out, jobs);
        else if (arg.rfind("sentences:", 0) == 0)
            read_course(arg.substr(10), 6, out, jobs);
        else if (arg.rfind("sayings:", 0) == 0)
            read_sayings(arg.substr(8), out, jobs);
        else if (arg.rfind("say:", 0) == 0)
            read_sample(arg.substr(4), out, jobs);
        else
            std::fprintf(stderr, "make_recordings: ignored argument %s\n", arg.c_str());
    }

    std::vector<const Job*> left;
    if (!have_program("espeak-ng")) {
        std::printf("make_recordings: espeak-ng is not installed; the disc has no recordings.\n");
        for (const auto& [path, job] : jobs)
            left.push_back(&job);
        list_left_out(left);
        return 0;
    }

    std::map<pid_t, const Job*> running;
    auto finish_one = [&] {
        int status = 0;
        pid_t pid = ::wait(&status);
        if (pid <= 0) return false;
        const Job* job = running[pid];
        running.erase(pid);
        std::error_code ec;
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
            fs::file_size(job->path + ".part", ec) > 44)
            fs::rename(job->path + ".part", job->path, ec);
        else
            ec = std::make_error_code(std::errc::io_error);
        if (ec) {
            fs::remove(job->path + ".part", ec);
            left.push_back(job);
        }
        return true;
    };
    for (const auto& [path, job] : jobs) {
        while (running.size() >= parallel_jobs && finish_one()) {
        }
        pid_t pid = speak(job);
        if (pid > 0)
            running[pid] = &job;
        else
            left.push_back(&job);
    }
    while (!running.empty() && finish_one()) {
    }

    std::printf("make_recordings: %zu of %zu recordings spoken.\n", jobs.size() - left.size(),
                jobs.size());
    if (!left.empty()) {
        list_left_out(left);
        return 0; // no stamp: the next build tries again
    }
    std::ofstream(stamp) << jobs.size() << "\n";
    return 0;
}
