#pragma once
// The chosen-words window: the words the learner sent from the dictionary,
// shown on the main window's first activation when slow.txt is there. Delete
// drops the selected word, OK learns the rest (the exercise-type chooser),
// and closing deletes the file unless the learner keeps it for the next start.
#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"
#include "trainer_logic/chosen_words.h"

class TForm26 : public ui::Window {
    Q_OBJECT

  public:
    TForm26();

    ui::Image Image1;
    ui::Label Label2;
    ui::ListBox ListBox1;
    TTransparentButton B_OK;
    TTransparentButton B_Zamknij;
    ui::CheckBox CB_zachowaj;
    ui::Label Label1;

    const TWybraneSlowa& wybrane() const { return wybrane_; }

    void B_OKClick();
    void ListBox1KeyDown(int& key);

  protected:
    void OnShow() override;
    void OnClose() override;

  private:
    void wypelnij();

    TWybraneSlowa wybrane_;
};
