#include "trainer_logic/exercise_engine.h"

#include <algorithm>

#include "core/exercise_types.h"
#include "core/exercises.h"
#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/int_math.h"
#include "platform/os/random.h"
#include "trainer_logic/answer_check.h"
#include "trainer_logic/interludes.h"

namespace {

const char* const NL = "\n\r";

using os::pl;

} // namespace

int ile_zamian(int n) {
    if (n < 5) return 0;
    const int k = os::round_even(0.6 * n);
    return std::min(std::max(k, 5), n);
}

void tasuj_plan(TPlan& plan) {
    const int n = plan.ile_w_planie;
    const int k = ile_zamian(n);
    int poprzednie = 1;
    for (int i = 1; i <= k; ++i) {
        int j;
        do {
            j = os::random(n) + 1;
        } while (j == i || j == poprzednie);
        poprzednie = j;
        std::swap(plan.pozycje_planu[i], plan.pozycje_planu[j]);
        std::swap(plan.plan_cwiczenia[i], plan.plan_cwiczenia[j]);
    }
}

int Losuj_tlo() {
    if (ile_tel < 1) return 0;
    const int n = std::min(ile_tel, MAX_TEL);
    int wybrane = 0;
    for (int proba = 0; proba < n && wybrane == 0; ++proba) {
        const int j = os::random(n) + 1;
        if (!tla_uzyte[j]) wybrane = j;
    }
    if (wybrane == 0) {
        for (int j = 1; j <= n; ++j)
            tla_uzyte[j] = false;
        wybrane = os::random(n) + 1;
    }
    tla_uzyte[wybrane] = true;
    biezace_tlo = wybrane;
    return wybrane;
}

SilnikCwiczenia::SilnikCwiczenia(TPlan& plan, UslugiCwiczenia& uslugi, const MiernikTekstu& miernik)
    : plan_(plan), uslugi_(uslugi), miernik_(miernik) {}

TSlotPlanu& SilnikCwiczenia::slot() {
    static TSlotPlanu zaden;
    if (kursor_ < 1 || kursor_ > plan_.ile_w_planie || typ_ < 1 || typ_ > MAX_TYP_CWICZENIA) {
        zaden = {};
        return zaden;
    }
    return plan_.plan_cwiczenia[kursor_].typ[typ_];
}

void SilnikCwiczenia::start(int typ) {
    typ_ = typ;
    poprawne_ = bledne_ = 0;
    w_tym_pokazie_ = {};
    ilosc_ = plan_.do_zrobienia(typ);
    kursor_ = 0;
    e_ = Ekran{};
    p_ = Pytanie{};
    odpowiedziano_ = werdykt_ = przez_alternatywe_ = false;
    odpowiedz_.clear();
    tasuj_plan(plan_);
    Nastepne_slowko();
}

void SilnikCwiczenia::Nastepne_slowko() {
    e_.zaakceptuj = false;
    uslugi_.koniec_pytania();
    ++licznik_przerywnika;
    if (czas_na_przerywnik(false)) uslugi_.przerywnik();
    const int n = plan_.ile_w_planie;
    for (int krok = 0; krok <= n && n > 0; ++krok) {
        kursor_ = kursor_ >= n ? 1 : kursor_ + 1;
        const int i = plan_.pozycje_planu[kursor_];
        // A position whose item is not in the store is never asked.
        if (slot().pozostalo < 1 || i < 1 || i > baza.ile_slow) continue;
        p_.slowko = i;
        Przygotuj_pytanie();
        if (p_.da_sie) return;
    }
    kursor_ = 1;
    uslugi_.zamknij();
}

void SilnikCwiczenia::Przygotuj_pytanie() {
    ::Przygotuj_pytanie(typ_, p_.slowko, miernik_, e_, p_);
    if (!p_.da_sie) return;
    odpowiedziano_ = false;
    werdykt_ = false;
    przez_alternatywe_ = false;
    odpowiedz_.clear();
    Pokaz_statystyke();
    const std::string powtorka = opis_powtorki(p_.slowko);
    if (!powtorka.empty()) e_.powtorki = powtorka;
    if (p_.graj_pytanie) uslugi_.graj(p_.dzwiek_pytania, false);
    uslugi_.nowe_pytanie();
}

int SilnikCwiczenia::proby() const {
    const int n = std::clamp(plan_.ile_w_planie, 0, MAX_LISTA);
    return static_cast<int>(
        std::count(w_tym_pokazie_.begin() + 1, w_tym_pokazie_.begin() + 1 + n, true));
}

TWynikCwiczenia SilnikCwiczenia::wynik() const {
    TWynikCwiczenia w;
    w.poprawne = poprawne_;
    w.bledne = bledne_;
    w.ilosc = ilosc_;
    w.proby = proby();
    w.wymagane = wymagane_odpowiedzi();
    return w;
}

void SilnikCwiczenia::Pokaz_statystyke() {
    const TWynikCwiczenia w = wynik();
    e_.stat1 = w.linia_poprawne();
    e_.stat2 = w.linia_bledne();
    e_.stat3 = w.linia_wynik();
    if (tryb_lekcji == 1) e_.powtorki = pl("Przykładów: ") + IntToStr(ilosc_);
}

void SilnikCwiczenia::Sprawdz_wybor(int n) {
    if (odpowiedziano_ || n < 1 || n > 4 || !e_.odp_widoczna[n - 1]) return;
    odpowiedziano_ = true;
    odpowiedz_ = e_.odp[n - 1];
    e_.odp_widoczna = {};
    werdykt_ = n == p_.poprawny_wybor;
    if (werdykt_) odpowiedz_.clear();
    Po_odpowiedzi();
}

void SilnikCwiczenia::po_wpisanej(bool dobrze) {
    werdykt_ = dobrze;
    if (dobrze) p_.oczekiwana = odpowiedz_;
    if (!dobrze && ustawienia.linia[U_PODPOWIEDZ_F5] != 1) {
        // Once per learner; set first, so the box cannot bring it back.
        ustawienia.linia[U_PODPOWIEDZ_F5] = 1;
        uslugi_.informacja(pl("Klawisz F5 wyświetli Twoją odpowiedź."));
    }
    e_.zaakceptuj = !dobrze;
    Po_odpowiedzi();
}

void SilnikCwiczenia::Sprawdz_wpisane(const std::string& tekst) {
    if (odpowiedziano_ || p_.forma != Forma::wpisywanie) return;
    werdykt_ = false;
    odpowiedziano_ = true;
    e_.wpisana_widoczna = false;
    odpowiedz_ = normalizuj_wpisana(tekst);
    const Porownanie w = porownaj_odpowiedz(odpowiedz_, p_.oczekiwana, p_.alternatywy,
                                            typ_ != cw_dyktando, tabela_wariantow());
    przez_alternatywe_ = w.przez_alternatywe;
    po_wpisanej(w.dobrze);
}

void SilnikCwiczenia::Sprawdz_luki(const std::array<std::string, 3>& pola) {
    if (odpowiedziano_ || p_.forma != Forma::luki) return;
    werdykt_ = false;
    odpowiedziano_ = true;
    const int i = p_.slowko;
    const std::array<std::string, 3> czesci = podziel_synonimy(baza.synonimy[i]);
    const std::vector<ParaWariantu> tabela = tabela_wariantow();
    bool dobrze = true, przez_alternatywe = false;
    for (int g = 0; g < 3; ++g) {
        if (p_.luki[g].empty()) continue;
        const std::vector<std::string> alternatywy = Lista_odpowiedzi(
            czesci[g], {typ_, jezyk_edycji, baza.rodzaj[i], baza.slowo_obce[i], baza.l_mnoga[i]});
        const Porownanie w = porownaj_odpowiedz(popraw_interpunkcje(Trim(pola[g])), p_.luki[g],
                                                alternatywy, true, tabela);
        dobrze = dobrze && w.dobrze;
        przez_alternatywe = przez_alternatywe || w.przez_alternatywe;
    }
    przez_alternatywe_ = dobrze && przez_alternatywe;
    e_.wpis_widoczny = {};
    e_.ramka2_widoczna = false;
    odpowiedz_ = Trim(pola[0]);
    for (int g = 1; g < 3; ++g)
        if (!Trim(pola[g]).empty()) odpowiedz_ += "; " + Trim(pola[g]);
    po_wpisanej(dobrze);
}

void SilnikCwiczenia::Ocen_odpowiedz() {
    e_.polecenie_widoczne = false;
    e_.play_nagrane = false;
    if (typ_ == cw_zdania_wybor || typ_ == cw_zdania_wpisywanie) {
        e_.poprawna.tekst.clear();
        e_.ramka = zdanie_z_tlumaczeniem(p_.slowko, miernik_);
        e_.ramka_widoczna = true;
        e_.ramka_miejsce =
            typ_ == cw_zdania_wpisywanie ? MiejsceRamki::po_lukach : MiejsceRamki::wg_linii;
    } else {
        e_.poprawna.tekst = p_.oczekiwana;
    }
    TSlotPlanu& s = slot();
    s.proby += 1;
    if (kursor_ >= 1 && kursor_ <= MAX_LISTA) w_tym_pokazie_[kursor_] = true;
    if (werdykt_) {
        if (--s.pozostalo < 1) {
            s.zrobione = 1;
            s.pozostalo = 0;
        }
        ++poprawne_;
        e_.polecenie =
            przez_alternatywe_
                ? pl("Odpowiedź zaakceptowana! Nagranie odtworzysz po kliknięciu na ikonkę.")
                : "Bardzo dobrze!";
        e_.polecenie_czerwone = false;
    } else {
        ++bledne_;
        if (typ_ == cw_zdania_wybor) e_.polecenie_nad_ramka = true;
        e_.polecenie = "Poprawnie:";
        e_.polecenie_czerwone = true;
    }
    Pokaz_statystyke();
}

void SilnikCwiczenia::Pokaz_poprawna() {
    const int i = p_.slowko;
    std::string tekst;
    // The typed answer or the foreign text in front is in the edition's set.
    Wstawka obce;
    if (typ_ == cw_zdania_wpisywanie) {
        tekst = "Wpisano: ";
        obce = {tekst.size(), odpowiedz_.size(), charset_obcy()};
        tekst += odpowiedz_ + NL;
    } else if (przez_alternatywe_) {
        obce = {0, baza.slowo_obce[i].size(), charset_obcy()};
        tekst = baza.slowo_obce[i] + NL;
        e_.graj_podpowiedz = baza.slowo_obce[i];
    }
    switch (typ_) {
    case cw_rozpoznawanie_ze_sluchu:
    case cw_dyktando:
        tekst += baza.uwagi[i];
        e_.poprawna2 = {baza.tlumaczenie[i], 238, !baza.tlumaczenie[i].empty()};
        e_.poprawna2_pod_poprawna = true;
        break;
    case cw_wybor_rodzajnika:
    case cw_wpisywanie_l_mnogiej:
    case cw_wymowa:
        tekst += baza.tlumaczenie[i] + NL + baza.uwagi[i];
        break;
    default:
        tekst += baza.uwagi[i];
        break;
    }
    const std::string& komentarz = baza.komentarz[i];
    if (tekst.empty())
        tekst = komentarz;
    else if (!komentarz.empty())
        tekst += NL + komentarz;
    e_.kom = {tekst, 238, !tekst.empty()};
    e_.kom_obce = obce;
}

void SilnikCwiczenia::Po_odpowiedzi() {
    e_.poprawna2 = {};
    Ocen_odpowiedz();
    Pokaz_poprawna();
    // After the comment lines: an answer accepted through an alternative
    // leaves the plain hint too.
    e_.graj_podpowiedz = pl("Odtwórz");
    e_.polecenie_widoczne = true;
    e_.poprawna.widoczny = true;
    e_.przyklady = baza.rodzaj[p_.slowko] < 5 && uslugi_.ile_przykladow(p_.slowko) > 0;
    e_.ok = true;
    e_.fokus = Fokus::brak;
    e_.graj = !p_.dzwiek_odpowiedzi.empty();
    if (!werdykt_) {
        // The verdict shows first; the window waits for the sound's end.
        uslugi_.pokaz_ekran();
        uslugi_.graj(sciezka_programu + "zla.wav", true);
    }
    if (p_.dzwiek_pytania.empty() && !przez_alternatywe_) uslugi_.graj(p_.dzwiek_odpowiedzi, false);
}

void SilnikCwiczenia::Pokaz_rozwiazanie() {
    if (!e_.sprawdz) return;
    e_.polecenie_widoczne = false;
    e_.poprawna2 = {};
    if (typ_ == cw_rozumienie_ze_sluchu || typ_ == cw_wymowa)
        Pokaz_tekst(e_, p_, baza.slowo_obce[p_.slowko], false, charset_obcy(), miernik_);
    e_.poprawna.tekst = p_.oczekiwana;
    Pokaz_poprawna();
    e_.poprawna.widoczny = true;
    e_.tlo_umiesz = true;
    e_.sprawdz = false;
    e_.umiesz = e_.nie_umiesz = true;
    odpowiedziano_ = true;
    e_.graj = !p_.dzwiek_odpowiedzi.empty();
    if (p_.dzwiek_pytania.empty()) uslugi_.graj(p_.dzwiek_odpowiedzi, false);
}

void SilnikCwiczenia::Ocen_sam(bool umiem) {
    if (!(umiem ? e_.umiesz : e_.nie_umiesz)) return;
    odpowiedziano_ = true;
    if (typ_ != cw_wymowa) e_.umiesz = e_.nie_umiesz = e_.tlo_umiesz = false;
    werdykt_ = umiem;
    odpowiedz_.clear();
    e_.polecenie_widoczne = false;
    e_.poprawna2 = {};
    Ocen_odpowiedz();
    Nastepne_slowko();
}

void SilnikCwiczenia::Zaakceptuj_odp() {
    if (!e_.zaakceptuj) return;
    werdykt_ = true;
    --bledne_;
    e_.polecenie_czerwone = false;
    TSlotPlanu& s = slot();
    if (--s.pozostalo < 1) {
        s.zrobione = 1;
        s.pozostalo = 0;
    }
    ++poprawne_;
    e_.polecenie = pl("Odpowiedź zaakceptowano! ");
    Pokaz_statystyke();
    e_.zaakceptuj = false;
}

void SilnikCwiczenia::Akcja_rekordu(AkcjaRekordu a, double dzis) {
    const int i = p_.slowko;
    if (kursor_ < 1 || kursor_ > plan_.ile_w_planie || i < 1 || i > baza.ile_slow ||
        i > MAX_POWTOREK)
        return;
    zastosuj_akcje(a, plan_.plan_cwiczenia[kursor_], tab_powtorek[i], flagi_powtorek[i],
                   baza.id_slowa[i], dzis);
    if (a != AkcjaRekordu::zeruj) {
        w_tym_pokazie_[kursor_] = true;
        ile_powtorek = std::max(ile_powtorek, i);
    }
    e_.ramka_widoczna = false;
    Nastepne_slowko();
}

void SilnikCwiczenia::I_OKClick(const std::string& wpisana,
                                const std::array<std::string, 3>& pola) {
    if (!e_.ok) return;
    if (odpowiedziano_) {
        e_.ramka_widoczna = false;
        Nastepne_slowko();
    } else if (p_.forma == Forma::wpisywanie) {
        Sprawdz_wpisane(wpisana);
    } else if (p_.forma == Forma::luki) {
        Sprawdz_luki(pola);
    }
}

std::string SilnikCwiczenia::dzwiek_do_grania() const {
    return odpowiedziano_ ? p_.dzwiek_odpowiedzi : p_.dzwiek_pytania;
}

void SilnikCwiczenia::Pokaz_grupe() {
    if (p_.slowko >= 1) e_.grupa_tem = opis_slowa(p_.slowko);
}

StanKlawiszy SilnikCwiczenia::stan_klawiszy(bool pole_wpisywania) const {
    StanKlawiszy s;
    s.odpowiedziano = odpowiedziano_;
    s.wybor_widoczny = e_.odp_widoczna;
    s.ok_widoczny = e_.ok;
    s.sprawdz_widoczny = e_.sprawdz;
    s.umiem_widoczny = e_.umiesz;
    s.nie_umiem_widoczny = e_.nie_umiesz;
    s.zaakceptuj_widoczny = e_.zaakceptuj;
    s.przyklady_widoczne = e_.przyklady;
    s.jest_odpowiedz = !odpowiedz_.empty();
    s.jezyk = jezyk_edycji;
    s.pole_wpisywania = pole_wpisywania;
    return s;
}
