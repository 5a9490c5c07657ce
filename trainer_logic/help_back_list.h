#pragma once
// The help window's way back: 50 places (a page and where its view stood),
// used round when more are visited, so Back then cycles through the last 50
// instead of closing the window.
#include <array>
#include <cstdint>
#include <string>

struct MiejscePomocy {
    std::string strona; // full file name
    int64_t pozycja = 0; // the viewer's position
};

class TListaPowrotow {
  public:
    static constexpr int kMiejsc = 50;

    // The window opened on `strona` at `pozycja`.
    void start(const std::string& strona, int64_t pozycja);
    // The page on show moved on (a link, the contents): its place keeps
    // `stara_pozycja` and the new place follows it.
    void dalej(int64_t stara_pozycja, const std::string& strona, int64_t pozycja);
    // Back: the place to show, or nullptr when the window closes.
    const MiejscePomocy* wstecz();

    int numer() const { return numer_; }
    bool zawiniete() const { return zawiniete_; }
    const MiejscePomocy& miejsce(int numer) const { return miejsca_.at(static_cast<size_t>(numer - 1)); }

  private:
    std::array<MiejscePomocy, kMiejsc> miejsca_{};
    int numer_ = 1; // 1..50
    bool zawiniete_ = false;
};
