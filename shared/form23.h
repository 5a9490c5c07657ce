#pragma once
// The search options window: a search text and four options (search among
// the foreign texts, among the Polish texts, whole texts only, distinguish
// case). Both programs show it modally and search with what it leaves
// behind. The trainer's keeps the options in the learner's settings (lines
// 41-44) and stores them only on OK; the dictionary's works on its own
// options and takes them back from the boxes however it closes. The
// "francuska czcionka" box, in the French edition only, switches the edit
// box between the western and the Central European character set; it starts
// ticked there and stays as the learner leaves it. The text confirmed is
// kept as typed, so each column is searched with it in its own set.
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"

// The four options, in the order of the settings lines and of ustaw_s.txt.
struct OpcjeSzukania {
    bool obce = true;          // search the foreign column
    bool polskie = true;       // search the Polish column
    bool cale = false;         // whole texts only
    bool bez_wielkosci = true; // ignore case
};

// The trainer's search text, left here by OK and emptied by a cancel.
extern std::string szukany_tekst;

// Shows a count line that quotes the search text `szukane`, the quoted text
// in its own character set (the western one after the French box).
void pokaz_linie_liczby(ui::Label& l, const std::string& linia, const std::string& szukane, int charset);

class TForm23 : public ui::Window {
    Q_OBJECT

  public:
    // The trainer's window: szukany_tekst and settings lines 41-44.
    TForm23();
    // The dictionary's window: its search word and options.
    TForm23(std::string& slowo, OpcjeSzukania& opcje);

    ui::Image Image1;
    ui::Edit Edit1;
    ui::CheckBox CH_Jak_cale;
    ui::Label Label1;
    ui::CheckBox CH_Jak_duze;
    ui::Label Label2;
    ui::CheckBox CH_Jak_ang;
    ui::Label Label3;
    ui::CheckBox CH_Jak_pol;
    ui::Label Label4;
    ui::CheckBox CheckBox1;
    ui::Label Label5;
    TTransparentButton B_OK;
    TTransparentButton B_Zamknij;

    void B_OKClick();
    void B_ZamknijClick();
    void Edit1Change();
    void CheckBox1Click();
    // The character set of the search text left behind: the box's (0 with the
    // French box ticked), or the other one for a text only that one writes.
    int ZnakiTekstu() const { return znaki_; }
    // The text last confirmed in `charset` (trimmed); empty when that set
    // cannot write it, so a column in that set is not searched with it.
    std::string Szukane(int charset) const;
    bool FormKeyDown(int key, Qt::KeyboardModifiers mods) override;

  protected:
    void OnShow() override;
    void OnClose() override;

  private:
    TForm23(std::string* slowo, OpcjeSzukania* opcje);
    OpcjeSzukania opcje() const;
    void ustaw_opcje(const OpcjeSzukania& o);
    OpcjeSzukania z_ustawien() const;
    void do_ustawien(const OpcjeSzukania& o) const;

    std::string* slowo_;    // the dictionary's word; nullptr in the trainer
    OpcjeSzukania* opcje_;  // the dictionary's options
    bool potwierdzone_ = false;
    int czcionka_dla_ = -1; // the edition the French box got its first state in
    QString potwierdzony_;            // the text of the last OK, as typed
    int znaki_ = 238;
};

extern TForm23* Form23;
