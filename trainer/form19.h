#pragma once
// The recording picker: the .wav files of the program folder's Nagrania
// folder (found without regard to case, made when missing). The chosen name
// becomes the edited word's recording; for a new word it waits in
// nagranie_nowego until the editor adds the word. Files are played by their
// full path: the process's current folder is never changed.
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/file_list.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"

// The recording chosen for the new word being edited.
extern std::string nagranie_nowego;

// The folder of the learner's own recordings, with a slash at the end.
std::string folder_nagran();

class TForm19 : public ui::Window {
    Q_OBJECT

  public:
    TForm19();

    ui::Image Image1;
    ui::Label Label1;
    ui::Label Label2;
    ui::FileListBox FileListBox1;
    ui::Image K_Graj;
    ui::Image K_Bez_nagrania;
    TTransparentButton B_OK;
    TTransparentButton B_Zamknij;

    const std::string& wybrane() const { return wybrane_; }

    void FileListBox1Click();
    void B_OKClick();
    void K_Bez_nagraniaClick();
    void K_GrajClick();

  protected:
    void OnShow() override;

  private:
    void ustaw_nagranie(const std::string& nazwa);
    std::string wybrane_;
};
