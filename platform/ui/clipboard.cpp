#include "platform/ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/os/codepage.h"

namespace ui {

void set_clipboard_text(const std::string& text, int charset) {
    if (QClipboard* c = QGuiApplication::clipboard())
        c->setText(QString::fromStdString(os::to_utf8(text, charset)));
}

std::string clipboard_text(int charset) {
    QClipboard* c = QGuiApplication::clipboard();
    return c ? os::from_utf8(c->text().toStdString(), charset) : std::string();
}

} // namespace ui
