// German and French letters typed with Ctrl + letter, by edition.
#include "core/keyboard.h"
#include "core/startup.h"

#include <gtest/gtest.h>

namespace {

// The character typed for the key with these modifiers, starting from 'x'.
char typed(int language, int key, unsigned shift) {
    jezyk_edycji = language;
    klawiatura_KeyDown(key, shift);
    char ch = 'x';
    klawiatura_KeyPress(ch);
    return ch;
}

constexpr int english = 1, german = 2, french = 3;

TEST(KeyboardTest, AccentedLettersByEdition) {
    struct Case {
        int language;
        char key;
        unsigned shift;
        unsigned char letter; // 'x': nothing special
    } cases[] = {
        {german, 'A', ssCtrl, 228},         {german, 'A', ssCtrl | ssShift, 196},
        {german, 'E', ssCtrl, 235},         {german, 'E', ssCtrl | ssShift, 203},
        {german, 'O', ssCtrl, 246},         {german, 'O', ssCtrl | ssShift, 214},
        {german, 'S', ssCtrl, 223},         {german, 'S', ssCtrl | ssShift, 223},
        {german, 'U', ssCtrl, 252},         {german, 'U', ssCtrl | ssShift, 220},
        {german, 'A', ssCtrl | ssAlt, 'x'}, // AltGr: the Polish letter stays
        {german, 'A', ssShift, 'x'},        {german, 'A', 0, 'x'},
        {german, 'B', ssCtrl, 'x'},         {german, 'R', ssCtrl, 'x'}, // a French key
        {english, 'E', ssCtrl, 'x'},        {english, 'A', ssCtrl | ssShift, 'x'},
        {french, 'E', ssCtrl, 231},         {french, 'I', ssCtrl, 238},
        {french, 'L', ssCtrl, 251},         {french, 'O', ssCtrl, 244},
        {french, 'P', ssCtrl, 249},         {french, 'Q', ssCtrl, 226},
        {french, 'R', ssCtrl, 233},         {french, 'T', ssCtrl, 232},
        {french, 'U', ssCtrl, 239},         {french, 'W', ssCtrl, 224},
        {french, 'Y', ssCtrl, 234},         {french, 'A', ssCtrl, 'x'}, // a German key
        {french, 'E', ssCtrl | ssAlt, 'x'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<unsigned char>(typed(c.language, c.key, c.shift)), c.letter)
            << "language " << c.language << " key " << c.key << " shift " << c.shift;
        // Shift never changes a French letter.
        if (c.language == french) {
            EXPECT_EQ(typed(c.language, c.key, c.shift | ssShift),
                      typed(c.language, c.key, c.shift));
        }
    }
    jezyk_edycji = 0;
}

TEST(KeyboardTest, EveryKeyDownClearsThePendingLetter) {
    jezyk_edycji = german;
    klawiatura_KeyDown('A', ssCtrl);
    EXPECT_EQ(static_cast<unsigned char>(oczekujaca_litera), 228);
    klawiatura_KeyDown('B', 0);
    EXPECT_EQ(oczekujaca_litera, ' ');
    char ch = 'b';
    klawiatura_KeyPress(ch);
    EXPECT_EQ(ch, 'b');
    jezyk_edycji = 0;
}

} // namespace
