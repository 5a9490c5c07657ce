#pragma once
// The matching game: ten foreign words on the left, their Polish texts
// shuffled on the right. The learner pairs them by clicks (the board decides,
// TPlanszaKojarzenia), checks, and once all ten are right hears each word by
// clicking it. Esc or the close button end it; F1 opens its help page.
#include <array>
#include <memory>

#include "platform/ui/controls.h"
#include "platform/ui/timer.h"
#include "platform/ui/window.h"
#include "shared/mlabel.h"
#include "shared/transparent_button.h"
#include "trainer_logic/matching_board.h"

class TForm17 : public ui::Window {
    Q_OBJECT

  public:
    TForm17();

    ui::Image Image1;
    ui::PaintBox PaintBox1;
    std::array<std::unique_ptr<TMLabel>, SLOW_KOJARZENIA + 1> LL; // rows 1..10
    std::array<std::unique_ptr<TMLabel>, SLOW_KOJARZENIA + 1> LR;
    TTransparentButton K_Sprawdz;
    ui::Label L_Wynik;
    TTransparentButton B_Zamknij;
    ui::Timer Timer1; // 1500 ms: the end of a row's flash

    // The words of the next showing.
    void nowa_gra(const TSlowaKojarzenia& slowa);
    const TPlanszaKojarzenia& plansza() const { return plansza_; }

    void LLClick(int wiersz);
    void LRClick(int wiersz);
    void K_SprawdzClick();
    void B_ZamknijClick();
    void Timer1Timer();

  protected:
    void OnShow() override;

  private:
    void odswiez(); // labels from the board
    void mignij(int wiersz);

    TSlowaKojarzenia slowa_;
    TPlanszaKojarzenia plansza_;
    std::array<bool, SLOW_KOJARZENIA + 1> granat_{}; // rows drawn navy
    int migajacy_ = 0;
};
