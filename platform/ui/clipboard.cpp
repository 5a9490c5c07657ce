#include "platform/ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/os/codepage.h"

namespace ui {

void set_clipboard_text(const std::string& text, int charset) {
    set_clipboard_utf8(os::to_utf8(text, charset));
}

void set_clipboard_utf8(const std::string& text) {
    if (QClipboard* c = QGuiApplication::clipboard()) c->setText(QString::fromStdString(text));
}

std::string clipboard_text(int charset) {
    QClipboard* c = QGuiApplication::clipboard();
    return c ? os::from_utf8(c->text().toStdString(), charset) : std::string();
}

} // namespace ui
