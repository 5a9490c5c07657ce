#pragma once
// The import window: finds the earlier 2001 edition (its registry entry, or
// a folder the learner types), lists its users, and brings the chosen user's
// repetitions, and on request own words, into the current profile.
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"
#include "trainer_logic/import_2001.h"

class TForm3 : public ui::Window {
    Q_OBJECT

  public:
    TForm3();

    ui::Image Image1;
    ui::Label Label2;
    ui::Label Label1;
    ui::Image K_Pokaz;
    ui::ListBox ListBox1;
    ui::CheckBox Ch_slowka_tez;
    ui::Label Label3;
    ui::Image k_importuj;
    TTransparentButton B_Zamknij;

    void K_PokazClick();
    void ListBox1Click();
    void k_importujClick();
    void B_ZamknijClick();

    const std::string& folder() const { return folder_; }

  protected:
    void OnShow() override;

  private:
    std::string folder_; // the earlier edition's program folder, ending in "/"
    std::vector<Uzytkownik2001> userzy_;
};
