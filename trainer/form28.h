#pragma once
// The help window: the trainer's help pages (htm_sk in the program folder)
// in the viewer, with a way back through the last 50 places, the contents
// page and printing. Every window opens it with F1 after naming its page in
// strona_pomocy ("" for the contents, "page.html#place" for a place in a page).
#include "htmlview/html_pane.h"
#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"
#include "trainer_logic/help_back_list.h"

class TForm28 : public ui::Window {
  public:
    TForm28();

    ui::Image Image1;
    htmlview::THtmlPane HtmlPane1;
    TTransparentButton K_Wroc;
    TTransparentButton K_Drukuj;
    TTransparentButton btn_spis;
    ui::Label L_menu;

    void K_WrocClick();
    void K_DrukujClick();
    void btn_spisClick();
    // A link of the page was clicked (or entered): followed here, so that the
    // way back learns of it only when the view really moved.
    void HtmlPane1HotSpotClick(const std::string& url, bool& handled);

    const TListaPowrotow& powroty() const { return powroty_; }
    // The contents page's full file name.
    static std::string spis_tresci();

  protected:
    void OnShow() override;
    bool FormKeyDown(int key, Qt::KeyboardModifiers mods) override;

  private:
    // Loads a page; a page that cannot be shown gives the contents instead.
    void pokaz(const std::string& strona);
    void uaktualnij_spis();

    TListaPowrotow powroty_;
};
