#include "trainer_logic/question.h"

#include <algorithm>

#include "core/exercise_types.h"
#include "core/items.h"
#include "core/repetitions.h"
#include "core/sound.h"
#include "core/startup.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"
#include "trainer_logic/answer_check.h"
#include "trainer_logic/distractors.h"

namespace {

constexpr size_t MAX_DLUGOSC_SLOWKA = 50; // longer words go into the frame
constexpr int CHARSET_POLSKI = 238;
const char* const NL = "\n\r";

using os::pl;

void ustaw_wybory(Ekran& e, Pytanie& p, const std::array<std::string, 4>& teksty, int poprawny) {
    // Only choices with a text show; the right one keeps its place among them,
    // and a wrong one that reads the same as the right one or as one shown
    // before it is left out.
    int ile = 0;
    for (int k = 0; k < 4; ++k) {
        if (teksty[k].empty()) continue;
        if (k + 1 != poprawny && poprawny >= 1 && teksty[k] == teksty[poprawny - 1]) continue;
        if (std::find(e.odp.begin(), e.odp.begin() + ile, teksty[k]) != e.odp.begin() + ile)
            continue;
        if (k + 1 == poprawny) p.poprawny_wybor = ile + 1;
        e.odp[ile] = teksty[k];
        e.odp_widoczna[ile] = true;
        ++ile;
    }
    e.odp_charset = odpowiedz_obca(p.typ) ? charset_obcy() : CHARSET_POLSKI;
}

void kom(Ekran& e, const std::string& tekst, bool widoczny) {
    e.kom.tekst = tekst;
    e.kom.widoczny = widoczny && !tekst.empty();
}

void podpowiedz(Ekran& e, const std::string& tekst) {
    e.poprawna2.tekst = tekst;
    e.poprawna2.widoczny = !tekst.empty();
    e.poprawna2_pod_poprawna = false;
}

} // namespace

ZdanieZLukami luki_wyboru(const std::string& s) {
    ZdanieZLukami z;
    const int p = Pos("<", s);
    const int q = p > 0 ? pos_od(p, s, ">") : -1;
    if (q < 0) return z;
    const int n = static_cast<int>(s.size());
    z.jest = true;
    const std::string przed = Trim(Copy(s, 1, p - 1));
    const std::string luka1 = Trim(Copy(s, p + 1, q - p - 1));
    const int p2 = pos_od(p + 1, s, "<");
    const int q2 = p2 > q ? pos_od(p2, s, ">") : -1;
    if (q2 < 0) {
        z.pokazane = przed + " ... " + Trim(Copy(s, q + 1, n));
        z.oczekiwane = luka1;
        return z;
    }
    z.pokazane =
        przed + " ... " + Trim(Copy(s, q + 1, p2 - q - 1)) + " ... " + Trim(Copy(s, q2 + 1, n));
    z.oczekiwane = luka1 + " ... " + Trim(Copy(s, p2 + 1, q2 - p2 - 1));
    return z;
}

std::string tekst_luk(int i, const TBazaSlowek& b) {
    if (i < 1 || i > b.ile_slow) return "";
    return jezyk_edycji == 3 ? b.slowo_obce[i] : b.slowo_obce[i] + " (" + b.tlumaczenie[i] + ")";
}

bool da_sie_zapytac(int typ, int i, const TBazaSlowek& b) {
    if (i < 1 || i > b.ile_slow) return false;
    switch (typ) {
    case cw_rozpoznawanie_ze_sluchu:
    case cw_wybor_tlumaczenia:
        return !b.slowo_obce[i].empty();
    case cw_rozumienie_tekstu:
        return !b.tlumaczenie[i].empty();
    case cw_zdania_wybor: {
        const ZdanieZLukami z = luki_wyboru(b.slowo_obce[i]);
        return z.jest && !z.oczekiwane.empty();
    }
    case cw_zdania_wpisywanie:
        return ma_luke_do_wpisania(tekst_luk(i, b));
    default:
        return true;
    }
}

std::string podpis_typu(int typ) {
    static const char* const podpisy[] = {
        "",
        "Rozpoznawanie ze słuchu",
        "Rozumienie tekstu",
        "Rozumienie ze słuchu",
        "Wybór tłumaczenia",
        "Dyktando",
        "Wpisywanie tłumaczenia",
        "Wybór rodzajnika",
        "Wpisywanie liczby mnogiej",
        "Nauka wymowy",
        "Zdanie - wybór",
        "Zdania - rozumienie",
        "Zdania - wpisywanie",
        "Zdania - tłumaczenie",
        "Zdania - tłumaczenie pl->ang",
    };
    if (typ < 1 || typ > 14) return "Tavolent 4.0";
    return "Tavolent 4.0 - " + pl(podpisy[typ]);
}

bool odpowiedz_obca(int typ) {
    switch (typ) {
    case cw_rozpoznawanie_ze_sluchu:
    case cw_wybor_tlumaczenia:
    case cw_dyktando:
    case cw_wpisywanie_tlumaczenia:
    case cw_wybor_rodzajnika:
    case cw_wpisywanie_l_mnogiej:
    case cw_wymowa:
    case cw_zdania_wybor:
    case cw_zdania_wpisywanie:
    case cw_zdania_tlumaczenie_z_polskiego:
        return true;
    default:
        return false;
    }
}

int charset_obcy() {
    return jezyk_edycji == 3 ? 0 : CHARSET_POLSKI;
}

void Pokaz_tekst(Ekran& e, const Pytanie& p, const std::string& tekst, bool wyroznienie,
                 int charset, const MiernikTekstu& m) {
    e.slowko = {};
    e.ramka = {};
    e.ramka_widoczna = false;
    if (p.typ <= cw_wymowa && tekst.size() <= MAX_DLUGOSC_SLOWKA) {
        e.slowko = {tekst, charset, true};
        return;
    }
    e.ramka = Ustaw_zdanie({{tekst, charset}}, wyroznienie, m.rozmiary().zdanie, m);
    e.ramka_widoczna = true;
    e.ramka_miejsce = p.uklad_ze_slowem ? MiejsceRamki::wg_linii : MiejsceRamki::bez_slowa;
}

UkladZdania zdanie_z_tlumaczeniem(int i, const MiernikTekstu& m) {
    return Ustaw_zdanie(
        {{baza.slowo_obce[i], charset_obcy()}, {" (" + baza.tlumaczenie[i] + ")", CHARSET_POLSKI}},
        true, m.rozmiary().zdanie, m);
}

std::string opis_powtorki(int i) {
    if (i < 1 || i > MAX_POWTOREK) return "";
    const TPowtorka& r = tab_powtorek[i];
    if (r.ile_powtorzen <= 0) return "";
    std::string s = pl("Powtórka: ") + IntToStr(r.ile_powtorzen) + NL;
    if (r.data_ostatnia > os::date_serial(1998, 1, 1))
        s += "Ostatnio: " + os::format_date(r.data_ostatnia) + NL;
    return s;
}

namespace {

// The set-up of one question of item i: the item's texts, and the ways of
// answering that the types share.
class UstawieniePytania {
  public:
    UstawieniePytania(int i, const MiernikTekstu& m, Ekran& e, Pytanie& p)
        : i(i), m(m), e(e), p(p), obce(baza.slowo_obce[i]), polski(baza.tlumaczenie[i]),
          uwagi(baza.uwagi[i]), komentarz(baza.komentarz[i]), rec(sciezka_nagrania(i)) {}

    // What every type sets: caption, ID, alternatives, layout, answer's font.
    void wspolne(int typ);
    // Types 1 to 9: the prompt, the word and the way of answering.
    void o_slowko(int typ);
    // Types 10 to 14; false when the sentence cannot be asked in the type.
    bool o_zdanie(int typ);

  private:
    void wpisywanie(const std::string& oczekiwana) {
        p.forma = Forma::wpisywanie;
        p.oczekiwana = oczekiwana;
        e.wpisana_widoczna = true;
        e.ok = true;
        e.fokus = Fokus::wpisana;
    }
    void samoocena(const std::string& oczekiwana) {
        p.forma = Forma::samoocena;
        p.oczekiwana = oczekiwana;
        e.sprawdz = true;
    }
    void wybor_z_puli(int pula, bool obce_teksty, const std::string& poprawna) {
        p.forma = Forma::wybor;
        p.oczekiwana = poprawna;
        if (poprawna.empty()) return; // nothing to offer as the right choice
        const Wybory w = Losuj_odpowiedzi(obce_teksty, poprawna, Zbierz_dystraktory(pula, i));
        ustaw_wybory(e, p, w.teksty, w.poprawny);
    }

    const int i;
    const MiernikTekstu& m;
    Ekran& e;
    Pytanie& p;
    const std::string& obce;
    const std::string& polski;
    const std::string& uwagi;
    const std::string& komentarz;
    const int obcy = charset_obcy();
    const std::string rec;
};

void UstawieniePytania::wspolne(int typ) {
    e.podpis = podpis_typu(typ);
    e.ramka_miejsce = MiejsceRamki::start;
    e.pokaz_id = "Id: " + IntToStr(baza.id_slowa[i]);
    p.alternatywy = Lista_odpowiedzi(baza.synonimy[i],
                                     {typ, jezyk_edycji, baza.rodzaj[i], obce, baza.l_mnoga[i]});
    p.dzwiek_odpowiedzi = rec;
    p.uklad_ze_slowem = !(typ == cw_rozpoznawanie_ze_sluchu || typ == cw_rozumienie_ze_sluchu ||
                          typ == cw_dyktando || typ == cw_zdania_wpisywanie);
    e.polecenie_widoczne = true;
    e.poprawna.charset = odpowiedz_obca(typ) ? obcy : CHARSET_POLSKI;
    p.da_sie = true;
}

void UstawieniePytania::o_slowko(int typ) {
    // The English edition's hint under a question only heard.
    const auto podpowiedz_sluchowa = [&] {
        if (jezyk_edycji == 1 && !baza.pole_7[i].empty()) podpowiedz(e, pl("Podpowiedź: ") + baza.pole_7[i]);
    };

    switch (typ) {
    case cw_rozpoznawanie_ze_sluchu:
        e.polecenie = pl("Co usłyszałeś?");
        p.dzwiek_pytania = rec;
        wybor_z_puli(PULA_SLUCH, true, obce);
        break;
    case cw_rozumienie_tekstu:
        e.polecenie = "Co oznacza?";
        p.dzwiek_pytania = rec;
        Pokaz_tekst(e, p, obce, true, obcy, m);
        wybor_z_puli(PULA_ZNACZENIE, false, polski);
        break;
    case cw_rozumienie_ze_sluchu:
        e.polecenie = "Co oznacza?";
        p.dzwiek_pytania = rec;
        samoocena(polski);
        podpowiedz_sluchowa();
        break;
    case cw_wybor_tlumaczenia:
        e.polecenie = pl("Wybierz tłumaczenie:");
        Pokaz_tekst(e, p, polski, true, CHARSET_POLSKI, m);
        wybor_z_puli(PULA_TLUMACZENIE, true, obce);
        break;
    case cw_dyktando:
        e.polecenie = pl("Wpisz usłyszane słowa:");
        p.dzwiek_pytania = rec;
        wpisywanie(obce);
        podpowiedz_sluchowa();
        break;
    case cw_wpisywanie_tlumaczenia:
        e.polecenie = pl("Wpisz tłumaczenie:");
        Pokaz_tekst(e, p, polski, true, CHARSET_POLSKI, m);
        wpisywanie(obce);
        if (jezyk_edycji == 2 && !baza.pole_7[i].empty())
            podpowiedz(e, pl("Podpowiedź: ") + baza.pole_7[i]);
        break;
    case cw_wybor_rodzajnika: {
        e.polecenie = "Jaki rodzajnik?";
        p.dzwiek_pytania = rec;
        Pokaz_tekst(e, p, Trim(Copy(obce, 4, static_cast<int>(obce.size()))), false, obcy, m);
        p.forma = Forma::wybor;
        p.oczekiwana = LowerCase(Copy(obce, 1, 3));
        const int poprawny = p.oczekiwana == "der" ? 1 : p.oczekiwana == "die" ? 2 : 3;
        ustaw_wybory(e, p, {"der", "die", "das", ""}, poprawny);
        kom(e, polski + NL + uwagi, true);
        break;
    }
    case cw_wpisywanie_l_mnogiej:
        e.polecenie = pl("Wpisz liczbę mnogą rzeczownika:");
        p.dzwiek_pytania = rec;
        Pokaz_tekst(e, p, obce, false, obcy, m);
        wpisywanie(baza.l_mnoga[i]);
        kom(e, polski + NL + uwagi, true);
        break;
    case cw_wymowa: {
        const bool zdanie = baza.rodzaj[i] == 5;
        if (obce.find(' ') == std::string::npos)
            e.polecenie = pl("Nagraj usłyszane słowo.");
        else
            e.polecenie = zdanie ? pl("Nagraj usłyszane zdanie.") : pl("Nagraj usłyszane słowa.");
        p.dzwiek_pytania = rec;
        p.forma = Forma::wymowa;
        p.oczekiwana = usun_znaczniki(obce);
        Pokaz_tekst(e, p, p.oczekiwana, false, obcy, m);
        if (zdanie)
            kom(e, uwagi + NL + komentarz, false);
        else
            kom(e, polski + NL + uwagi + NL + komentarz, true);
        e.umiesz = e.nie_umiesz = e.tlo_umiesz = true;
        break;
    }
    default:
        break;
    }
}

bool UstawieniePytania::o_zdanie(int typ) {
    switch (typ) {
    case cw_zdania_wybor: {
        e.polecenie = "Wybierz:";
        const ZdanieZLukami z = luki_wyboru(obce);
        Pokaz_tekst(e, p, z.pokazane, false, obcy, m);
        p.forma = Forma::wybor;
        p.oczekiwana = z.oczekiwane;
        const OpcjeZdania o = Opcje_zdania(baza.opcje_wyboru[i], z.oczekiwane);
        ustaw_wybory(e, p, {o.opcje[0], o.opcje[1], o.opcje[2], o.opcje[3]}, o.poprawna);
        break;
    }
    case cw_zdania_rozumienie:
        e.polecenie = pl("Co oznacza wyróżnione słowo?");
        p.dzwiek_pytania = rec;
        Pokaz_tekst(e, p, obce, true, obcy, m);
        samoocena(polski);
        break;
    case cw_zdania_wpisywanie: {
        e.polecenie = pl("Uzupełnij zdanie:");
        p.forma = Forma::luki;
        p.oczekiwana = obce;
        if (jezyk_edycji == 3) kom(e, polski, true);
        e.luki = Rysuj_odpowiedz(tekst_luk(i, baza), obcy, m.rozmiary().luki,
                                 m.rozmiary().wysokosc_pola, m);
        if (e.luki.luki.empty()) {
            p.da_sie = false;
            return false;
        }
        for (size_t g = 0; g < e.luki.luki.size(); ++g) {
            e.wpis_widoczny[g] = true;
            p.luki[g] = e.luki.luki[g].oczekiwana;
        }
        e.ramka2_widoczna = true;
        e.ok = true;
        e.fokus = Fokus::wpis1;
        break;
    }
    case cw_zdania_tlumaczenie_na_polski:
        e.polecenie = pl("Przetłumacz...");
        p.dzwiek_pytania = rec;
        Pokaz_tekst(e, p, usun_znaczniki(obce), false, obcy, m);
        samoocena(baza.tlumaczenie_zdania[i]);
        break;
    case cw_zdania_tlumaczenie_z_polskiego:
        e.polecenie = pl("Przetłumacz...");
        Pokaz_tekst(e, p, baza.tlumaczenie_zdania[i], false, CHARSET_POLSKI, m);
        samoocena(usun_znaczniki(obce));
        break;
    default:
        break;
    }
    return true;
}

} // namespace

void Przygotuj_pytanie(int typ, int i, const MiernikTekstu& m, Ekran& e, Pytanie& p) {
    // Nothing of the previous question stays: L_Powtorki is empty for an
    // item without a record.
    e = Ekran{};
    p = Pytanie{};
    p.typ = typ;
    p.slowko = i;
    if (typ < 1 || typ > 14 || !da_sie_zapytac(typ, i, baza)) return;

    UstawieniePytania u(i, m, e, p);
    u.wspolne(typ);
    if (typ <= cw_wymowa)
        u.o_slowko(typ);
    else if (!u.o_zdanie(typ))
        return;
    // A choice without a right answer among its texts (an item whose text is
    // empty) is no question.
    if (p.forma == Forma::wybor && p.poprawny_wybor < 1) {
        p.da_sie = false;
        return;
    }
    p.graj_pytanie = !p.dzwiek_pytania.empty() && typ != cw_wpisywanie_l_mnogiej;
    e.graj = !p.dzwiek_pytania.empty();
}
