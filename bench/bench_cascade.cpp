// Style cascade speed: 10000 element pushes and pops at a stack depth of 8
// against a 300-rule sheet of which 50 rules are contextual.
// Last line: cascade_us=<median microseconds per element>.
#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "htmlview/css_parser.h"
#include "htmlview/style_model.h"
#include "timing.h"
#include "platform/ui/fonts.h"

using namespace htmlview;

namespace {

const char* const kTags[] = {"p", "div", "span", "b", "i", "em", "td", "li", "a", "h2", "ul", "table"};

std::string sheet() {
    std::string s;
    int rules = 0;
    // 250 simple rules, each with its own selector: tags with classes,
    // classes, ids and tags with ids.
    for (int i = 0; rules < 250; ++i) {
        const std::string tag = kTags[i % 12];
        const std::string n = std::to_string(i / 4);
        switch (i % 4) {
        case 0: s += "." + std::string("c") + n; break;
        case 1: s += tag + ".c" + n; break;
        case 2: s += "#id" + n; break;
        default: s += tag + "#id" + n; break;
        }
        s += " { color: #" + std::to_string(100000 + i) + "; margin-left: " + std::to_string(i % 9) +
             "px; font-size: 1" + std::to_string(i % 10) + "pt; padding: 1px 2px }\n";
        ++rules;
    }
    // 50 contextual rules, two and three elements deep.
    for (int i = 0; i < 50; ++i) {
        const std::string a = kTags[i % 12], b = kTags[(i * 5 + 3) % 12], c = kTags[(i * 7 + 1) % 12];
        if (i % 2)
            s += a + " " + b + " { text-decoration: underline }\n";
        else
            s += "." + std::string("c") + std::to_string(i % 40) + " " + a + " " + c + " { font-weight: bold }\n";
    }
    return s;
}

struct Element {
    std::string tag, cls, id;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::pin_fonts_or_exit();
    QGuiApplication app(argc, argv);

    TStyleList styles;
    styles.BuildDefaultSheet({});
    ParseStyleText(styles, sheet(), "");
    std::printf("sheet entries: %d\n", styles.Count());

    std::vector<Element> elements;
    for (int i = 0; i < 64; ++i)
        elements.push_back({kTags[(i * 7) % 12], i % 3 ? "c" + std::to_string(i % 40) : "",
                            i % 5 == 0 ? "id" + std::to_string(i % 30) : ""});

    TPropStack stack;
    auto base = std::make_unique<TProperties>();
    base->CopyDefault(*styles.DefaultProps);
    stack.Add(std::move(base));
    for (int i = 0; i < 7; ++i) {
        const Element& e = elements[static_cast<size_t>(i * 3)];
        stack.PushElement(styles, e.tag, e.cls, e.id, "", "", nullptr);
    }

    constexpr int kPushes = 10000;
    std::vector<double> per_element;
    for (int run = 0; run < 15; ++run) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kPushes; ++i) {
            const Element& e = elements[static_cast<size_t>(i % 64)];
            stack.PushElement(styles, e.tag, e.cls, e.id, "", "", nullptr); // depth 8
            stack.PopTop();
        }
        const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
        per_element.push_back(us / kPushes);
    }
    std::printf("runs: %zu of %d pushes\n", per_element.size(), kPushes);
    std::printf("cascade_us=%.3f\n", bench::median(per_element));
    return 0;
}
