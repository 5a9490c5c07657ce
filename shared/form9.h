#pragma once
// The user choice: the learners of this installation, a new-user button, and
// logging in, which loads the learner's profile. Enter logs in while OK shows,
// Esc is the exit button, F1 opens the help page on logging in. The
// dictionary's window only chooses the learner whose folder gets the words
// sent: its OK sets the user (making the folder) and loads nothing.
#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"

class TForm9 : public ui::Window {
    Q_OBJECT

  public:
    explicit TForm9(bool slownik = false);

    ui::Image Image1;
    ui::Label Label1;
    ui::ComboBox ComboBox1;
    TTransparentButton B_OK;
    TTransparentButton B_Zamknij;
    TTransparentButton TransparentButton1; // new user

    void K_OKClick(); // log in and load
    void B_ZamknijClick();
    // The new-user window; a user added there is logged in at once, else the
    // learner's pick stays selected.
    void TransparentButton1Click();
    void ComboBox1Click();

    // The names of the user list, in file order; selects the last one.
    void wypelnij_liste();

  protected:
    void OnShow() override;

  private:
    void pokaz_ok();

    bool slownik_;
};

extern TForm9* Form9;
