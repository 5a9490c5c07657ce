#pragma once
// The word list of a finished run: every item the run practised, with its
// repetition count and interval; items can be put in the bin and taken out,
// and the list copied to the clipboard or printed.
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/printer.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"

class TForm31 : public ui::Window {
    Q_OBJECT

  public:
    TForm31();

    ui::Image Image1;
    ui::ListBox ListBox1;
    ui::Label Label2;
    TTransparentButton K_Do_Kosza;
    TTransparentButton K_Przywroc;
    TTransparentButton K_do_schowka;
    TTransparentButton K_wydruk;
    TTransparentButton B_Zamknij;

    void Wypelnij_liste();
    void ListBox1Click();
    void K_Do_KoszaClick();
    void K_PrzywrocClick();
    void K_do_schowkaClick();
    void K_wydrukClick();
    void B_ZamknijClick() { close(); }

    // The item index of each row.
    const std::vector<int>& pozycje() const { return wiersze_; }
    // Where the list goes as a PDF when there is no printer.
    static std::string plik_wydruku();
    // What the learner is told after printing: sent to the printer, written
    // to the PDF file it names, or not printed and why.
    static std::string komunikat_wydruku(const ui::PrintResult& r);

  protected:
    void OnShow() override;

  private:
    void ustaw_kosz(uint8_t kosz);

    std::vector<int> wiersze_;
};
