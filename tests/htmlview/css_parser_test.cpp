#include "htmlview/css_parser.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "htmlview/style_dump.h"

namespace {

using namespace htmlview;
using testsupport::dump_props;
using testsupport::dump_sheet;

const std::string kCorpus = std::string(FIXTURES_DIR) + "/css/";

// The base a corpus file names in its first line ("/* base: ... */").
std::string base_of(const std::string& text) {
    const std::string mark = "/* base: ";
    if (text.compare(0, mark.size(), mark) != 0) return std::string();
    const size_t end = text.find(" */");
    return text.substr(mark.size(), end - mark.size());
}

TEST(StyleSheetParser, CorpusDumpsMatchTheirGoldenText) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus)) {
        if (entry.path().extension() != ".css") continue;
        ++files;
        const std::string text = testsupport::read_text(entry.path().string());
        TStyleList styles;
        ParseStyleText(styles, text, base_of(text));
        std::string golden = entry.path().string();
        golden.replace(golden.size() - 4, 4, ".txt");
        SCOPED_TRACE(entry.path().filename().string());
        testsupport::expect_golden(golden, dump_sheet(styles));
    }
    EXPECT_GE(files, 7);
}

// A character source that counts what it gave, as the page reader would.
class CountingSource : public StyleSource {
  public:
    explicit CountingSource(std::string text) : text_(std::move(text)) {}
    char Next() override { return pos_ < text_.size() ? text_[pos_++] : 0; }
    char Peek() override { return pos_ < text_.size() ? text_[pos_] : 0; }
    std::string rest() const { return text_.substr(pos_); }

  private:
    std::string text_;
    size_t pos_ = 0;
};

TEST(StyleSheetParser, AStyleElementEndsAtTheEndTagAndLeavesTheRestToTheReader) {
    struct Case {
        const char* content; // after the ">" of the STYLE start tag
        const char* rest;    // what the reader still has, after the "<" that stopped the sheet
        int rules;
    };
    const Case cases[] = {
        {"</style>Text after", "/style>Text after", 0}, // an empty element swallows nothing
        {"  </style>x", "/style>x", 0},
        {"<!-- p { color: red } --></style>x", "/style>x", 1},
        {"\r<!--\rp{color:red}\r-->\r</style>x", "/style>x", 1}, // line ends come folded to CR
        {"p { color: red }</style>x", "/style>x", 1},
        {"p { color: red </style>x", "/style>x", 1},
        {"p { color: red } /* open comment </style>x", "/style>x", 1},
        {"p { color: red }", "", 1}, // no end tag: the end of the document ends the sheet
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.content);
        CountingSource source(k.content);
        TStyleList styles;
        char ch = '>';
        ParseStyleSheet(styles, ch, source, "");
        EXPECT_EQ(source.rest(), k.rest);
        EXPECT_EQ(ch, *k.rest ? '<' : '\0');
        EXPECT_EQ(styles.Count(), k.rules);
    }
}

TEST(StyleSheetParser, SelectorKeysOfDescendantSelectors) {
    TStyleList styles;
    ParseStyleText(styles, "div p b { color: red } ul li { color: red } x y { color: red }", "");
    EXPECT_NE(styles.Find("b 210p div "), nullptr);
    EXPECT_NE(styles.Find("li 111ul "), nullptr);
    EXPECT_NE(styles.Find("y 112x "), nullptr);
    EXPECT_EQ(styles.RuleNumber, 13);
    const std::vector<SelectorPart> parts = SplitSelectorKey("b 210p.x div#y:hover ");
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[1].tag, "p");
    EXPECT_EQ(parts[1].cls, "x");
    EXPECT_EQ(parts[2].tag, "div");
    EXPECT_EQ(parts[2].id, "y");
    EXPECT_EQ(parts[2].pseudo, "hover");
    EXPECT_EQ(SplitSelectorKey("a b c d e f g h i j k l m").size(), 10u); // never more than ten
}

TEST(StyleAttributes, DeclarationsGoIntoThePropertySet) {
    struct Case {
        const char* text;
        const char* dump;
    };
    const Case cases[] = {
        {"color=blue", "  color: 0x00FF0000\n"},
        {"COLOR: Blue; Margin-Left : 3PX ;", "  color: 0x00FF0000\n  margin-left: \"3px\"\n"},
        {"color: nonsense", "  color: 0x00000000\n"}, // not a colour: black
        {"background-color: nonsense", "  background-color: 0x1FFFFFFF\n"},
        {"margin: 1px 2px 3px", "  margin-top: \"1px\"\n  margin-right: \"2px\"\n"
                                "  margin-bottom: \"3px\"\n  margin-left: \"2px\"\n"},
        {"font: bold 12px/1.5 \"Times New Roman\", serif",
         "  font-family: \"\"times new roman\",serif\"\n  font-size: \"12px\"\n"
         "  font-weight: \"bold\"\n  line-height: \"1.5\"\n"},
        {"font-family: 'Courier New'", "  font-family: \"courier new\"\n"},
        {"background-image: url(a/b.gif)", "  background-image: \"url(a/b.gif)\"\n"}, // not rebased
        {"/* c */ width: 5px; junk; ; height: 1em", "  width: \"5px\"\n  height: \"1em\"\n"},
        {"", ""},
        {"::::", ""},
    };
    for (const Case& k : cases) {
        TProperties p;
        ParseStyleAttribute(k.text, p);
        EXPECT_EQ(dump_props(p), k.dump) << k.text;
    }
}

} // namespace
