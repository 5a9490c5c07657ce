#include "shared/sound_glue.h"

#include "core/sound.h"
#include "core/ui_hooks.h"
#include "platform/ui/recorder.h"
#include "shared/form5.h"
#include "shared/forms.h"

void podlacz_dzwiek_do_core() {
    static ui::Recorder recorder;
    static core::RecorderAdapter<ui::Recorder> device(recorder);
    core::set_recorder(&device);

    core::UiHooks& h = core::ui();
    h.play_wav = [](const std::string& path, bool wait) {
        if (!Form5) return;
        ui::MediaPlayer& mp = Form5->MediaPlayer1;
        mp.close();
        mp.set_file_name(path);
        if (!mp.open()) return;
        mp.set_wait(wait);
        mp.play();
    };
    h.close_player = [] {
        if (Form5) Form5->MediaPlayer1.close();
    };
}
