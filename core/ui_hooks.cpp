#include "core/ui_hooks.h"

#include "platform/os/message.h"

namespace core {

namespace {
UiHooks g_hooks;
}

UiHooks& ui() { return g_hooks; }
void reset_ui() { g_hooks = UiHooks{}; }

void show_info(const std::string& text) {
    if (g_hooks.info)
        g_hooks.info(text);
    else
        os::show_message(text);
}
void progress_show(const std::string& caption, int position) {
    if (g_hooks.progress_show) g_hooks.progress_show(caption, position);
}
void progress_position(int position) {
    if (g_hooks.progress_position) g_hooks.progress_position(position);
}
void progress_hide() {
    if (g_hooks.progress_hide) g_hooks.progress_hide();
}

}  // namespace core
