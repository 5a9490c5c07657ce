#pragma once
// The hidden holder window: the button strips of both programs and the one
// media player. Never shown. Creating it loads the strips of the program's
// list from the program folder, names each, and binds them as the buttons'
// shared list; a strip that cannot be loaded or whose width does not divide
// by its frames stops the creation with the exception (the caller reports it).
#include <span>

#include "platform/ui/media_player.h"
#include "platform/ui/window.h"
#include "shared/my_image_list.h"
#include "shared/strips.h"

class ZestawOkien;

class TForm5 : public ui::Window {
    Q_OBJECT

  public:
    explicit TForm5(std::span<const Pasek> paski = paski_trenera);
    ~TForm5() override;

    TMyImageList MyImageList1;
    ui::MediaPlayer MediaPlayer1;
};

// Creates the holder into `okna` with the program's strips. When they cannot
// all be loaded it comes up without any, the error shown: buttons then paint
// nothing, and the sounds still play.
void utworz_form5(ZestawOkien& okna, std::span<const Pasek> paski);
