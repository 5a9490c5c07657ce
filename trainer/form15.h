#pragma once
// The exercise parameters window: the title (at most 16 characters), the
// thematic group and the level under which the generator saves an exercise.
// OK leaves the title; the close button and Esc empty it, so nothing is saved.
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"

class TForm15 : public ui::Window {
    Q_OBJECT

  public:
    TForm15();

    ui::Image Image1;
    ui::Label Label1;
    ui::Edit E_Nazwa;
    ui::Label Label2;
    ui::ComboBox CB_Gr_Tem;
    ui::Label Label3;
    ui::ComboBox CB_Poziom;
    TTransparentButton B_OK;
    TTransparentButton B_Zamknij;

    // What the learner chose: the title (empty after a cancel), the chosen
    // group's number (-1 when there is none) and the level 1..3.
    const std::string& tytul() const { return tytul_; }
    int grupa() const;
    int poziom() const { return CB_Poziom.ItemIndex() + 1; }

    void B_OKClick();
    void E_NazwaChange();

  protected:
    void OnShow() override;
    void OnClose() override;

  private:
    std::vector<int> numery_grup_;
    std::string tytul_;
    bool potwierdzone_ = false;
};
