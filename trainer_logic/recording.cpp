#include "trainer_logic/recording.h"

#include "platform/os/codepage.h"

void TNagrywanie::Start_nagrania() {
    if (stan_ != Stan::spoczynek) return;
    zachowane_ = false;
    u_.obrazek_mikrofonu(UslugiNagrywania::Obrazek::nagrywanie);
    u_.nagrywaj();
    if (!u_.nagrywa()) {
        // The device failed (reported): back to rest.
        u_.obrazek_mikrofonu(UslugiNagrywania::Obrazek::spoczynek);
        return;
    }
    stan_ = Stan::nagrywanie;
    u_.limit(true);
}

void TNagrywanie::Puszczenie() {
    if (stan_ == Stan::nagrywanie) Stop_nagrania();
}

void TNagrywanie::Koniec_limitu() {
    if (stan_ == Stan::nagrywanie) Stop_nagrania();
}

void TNagrywanie::Stop_nagrania() {
    stan_ = Stan::zajety;
    u_.limit(false);
    u_.obrazek_mikrofonu(UslugiNagrywania::Obrazek::spoczynek);
    // The end of the word said as the button was let go.
    u_.czekaj(CZEKAJ_MS);
    u_.zatrzymaj();
    zachowane_ = u_.dlugosc_ms(u_.plik_nagrania()) >= MIN_DLUGOSC_MS;
    if (zachowane_) {
        u_.pokaz_odtworz(true);
        porownaj();
    } else {
        u_.informacja(
            os::pl("W trakcie nagrywania trzymaj cały czas wciśnięty lewy przycisk myszki!"));
    }
    stan_ = Stan::spoczynek;
}

void TNagrywanie::Porownaj_nagrania() {
    if (stan_ != Stan::spoczynek) return;
    stan_ = Stan::zajety;
    porownaj();
    stan_ = Stan::spoczynek;
}

void TNagrywanie::porownaj() {
    u_.mikrofon_dostepny(false);
    u_.graj(u_.plik_nagrania(), true);
    u_.graj(u_.wzor(), false);
    u_.mikrofon_dostepny(true);
}

void TNagrywanie::Najechanie(bool nad) {
    if (stan_ != Stan::spoczynek) return;
    u_.obrazek_mikrofonu(nad ? UslugiNagrywania::Obrazek::najechany : UslugiNagrywania::Obrazek::spoczynek);
}

void TNagrywanie::Przerwij() {
    if (stan_ != Stan::nagrywanie) return;
    u_.limit(false);
    u_.zatrzymaj();
    u_.obrazek_mikrofonu(UslugiNagrywania::Obrazek::spoczynek);
    stan_ = Stan::spoczynek;
}
