#pragma once
// Pages read into documents for the text-flow tests: a bare document laid
// out on a scratch canvas, or a page on htmlshot's surface, and the
// sections and lines to look at.
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>
#include <initializer_list>
#include <QPainter>
#include <string>
#include <vector>

#include "htmlview/blocks.h"
#include "htmlview/builder.h"
#include "htmlview/display.h"
#include "htmlview/table.h"
#include "htmlview/document.h"
#include "htmlview/text_section.h"
#include "htmlview/wide_string.h"
#include "platform_ui/qt_app.h"
#include "tools/htmlshot/shot.h"

namespace flow {

using namespace htmlview;

// The text sections of a cell, in document order (a table's row by row).
inline void collect_sections(const TCellBasic& cell, std::vector<TSection*>& out) {
    for (const auto& s : cell) {
        if (auto* t = dynamic_cast<TSection*>(s.get()))
            out.push_back(t);
        else if (auto* b = dynamic_cast<TBlock*>(s.get()))
            collect_sections(*b->BodyCell, out);
        else if (auto* table = dynamic_cast<ThtmlTable*>(s.get()))
            for (const auto& row : table->Rows)
                for (const auto& c : row->Cells)
                    if (!c.IsFiller() && c->Contents) collect_sections(*c->Contents, out);
    }
}

inline std::vector<TSection*> sections(const TSectionList& doc) {
    std::vector<TSection*> out;
    collect_sections(doc, out);
    return out;
}

// The blocks of a cell, in document order, nested ones after their parent.
inline void collect_blocks(const TCellBasic& cell, std::vector<TBlock*>& out) {
    for (const auto& s : cell)
        if (auto* b = dynamic_cast<TBlock*>(s.get())) {
            out.push_back(b);
            collect_blocks(*b->BodyCell, out);
        }
}

inline std::vector<TBlock*> blocks(const TSectionList& doc) {
    std::vector<TBlock*> out;
    collect_blocks(doc, out);
    return out;
}

// The text of each line with text, trailing spaces and breaks left out; the
// picture and control characters shown as '#'.
inline std::vector<std::string> line_texts(const TSectionList& doc) {
    std::vector<std::string> out;
    for (const TSection* s : sections(doc))
        for (const auto& line : s->Lines) {
            if (line->Ln == 0) continue;
            WideString w = s->Text.substr(static_cast<size_t>(line->Start), static_cast<size_t>(line->Ln));
            while (!w.empty() && (w.back() == u' ' || w.back() == kBreakChar)) w.pop_back();
            for (char16_t& c : w)
                if (c == kImageChar || c == kControlChar) c = u'#';
            out.push_back(WideToUtf8(w));
        }
    return out;
}

// A document without a viewer: read, then laid out at a width.
struct Page {
    explicit Page(const std::string& html, int width = 800, TFontSettings settings = plain_settings()) : doc(nullptr) {
        testsupport::qt_app();
        InitDisplay();
        doc.ApplyFonts(settings);
        try {
            ReadHtmlDocument(html, doc, TReadHandlers(), result);
        } catch (const std::exception& e) {
            error = e.what();
        }
        Layout(width);
    }
    void Layout(int width) {
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter p(&scratch);
        ui::HtmlCanvas canvas(p);
        height = doc.DoLayout(canvas, width, 600, max_width);
    }
    static TFontSettings plain_settings() {
        TFontSettings s;
        s.FontColor = 0;
        s.Background = ui::rgb_ref(255, 255, 255);
        return s;
    }
    std::vector<TSection*> Sections() const { return sections(doc); }
    std::vector<std::string> Lines() const { return line_texts(doc); }

    TSectionList doc;
    TReadResult result;
    std::string error;
    int height = 0;
    int max_width = 0;
};

// Each page of fixtures/pages rendered by htmlshot at 320 and 800 pixels
// equals its golden picture; the shots go to test_output/htmlview/pages.
inline void expect_pages_like_goldens(std::initializer_list<const char*> names) {
    testsupport::qt_app();
    const std::string pages = std::string(FIXTURES_DIR) + "/pages/";
    const std::string out = testsupport::output_path("htmlview/pages");
    QDir().mkpath(QString::fromStdString(out));
    for (const char* name : names)
        for (int width : {320, 800}) {
            const std::string shot_name = std::string(name) + "_" + std::to_string(width) + ".png";
            SCOPED_TRACE(shot_name);
            std::string error;
            const QImage shot = htmlshot::RenderPage(pages + name + ".html", width, &error);
            ASSERT_FALSE(shot.isNull()) << error;
            EXPECT_EQ(error, "");
            shot.save(QString::fromStdString(out + "/" + shot_name));
            const QImage golden(QString::fromStdString(pages + shot_name));
            if (golden.isNull()) {
                ADD_FAILURE() << "golden picture missing";
                continue;
            }
            EXPECT_EQ(shot, golden.convertToFormat(QImage::Format_RGB32));
        }
}

} // namespace flow
