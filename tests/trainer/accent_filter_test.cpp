// Accented letters in the edit boxes: the filter inserts the pending letter in
// the edition's character set.
#include "core/startup.h"
#include "platform/ui/controls.h"
#include "platform_ui/qt_app.h"
#include "shared/accent_filter.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// Ctrl + letter types a control character, a plain letter types itself.
void press(QWidget* box, char letter, Qt::KeyboardModifiers mods) {
    const QString text = (mods & Qt::ControlModifier) ? QString(QChar(letter - 'A' + 1))
                         : (mods & Qt::ShiftModifier) ? QString(QChar(letter))
                                                      : QString(QChar(letter)).toLower();
    testsupport::key_click(box, Qt::Key_A + (letter - 'A'), mods, text);
}

TEST(AccentFilterTest, InsertsPendingLetterInEditionCharset) {
    testsupport::qt_app();
    const auto ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier, alt = Qt::AltModifier;
    struct Case {
        int language, charset;
        char key;
        Qt::KeyboardModifiers mods;
        QString text;
    } cases[] = {
        {2, 238, 'A', ctrl | shift, QString::fromUtf8("Ä")},
        {2, 238, 'S', ctrl, QString::fromUtf8("ß")},
        {2, 238, 'A', ctrl | alt, ""},
        {2, 238, 'A', {}, "a"},
        {3, 0, 'T', ctrl, QString::fromUtf8("è")}, // 232 is "č" in Windows-1250
        {3, 0, 'P', ctrl, QString::fromUtf8("ù")},
        {3, 0, 'Y', ctrl | shift, QString::fromUtf8("ê")},
        {1, 238, 'E', ctrl, ""},
    };
    for (const Case& c : cases) {
        jezyk_edycji = c.language;
        czcionka_charset = c.charset;
        QLineEdit line;
        QPlainTextEdit plain;
        trainer::AccentFilter::install(&line);
        trainer::AccentFilter::install(&plain);
        press(&line, c.key, c.mods);
        press(&plain, c.key, c.mods);
        EXPECT_EQ(line.text(), c.text) << c.language << " " << c.key;
        EXPECT_EQ(plain.toPlainText(), c.text) << c.language << " " << c.key;
    }
    jezyk_edycji = 0;
    czcionka_charset = 238;
}

TEST(AccentFilterTest, KeyDownOnlyBoxInsertsNothing) {
    testsupport::qt_app();
    jezyk_edycji = 2;
    QLineEdit box;
    trainer::AccentFilter::install(&box, false);
    press(&box, 'A', Qt::ControlModifier);
    EXPECT_EQ(box.text(), "");
    jezyk_edycji = 0;
}

// A box of ours whose font shows another set than the edition's (the French
// dictionary's search box before its French box is ticked) gets the letter's
// byte all the same, and shows it anew when its set changes.
TEST(AccentFilterTest, BoxInAnotherCharsetKeepsTheLettersByte) {
    testsupport::qt_app();
    jezyk_edycji = 3;
    czcionka_charset = 0;
    ui::Edit box(nullptr);
    ui::Font polski = box.GetFont();
    polski.charset = 238;
    box.SetFont(polski);
    trainer::AccentFilter::install(&box);
    press(&box, 'Y', Qt::ControlModifier);
    press(&box, 'R', Qt::ControlModifier);
    EXPECT_EQ(box.Text(), "\xEA\xE9");
    EXPECT_EQ(box.text(), QString::fromUtf8("ęé"));
    ui::Font zachodni = polski;
    zachodni.charset = 0;
    box.SetFont(zachodni);
    EXPECT_EQ(box.Text(), "\xEA\xE9");
    EXPECT_EQ(box.text(), QString::fromUtf8("êé"));
    jezyk_edycji = 0;
    czcionka_charset = 238;
}

} // namespace
