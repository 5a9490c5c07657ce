#pragma once
// Hold-to-record on the exercise window's microphone: a press starts a
// recording, the release (or the 15-second limit) stops it; a recording long
// enough to keep is played back, followed by the model recording. The window
// gives the device, the sounds, the pictures and the wait; this class keeps
// the states, so a press during a stop or a playback starts nothing and a
// recording the limit stopped is not stopped again by the release.
#include <string>

class UslugiNagrywania {
  public:
    virtual ~UslugiNagrywania() = default;
    // The recording device (core's nagrywaj / zatrzymaj_nagrywanie).
    virtual void nagrywaj() = 0;
    virtual bool nagrywa() const = 0;
    virtual void zatrzymaj() = 0;
    // Waits, the windows responsive meanwhile.
    virtual void czekaj(int ms) = 0;
    // Length of a recording in milliseconds as the player reads it; 0 when
    // it cannot be read.
    virtual int dlugosc_ms(const std::string& plik) = 0;
    virtual void graj(const std::string& plik, bool do_konca) = 0;
    virtual void informacja(const std::string& tekst) = 0;
    // The microphone: its picture, and whether it takes presses.
    enum class Obrazek { spoczynek, nagrywanie, najechany };
    virtual void obrazek_mikrofonu(Obrazek o) = 0;
    virtual void mikrofon_dostepny(bool tak) = 0;
    // The button that plays the learner's recording again.
    virtual void pokaz_odtworz(bool tak) = 0;
    // The 15-second limit.
    virtual void limit(bool wlaczony) = 0;
    // The recording the learner's is compared with (empty: none).
    virtual std::string wzor() = 0;
    // The learner's recording (tmp1.wav).
    virtual std::string plik_nagrania() = 0;
};

class TNagrywanie {
  public:
    static constexpr int LIMIT_MS = 15000;
    static constexpr int CZEKAJ_MS = 400;    // after the release, before the stop
    static constexpr int MIN_DLUGOSC_MS = 480;

    enum class Stan { spoczynek, nagrywanie, zajety };

    explicit TNagrywanie(UslugiNagrywania& u) : u_(u) {}

    void Start_nagrania();   // left button down on the microphone
    void Puszczenie();       // button up on it
    void Koniec_limitu();    // the 15-second limit ran out
    void Porownaj_nagrania(); // the learner's recording, then the model
    void Najechanie(bool nad); // the mouse over the microphone or off it
    // The window closes: a running recording is stopped and saved, nothing
    // is played.
    void Przerwij();

    Stan stan() const { return stan_; }
    bool zachowane() const { return zachowane_; }

  private:
    void Stop_nagrania();
    void porownaj();

    UslugiNagrywania& u_;
    Stan stan_ = Stan::spoczynek;
    bool zachowane_ = false;
};
