#include "shared/examples_text.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/text.h"

namespace przyklady {

namespace {

struct Znacznik {
    std::string_view tekst;
    Rodzaj rodzaj;
};

// In the order they are tried.
constexpr std::array<Znacznik, 7> znaczniki = {{
    {"<br>", Rodzaj::nowa_linia},
    {"@", Rodzaj::nowa_linia},
    {"<i>", Rodzaj::kursywa_wl},
    {"</i>", Rodzaj::kursywa_wyl},
    {"<b>", Rodzaj::bold_wl},
    {"</b>", Rodzaj::bold_wyl},
    {"^", Rodzaj::kursywa_wl},
}};

char maly(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool zaczyna_sie(std::string_view s, size_t od, std::string_view wzor) {
    if (s.size() - od < wzor.size()) return false;
    for (size_t k = 0; k < wzor.size(); ++k)
        if (maly(s[od + k]) != wzor[k]) return false;
    return true;
}

const Znacznik* znacznik_w(std::string_view s, size_t od) {
    for (const Znacznik& z : znaczniki)
        if (zaczyna_sie(s, od, z.tekst)) return &z;
    return nullptr;
}

// Characters 4-8 as an item index when they are five digits.
int pozycja_z(const std::string& slowo) {
    if (slowo.size() < 8) return 0;
    int n = 0;
    for (size_t k = 3; k < 8; ++k) {
        if (!std::isdigit(static_cast<unsigned char>(slowo[k]))) return 0;
        n = n * 10 + (slowo[k] - '0');
    }
    return n;
}

void Dodaj_slowo(std::vector<Token>& tokeny, const std::string& slowo, Rodzaj rodzaj, size_t od) {
    if (static_cast<int>(tokeny.size()) >= MAX_TOKENOW) return;
    Token t;
    t.tekst = slowo;
    t.rodzaj = rodzaj;
    t.od = od;
    if (rodzaj == Rodzaj::slowo) {
        if (zaczyna_sie(slowo, 0, "#s=")) {
            t.rodzaj = Rodzaj::dzwiek;
            t.pozycja = pozycja_z(slowo);
        } else if (zaczyna_sie(slowo, 0, "#n=")) {
            t.rodzaj = Rodzaj::ikona;
        }
    }
    tokeny.push_back(std::move(t));
}

} // namespace

std::vector<Token> Podziel_tekst(std::string_view wejscie) {
    const std::string s = Trim(wejscie);
    // Offsets count from the untrimmed text; s starts at its first non-blank.
    const size_t p = s.empty() ? 0 : wejscie.find(s);
    std::vector<Token> tokeny;
    const auto dodaj = [&](const std::string& slowo, Rodzaj r, size_t od) {
        Dodaj_slowo(tokeny, slowo, r, p + od);
    };
    std::string slowo;
    size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        const Znacznik* z = nullptr;
        if (c == '<' || c == '>' || c == '@' || c == '^') z = znacznik_w(s, i);
        if (z) {
            if (!slowo.empty()) dodaj(slowo, Rodzaj::slowo, i - slowo.size());
            slowo.clear();
            dodaj(s.substr(i, z->tekst.size()), z->rodzaj, i);
            i += z->tekst.size();
        } else {
            slowo += c;
            ++i;
        }
        if (i < s.size() && s[i] == ' ') {
            dodaj(slowo, Rodzaj::slowo, i - slowo.size());
            slowo.clear();
            ++i;
        }
    }
    if (!slowo.empty()) dodaj(slowo, Rodzaj::slowo, s.size() - slowo.size());
    return tokeny;
}

std::vector<Token> Podziel_tekst(const os::PartedText& tekst) {
    std::vector<Token> tokeny = Podziel_tekst(os::joined(tekst));
    size_t kawalek = 0, koniec = tekst.empty() ? 0 : tekst[0].text.size();
    for (Token& t : tokeny) {
        while (t.od >= koniec && kawalek + 1 < tekst.size())
            koniec += tekst[++kawalek].text.size();
        if (kawalek < tekst.size()) t.charset = tekst[kawalek].charset;
    }
    return tokeny;
}

Uklad Rysuj_tekst(const std::vector<Token>& tokeny, Miara& miara, Rozmiar pole, int przesuniecie,
                  Rozmiar ikona_dzwieku, Rozmiar ikona_2) {
    Uklad u;
    int y = 1 - WYSOKOSC_LINII * przesuniecie;
    int x = 1;
    bool bold = false, italic = false;
    for (int k = 0; k < static_cast<int>(tokeny.size()); ++k) {
        const Token& t = tokeny[k];
        switch (t.rodzaj) {
        case Rodzaj::nowa_linia:
            y += WYSOKOSC_LINII;
            x = 1;
            continue;
        case Rodzaj::bold_wl:
        case Rodzaj::bold_wyl:
            bold = t.rodzaj == Rodzaj::bold_wl;
            continue;
        case Rodzaj::kursywa_wl:
        case Rodzaj::kursywa_wyl:
            italic = t.rodzaj == Rodzaj::kursywa_wl;
            continue;
        case Rodzaj::dzwiek:
        case Rodzaj::ikona: {
            const bool dzwiek = t.rodzaj == Rodzaj::dzwiek;
            const Rozmiar ik = dzwiek ? ikona_dzwieku : ikona_2;
            if (x + 2 + ik.w >= pole.w) {
                y += WYSOKOSC_LINII;
                x = 1;
            }
            const int lewa = x + 2;
            if (static_cast<int>(u.punkty.size()) < MAX_PUNKTOW) {
                if (dzwiek && y >= 0 && y < pole.h - 2) {
                    if (u.pierwszy_widoczny < 0)
                        u.pierwszy_widoczny = static_cast<int>(u.punkty.size());
                    ++u.ile_widocznych;
                }
                u.punkty.push_back({lewa, y, k, dzwiek});
            }
            u.elementy.push_back({lewa, y, k, false, false});
            x = lewa + ik.w + 2;
            break;
        }
        case Rodzaj::slowo: {
            const int w = miara.szerokosc(t.tekst + " ", bold, italic, t.charset);
            if (x + w > pole.w) {
                y += WYSOKOSC_LINII;
                x = 1;
            }
            u.elementy.push_back({x, y, k, bold, italic});
            x += w;
            break;
        }
        }
        u.ostatnie_y = y;
        u.cos_jest = true;
    }
    u.koniec_y = y;
    return u;
}

TTekstPrzykladow::TTekstPrzykladow(Miara& miara, Rozmiar pole, Rozmiar ikona_dzwieku,
                                   Rozmiar ikona_2)
    : miara_(miara), pole_(pole), ikona1_(ikona_dzwieku), ikona2_(ikona_2) {}

void TTekstPrzykladow::ustaw_tekst(const os::PartedText& tekst) {
    tokeny_ = Podziel_tekst(tekst);
    przesuniecie_ = 0;
    goracy_ = -1;
    kursor_ = 0;
    uklad_aktualny_ = false;
    const Uklad& u = uklad();
    const int za_polem = u.koniec_y - pole_.h;
    const int do_konca = za_polem > 0 ? za_polem / WYSOKOSC_LINII + 1 : 0;
    // A text without a closing line break: enough lines that the last one
    // holding something fits the box whole.
    const int nadmiar = u.ostatnie_y + WYSOKOSC_LINII - 1 - pole_.h;
    const int caly = u.cos_jest && nadmiar > 0 ? (nadmiar + WYSOKOSC_LINII - 1) / WYSOKOSC_LINII : 0;
    max_przesuniecie_ = std::max(do_konca, caly);
}

const Uklad& TTekstPrzykladow::uklad() {
    if (!uklad_aktualny_) {
        uklad_ = Rysuj_tekst(tokeny_, miara_, pole_, przesuniecie_, ikona1_, ikona2_);
        uklad_aktualny_ = true;
    }
    return uklad_;
}

bool TTekstPrzykladow::w_dol() {
    if (przesuniecie_ >= max_przesuniecie_) return false;
    ++przesuniecie_;
    uklad_aktualny_ = false;
    kursor_ = -1;
    goracy_ = -1;
    return true;
}

bool TTekstPrzykladow::w_gore() {
    if (przesuniecie_ <= 0) return false;
    --przesuniecie_;
    uklad_aktualny_ = false;
    kursor_ = -1;
    goracy_ = -1;
    return true;
}

int TTekstPrzykladow::najedz(int x, int y) {
    goracy_ = -1;
    const Uklad& u = uklad();
    for (int n = 0; n < static_cast<int>(u.punkty.size()); ++n) {
        const Punkt& p = u.punkty[n];
        const Rozmiar ik = p.dzwiek ? ikona1_ : ikona2_;
        if (x > p.x && x < p.x + ik.w && y > p.y && y < p.y + ik.h) {
            goracy_ = n;
            break;
        }
    }
    return goracy_;
}

int TTekstPrzykladow::klik() {
    return pozycja_punktu(goracy_);
}

int TTekstPrzykladow::pozycja_punktu(int punkt) {
    const Uklad& u = uklad();
    if (punkt < 0 || punkt >= static_cast<int>(u.punkty.size())) return 0;
    const Punkt& p = u.punkty[punkt];
    return p.dzwiek ? tokeny_[p.token].pozycja : 0;
}

int TTekstPrzykladow::Odtworz_przyklad() {
    const Uklad& u = uklad();
    const int pierwszy = u.pierwszy_widoczny;
    if (pierwszy < 0) return 0;
    if (kursor_ < pierwszy || kursor_ >= pierwszy + u.ile_widocznych) kursor_ = pierwszy;
    const int grany = kursor_;
    if (++kursor_ >= pierwszy + u.ile_widocznych) kursor_ = pierwszy;
    return pozycja_punktu(grany);
}

} // namespace przyklady
