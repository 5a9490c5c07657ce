#pragma once
// The trainer's window objects, created once at start-up, and the glue that
// lets the data routines show messages and progress through them.
#include <QImage>
#include <functional>
#include <string>

#include "platform/ui/canvas.h"
#include "shared/look.h"

class QWidget;
class TTransparentButton;
namespace ui {
class Image;
class Label;
} // namespace ui

class TForm5;
class TForm14;
class TForm20;
class TForm24;
class TForm29;

extern TForm5* Form5;   // holder of the button strips and the media player
extern TForm14* Form14; // progress window
extern TForm20* Form20; // information box
extern TForm24* Form24; // leave-the-program box
extern TForm29* Form29; // yes/no question box

// The help page the help window opens next ("h_06_log.html").
extern std::string strona_pomocy;

// Opens the help window modally at the current help page. Does nothing until
// the help window sets its handler; setting it also makes F1 in every window
// ask for the window's help page and open it.
void pokaz_pomoc();
void ustaw_pokaz_pomoc(std::function<void()> handler);

// Shows a message in the information box. Its OK button is drawn from the
// strips: without them, or while the box already shows another message, a
// plain message window.
void pokaz_informacje(const std::string& text);

// Points core's message, progress and event hooks at these windows.
void podlacz_okna_do_core();

// What a program's start hooks up for as long as it runs: core's hooks to
// the windows, playback to the holder's player and, when `komunikaty`, the
// messages to the information box (a test leaves its own hook by passing
// false). The message hook refers to the windows: it goes with this.
class PolaczeniaProgramu {
  public:
    explicit PolaczeniaProgramu(bool komunikaty);
    ~PolaczeniaProgramu();
    PolaczeniaProgramu(const PolaczeniaProgramu&) = delete;
    PolaczeniaProgramu& operator=(const PolaczeniaProgramu&) = delete;

  private:
    bool komunikaty_;
};

// Shows the progress window with the caption and position 80.
void pokaz_postep(const std::string& caption);

// A window's background picture from the program folder ("gfx_s\form20.bmp");
// when it is missing or unreadable, a plain picture of the windows' light
// ground in the given size.
QImage tlo_okna(const std::string& plik, look::Size rozmiar);

// A small picture of the program folder with the key colour left out; empty
// when the file is missing or unreadable.
QImage obrazek_z_kluczem(const std::string& plik);
// A picture button: the keyed picture at its place (read when the window
// first shows), its hint, the hand pointer and its click.
void ustaw_obrazek(ui::Image& image, const look::Rect& r, const std::string& plik,
                   const std::string& hint, std::function<void()> klik);

// The boxes' message font: 13-pixel "MS Sans Serif" in the text colour.
ui::Font czcionka_komunikatu();
// The windows' own texts: "Arial" of the given pixel size (0xRRGGBB colour).
ui::Font czcionka_arial(int pixels, bool bold = false, uint32_t rgb = look::tekst);

// Window building blocks: bounds from the look, the background picture over
// the whole window, the message label, and a button with its click.
void umiesc(QWidget& w, const look::Rect& r);
void ustaw_tlo(ui::Image& image, const std::string& plik, look::Size rozmiar);
void ustaw_komunikat(ui::Label& label, const look::Rect& r);
void ustaw_przycisk(TTransparentButton& b, const look::Rect& r, std::function<void()> klik);
// A picture of the program folder placed at `r`, its key colour left out,
// read when the window first shows; with `klik` it is a picture button (hand
// pointer, the click).
void ustaw_obrazek(ui::Image& image, const look::Rect& r, const std::string& plik,
                   std::function<void()> klik = {});
