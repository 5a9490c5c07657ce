#pragma once
// Small text services shared by the file readers and the exercise windows.
// Texts are 8-bit Windows-1250; positions are 1-based.
#include <cstdint>
#include <string>
#include <string_view>

// Trim: removes every character up to and including the space at both ends.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
// 1-based substring, clipped to the text (Copy of the data routines).
std::string Copy(std::string_view s, int start, int count);
// 1-based position of the first occurrence, 0 when absent.
int Pos(std::string_view pattern, std::string_view s);
std::string IntToStr(long long n);
// Strict decimal integer of the whole text (a leading sign allowed); throws
// core::ConversionError with the text named.
int StrToInt(std::string_view s);
// As StrToInt but returns `def` on failure.
int StrToIntDef(std::string_view s, int def);
std::string LowerCase(std::string_view s); // Windows-1250 aware
std::string UpperCase(std::string_view s);

// Position of pattern in text at or after start; -1 when absent, when pattern
// or text is empty, or start is outside 1..length(text).
int pos_od(int start, std::string_view text, std::string_view pattern);
// Decimal n left-padded with "0" to width (longer numbers are not cut).
std::string liczba_z_zerami(int width, long long n);
// Trimmed text to a number; empty gives 0; non-numeric throws ConversionError.
int na_liczbe(std::string_view text);

// Tokenizer over one text at a time; wyczysc_tekst() resets it.
struct StanTekstu {
    std::string tekst_do_podzialu;
    int pozycja_tekstu = 1;
};
extern StanTekstu stan_tekstu;
extern std::string& tekst_do_podzialu;
extern int& pozycja_tekstu;
void wyczysc_tekst();
void ustaw_tekst(std::string_view s);
std::string nastepne_slowo();

std::string rozdziel(std::string_view s, std::string_view sep);
std::string popraw_interpunkcje(std::string_view s);
std::string usun_znaczniki(std::string_view s);
std::string formatuj_tekst(std::string_view s);
std::string zamien_rowna(std::string_view s, int mode);
// Waits ms milliseconds on a monotonic clock, letting the windows respond.
void czekaj(int ms);
