#include "htmlview/builder.h"

#include <bitset>
#include <climits>
#include <cstdio>
#include <initializer_list>
#include <memory>

#include "htmlview/ascii.h"
#include "htmlview/blocks.h"
#include "htmlview/cell_manager.h"
#include "htmlview/code_pages.h"
#include "htmlview/css_parser.h"
#include "htmlview/entities.h"
#include "htmlview/form.h"
#include "htmlview/form_controls.h"
#include "htmlview/image_obj.h"
#include "htmlview/list_block.h"
#include "htmlview/panel_obj.h"
#include "htmlview/pre.h"
#include "htmlview/rule.h"
#include "htmlview/stream.h"
#include "htmlview/table_blocks.h"
#include "htmlview/text_section.h"
#include "htmlview/url.h"

namespace htmlview {

namespace {

using SymSet = std::bitset<256>;

SymSet set_of(std::initializer_list<Sym> syms) {
    SymSet s;
    for (Sym y : syms) s.set(static_cast<size_t>(y));
    return s;
}

bool in(const SymSet& s, Sym y) {
    return s.test(static_cast<size_t>(y));
}

// Nesting of block elements read recursively, and of open inline elements,
// is bounded: deeper tags are read as if they were not there.
constexpr int kMaxBlockDepth = 100;
constexpr int kMaxInlineSets = 256;
// Tables nested deeper are read as if their tags were not there.
constexpr int kMaxTableLevel = 10;

const SymSet kPhrase = set_of({Sym::B, Sym::I, Sym::Em, Sym::Strong, Sym::U, Sym::Cite, Sym::Var, Sym::TT,
                               Sym::Code, Sym::Kbd, Sym::Samp, Sym::S, Sym::Strike, Sym::Span, Sym::Label,
                               Sym::Sub, Sym::Sup, Sym::Big, Sym::Small});
const SymSet kPhraseEnd = set_of({Sym::BEnd, Sym::IEnd, Sym::EmEnd, Sym::StrongEnd, Sym::UEnd, Sym::CiteEnd,
                                  Sym::VarEnd, Sym::TTEnd, Sym::CodeEnd, Sym::KbdEnd, Sym::SampEnd, Sym::SEnd,
                                  Sym::StrikeEnd, Sym::SpanEnd, Sym::LabelEnd, Sym::SubEnd, Sym::SupEnd,
                                  Sym::BigEnd, Sym::SmallEnd});

SymSet inline_symbols() {
    SymSet s = kPhrase | kPhraseEnd;
    s |= set_of({Sym::TextToken, Sym::Font, Sym::FontEnd, Sym::BaseFont, Sym::A, Sym::AEnd, Sym::Img,
                 Sym::Panel, Sym::Input, Sym::Select, Sym::SelectEnd, Sym::TextArea, Sym::TextAreaEnd, Sym::Map,
                 Sym::MapEnd, Sym::BR, Sym::Wbr, Sym::NoBr, Sym::NoBrEnd, Sym::H, Sym::HEnd, Sym::HR, Sym::Pre,
                 Sym::PreEnd, Sym::Table, Sym::TableEnd, Sym::Page, Sym::Script, Sym::ScriptEnd});
    return s;
}
const SymSet kInline = inline_symbols();

// Symbols a paragraph holds.
SymSet paragraph_symbols() {
    SymSet s = kPhrase | kPhraseEnd;
    s |= set_of({Sym::TextToken, Sym::UnknownTag, Sym::BR, Sym::Img, Sym::A, Sym::AEnd, Sym::Input, Sym::TextArea,
                 Sym::TextAreaEnd, Sym::Select, Sym::SelectEnd, Sym::Font, Sym::FontEnd, Sym::BaseFont, Sym::Map,
                 Sym::MapEnd, Sym::Page, Sym::Script, Sym::ScriptEnd, Sym::Panel, Sym::NoBr, Sym::NoBrEnd,
                 Sym::Wbr});
    return s;
}
const SymSet kParagraph = paragraph_symbols();

// Symbols a heading holds.
SymSet heading_symbols() {
    SymSet s = kPhrase | kPhraseEnd;
    s |= set_of({Sym::TextToken, Sym::UnknownTag, Sym::Img, Sym::A, Sym::AEnd, Sym::Input, Sym::Select,
                 Sym::SelectEnd, Sym::TextArea, Sym::TextAreaEnd, Sym::BR, Sym::Font, Sym::FontEnd, Sym::BaseFont,
                 Sym::Script, Sym::ScriptEnd, Sym::Panel, Sym::NoBr, Sym::NoBrEnd, Sym::Wbr, Sym::P, Sym::Div});
    return s;
}
const SymSet kHeading = heading_symbols();

void copy_attributes(const TAttributeList& from, TAttributeList& to) {
    to.Clear();
    for (const auto& a : from) to.Add(std::make_unique<TAttribute>(*a));
}

// "#rrggbb" of a colour value, as a style rule takes it.
std::string color_text(ColorRef c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return buf;
}

struct TableState;
struct PreState;

class Builder : public ReaderHost {
  public:
    Builder(TSectionList& doc, const TReadHandlers& handlers) : doc_(doc), h_(handlers) {}

    void Read(const std::string& text, TReadResult& result);
    void ReadText(const std::string& text);

    // ReaderHost
    int CodePage() override { return props_.Empty() ? kSystemCodePage : props_.Last().CodePage; }
    void SetBaseCharset(int charset) override {
        if (!props_.Empty()) props_.Items(0)->SetCharset(charset);
    }
    void SetBaseUTF8() override {
        if (!props_.Empty()) props_.Items(0)->SetUTF8();
    }
    int ProgressShare() override { return doc_.Viewer ? doc_.ProgressStart : 0; }
    void Progress(int value) override {
        if (doc_.Viewer) doc_.Viewer->Progress(value);
    }

  private:
    // The base property set and the body block whose cell is current.
    void StartDocument() {
        auto base = std::make_unique<TProperties>();
        if (doc_.Styles.DefaultProps) base->CopyDefault(*doc_.Styles.DefaultProps);
        props_.Add(std::move(base));
        // Text read before the first block belongs to the page's body block.
        auto body = std::make_unique<TBodyBlock>(&doc_, Top(), &doc_, nullptr);
        body_ = body.get();
        doc_.AddSection(std::move(body));
        cell_ = body_->BodyCell.get();
    }

    Sym sy() const { return r_.Sy; }
    void Next() {
        r_.NextToken();
        ++tokens_;
    }
    void ReadBody(const SymSet& terms);
    bool DoInline(const SymSet& terms); // false: not an inline symbol
    void DoText();
    void DoPhrase();
    void DoFont();
    void DoA();
    void DoBR(const SymSet& terms);
    void DoBody();
    void DoP(const SymSet& terms);
    void DoHeading(const SymSet& terms);
    void DoDiv(const SymSet& terms);
    void DoCenter(const SymSet& terms);
    void DoTable();
    // Steps of reading a table.
    void PopTo(int level);
    void TableFinishCell(TableState& t);
    void TableFinishRow(TableState& t);
    void TableNewRow(TableState& t, TAttributeList* row_attrs);
    void TableCellContent();
    void TableClose(TableState& t);
    void TableCell(TableState& t, bool header);
    void TableColumn(TableState& t, bool group);
    void TableCaption(TableState& t);
    void TableStep(TableState& t);
    ThtmlForm* CurrentForm();
    void DoForm(const SymSet& terms);
    void DoFormControl();
    void DoScript();
    void DoImage();
    void DoPanel();
    void DoMap();
    void DoRule();
    void DoPre();
    // Steps of reading preformatted text.
    void PreSwallowLineEnd();
    void PreCloseParagraph(PreState& pre);
    void PreCloseForm(PreState& pre);
    void PreOpenBlock(std::string_view tag, TCellBasic*& outer);
    void PreBlockTag(PreState& pre, Sym s);
    void PreStep(PreState& pre);
    void DoPage();
    // Text of preformatted lines, tabs set to the next multiple of 8 columns.
    void AddPreToken(const TokenObj& token);
    void DoList(const SymSet& terms);
    void DoListItem(Sym list, bool plain, char type_char, int number, const SymSet& terms);
    void DoHead();
    void DoTitle();
    void DoStyle();
    void DoLinkSheet();

    // The property stack.
    TProperties& Top() { return props_.Last(); }
    void PushProperties(std::string_view tag, TAttributeList* attrs, std::string_view pseudo = "");
    void AlignRule(TAttributeList& attrs);
    void PopProperties(std::string_view tag);
    // An inline element with a border or a background: its text is drawn on
    // the background and the document keeps its run for the boxes.
    void OpenInline() {
        TProperties& p = Top();
        const bool background = p.TakeInlineBackground() != NoColour && p.GetBackgroundColor() != NoColour;
        if (p.GetBorderStyle() != bssNone || background) doc_.OpenCloseInline(r_.TagPos, p, true);
    }
    // Open inline elements beyond the bound push no set of their own.
    bool InlineFull() const { return props_.Count() - depth_ >= kMaxInlineSets; }
    void FontFollows() {
        if (section_) section_->ChangeFont(Top());
    }

    // Sections.
    void NewSection(TAttributeList* attrs = nullptr, bool first_item = false) {
        if (in_pre_)
            section_ = std::make_unique<TPreFormated>(&doc_, Top(), in_link_ ? &link_ : nullptr, cell_);
        else
            section_ = std::make_unique<TSection>(&doc_, attrs, Top(), in_link_ ? &link_ : nullptr, cell_, first_item);
    }
    void FinishSection() {
        if (section_) cell_->AddSection(std::move(section_));
    }
    // A preformatted line that ends at a block boundary: dropped when
    // nothing was put on it.
    void FinishPreLine() {
        if (section_ && section_->TextLength() == 0 && !section_->AnchorName && !section_->HasControls)
            section_.reset();
        FinishSection();
    }
    void FinishLink();
    // A block added to the current cell whose cell becomes current.
    TBlock* OpenBlock(TAttributeList* attrs);
    void DropInnerBottomMargin(TBlock* block);
    // Block elements nested beyond the bound are read as if their tags were
    // not there: true when the tag was passed over.
    bool SkipTooDeep() {
        if (depth_ < kMaxBlockDepth) return false;
        Next();
        return true;
    }
    // The end of an element read as a block: its last section, its property
    // set, and `outer` current again. `margin_block` takes over the default
    // bottom margin of the last block inside it.
    void LeaveBlock(std::string_view tag, TCellBasic* outer, TBlock* margin_block = nullptr) {
        FinishSection();
        if (margin_block) DropInnerBottomMargin(margin_block);
        PopProperties(tag);
        --depth_;
        cell_ = outer;
    }

    HtmlReader r_;
    TSectionList& doc_;
    const TReadHandlers& h_;
    TPropStack props_;
    TCellBasic* cell_ = nullptr;
    std::unique_ptr<TSection> section_;
    TBodyBlock* body_ = nullptr;
    bool in_link_ = false;
    TUrlTarget link_;
    bool no_break_ = false;
    int base_font_size_ = 3;
    int list_level_ = 0;
    int depth_ = 0;
    long long tokens_ = 0;
    int table_level_ = 0;
    ThtmlForm* form_ = nullptr; // the open form
    int skipped_tables_ = 0; // tables opened beyond the bound inside the innermost table
    bool in_pre_ = false;    // preformatted text: sections are lines, FONT sizes from the PRE table
};

// ----------------------------------------------------------------- the read

void Builder::Read(const std::string& text, TReadResult& result) {
    // The base set exists before the reader looks for a UTF-8 signature.
    StartDocument();
    r_.StartReading(text, this, &doc_.IDNameList);
    NewSection();

    doc_.StopTab = r_.CountLinks() > 400;
    r_.Restart(h_.OnInclude);
    struct Done {
        Builder& b;
        ~Done() {
            b.FinishSection();
            b.props_.Clear();
            b.r_.Finish();
        }
    } done{*this};
    // The head's values reach the viewer also when the reader stops.
    auto take_head = [&] {
        result.Title = r_.Title;
        result.Base = r_.Base;
        result.BaseTarget = r_.BaseTarget;
    };
    try {
        r_.NextChar();
        Next();
        ReadBody(SymSet());
    } catch (...) {
        take_head();
        throw;
    }
    take_head();
}

void Builder::ReadBody(const SymSet& terms) {
    while (sy() != Sym::EndOfDocument && !in(terms, sy())) {
        // Every round reads at least one symbol, so a handler that leaves
        // its symbol unread cannot hold the loop.
        const long long before = tokens_;
        switch (sy()) {
        case Sym::Title:
            DoTitle();
            break;
        case Sym::Body:
            DoBody();
            break;
        case Sym::P:
            DoP(terms);
            break;
        case Sym::Center:
            DoCenter(terms);
            break;
        case Sym::Div:
            DoDiv(terms);
            break;
        case Sym::Form:
            DoForm(terms);
            break;
        case Sym::FormEnd:
            form_ = nullptr;
            Next();
            break;
        case Sym::Base: case Sym::Meta: case Sym::Link: case Sym::Style: case Sym::BgSound:
            DoHead();
            break;
        case Sym::OL: case Sym::UL: case Sym::Dir: case Sym::Menu: case Sym::DL: case Sym::Address:
        case Sym::Blockquote:
            DoList(terms);
            break;
        case Sym::LI: case Sym::DD: case Sym::DT:
            DoListItem(Sym::None, false, '1', 1, terms);
            break;
        default:
            if (!DoInline(terms)) Next();
            break;
        }
        if (tokens_ == before) Next();
    }
}

bool Builder::DoInline(const SymSet& terms) {
    const Sym s = sy();
    if (!in(kInline, s)) return false;
    if (in(kPhrase, s) || in(kPhraseEnd, s)) {
        DoPhrase();
    } else {
        switch (s) {
        case Sym::TextToken:
            DoText();
            break;
        case Sym::Font: case Sym::BaseFont:
            DoFont();
            break;
        case Sym::FontEnd:
            PopProperties("font");
            FontFollows();
            Next();
            break;
        case Sym::A:
            DoA();
            break;
        case Sym::AEnd:
            FinishLink();
            Next();
            break;
        case Sym::BR:
            DoBR(terms);
            break;
        case Sym::NoBr:
            no_break_ = true;
            Next();
            break;
        case Sym::NoBrEnd:
            no_break_ = false;
            Next();
            break;
        case Sym::Wbr:
            if (no_break_ && section_) section_->AddOpBrk();
            Next();
            break;
        case Sym::H:
            DoHeading(terms);
            break;
        case Sym::Script:
            DoScript();
            break;
        case Sym::Table:
            DoTable();
            break;
        case Sym::Img:
            DoImage();
            break;
        case Sym::Panel:
            DoPanel();
            break;
        case Sym::Map:
            DoMap();
            break;
        case Sym::HR:
            DoRule();
            break;
        case Sym::Input: case Sym::Select: case Sym::TextArea:
            DoFormControl();
            break;
        case Sym::Pre:
            DoPre();
            break;
        case Sym::Page:
            DoPage();
            break;
        default:
            Next(); // pictures, forms, tables, rules and preformatted text come with their own readers
            break;
        }
    }
    return true;
}

// --------------------------------------------------------------- inline

void Builder::DoText() {
    const TokenObj& t = r_.Token;
    if (!section_) {
        if (t.Leng() == 0 || (t.Leng() == 1 && t.C[0] == u' ')) {
            Next();
            return;
        }
        NewSection();
    }
    section_->AddTokenObj(t, &Top(), no_break_);
    Next();
}

void Builder::PushProperties(std::string_view tag, TAttributeList* attrs, std::string_view pseudo) {
    if (attrs)
        props_.PushElement(doc_.Styles, tag, attrs->TheClass(), attrs->TheID(), pseudo, attrs->TheTitle(),
                           attrs->TheStyle());
    else
        props_.PushElement(doc_.Styles, tag, "", "", pseudo, "", nullptr);
}

void Builder::AlignRule(TAttributeList& attrs) {
    const TAttribute* a = attrs.Find(Sym::Align);
    if (!a) return;
    std::string v = LowerCase(a->ValueText);
    if (v == "middle") v = "center";
    if (v == "left" || v == "center" || v == "right" || v == "justify") Top().SetValue(TextAlign, v);
}

void Builder::PopProperties(std::string_view tag) {
    const int i = props_.FindTag(tag);
    if (i < 0) return;
    TProperties& p = *props_.Items(i);
    if (p.GetBorderStyle() != bssNone || p.GetBackgroundColor() != NoColour) doc_.OpenCloseInline(r_.TagPos, p, false);
    props_.RemoveAndUpdate(i, doc_.Styles);
}

void Builder::DoPhrase() {
    const Sym s = sy();
    if (in(kPhrase, s)) {
        if (InlineFull()) {
            Next();
            return;
        }
        if (!section_ && (s == Sym::Sub || s == Sym::Sup || s == Sym::Big || s == Sym::Small)) NewSection();
        PushProperties(StartTagName(s), &r_.Attributes);
        OpenInline();
    } else {
        PopProperties(EndTagName(s));
    }
    FontFollows();
    Next();
}

void Builder::DoFont() {
    const bool base_font = sy() == Sym::BaseFont;
    TAttributeList& attrs = r_.Attributes;
    int size = 0;
    if (const TAttribute* a = attrs.Find(Sym::Size)) {
        const std::string v = Trim(a->ValueText);
        if (v.size() >= 2 && (v[0] == '+' || v[0] == '-'))
            size = base_font_size_ + std::clamp(a->ValueNumber, -7, 7); // within the sizes before adding
        else
            size = a->ValueNumber;
        size = std::clamp(size, 1, 7);
        if (base_font) base_font_size_ = size;
    }
    if (InlineFull()) {
        Next();
        return;
    }
    PushProperties("font", &attrs);
    TProperties& p = Top();
    ColorRef color = 0;
    if (const TAttribute* a = attrs.Find(Sym::Color); a && ParseColor(a->ValueText, false, color))
        p.SetValue(Color, static_cast<int>(color));
    if (size > 0) p.SetValue(FontSize, in_pre_ ? PreFontSizePoints(size) : FontSizePoints(size));
    if (!base_font)
        if (const TAttribute* a = attrs.Find(Sym::Face); a && !a->ValueText.empty()) p.SetValue(FontFamily, a->ValueText);
    if (const TAttribute* a = attrs.Find(Sym::Charset))
        if (const int cs = r_.LookupMetaCharset(a->ValueText); cs >= 0) p.SetCharset(cs);
    FontFollows();
    Next();
}

void Builder::FinishLink() {
    const bool was_open = in_link_;
    if (in_link_) {
        link_.Clear();
        in_link_ = false;
    }
    PopProperties("a");
    if (section_) {
        if (was_open)
            section_->HRef(false, link_, Top());
        else
            section_->ChangeFont(Top());
    }
}

void Builder::DoA() {
    if (InlineFull()) {
        Next();
        return;
    }
    TAttributeList& attrs = r_.Attributes;
    const TAttribute* href = attrs.Find(Sym::Href);
    if (href) {
        FinishLink();
        in_link_ = true;
        const TAttribute* target = attrs.Find(Sym::Target);
        link_.Assign(href->ValueText, target ? target->ValueText : std::string());
        const TAttribute* tab = attrs.Find(Sym::TabIndex);
        link_.TabIndex = tab ? tab->ValueNumber : 0;
    }
    PushProperties("a", &attrs, href ? "link" : "");
    OpenInline();
    if (!section_) {
        section_ = std::make_unique<TSection>(&doc_, nullptr, Top(), nullptr, cell_, false);
    } else if (!href) {
        section_->ChangeFont(Top());
    }
    if (const TAttribute* name = attrs.Find(Sym::Name); name && !name->ValueText.empty()) {
        std::string n = UpperCase(name->ValueText);
        if (n.size() > 1 && n[0] == '#') n.erase(0, 1);
        doc_.IDNameList.AddObject(n, section_.get());
        section_->AnchorName = true;
        section_->HasID = true;
    }
    if (href) section_->HRef(true, link_, Top());
    Next();
}

void Builder::DoBR(const SymSet& terms) {
    if (in(terms, Sym::BR)) return;
    if (r_.Attributes.Find(Sym::Clear)) {
        FinishSection();
        NewSection(&r_.Attributes);
    } else {
        if (!section_) NewSection();
        section_->AddChar(kBreakChar, r_.TagPos);
        FinishSection();
        NewSection();
    }
    Next();
}

// ------------------------------------------------------------------ blocks

TBlock* Builder::OpenBlock(TAttributeList* attrs) {
    auto block = std::make_unique<TBlock>(&doc_, Top(), cell_, attrs);
    TBlock* b = block.get();
    cell_->AddSection(std::move(block));
    cell_ = b->BodyCell.get();
    return b;
}

// A block whose own bottom margin is not given takes over the default
// bottom margin of the last block inside it.
void Builder::DropInnerBottomMargin(TBlock* block) {
    const PropValue& own = block->BoxProps[MarginBottom];
    const bool given = IsString(own) || (IsInt(own) && AsInt(own) != NoValue && AsInt(own) != ParagraphDefault);
    if (!given && block->BodyCell->DropLastBottomMargin()) {
        block->BoxValues[MarginBottom] = 14;
        block->BottomUnset = true;
    }
}

void Builder::DoBody() {
    const bool has_content = body_->BodyCell->Count() > 0 || (section_ && section_->TextLength() > 0);
    // Inside a table the body block holds the table's place: it stays.
    if (has_content || cell_ != body_->BodyCell.get() || table_level_ > 0) {
        Next();
        return;
    }
    section_.reset();
    TAttributeList& attrs = r_.Attributes;
    PushProperties("body", &attrs);
    TProperties& p = Top();
    auto margin = [&](Sym a, Sym b, int dflt) {
        const TAttribute* v = attrs.Find(a);
        if (!v) v = attrs.Find(b);
        return v ? std::clamp(v->ValueNumber, 0, 200) : dflt;
    };
    const int mw = margin(Sym::MarginWidth, Sym::LeftMargin, doc_.FontSettings.MarginWidth);
    const int mh = margin(Sym::MarginHeight, Sym::TopMargin, doc_.FontSettings.MarginHeight);
    p.SetValue(MarginLeft, mw);
    p.SetValue(MarginRight, mw);
    p.SetValue(MarginTop, mh);
    p.SetValue(MarginBottom, mh);
    ColorRef c = 0;
    if (const TAttribute* a = attrs.Find(Sym::BgColor); a && ParseColor(a->ValueText, false, c))
        p.SetValue(BackgroundColor, static_cast<int>(c));
    if (const TAttribute* a = attrs.Find(Sym::Text); a && ParseColor(a->ValueText, false, c))
        p.SetValue(Color, static_cast<int>(c));
    if (const TAttribute* a = attrs.Find(Sym::Background); a && !a->ValueText.empty())
        p.SetValue(BackgroundImage, "url(" + a->ValueText + ")");
    if (const TAttribute* a = attrs.Find(Sym::BgProperties); a && SameText(a->ValueText, "fixed"))
        p.SetValue(BackgroundAttachment, std::string("fixed"));
    for (const auto& [sym, rule] : {std::pair{Sym::Link, ":link"}, {Sym::VLink, ":visited"}, {Sym::OLink, ":hover"}})
        if (const TAttribute* a = attrs.Find(sym); a && ParseColor(a->ValueText, false, c)) {
            doc_.Styles.SetRule(rule, "color", color_text(c));
            if (sym == Sym::OLink) doc_.HoverLinks = true;
        }
    const int index = doc_.IndexOf(body_);
    if (index >= 0) doc_.Delete(index);
    auto body = std::make_unique<TBodyBlock>(&doc_, p, &doc_, &attrs);
    body_ = body.get();
    doc_.AddSection(std::move(body));
    cell_ = body_->BodyCell.get();
    NewSection();
    Next();
}

void Builder::DoP(const SymSet& terms) {
    FinishSection();
    TAttributeList attrs;
    while (sy() == Sym::P || sy() == Sym::PEnd) {
        if (sy() == Sym::P) copy_attributes(r_.Attributes, attrs);
        Next();
    }
    if (depth_ >= kMaxBlockDepth) return;
    PushProperties("p", &attrs);
    AlignRule(attrs);
    TCellBasic* saved = cell_;
    ++depth_;
    OpenBlock(&attrs);
    NewSection(&attrs, true);
    while (sy() != Sym::EndOfDocument && !in(terms, sy()) && in(kParagraph, sy())) {
        const long long before = tokens_;
        if (!DoInline(terms)) Next(); // unknown tags
        if (tokens_ == before) Next();
    }
    LeaveBlock("p", saved);
    if (sy() == Sym::PEnd) Next();
}

void Builder::DoHeading(const SymSet& terms) {
    const int level = r_.HeadingLevel;
    if (level < 1 || level > 6 || depth_ >= kMaxBlockDepth) {
        Next();
        return;
    }
    FinishSection();
    TAttributeList attrs;
    copy_attributes(r_.Attributes, attrs);
    const std::string tag = "h" + std::to_string(level);
    PushProperties(tag, &attrs);
    AlignRule(attrs);
    Next();
    if (sy() == Sym::Center) {
        Top().SetValue(TextAlign, std::string("center"));
        Next();
    }
    TCellBasic* saved = cell_;
    ++depth_;
    OpenBlock(&attrs);
    NewSection(&attrs, true);
    SymSet inner = terms;
    inner.set(static_cast<size_t>(Sym::HEnd));
    while (sy() != Sym::EndOfDocument && !in(terms, sy()) && in(kHeading, sy())) {
        const long long before = tokens_;
        if (sy() == Sym::P) {
            DoP(inner);
        } else if (sy() == Sym::Div) {
            DoDiv(inner);
        } else if (!DoInline(inner)) {
            Next();
        }
        if (tokens_ == before) Next();
    }
    LeaveBlock(tag, saved);
    if (sy() == Sym::HEnd) Next();
}

void Builder::DoDiv(const SymSet& terms) {
    FinishSection();
    if (SkipTooDeep()) return;
    TAttributeList attrs;
    copy_attributes(r_.Attributes, attrs);
    PushProperties("div", &attrs);
    AlignRule(attrs);
    TCellBasic* saved = cell_;
    ++depth_;
    TBlock* block = OpenBlock(&attrs);
    NewSection(&attrs, true);
    Next();
    SymSet inner = terms;
    inner.set(static_cast<size_t>(Sym::DivEnd));
    ReadBody(inner);
    LeaveBlock("div", saved, block);
    if (sy() == Sym::DivEnd) Next();
}

void Builder::DoCenter(const SymSet& terms) {
    FinishSection();
    if (SkipTooDeep()) return;
    PushProperties("center", nullptr);
    ++depth_;
    Next();
    SymSet inner = terms;
    inner.set(static_cast<size_t>(Sym::CenterEnd));
    ReadBody(inner);
    FinishSection();
    PopProperties("center");
    --depth_;
    if (sy() == Sym::CenterEnd) Next();
}

// ------------------------------------------------------------------ tables

namespace {

const SymSet kTableSyms = set_of({Sym::TR, Sym::TREnd, Sym::TD, Sym::TDEnd, Sym::TH, Sym::THEnd, Sym::TableEnd,
                                  Sym::Caption, Sym::CaptionEnd, Sym::Col, Sym::ColGroup, Sym::ColGroupEnd});

// VALIGN of a row or cell: top, middle or bottom; `fallback` when absent or unknown.
int valign_of(const TAttributeList& attrs, int fallback, bool* given = nullptr) {
    const TAttribute* a = attrs.Find(Sym::VAlign);
    if (given) *given = false;
    if (!a) return fallback;
    const std::string v = LowerCase(a->ValueText.substr(0, 9));
    if (given) *given = true;
    if (v == "top" || v == "baseline") return ATop;
    if (v == "middle") return AMiddle;
    if (v == "bottom") return ABottom;
    return AMiddle;
}

// The defaults a COLGROUP gives its COL elements.
struct ColDefaults {
    int span = 1;
    int width = 0;
    bool percent = false;
    std::string align;
    int valign = 0;
};

void read_col(const TAttributeList& attrs, ColDefaults& c) {
    if (const TAttribute* a = attrs.Find(Sym::Span)) c.span = std::clamp(a->ValueNumber, 1, 100);
    if (const TAttribute* a = attrs.Find(Sym::Width)) ReadWidthAttribute(*a, c.width, c.percent);
    if (const TAttribute* a = attrs.Find(Sym::Align)) {
        const std::string v = LowerCase(a->ValueText);
        if (v == "left" || v == "center" || v == "right" || v == "justify" || v == "middle" || v == "absmiddle")
            c.align = v;
    }
    if (const TAttribute* a = attrs.Find(Sym::VAlign)) {
        const std::string v = LowerCase(a->ValueText);
        if (v == "top" || v == "baseline")
            c.valign = ATop;
        else if (v == "middle" || v == "absmiddle" || v == "center")
            c.valign = AMiddle;
        else if (v == "bottom")
            c.valign = ABottom;
    }
}

} // namespace

// What a table being read holds between its tags.
struct TableState {
    TCellBasic* saved_cell = nullptr;
    bool saved_no_break = false;
    int saved_skipped = 0;
    int saved_list_level = 0;
    TAttributeList attrs;
    int table_level = 0; // the property stack's depth inside TABLE
    ThtmlTable* table = nullptr;
    std::unique_ptr<TTableBlock> block;
    std::unique_ptr<TCellList> row;
    std::unique_ptr<TCellObj> cell;
    int row_valign = AMiddle;
    int row_level = 0;
    int row_index = -1;
    std::unique_ptr<TBlock> caption;
    bool caption_on_top = true;
    std::unique_ptr<TCellManager> grid;
    ColDefaults group;
    bool in_group = false;
};

void Builder::PopTo(int level) {
    while (props_.Count() > level) props_.PopTop();
}

void Builder::TableFinishCell(TableState& t) {
    if (!t.cell) return;
    FinishSection();
    t.cell->Contents->DropLastBottomMargin();
    if (t.grid) t.grid->AddCell(t.row_index, *t.cell);
    t.row->AddCell(std::move(t.cell));
    cell_ = t.saved_cell;
    no_break_ = false;
}

void Builder::TableFinishRow(TableState& t) {
    TableFinishCell(t);
    if (t.row) t.table->AddRow(std::move(t.row));
}

void Builder::TableNewRow(TableState& t, TAttributeList* row_attrs) {
    TableFinishRow(t);
    PopTo(t.table_level);
    PushProperties("tr", row_attrs);
    if (row_attrs) AlignRule(*row_attrs);
    t.row_level = props_.Count();
    t.row = std::make_unique<TCellList>(row_attrs, &Top());
    t.row_valign = row_attrs ? valign_of(*row_attrs, AMiddle) : AMiddle;
    ++t.row_index;
}

void Builder::TableCellContent() {
    while (sy() == Sym::TextToken && r_.Token.Leng() <= 1 && (r_.Token.Leng() == 0 || r_.Token.C[0] == u' ')) Next();
    ReadBody(kTableSyms);
}

// The table read so far joins the page, also when the reader stops in it.
void Builder::TableClose(TableState& t) {
    TableFinishRow(t);
    PopTo(t.table_level);
    std::unique_ptr<TBlock> result;
    if (t.caption) {
        result = std::make_unique<TTableAndCaptionBlock>(&doc_, Top(), t.saved_cell, &t.attrs, std::move(t.block),
                                                         std::move(t.caption), t.caption_on_top);
    } else {
        result = std::move(t.block);
    }
    PopProperties("table");
    cell_ = t.saved_cell;
    cell_->AddSection(std::move(result));
    no_break_ = t.saved_no_break;
    skipped_tables_ = t.saved_skipped;
    list_level_ = t.saved_list_level;
    --table_level_;
}

// TD or TH: a cell of the current row (a row of its own when none is open),
// with the column settings of its place in the grid.
void Builder::TableCell(TableState& t, bool header) {
    if (in_link_) FinishLink();
    TAttributeList cell_attrs;
    copy_attributes(r_.Attributes, cell_attrs);
    if (!t.row) {
        TableNewRow(t, nullptr);
    } else {
        TableFinishCell(t);
        PopTo(t.row_level);
    }
    PushProperties(header ? "th" : "td", &cell_attrs);
    int valign = valign_of(cell_attrs, t.row_valign);
    if (t.grid) {
        const int col = t.grid->FindColNum(t.row_index);
        if (col >= 0 && col < static_cast<int>(t.table->ColumnSpecs.size())) {
            const TColObj& spec = t.table->ColumnSpecs[static_cast<size_t>(col)];
            if (!spec.SpecAlign.empty())
                Top().SetValue(TextAlign, spec.SpecAlign == "middle" || spec.SpecAlign == "absmiddle"
                                              ? std::string("center")
                                              : spec.SpecAlign);
            bool own = false;
            valign_of(cell_attrs, 0, &own);
            if (spec.SpecVAlign != 0 && !own) valign = spec.SpecVAlign;
        }
    }
    AlignRule(cell_attrs);
    const std::string align = AsString(Top().Props[TextAlign]);
    if (align.empty() || align == "none") Top().SetValue(TextAlign, std::string(header ? "center" : "left"));
    t.cell = std::make_unique<TCellObj>(&doc_, valign, &cell_attrs, Top());
    t.cell->Contents->HostTag = header ? "th" : "td";
    cell_ = t.cell->Contents.get();
    const TAttribute* width = cell_attrs.Find(Sym::Width);
    const bool pixel_width = width && width->ValueText.find('%') == std::string::npos;
    no_break_ = cell_attrs.Find(Sym::NoWrap) && !pixel_width;
    Next();
    TableCellContent();
}

// COLGROUP sets the defaults of its COL elements; COL adds columns.
void Builder::TableColumn(TableState& t, bool group) {
    ColDefaults c = t.in_group ? t.group : ColDefaults();
    read_col(r_.Attributes, c);
    if (group) {
        t.group = c;
        t.in_group = true;
    } else {
        for (int i = 0; i < c.span; ++i) t.table->AddColumn(c.width, c.percent, c.align, c.valign);
        if (!t.grid) t.grid = std::make_unique<TCellManager>(0);
        t.grid->Widen(static_cast<int>(t.table->ColumnSpecs.size()));
    }
    Next();
}

void Builder::TableCaption(TableState& t) {
    TAttributeList cap_attrs;
    copy_attributes(r_.Attributes, cap_attrs);
    TableFinishCell(t);
    PopTo(t.table_level);
    PushProperties("caption", &cap_attrs);
    const TAttribute* a = cap_attrs.Find(Sym::Align);
    t.caption_on_top = !(a && SameText(a->ValueText, "bottom"));
    if (!(a && (SameText(a->ValueText, "left") || SameText(a->ValueText, "right")))) {
        const std::string own = AsString(Top().Props[TextAlign]);
        if (own.empty() || own == "none") Top().SetValue(TextAlign, std::string("center"));
    } else {
        AlignRule(cap_attrs);
    }
    if (!t.caption) t.caption = std::make_unique<TBlock>(&doc_, Top(), nullptr, &cap_attrs);
    cell_ = t.caption->BodyCell.get();
    Next();
    SymSet terms = kTableSyms;
    ReadBody(terms);
    FinishSection();
    PopTo(t.table_level);
    cell_ = t.saved_cell;
    if (sy() == Sym::CaptionEnd) Next();
}

// One tag or token inside the table.
void Builder::TableStep(TableState& t) {
    const Sym s = sy();
    if (skipped_tables_ > 0 && in(kTableSyms, s)) {
        // The rows and cells of a table beyond the nesting bound are not
        // there: its content stays in the cell that holds it.
        Next();
        if (t.cell) TableCellContent();
    } else if (s == Sym::TR) {
        if (in_link_) FinishLink();
        TAttributeList row_attrs;
        copy_attributes(r_.Attributes, row_attrs);
        TableNewRow(t, &row_attrs);
        Next();
    } else if (s == Sym::TREnd) {
        TableFinishRow(t);
        Next();
    } else if (s == Sym::TD || s == Sym::TH) {
        TableCell(t, s == Sym::TH);
    } else if (s == Sym::TDEnd || s == Sym::THEnd) {
        TableFinishCell(t);
        Next();
    } else if (s == Sym::ColGroup || s == Sym::Col) {
        TableColumn(t, s == Sym::ColGroup);
    } else if (s == Sym::ColGroupEnd) {
        t.in_group = false;
        Next();
    } else if (s == Sym::Caption) {
        TableCaption(t);
    } else if (s == Sym::TextToken && (r_.Token.Leng() == 0 || (r_.Token.Leng() == 1 && r_.Token.C[0] == u' '))) {
        Next();
    } else if (s == Sym::UnknownTag) {
        Next();
    } else if (s == Sym::Table && table_level_ >= kMaxTableLevel) {
        ++skipped_tables_;
        Next();
    } else {
        // Content outside any cell goes ahead of the table.
        TableFinishCell(t);
        cell_ = t.saved_cell;
        ReadBody(kTableSyms);
        FinishSection();
    }
    while (skipped_tables_ > 0 && sy() == Sym::TableEnd) {
        --skipped_tables_;
        Next();
        if (t.cell) TableCellContent();
    }
}

void Builder::DoTable() {
    if (table_level_ >= kMaxTableLevel) {
        ++skipped_tables_;
        Next();
        return;
    }
    if (in_link_) FinishLink();
    FinishSection();
    TableState t;
    t.saved_cell = cell_;
    t.saved_no_break = no_break_;
    t.saved_skipped = skipped_tables_;
    t.saved_list_level = list_level_;
    no_break_ = false;
    skipped_tables_ = 0;
    list_level_ = 0;
    ++table_level_;

    const std::string outer_align = AsString(Top().Props[TextAlign]);
    copy_attributes(r_.Attributes, t.attrs);
    PushProperties("table", &t.attrs);
    t.table_level = props_.Count();
    t.row_level = t.table_level;
    auto owned_table = std::make_unique<ThtmlTable>(&doc_, &t.attrs);
    t.table = owned_table.get();
    t.block = std::make_unique<TTableBlock>(&doc_, Top(), t.saved_cell, std::move(owned_table), &t.attrs);
    if (t.block->AlignMode == 0 && t.block->FloatKind == 0) {
        if (outer_align == "center")
            t.block->AlignMode = 2;
        else if (outer_align == "right")
            t.block->AlignMode = 3;
    }
    Next();
    try {
        while (sy() != Sym::EndOfDocument && sy() != Sym::TableEnd) {
            const long long before = tokens_;
            TableStep(t);
            if (tokens_ == before) Next();
        }
    } catch (...) {
        TableClose(t);
        throw;
    }
    TableClose(t);
    if (sy() == Sym::TableEnd) Next();
}

// ------------------------------------------------------------------- forms

namespace {

const SymSet kOptionEnds = set_of({Sym::P, Sym::EndOfDocument, Sym::TableEnd, Sym::TD, Sym::TDEnd, Sym::TR,
                                   Sym::TREnd, Sym::TH, Sym::THEnd, Sym::Caption, Sym::CaptionEnd, Sym::Input,
                                   Sym::SelectEnd, Sym::Col, Sym::ColGroup});

} // namespace

ThtmlForm* Builder::CurrentForm() {
    // Controls outside any FORM share one form made without attributes.
    if (!form_) form_ = ThtmlForm::Create(&doc_, nullptr);
    return form_;
}

void Builder::DoForm(const SymSet& terms) {
    FinishSection();
    if (SkipTooDeep()) return;
    TAttributeList attrs;
    copy_attributes(r_.Attributes, attrs);
    PushProperties("form", &attrs);
    TCellBasic* saved = cell_;
    ++depth_;
    TBlock* block = OpenBlock(&attrs);
    form_ = ThtmlForm::Create(&doc_, &attrs);
    Next();
    SymSet inner = terms;
    inner.set(static_cast<size_t>(Sym::FormEnd));
    inner.set(static_cast<size_t>(Sym::Form));
    ReadBody(inner);
    LeaveBlock("form", saved, block);
    if (sy() == Sym::FormEnd) {
        form_ = nullptr;
        Next();
    }
}

void Builder::DoFormControl() {
    const Sym s = sy();
    if (!section_) NewSection();
    TAttributeList attrs;
    copy_attributes(r_.Attributes, attrs);
    const std::string tag = StartTagName(s);
    PushProperties(tag, &attrs);
    std::string type;
    if (s == Sym::Input) {
        const TAttribute* t = attrs.Find(Sym::Type);
        type = t ? LowerCase(Trim(t->ValueText)) : std::string("text");
    }
    TFormControlObj* c = MakeFormControl(&doc_, CurrentForm(), s, type, attrs, Top());
    if (auto* image = dynamic_cast<TImageFormControlObj*>(c)) {
        // An image input stands in the text as its picture.
        auto img = std::make_unique<TImageObj>(&doc_, r_.TagPos, attrs);
        img->ApplyStyle(Top());
        img->Control = image;
        image->LinkedImage = img.get();
        section_->AddImage(std::move(img), r_.TagPos);
    } else if (!c->IsHiddenInput()) {
        section_->AddControl(c, r_.TagPos);
    }
    if (s == Sym::Select) {
        const bool saved_no_break = no_break_;
        no_break_ = false;
        Next();
        bool pending = false, selected = false, has_value = false;
        std::string text, value;
        auto add = [&] {
            if (pending) AddFormOption(c, Trim(text), selected, value, has_value);
            pending = false;
        };
        while (!in(kOptionEnds, sy())) {
            if (sy() == Sym::TextToken) {
                if (pending) text += WideToMultibyte(CodePage(), r_.Token.S());
            } else if (sy() == Sym::Option || sy() == Sym::OptionEnd) {
                add();
                if (sy() == Sym::Option) {
                    pending = true;
                    text.clear();
                    selected = r_.Attributes.Find(Sym::Selected) != nullptr;
                    const TAttribute* v = r_.Attributes.Find(Sym::Value);
                    has_value = v != nullptr;
                    value = v ? v->ValueText : std::string();
                }
            }
            Next();
        }
        add();
        c->Reset();
        no_break_ = saved_no_break;
        if (sy() == Sym::SelectEnd) Next();
    } else if (s == Sym::TextArea) {
        // The text is read raw up to "</textarea", line by line.
        static constexpr std::string_view kEnd = "</textarea";
        std::string line;
        // The reader's current character is the first after the tag.
        for (char ch = r_.LCh; ch != 0; ch = r_.ReadRawChar()) {
            if (ch == '\r') {
                AppendFormText(c, DecodeValueReferences(line, CodePage()) + "\r\n");
                line.clear();
                continue;
            }
            line += ch;
            if (line.size() >= kEnd.size() &&
                SameText(std::string_view(line).substr(line.size() - kEnd.size()), kEnd)) {
                line.resize(line.size() - kEnd.size());
                while (r_.LCh != 0 && r_.LCh != '>') r_.ReadRawChar();
                break;
            }
        }
        AppendFormText(c, DecodeValueReferences(line, CodePage()));
        c->Reset();
        r_.NextChar();
        Next();
    } else {
        Next();
    }
    PopProperties(tag);
}

// ----------------------------------------------------------------- lists

namespace {

const SymSet kListStarts = set_of({Sym::OL, Sym::UL, Sym::Dir, Sym::Menu, Sym::DL, Sym::Address, Sym::Blockquote});
const SymSet kListEnds = set_of({Sym::OLEnd, Sym::ULEnd, Sym::DirEnd, Sym::MenuEnd, Sym::DLEnd, Sym::BlockquoteEnd});
const SymSet kItems = set_of({Sym::LI, Sym::DD, Sym::DT});

} // namespace

// OL, UL, DIR, MENU, DL, and ADDRESS and BLOCKQUOTE, which are read alike.
void Builder::DoList(const SymSet& terms) {
    const Sym list = sy();
    const Sym end = EndSymbolOf(list);
    FinishSection();
    if (SkipTooDeep()) return;
    TAttributeList attrs;
    copy_attributes(r_.Attributes, attrs);
    int number = 1;
    char type_char = '1';
    bool plain = false;
    if (list == Sym::OL) {
        if (const TAttribute* a = attrs.Find(Sym::Start); a && a->ValueNumber >= 0) number = a->ValueNumber;
        if (const TAttribute* a = attrs.Find(Sym::Type); a && !a->ValueText.empty()) type_char = a->ValueText[0];
    } else if (list == Sym::UL) {
        const TAttribute* type = attrs.Find(Sym::Type);
        plain = attrs.Find(Sym::Plain) ||
                (type && (SameText(Trim(type->ValueText), "none") || SameText(Trim(type->ValueText), "plain")));
    }
    const std::string tag = StartTagName(list);
    PushProperties(tag, &attrs);
    TCellBasic* saved = cell_;
    ++depth_;
    TBlock* block = OpenBlock(&attrs);
    block->NeedsBulletRoom = list != Sym::DL && list != Sym::Address && list != Sym::Blockquote;
    Next();
    const bool counts = list == Sym::OL || list == Sym::UL || list == Sym::Dir || list == Sym::Menu;
    if (counts) ++list_level_;
    SymSet block_terms = terms | kListEnds | kItems;
    block_terms.set(static_cast<size_t>(Sym::EndOfDocument));
    if (!in(kListEnds, sy())) {
        while (sy() != Sym::EndOfDocument && sy() != end && !in(terms, sy())) {
            const long long before = tokens_;
            const Sym s = sy();
            if (s == Sym::P || s == Sym::PEnd) {
                DoP(terms);
            } else if (in(kListStarts, s)) {
                DoList(terms);
            } else if (in(kItems, s)) {
                if (s == Sym::LI)
                    if (const TAttribute* v = r_.Attributes.Find(Sym::Value); v && v->ValueNumber != 0)
                        number = v->ValueNumber;
                DoListItem(list, plain, type_char, number, terms);
                if (number < INT_MAX) ++number;
            } else if (s == Sym::Div) {
                DoDiv(block_terms);
            } else if (s == Sym::Form) {
                DoForm(block_terms);
            } else if (s == Sym::Center) {
                DoCenter(block_terms);
            } else if (!DoInline(terms)) {
                Next();
            }
            if (tokens_ == before) Next();
        }
    }
    if (counts) --list_level_;
    LeaveBlock(tag, saved, block);
    if (sy() == end) Next();
}

// LI, DD and DT.
void Builder::DoListItem(Sym list, bool plain, char type_char, int number, const SymSet& terms) {
    FinishSection();
    if (SkipTooDeep()) return;
    const std::string tag = StartTagName(sy());
    TAttributeList attrs;
    copy_attributes(r_.Attributes, attrs);
    PushProperties(tag, &attrs);
    TCellBasic* saved = cell_;
    ++depth_;
    auto item = std::make_unique<TBlockLI>(&doc_, Top(), cell_, list, plain, type_char, number, list_level_, &attrs);
    TBlockLI* li = item.get();
    cell_->AddSection(std::move(item));
    cell_ = li->BodyCell.get();
    Next();
    while (sy() == Sym::TextToken && Trim(WideToUtf8(r_.Token.C)).empty()) Next();
    NewSection(&attrs, true);
    while (sy() != Sym::EndOfDocument && !in(terms, sy())) {
        const long long before = tokens_;
        const Sym s = sy();
        if (s == Sym::P || s == Sym::PEnd) {
            DoP(terms);
        } else if (s == Sym::Div) {
            DoDiv(terms);
        } else if (s == Sym::Form) {
            DoForm(terms);
        } else if (in(kListStarts, s) && s != Sym::Address && s != Sym::Blockquote) {
            DoList(terms);
        } else if (!DoInline(terms)) {
            break;
        }
        if (tokens_ == before) Next();
    }
    FinishSection();
    // A nested list or paragraph that ends the item leaves no default gap below it.
    li->BodyCell->DropLastBottomMargin();
    PopProperties(tag);
    --depth_;
    cell_ = saved;
}

// -------------------------------------------------------------- pictures

void Builder::DoImage() {
    if (!section_) NewSection();
    TAttributeList& attrs = r_.Attributes;
    PushProperties("img", &attrs);
    auto img = std::make_unique<TImageObj>(&doc_, r_.TagPos, attrs);
    img->ApplyStyle(Top());
    section_->AddImage(std::move(img), r_.TagPos);
    props_.PopTop();
    Next();
}

void Builder::DoPanel() {
    if (!section_) NewSection();
    TAttributeList& attrs = r_.Attributes;
    PushProperties("panel", &attrs);
    section_->AddImage(std::make_unique<TPanelObj>(&doc_, attrs, cell_, r_.TagPos), r_.TagPos);
    props_.PopTop();
    Next();
}

// A client-side map: its areas up to the end tag. A map whose end tag does
// not come before three other tags (or the end of the page) is dropped, and
// the third tag is read as if the map were not there.
void Builder::DoMap() {
    auto map = std::make_unique<TMapItem>();
    if (const TAttribute* n = r_.Attributes.Find(Sym::Name)) map->MapName = UpperCase(TrimView(n->ValueText));
    Next();
    int others = 0;
    while (sy() != Sym::EndOfDocument && sy() != Sym::MapEnd) {
        if (sy() == Sym::Area)
            map->AddArea(r_.Attributes);
        else if (sy() != Sym::TextToken && sy() != Sym::LineEnd && ++others == 3)
            return;
        Next();
    }
    if (sy() != Sym::MapEnd) return;
    doc_.ImageMaps.push_back(std::move(map));
    Next();
}

void Builder::DoRule() {
    FinishSection();
    TAttributeList& attrs = r_.Attributes;
    PushProperties("hr", &attrs);
    auto line = std::make_unique<THorzLine>(&doc_, attrs, Top());
    auto block = std::make_unique<THRBlock>(&doc_, Top(), cell_, &attrs, line.get());
    block->BodyCell->AddSection(std::move(line));
    cell_->AddSection(std::move(block));
    props_.PopTop();
    Next();
}

// --------------------------------------------------------- preformatted

namespace {

constexpr int kTabColumns = 8;

// What a PRE element holds besides its text and line ends.
SymSet pre_inline_symbols() {
    SymSet s = kPhrase | kPhraseEnd;
    s |= set_of({Sym::Img, Sym::Panel, Sym::Input, Sym::Select, Sym::TextArea, Sym::A, Sym::AEnd, Sym::Map,
                 Sym::Font, Sym::BaseFont});
    return s;
}
const SymSet kPreInline = pre_inline_symbols();

} // namespace

void Builder::AddPreToken(const TokenObj& token) {
    if (!section_) NewSection();
    if (std::find(token.C.begin(), token.C.end(), u'\t') == token.C.end()) {
        section_->AddTokenObj(token, &Top(), no_break_);
        return;
    }
    TokenObj spaced;
    int column = section_->TextLength();
    for (int k = 0; k < token.Leng(); ++k) {
        const size_t i = static_cast<size_t>(k);
        if (token.C[i] == u'\t') {
            do {
                spaced.AddUnicodeChar(u' ', token.I[i]);
            } while (++column % kTabColumns != 0);
        } else {
            spaced.AddUnicodeChar(token.C[i], token.I[i]);
            ++column;
        }
    }
    section_->AddTokenObj(spaced, &Top(), no_break_);
}

// What a PRE being read holds: the paragraph and form open inside it.
struct PreState {
    int depth = 0;                      // the property stack's depth inside PRE
    TCellBasic* p_outer = nullptr;      // the cell around an open paragraph
    TCellBasic* form_outer = nullptr;   // the cell around an open form
    ThtmlForm* enclosing_form = nullptr; // current again when that form closes
    // A line opened by the start tag or a line end is kept even when empty;
    // one opened after a block inside is not.
    bool line_kept = true;
};

// A line end straight after a block boundary makes no empty line.
void Builder::PreSwallowLineEnd() {
    if (r_.LCh == '\r') r_.NextChar();
}

void Builder::PreCloseParagraph(PreState& pre) {
    if (!pre.p_outer) return;
    FinishPreLine();
    PopProperties("p");
    cell_ = pre.p_outer;
    pre.p_outer = nullptr;
    --depth_;
}

void Builder::PreCloseForm(PreState& pre) {
    PreCloseParagraph(pre);
    if (!pre.form_outer) return;
    FinishPreLine();
    PopProperties("form");
    cell_ = pre.form_outer;
    pre.form_outer = nullptr;
    form_ = pre.enclosing_form;
    --depth_;
}

// A paragraph or form inside PRE: the line before the block is handed over
// first.
void Builder::PreOpenBlock(std::string_view tag, TCellBasic*& outer) {
    FinishPreLine();
    if (depth_ >= kMaxBlockDepth) return;
    TAttributeList block_attrs;
    copy_attributes(r_.Attributes, block_attrs);
    PushProperties(tag, &block_attrs);
    outer = cell_;
    ++depth_;
    OpenBlock(&block_attrs);
    if (tag == "form") form_ = ThtmlForm::Create(&doc_, &block_attrs);
}

// P, /P, FORM and /FORM inside PRE: a new line follows the block boundary.
void Builder::PreBlockTag(PreState& pre, Sym s) {
    bool boundary = true;
    if (s == Sym::P) {
        PreCloseParagraph(pre);
        PreOpenBlock("p", pre.p_outer);
    } else if (s == Sym::PEnd) {
        boundary = pre.p_outer != nullptr;
        PreCloseParagraph(pre);
    } else if (s == Sym::Form) {
        PreCloseForm(pre);
        PreOpenBlock("form", pre.form_outer);
    } else {
        boundary = pre.form_outer != nullptr;
        if (boundary) PreCloseForm(pre);
    }
    if (boundary) {
        NewSection();
        pre.line_kept = false;
        PreSwallowLineEnd();
    }
    Next();
}

// One token inside PRE.
void Builder::PreStep(PreState& pre) {
    const Sym s = sy();
    switch (s) {
    case Sym::TextToken:
        AddPreToken(r_.Token);
        Next();
        break;
    case Sym::LineEnd:
    case Sym::BR:
        // The line is kept even when empty; a BR takes the line end after it.
        if (!section_) NewSection();
        FinishSection();
        NewSection();
        pre.line_kept = true;
        if (s == Sym::BR) PreSwallowLineEnd();
        Next();
        break;
    case Sym::P:
    case Sym::PEnd:
    case Sym::Form:
    case Sym::FormEnd:
        PreBlockTag(pre, s);
        break;
    case Sym::FontEnd:
        // Only a FONT opened inside the preformatted text ends here.
        if (props_.FindTag("font") >= pre.depth) PopProperties("font");
        FontFollows();
        Next();
        break;
    default:
        if (in(kPreInline, s)) {
            if (!section_) NewSection();
            DoInline(SymSet());
        } else {
            Next(); // anything else is left out
        }
        break;
    }
}

// PRE: read line by line into preformatted sections in a block of its own.
// Paragraphs and forms inside open blocks of their own.
void Builder::DoPre() {
    FinishSection();
    TAttributeList attrs;
    copy_attributes(r_.Attributes, attrs);
    PushProperties("pre", &attrs);
    PreState pre;
    pre.depth = props_.Count();
    pre.enclosing_form = form_;
    TCellBasic* const saved = cell_;
    const bool saved_in_pre = in_pre_;
    ++depth_;
    OpenBlock(&attrs);
    in_pre_ = true;
    r_.Preformatted = true;
    NewSection();

    struct Leave {
        Builder& b;
        bool saved;
        ~Leave() {
            b.in_pre_ = saved;
            b.r_.Preformatted = saved;
        }
    } leave{*this, saved_in_pre};

    Next();
    while (sy() != Sym::EndOfDocument && sy() != Sym::PreEnd && sy() != Sym::TDEnd && sy() != Sym::THEnd) {
        const long long before = tokens_;
        PreStep(pre);
        if (tokens_ == before) Next();
    }
    // The last line stays, empty or not, unless a block inside ended just before.
    if (pre.line_kept) {
        if (!section_) NewSection();
        FinishSection();
    }
    PreCloseForm(pre);
    FinishPreLine();
    PopTo(pre.depth);
    in_pre_ = saved_in_pre;
    r_.Preformatted = saved_in_pre;
    PopProperties("pre");
    FontFollows();
    --depth_;
    cell_ = saved;
    if (sy() == Sym::PreEnd) Next();
}

// PAGE: the printed page ends here.
void Builder::DoPage() {
    FinishSection();
    cell_->AddSection(std::make_unique<TPage>(&doc_));
    Next();
}

// A plain-text document: each line a preformatted section, nothing in it
// read as markup.
void Builder::ReadText(const std::string& text) {
    // The base set exists before the reader looks for a UTF-8 signature.
    StartDocument();
    r_.StartReading(text, this, nullptr, true);
    struct Done {
        Builder& b;
        ~Done() {
            b.FinishSection(); // the last line is kept even when empty
            b.props_.Clear();
            b.r_.Finish();
        }
    } done{*this};
    PushProperties("pre", nullptr);
    in_pre_ = true;
    NewSection();
    TCharCollection line;
    auto hand_over = [&] {
        if (line.Size() == 0) return;
        TokenObj t;
        t.AddString(line, CodePage());
        line.Clear();
        AddPreToken(t);
    };
    for (r_.NextChar(); r_.LCh != 0; r_.NextChar()) {
        if (r_.LCh == '\r') {
            hand_over();
            FinishSection();
            NewSection();
            continue;
        }
        char c = r_.LCh;
        if (c == ' ' && r_.CurrentIsTab())
            c = '\t';
        else if (static_cast<unsigned char>(c) < 9)
            c = '?'; // control bytes are no object characters
        line.Add(c, r_.SourcePos);
    }
    hand_over();
    in_pre_ = false;
}

// ------------------------------------------------------- scripts and head

void Builder::DoScript() {
    if (!h_.OnScript) {
        Next();
        while (sy() != Sym::EndOfDocument && sy() != Sym::ScriptEnd) Next();
        if (sy() == Sym::ScriptEnd) Next();
        return;
    }
    const TAttribute* lang = r_.Attributes.Find(Sym::Language);
    const TAttribute* name = r_.Attributes.Find(Sym::Name);
    const std::string language = lang ? lang->ValueText : std::string();
    const std::string script_name = name ? name->ValueText : std::string();
    // The text up to "</script", read raw, lines ended by CR LF.
    std::string text;
    static constexpr std::string_view kEnd = "</script";
    for (char c = r_.ReadRawChar(); c != 0; c = r_.ReadRawChar()) {
        if (c == '\r')
            text += "\r\n";
        else
            text += c;
        if (text.size() >= kEnd.size() && SameText(std::string_view(text).substr(text.size() - kEnd.size()), kEnd)) {
            text.resize(text.size() - kEnd.size());
            while (r_.LCh != 0 && r_.LCh != '>') r_.ReadRawChar();
            break;
        }
    }
    h_.OnScript(script_name, language, text);
    r_.NextChar();
    Next();
}

void Builder::DoTitle() {
    Next();
    WideString title;
    while (sy() == Sym::TextToken) {
        title += r_.Token.S();
        Next();
    }
    r_.Title = WideToUtf8(title);
}

void Builder::DoHead() {
    TAttributeList& attrs = r_.Attributes;
    auto value = [&](Sym s) {
        const TAttribute* a = attrs.Find(s);
        return a ? a->ValueText : std::string();
    };
    switch (sy()) {
    case Sym::Base:
        r_.Base = value(Sym::Href);
        r_.BaseTarget = value(Sym::Target);
        break;
    case Sym::Meta: {
        const std::string http = value(Sym::HttpEquiv);
        const std::string name = value(Sym::Name);
        const std::string content = value(Sym::Content);
        if (SameText(http, "content-type")) {
            if (const int cs = r_.LookupMetaCharset(content); cs >= 0)
                Top().SetCharset(cs);
            else if (LowerCase(content).find("utf-8") != std::string::npos)
                Top().SetUTF8();
        }
        if (h_.OnMeta) h_.OnMeta(http, name, content);
        break;
    }
    case Sym::Link:
        DoLinkSheet();
        break;
    case Sym::Style:
        DoStyle();
        return;
    case Sym::BgSound:
        if (h_.OnSoundRequest && attrs.Find(Sym::Src)) {
            const TAttribute* loop = attrs.Find(Sym::Loop);
            h_.OnSoundRequest(value(Sym::Src), loop ? loop->ValueNumber : 1, false);
        }
        break;
    default:
        break;
    }
    Next();
}

void Builder::DoLinkSheet() {
    TAttributeList& attrs = r_.Attributes;
    const TAttribute* href = attrs.Find(Sym::Href);
    const TAttribute* rel = attrs.Find(Sym::Rel);
    const TAttribute* rev = attrs.Find(Sym::Rev);
    const std::string url = href ? href->ValueText : std::string();
    if (rel && SameText(rel->ValueText, "stylesheet") && !url.empty()) {
        try {
            std::string sheet;
            std::string base;
            bool got = false;
            if (h_.OnStreamRequest) {
                std::string name = url;
                if (h_.OnNameExpand) h_.OnNameExpand(url, name);
                base = BaseOfUrl(name);
                got = h_.OnStreamRequest(name, sheet);
            }
            if (!got) {
                const std::string file = doc_.Viewer ? doc_.Viewer->ExpandDocumentPath(url) : url;
                TMemoryStream s;
                if (s.LoadFromFile(file)) {
                    sheet = s.Bytes();
                    got = true;
                    std::string folder = file;
                    for (char& c : folder)
                        if (c == '\\') c = '/';
                    const size_t slash = folder.rfind('/');
                    base = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
                }
            }
            if (got && !sheet.empty()) ParseStyleText(doc_.Styles, sheet, base);
        } catch (const std::exception&) {
            // A sheet that cannot be read is left out.
        }
    }
    if (h_.OnLink) h_.OnLink(rel ? rel->ValueText : std::string(), rev ? rev->ValueText : std::string(), url);
}

// The STYLE element's sheet, read from the page's character reader.
void Builder::DoStyle() {
    class PageSource : public StyleSource {
      public:
        explicit PageSource(HtmlReader& r) : r_(r) {}
        char Next() override { return r_.ReadRawChar(); }
        char Peek() override { return r_.PeekRawChar(); }

      private:
        HtmlReader& r_;
    };
    PageSource source(r_);
    char ch = r_.UCh;
    ParseStyleSheet(doc_.Styles, ch, source, "");
    // A comment sequence inside the sheet stops the parser; the sheet goes on after it.
    while (ch == '<' && r_.PeekRawChar() == '!') ParseStyleSheet(doc_.Styles, ch, source, "");
    // The "<" that stopped the sheet starts the next tag.
    Next();
    if (sy() == Sym::StyleEnd) Next();
}

} // namespace

void ReadHtmlDocument(const std::string& text, TSectionList& doc, const TReadHandlers& handlers,
                      TReadResult& result) {
    Builder builder(doc, handlers);
    builder.Read(text, result);
}

void ReadTextDocument(const std::string& text, TSectionList& doc) {
    const TReadHandlers none;
    Builder builder(doc, none);
    builder.ReadText(text);
}

} // namespace htmlview
