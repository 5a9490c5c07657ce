#include "platform/ui/jpeg.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

#include "platform/os/read_file.h"

namespace ui {

namespace {

std::string Message(int code) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "JPEG error #%d", code);
    return buf;
}

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    int code = 0;
};

// The library may not return from a fatal error: go back to the caller's
// frame, which raises the exception outside libjpeg's C code.
void ErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    err->code = err->pub.msg_code;
    std::longjmp(err->jump, 1);
}

void Silent(j_common_ptr, int) {}

// An RGB picture as 8 bits: the given colours, else 256 Qt picks, dithered.
QImage reduce_to_eight_bits(const QImage& rgb, const std::vector<QRgb>& colormap) {
    const auto flags = Qt::DiffuseDither | Qt::PreferDither;
    if (colormap.empty()) return rgb.convertToFormat(QImage::Format_Indexed8, flags);
    const size_t n = std::min<size_t>(256, colormap.size());
    const QList<QRgb> table(colormap.begin(), colormap.begin() + static_cast<std::ptrdiff_t>(n));
    return rgb.convertToFormat(QImage::Format_Indexed8, table, flags);
}

// Ink to light: R = 255 (1 - C)(1 - K) on 0..1 values, likewise G and B.
// A file with the Adobe marker stores the inks inverted, so there R = C K / 255.
QRgb CmykToRgb(const JSAMPLE* p, bool inverted) {
    const auto light = [&](int ink) {
        const int k = p[3];
        const int v = inverted ? ink * k : (255 - ink) * (255 - k);
        return (v + 127) / 255;
    };
    return qRgb(light(p[0]), light(p[1]), light(p[2]));
}

} // namespace

JpegError::JpegError(int code) : std::runtime_error(Message(code)), code_(code) {}

QImage decode_jpeg(const std::string& bytes, const JpegOptions& options) {
    jpeg_decompress_struct cinfo{};
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = ErrorExit;
    err.pub.emit_message = Silent;
    // Kept outside the jump's reach: nothing with a destructor lives
    // between setjmp and longjmp.
    QImage* out = new QImage();
    std::unique_ptr<QImage> owner(out);
    JSAMPARRAY colormap = nullptr;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        throw JpegError(err.code);
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    const bool grey = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    // The library gives no RGB from four inks: it hands out CMYK (from YCCK
    // too) and the inks become light here, reduced to eight bits afterwards.
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    const bool inverted = cmyk && cinfo.saw_Adobe_marker;
    cinfo.out_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
    if (options.eight_bit && !grey && !cmyk) {
        cinfo.quantize_colors = TRUE;
        cinfo.dither_mode = JDITHER_FS;
        if (!options.colormap.empty()) {
            const int n = static_cast<int>(std::min<size_t>(256, options.colormap.size()));
            colormap = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                  static_cast<JDIMENSION>(n), 3);
            for (int i = 0; i < n; ++i) {
                colormap[0][i] = static_cast<JSAMPLE>(qRed(options.colormap[size_t(i)]));
                colormap[1][i] = static_cast<JSAMPLE>(qGreen(options.colormap[size_t(i)]));
                colormap[2][i] = static_cast<JSAMPLE>(qBlue(options.colormap[size_t(i)]));
            }
            cinfo.colormap = colormap;
            cinfo.actual_number_of_colors = n;
        } else {
            cinfo.desired_number_of_colors = 256;
            cinfo.two_pass_quantize = TRUE;
        }
    }
    jpeg_start_decompress(&cinfo);
    const int w = static_cast<int>(cinfo.output_width), h = static_cast<int>(cinfo.output_height);
    const bool indexed = options.eight_bit && !cmyk;
    *out = QImage(w, h, indexed ? QImage::Format_Indexed8 : QImage::Format_RGB32);
    if (out->isNull()) {
        err.code = JERR_OUT_OF_MEMORY;
        std::longjmp(err.jump, 1);
    }
    if (indexed) {
        QList<QRgb> table;
        if (grey) {
            for (int i = 0; i < 256; ++i) table.push_back(qRgb(i, i, i));
        } else {
            for (int i = 0; i < cinfo.actual_number_of_colors; ++i)
                table.push_back(qRgb(cinfo.colormap[0][i], cinfo.colormap[1][i], cinfo.colormap[2][i]));
        }
        out->setColorTable(table);
    }
    // From the library's pool, so that a jump out frees it.
    JSAMPARRAY rows = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                 cinfo.output_width * static_cast<JDIMENSION>(cinfo.output_components), 1);
    const JSAMPLE* row = rows[0];
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = static_cast<int>(cinfo.output_scanline);
        jpeg_read_scanlines(&cinfo, rows, 1);
        uchar* d = out->scanLine(y);
        if (indexed) {
            std::copy(row, row + w, d);
        } else {
            QRgb* px = reinterpret_cast<QRgb*>(d);
            for (int x = 0; x < w; ++x)
                px[x] = grey   ? qRgb(row[x], row[x], row[x])
                        : cmyk ? CmykToRgb(row + 4 * x, inverted)
                               : qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    if (cmyk && options.eight_bit) return reduce_to_eight_bits(*owner, options.colormap);
    return std::move(*owner);
}

QImage load_jpeg(const std::string& path, const JpegOptions& options) {
    std::string bytes;
    if (!os::read_file(path, bytes)) throw JpegError(0);
    return decode_jpeg(bytes, options);
}

} // namespace ui
