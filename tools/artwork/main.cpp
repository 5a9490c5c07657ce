// Draws the demo edition's window pictures and button strips into the program folder:
//   make_artwork <program folder>
// and checks every strip as the image list will read it: width = frames x frame width,
// and the key colour in the bottom-left pixel.
#include "dictionary/slownik_geometry.h"
#include "shared/informacja_geometry.h"
#include "shared/form10_geometry.h"
#include "shared/form20_geometry.h"
#include "shared/form23_geometry.h"
#include "shared/form24_geometry.h"
#include "shared/form29_geometry.h"
#include "shared/form9_geometry.h"
#include "shared/look.h"
#include "shared/strips.h"
#include "trainer/form4_geometry.h"
#include "trainer/form8_geometry.h"
#include "trainer/wybor_zdan_geometry.h"
#include "tools/artwork/backgrounds.h"
#include "tools/artwork/bmp24.h"
#include "tools/artwork/chooser_art.h"
#include "tools/artwork/closing_art.h"
#include "tools/artwork/exercise.h"
#include "tools/artwork/generator_art.h"
#include "tools/artwork/help_pictures.h"
#include "tools/artwork/interludes.h"
#include "tools/artwork/paint.h"
#include "tools/artwork/settings_art.h"
#include "tools/artwork/strips.h"
#include "trainer/form13_geometry.h"
#include "trainer/form15_geometry.h"
#include "trainer/form1_geometry.h"
#include "trainer/form12_geometry.h"
#include "trainer/form2_geometry.h"
#include "trainer/form3_geometry.h"
#include "trainer/form16_geometry.h"
#include "trainer/form17_geometry.h"
#include "trainer/form18_geometry.h"
#include "trainer/form26_geometry.h"
#include "trainer/form28_geometry.h"
#include "platform/ui/fonts.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

namespace fs = std::filesystem;
using namespace artwork;

namespace {

const QRgb key = QRgb(0xFF000000u | look::klucz_przezroczysty);

int failures = 0;

void fail(const std::string& file, const std::string& why) {
    std::fprintf(stderr, "make_artwork: %s: %s\n", file.c_str(), why.c_str());
    ++failures;
}

QImage read_back(const fs::path& path) {
    QImageReader reader(QString::fromStdString(path.string()), "bmp");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

bool save(const QImage& img, const fs::path& folder, const std::string& file) {
    if (!write_bmp24(img, (folder / file).string())) {
        fail(file, "cannot be written");
        return false;
    }
    return true;
}

void write_strip(const StripSpec& spec, const fs::path& folder) {
    const QImage img = render_strip(spec);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb px = img.pixel(x, y) | 0xFF000000u;
            if (px != key && near_key(px))
                return fail(spec.file, "a pixel comes close to the key colour");
        }
    save(img, folder, spec.file);
}

void check_strip(const std::string& file, look::Size frame, const fs::path& folder) {
    const QImage back = read_back(folder / file);
    if (back.isNull()) return fail(file, "cannot be read back");
    if (back.width() != strip_frames * frame.w || back.height() != frame.h)
        return fail(file, "size " + std::to_string(back.width()) + "x" +
                              std::to_string(back.height()) + ", expected " +
                              std::to_string(strip_frames * frame.w) + "x" +
                              std::to_string(frame.h));
    if ((back.pixel(0, back.height() - 1) | 0xFF000000u) != key)
        fail(file, "the bottom-left pixel is not the key colour");
}

void write_picture(const QImage& img, const fs::path& folder, const std::string& file,
                   look::Size size) {
    if (img.width() != size.w || img.height() != size.h)
        return fail(file, "drawn at the wrong size");
    if (contains_near_key(img)) return fail(file, "a pixel comes close to the key colour");
    if (!save(img, folder, file)) return;
    const QImage back = read_back(folder / file);
    if (back.size() != img.size()) fail(file, "cannot be read back at its size");
}

// A small sign drawn on the key colour: only that colour may come close to it.
void write_keyed(const QImage& img, const fs::path& folder, const std::string& file) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb px = img.pixel(x, y) | 0xFF000000u;
            if (px != key && near_key(px))
                return fail(file, "a pixel comes close to the key colour");
        }
    save(img, folder, file);
}

void write_jpeg(const QImage& img, const fs::path& folder, const std::string& file,
                look::Size size) {
    if (img.width() != size.w || img.height() != size.h)
        return fail(file, "drawn at the wrong size");
    const QString path = QString::fromStdString((folder / file).string());
    if (!img.save(path, "JPG", 92)) return fail(file, "cannot be written");
    if (QImageReader(path, "jpg").size() != img.size())
        fail(file, "cannot be read back at its size");
}

// The help pages' pictures: PNG, BMP, an animated GIF and a JPEG.
void write_help_pictures(const fs::path& folder) {
    const fs::path gfx = folder / "htm_sk" / "gfx";
    if (!help_menu(400, 300).save(QString::fromStdString((gfx / "menu.png").string()), "PNG"))
        fail("htm_sk/gfx/menu.png", "cannot be written");
    if (!help_login().save(QString::fromStdString((gfx / "logowanie.png").string()), "PNG"))
        fail("htm_sk/gfx/logowanie.png", "cannot be written");
    save(help_button(Pasek::podr_spis2), folder, "htm_sk/gfx/spis.bmp");
    save(help_button(Pasek::ok2), folder, "htm_sk/gfx/ok.bmp");
    if (!write_gif(help_bell_frames(), 15, (gfx / "zegar.gif").string()))
        fail("htm_sk/gfx/zegar.gif", "cannot be written");
    write_jpeg(kojarzenie().scaled(240, 180, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), folder,
               "htm_sk/gfx/pary.jpg", {240, 180});
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork <program folder>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::pin_fonts_or_exit();
    QGuiApplication app(argc, argv);
    if (!load_fonts()) {
        std::fprintf(stderr, "make_artwork: the font Liberation Sans is not installed\n");
        return 1;
    }

    const fs::path folder = argv[1];
    std::error_code ec;
    for (const char* sub : {"gfx_s", "but_s", "cw_tla_s", "htm_sk/gfx"}) {
        fs::create_directories(folder / sub, ec);
        if (ec) {
            std::fprintf(stderr, "make_artwork: cannot create %s\n", (folder / sub).c_str());
            return 1;
        }
    }

    std::vector<StripSpec> strips = holder_strips();
    for (const auto& s : dictionary_window_strips())
        strips.push_back(s);
    std::set<std::string> written;
    for (const auto& spec : strips) {
        write_strip(spec, folder);
        check_strip(spec.file, spec.frame, folder);
        written.insert(spec.file);
    }
    for (Pasek p : paski_slownika)
        if (!written.count(slashed(opis_paska(p).plik)))
            fail(slashed(opis_paska(p).plik), "the dictionary's strip is not among the drawn ones");

    const QImage menu = menu_slow();
    write_picture(menu, folder, "gfx_s/menu_slow.bmp", look::okno_glowne);
    write_picture(powtorki_tlo2(menu), folder, "gfx_s/powtorki_tlo2.bmp",
                  {look::powtorki_tlo2.w, look::powtorki_tlo2.h});
    write_picture(form20(), folder, "gfx_s/form20.bmp", look::okno_info);
    write_picture(form29(), folder, "gfx_s/form29.bmp", look::okno_pytania);
    write_picture(form24(), folder, "gfx_s/form24.bmp", look::okno_koniec);
    write_picture(form9(), folder, "gfx_s/form9.bmp", look::okno_uzytkownik);
    write_picture(form10(), folder, "gfx_s/form10.bmp", look::okno_nowy_uzytkownik);
    write_picture(slownik(), folder, "gfx_s/slownik.bmp", look::okno_slownika);
    write_picture(form23(), folder, "gfx_s/form23.bmp", look::okno_szukania);
    write_picture(form26(), folder, "gfx_s/form26.bmp", look::okno_wybranych);
    write_picture(pomoc(), folder, "gfx_s/pomoc.bmp", look::okno_pomocy);
    write_help_pictures(folder);
    write_picture(przyklady(), folder, "gfx_s/przyklady.bmp", geo_przyklady::okno);
    write_keyed(przyklad_glos(), folder, "gfx_s/przyklad_glos.bmp");
    write_keyed(przyklad_znak(), folder, "gfx_s/przyklad_znak.bmp");
    write_picture(form18(), folder, "gfx_s/form18.bmp", geo18::okno);
    write_picture(form16(), folder, "gfx_s/form16.bmp", geo16::tlo);
    write_jpeg(kojarzenie(), folder, "gfx_s/kojarzenie.jpg", geo17::okno);
    write_picture(wybor_cw_a(), folder, "gfx_s/wybor_cw_a.bmp", look::okno_wyboru);
    write_picture(wybor_cw_2_a(), folder, "gfx_s/wybor_cw_2_a.bmp", look::okno_wyboru);
    write_picture(artwork::form8(), folder, "gfx_s/form8.bmp", look::okno_typow);
    for (const auto& pic : chooser_pictures())
        write_keyed(pic.image, folder, pic.file);
    write_picture(ustawienia(), folder, "gfx_s/ustawienia.bmp", geo12::okno);
    write_picture(artwork::form3(), folder, "gfx_s/form3.bmp", geo3::okno);
    for (const auto& pic : settings_pictures())
        write_keyed(pic.image, folder, pic.file);

    // The exercise window.
    write_picture(cw_pasek(), folder, "gfx_s/cw_pasek.bmp", {geo4::Image2.w, geo4::Image2.h});
    for (const ExerciseBackground& b : cw_tla())
        write_picture(b.picture, folder, "cw_tla_s/" + b.file, geo4::okno);
    for (int n = 1; n <= 4; ++n)
        write_keyed(cw_wybor(n), folder, "gfx_s/cw_wybor" + std::to_string(n) + ".bmp");
    write_keyed(cw_powtorki(), folder, "gfx_s/cw_powtorki.bmp");
    write_keyed(cw_zamknij(), folder, "gfx_s/cw_zamknij.bmp");
    write_keyed(cw_umiesz(), folder, "gfx_s/cw_umiesz.bmp");
    write_keyed(cw_komentarz(), folder, "gfx_s/cw_komentarz.bmp");

    // The generator, the exercise parameters and the word editor.
    write_picture(artwork::generator(), folder, "gfx_s/generator.bmp", geo2::okno);
    write_picture(zapisz_cw(), folder, "gfx_s/zapisz_cw.bmp", geo15::okno);
    write_picture(edycja_slowka(), folder, "gfx_s/edycja_slowka.bmp", geo13::okno);
    for (const auto& pic : generator_pictures())
        write_keyed(pic.image, folder, pic.file);

    // The run's closing, the record buttons and the repetition windows.
    for (const ClosingPicture& pic : closing_pictures()) {
        if (pic.keyed)
            write_keyed(pic.image, folder, pic.file);
        else
            write_picture(pic.image, folder, pic.file, pic.size);
    }

    return failures == 0 ? 0 : 1;
}
