#include "tools/pictures/corpus.h"

#include "tools/pictures/gif_maker.h"
#include "tools/pictures/png_maker.h"

namespace corpus {

namespace {

const int kTypes[][2] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                         {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};

std::string PngName(const PngSpec& s, const std::string& extra = "") {
    return "png/t" + std::to_string(s.color_type) + "d" + std::to_string(s.depth) + (s.adam7 ? "_adam7" : "") +
           "_" + std::to_string(s.width) + "x" + std::to_string(s.height) + extra + ".png";
}

} // namespace

std::vector<File> PngFiles() {
    std::vector<File> out;
    for (const auto& td : kTypes)
        for (bool adam7 : {false, true}) {
            PngSpec s;
            s.width = 33, s.height = 17, s.color_type = td[0], s.depth = td[1], s.adam7 = adam7;
            if (s.color_type == 3) s.palette_size = 1 << s.depth;
            out.push_back({PngName(s), MakePng(s)});
        }
    PngSpec g;
    g.width = 33, g.height = 17, g.color_type = 2, g.gamma = 100000;
    out.push_back({PngName(g, "_gamma1"), MakePng(g)});
    PngSpec t = g;
    t.gamma = 0, t.trns = {0, 0, 0};
    out.push_back({PngName(t, "_trns"), MakePng(t)});
    PngSpec p;
    p.width = 33, p.height = 17, p.color_type = 3, p.depth = 4, p.palette_size = 16, p.idat_piece = 1;
    p.extra = {{"teXt", "unknown"}};
    out.push_back({PngName(p, "_split"), MakePng(p)});
    PngSpec one;
    one.color_type = 0, one.depth = 1, one.adam7 = true;
    out.push_back({PngName(one), MakePng(one)});
    return out;
}

std::vector<File> GifFiles() {
    std::vector<File> out;
    for (int table : {2, 16, 256}) {
        GifSpec g;
        g.width = 33, g.height = 17, g.global_table = table;
        GifFrame f;
        f.width = 33, f.height = 17, f.pixels = GifPattern(33, 17, table, 0);
        g.frames = {f};
        out.push_back({"gif/table" + std::to_string(table) + ".gif", MakeGif(g)});
        g.frames[0].interlaced = true;
        out.push_back({"gif/table" + std::to_string(table) + "_interlaced.gif", MakeGif(g)});
    }
    GifSpec noise;
    noise.width = 33, noise.height = 17, noise.global_table = 256, noise.version = "87a";
    GifFrame nf;
    nf.width = 33, nf.height = 17, nf.pixels = GifNoise(33, 17, 256, 7), nf.code_size = 8;
    noise.frames = {nf};
    out.push_back({"gif/noise87a.gif", MakeGif(noise)});
    // An animation: a moving box over a transparent ground, each disposal.
    GifSpec anim;
    anim.width = 33, anim.height = 17, anim.global_table = 4, anim.loop = 0;
    anim.plain_text = true;
    for (int k = 0; k < 4; ++k) {
        GifFrame f;
        f.left = 2 + k * 8, f.top = 3, f.width = 8, f.height = 8;
        f.control = true, f.disposal = k, f.delay = 10, f.transparent = 0;
        f.pixels = GifPattern(8, 8, 4, k);
        f.comment_before = k == 1;
        if (k == 3) f.local_table = 8, f.pixels = GifPattern(8, 8, 8, 3), f.left = 28; // partly off screen
        anim.frames.push_back(f);
    }
    out.push_back({"gif/animation.gif", MakeGif(anim)});
    return out;
}

std::vector<File> BrokenFiles() {
    std::vector<File> out;
    PngSpec s;
    s.width = 9, s.height = 5;
    const std::string png = MakePng(s);
    std::string bad_sig = png;
    bad_sig[7] = 'x';
    std::string bad_crc = png;
    bad_crc[20] ^= 1;
    out.push_back({"broken/signature.png", bad_sig, true});
    out.push_back({"broken/crc.png", bad_crc, true});
    out.push_back({"broken/truncated.png", png.substr(0, png.size() - 20), true});
    out.push_back({"broken/no_idat.png", PngSignature() + PngChunk("IHDR", IhdrData(9, 5, 8, 2, 0)) + PngChunk("IEND", ""), true});
    out.push_back({"broken/huge_ihdr.png", PngSignature() + PngChunk("IHDR", IhdrData(60000, 60000, 16, 6, 0)) +
                                               PngChunk("IDAT", Deflate("\0")) + PngChunk("IEND", ""), true});
    GifSpec g;
    g.width = 9, g.height = 5, g.global_table = 4;
    GifFrame f;
    f.width = 9, f.height = 5, f.pixels = GifPattern(9, 5, 4, 0);
    g.frames = {f};
    const std::string gif = MakeGif(g);
    out.push_back({"broken/truncated.gif", gif.substr(0, gif.size() - 6), true});
    g.frames[0].leading_clear = false;
    out.push_back({"broken/no_clear.gif", MakeGif(g), true});
    return out;
}

} // namespace corpus
