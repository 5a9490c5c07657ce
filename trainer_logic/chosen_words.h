#pragma once
// The words the learner sent from the dictionary (the hand-off file of the
// user folder): taken when the chosen-words window shows, listed, thinned by
// the learner, run as a lesson, and on closing given back for the next start
// or deleted. No window here.
#include <string>
#include <vector>

class TWybraneSlowa {
  public:
    // Takes slow.txt of the folder and reads it: at most 300 distinct
    // positive IDs after its header, each mapped to its item; IDs the store
    // does not hold are dropped. An empty list when there is no file, and
    // when it cannot be read (reported; it goes back as slow.txt, untouched).
    void wczytaj(const std::string& folder);

    // Item indexes in file order.
    const std::vector<int>& pozycje() const { return pozycje_; }
    int ile() const { return static_cast<int>(pozycje_.size()); }

    // Removes entry `k` (0-based); false outside the list.
    bool usun(int k);

    // Makes the list the run's: lista_cwiczenia and lista_id, then the run
    // built as for a lesson (linked sentences as the settings ask).
    void do_nauki() const;

    // On closing: the file back for the next start when `zachowaj`, else deleted.
    void zamknij(bool zachowaj);

  private:
    std::string folder_;
    bool przejety_ = false; // the file was taken and not yet given back
    std::vector<int> pozycje_;
};
