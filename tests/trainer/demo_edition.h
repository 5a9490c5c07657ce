#pragma once
// A copy of the built demo edition (program and disc folders) in a temporary
// folder, used as the program folder. Messages are collected; the halt hook
// throws. Globals of the data routines are reset around each test.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/state.h"
#include "shared/users.h"
#include "core/ui_hooks.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"
#include "support/data_hooks.h"
#include "support/temp_dir.h"

namespace testsupport {

// Copies a tree; with `learner_data_too` false, what a learner made in it by
// hand (usr.t, the numbered user folders) and the programs stay behind. With
// `link_folders`, the folders at its top are links to the originals (pictures,
// strips, sounds: read only, and much faster to lay out).
inline void copy_tree(const std::string& from, const std::string& to, bool learner_data_too,
                      bool link_folders = false) {
    namespace fs = std::filesystem;
    fs::create_directories(to);
    auto learners = [](const fs::path& rel) {
        const std::string top = rel.begin()->string();
        return top == "usr.t" || top == "vokarin" || top == "lexarin" ||
               std::isdigit(static_cast<unsigned char>(top[0]));
    };
    for (auto it = fs::recursive_directory_iterator(from); it != fs::recursive_directory_iterator();
         ++it) {
        const auto rel = fs::relative(it->path(), from);
        if (!learner_data_too && learners(rel)) continue;
        if (it->is_directory() && link_folders && it.depth() == 0) {
            fs::create_directory_symlink(it->path(), fs::path(to) / rel);
            it.disable_recursion_pending();
        } else if (it->is_directory()) {
            fs::create_directories(fs::path(to) / rel);
        } else if (it->is_regular_file()) {
            fs::copy_file(it->path(), fs::path(to) / rel, fs::copy_options::overwrite_existing);
        }
    }
}

// A DemoEdition whose picture, strip, sound and disc folders are links to the
// built demo's: for tests that only read them.
struct linked_folders_t {};
inline constexpr linked_folders_t linked_folders{};

// The built demo editions: "" the English one (build/demo), "de" and "fr"
// the German and French ones (build/demo-de, build/demo-fr).
inline std::string demo_program_dir(const std::string& edition) {
    return edition.empty() ? DEMO_PROGRAM_DIR
                           : std::string(DEMO_EDITIONS_DIR) + "/demo-" + edition + "/program";
}
inline std::string demo_disc_dir(const std::string& edition) {
    return edition.empty() ? DEMO_DISC_DIR
                           : std::string(DEMO_EDITIONS_DIR) + "/demo-" + edition + "/disc";
}

class DemoEdition {
  public:
    explicit DemoEdition(const std::string& edition = "") {
        copy_tree(demo_program_dir(edition), program(), false);
        copy_tree(demo_disc_dir(edition), dir.path() + "disc/", true);
        reset();
    }
    explicit DemoEdition(linked_folders_t, const std::string& edition = "") {
        copy_tree(demo_program_dir(edition), program(), false, true);
        copy_tree(demo_disc_dir(edition), dir.path() + "disc/", true, true);
        reset();
    }
    ~DemoEdition() { reset(); }
    DemoEdition(const DemoEdition&) = delete;
    DemoEdition& operator=(const DemoEdition&) = delete;

    std::string program() const { return dir.path() + "program/"; }
    bool exists(const std::string& name) const { return dir.exists("program/" + name); }
    std::string read(const std::string& name) const { return dir.read("program/" + name); }
    void write(const std::string& name, const std::string& bytes) const {
        dir.write("program/" + name, bytes);
    }

    TempDir dir;

  private:
    DataHooks hooks_{program()};

  public:
    std::vector<std::string>& messages = hooks_.messages;

  private:
    static void reset() {
        core::wyczysc_stan();
        wyczysc_userow();
        os::clear_terminate_request();
    }
};

} // namespace testsupport
