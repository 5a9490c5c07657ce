#pragma once
// The hidden holder window: the button strips of both programs and the one
// media player. Never shown. Creating it loads the strips from the program
// folder and binds them as the buttons' shared list; a strip that cannot be
// loaded or whose width does not divide by its frames stops the creation with
// the exception (the caller reports it).
#include <string>
#include <vector>

#include "platform/ui/media_player.h"
#include "platform/ui/window.h"
#include "shared/my_image_list.h"

// The strips of each program, by index ("but_s\..." under the program folder).
const std::vector<std::string>& paski_trenera();  // 23
const std::vector<std::string>& paski_slownika(); // 6

class TForm5 : public ui::Window {
    Q_OBJECT

  public:
    explicit TForm5(const std::vector<std::string>& paski = paski_trenera());
    ~TForm5() override;

    TMyImageList MyImageList1;
    ui::MediaPlayer MediaPlayer1;
};
