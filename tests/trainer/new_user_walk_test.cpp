// A new user's first walk through the trainer on the demo edition: the user
// choice, the new-user window with a name that is taken, back to the choice,
// the main window with its help hint, and "Koniec". Each stack of windows is
// grabbed as the screen shows it (build/test_output/trainer/walk/).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "core/startup.h"
#include "platform/os/codepage.h"
#include "platform_ui/qt_app.h"
#include "trainer/demo_edition.h"
#include "trainer/trainer_run.h"
#include "trainer/windows.h"

namespace {

using namespace testsupport;

// The screen: the black backdrop, then the windows bottom to top at their places.
QImage screen_of(std::initializer_list<QWidget*> windows) {
    const QRect g = QGuiApplication::primaryScreen()->geometry();
    QImage img(g.size(), QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    for (QWidget* w : windows)
        if (w && w->isVisible()) p.drawImage(w->pos() - g.topLeft(), w->grab().toImage());
    return img;
}

void save(const QImage& img, const std::string& name) {
    const std::string path = output_path("trainer/walk/" + name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    EXPECT_TRUE(img.save(QString::fromStdString(path), "PNG")) << path;
}

// A box over its owner shows its edge: a dark line along the bottom and the
// sides (the top may be a dark band of its own picture), lighter inside.
void expect_edge_over(QWidget& box, const QImage& screen) {
    const QRect r = box.geometry();
    int dark = 0, samples = 0;
    auto sample = [&](QPoint edge, QPoint inside) {
        ++samples;
        dark += qGray(screen.pixel(edge)) + 40 < qGray(screen.pixel(inside));
    };
    for (int x = r.left() + 8; x < r.right() - 8; x += 7)
        sample({x, r.bottom()}, {x, r.bottom() - 5});
    for (int y = r.top() + r.height() / 2; y < r.bottom() - 6; y += 3) {
        sample({r.left(), y}, {r.left() + 5, y});
        sample({r.right(), y}, {r.right() - 5, y});
    }
    EXPECT_GT(dark * 10, samples * 8) << "the box's edge does not stand out";
}

TEST(NewUserWalk, BoxesStandOutAndCancellingKeepsThePick) {
    qt_app();
    DemoEdition demo;
    demo.write("usr.t", os::pl("1=Ewa\r\n2=Piotr\r\n"));

    std::string picked_after_cancel;
    bool duplicate_seen = false, hint_seen = false, exit_seen = false;
    int stan_on_reopen = -1;
    ui::set_next_modal_hook([&](ui::Window&) {
        Form9->ComboBox1.SetItemIndex(0); // the learner picks Ewa...
        save(screen_of({Form9}), "user_choice.png");
        ui::set_next_modal_hook([&](ui::Window&) {
            // ...opens "Nowy użytkownik" and types a name that is taken.
            Form10->Edit1.SetText(os::pl("Ewa"));
            save(screen_of({Form9, Form10}), "new_user_typing.png");
            // The typed name keeps clear of the box's left border.
            const QImage edit = Form10->Edit1.grab().toImage();
            int first_ink = -1;
            for (int x = 0; x < edit.width() && first_ink < 0; ++x)
                for (int y = 4; y < edit.height() - 4; ++y)
                    if (qGray(edit.pixel(x, y)) < 100 && x > 1) {
                        first_ink = x;
                        break;
                    }
            EXPECT_GE(first_ink, 6);
            // The label reads in the same font as the name typed under it.
            EXPECT_EQ(Form10->Label1.GetFont().pixels, Form10->Edit1.GetFont().pixels);
            EXPECT_EQ(Form9->Label1.GetFont().pixels, Form9->ComboBox1.GetFont().pixels);
            Form10->Edit1.SetText(os::pl(" ewa "));
            ui::set_next_modal_hook([&](ui::Window& box) {
                duplicate_seen = &box == Form20;
                EXPECT_EQ(Form20->owner(), Form10);
                const QImage s = screen_of({Form9, Form10, Form20});
                save(s, "duplicate_over_new_user.png");
                expect_edge_over(*Form20, s);
                key_click(Form20, Qt::Key_Return);
            });
            key_click(Form10, Qt::Key_Return);
            const QImage s = screen_of({Form9, Form10});
            save(s, "new_user_over_choice.png");
            expect_edge_over(*Form10, s);
            key_click(Form10, Qt::Key_Escape); // gives up
        });
        Form9->TransparentButton1.Click();
        picked_after_cancel = os::cp1250_to_utf8(Form9->ComboBox1.Text());
        key_click(Form9, Qt::Key_Return);
    });

    const TrainerRun run = run_trainer_once([&](TForm1& f) {
        ui::set_next_modal_hook([&](ui::Window& box) {
            hint_seen = &box == Form20;
            const QImage s = screen_of({&f, Form20});
            save(s, "hint_over_main.png");
            expect_edge_over(*Form20, s);
            key_click(Form20, Qt::Key_Return);
        });
        wait_ms(300);
        // "Koniec": the mouse on "Anuluj", which closes the question...
        ui::set_next_modal_hook([&](ui::Window& box) {
            exit_seen = &box == Form24;
            EXPECT_EQ(Form24->owner(), &f);
            const QImage s = screen_of({&f, Form24});
            save(s, "exit_question.png");
            expect_edge_over(*Form24, s);
            enter(&Form24->B_Zamknij);
            click(&Form24->B_Zamknij);
        });
        click(&f.L_Koniec);
        // ...and opened again shows no stale highlight; "OK" ends the program.
        ui::set_next_modal_hook([&](ui::Window&) {
            stan_on_reopen = Form24->B_Zamknij.Stan();
            save(screen_of({&f, Form24}), "exit_question_again.png");
            click(&Form24->B_OK);
        });
        click(&f.L_Koniec);
    });
    EXPECT_EQ(run.code, 0);

    EXPECT_TRUE(duplicate_seen);
    EXPECT_EQ(picked_after_cancel, "Ewa");
    EXPECT_EQ(nazwa_usera, "Ewa"); // Enter logged in the learner picked
    EXPECT_TRUE(hint_seen);
    EXPECT_TRUE(exit_seen);
    EXPECT_EQ(stan_on_reopen, 0);
    EXPECT_EQ(demo.read("usr.t"), os::pl("1=Ewa\r\n2=Piotr\r\n")); // nobody added
}

} // namespace
