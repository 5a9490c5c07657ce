#include "htmlview/text_section.h"

#include <QChar>
#include <algorithm>
#include <climits>

#include "htmlview/ascii.h"
#include "htmlview/borders.h"
#include "htmlview/document.h"
#include "htmlview/style_model.h"

namespace htmlview {

namespace {

bool is_high(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool is_low(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}
bool is_object(char16_t c) {
    return c == kControlChar || c == kImageChar || c == kBreakChar;
}
bool is_object24(char16_t c) {
    return c == kControlChar || c == kImageChar;
}

// Advance of the character at `i` (a surrogate pair counts at its first
// unit, the second gets 0).
int unit_width(const ui::FontFace& face, WideView text, size_t i) {
    const char16_t u = text[i];
    if (is_high(u) && i + 1 < text.size() && is_low(text[i + 1])) return face.char_width(QChar::surrogateToUcs4(u, text[i + 1]));
    if (is_low(u) && i > 0 && is_high(text[i - 1])) return 0;
    return face.char_width(u);
}

// Pixels the k-th widened space of a justified line gets (as the canvas
// spreads them).
int justify_share(const LineRec& line, int k) {
    if (k >= line.Spaces) return 0;
    const long long e = line.Extra;
    return static_cast<int>(e * (k + 1) / line.Spaces - e * k / line.Spaces);
}

bool justified(const LineRec* line) {
    return line && line->Spaces > 0 && line->Extra > 0;
}

// The characters a justified line widens: spaces and no-break spaces.
bool justify_space(char16_t c) {
    return c == u' ' || c == 0x00A0;
}

} // namespace

// ------------------------------------------------------------- construction

TSection::TSection(TSectionList* doc, TAttributeList* attrs, TProperties& props, const TUrlTarget* link,
                   TCellBasic* cell, bool first_item)
    : TSectionBase(doc) {
    (void)cell;
    TFontObj* run = Fonts.Add(std::make_unique<TFontObj>(this, props.GetFont(), 0));
    run->RunTitle = props.ElemTitle;
    if (link && !link->Url.empty()) LinkRun(run, *link, props);
    max_char_width_ = run->tmMaxCharWidth;

    LineSpacing = bound_length(props.GetLineHeight(run->tmHeight));
    if (first_item) {
        bool percent = false;
        const int indent = props.GetTextIndent(percent);
        if (percent)
            FLPercent = std::clamp(indent, 0, 90);
        else
            FirstLineIndent = bound_length(indent);
    }
    if (attrs) {
        if (const TAttribute* a = attrs->Find(Sym::Clear)) {
            const std::string v = LowerCase(a->ValueText);
            ClearAttr = v == "left" ? 1 : v == "right" ? 2 : 3;
        }
        if (const std::string id = attrs->TheID(); !id.empty() && doc) {
            doc->IDNameList.AddObject(id, this);
            HasID = true;
        }
    }
    int clear = 0;
    if (props.GetClear(clear)) ClearAttr = clear;
    const std::string& align = AsString(props.Props[TextAlign]);
    Justify = align == "right" ? 3 : align == "center" ? 2 : align == "justify" ? 4 : 1;
}

TSection::TSection(TSectionList* doc, const TSection& source) : TSectionBase(doc) {
    CopyBase(source);
    Text = source.Text;
    Brk = source.Brk;
    for (const auto& run : source.Fonts) Fonts.Add(std::make_unique<TFontObj>(this, *run));
    for (const auto& obj : source.Images)
        if (doc) Images.Add(obj->Copy(*doc));
    FormControls = source.FormControls;
    Justify = source.Justify;
    ClearAttr = source.ClearAttr;
    LineSpacing = source.LineSpacing;
    FirstLineIndent = source.FirstLineIndent;
    FLPercent = source.FLPercent;
    AnchorName = source.AnchorName;
    HasControls = source.HasControls;
    Preformatted = source.Preformatted;
    SectionNumber = source.SectionNumber;
    object_chars_ = source.object_chars_;
    break_chars_ = source.break_chars_;
    max_char_width_ = source.max_char_width_;
    finished_ = true;
}

TSection::~TSection() = default;

std::unique_ptr<TSectionBase> TSection::Clone(TSectionList* doc) const {
    return std::unique_ptr<TSectionBase>(new TSection(doc, *this));
}

void TSection::LinkRun(TFontObj* run, const TUrlTarget& link, TProperties& props) {
    run->UrlTarget = link;
    if (props.LinkFonts) run->SetLinkFonts(*props.LinkFonts);
    if (!Document) return;
    Document->AddLink(run);
    if (!Document->StopTab) run->CreateTabControl(link.TabIndex);
}

// A run for the set's font at the current length. A change on a run's own
// start replaces that run's font; `keep_link` keeps the run in its link.
TFontObj* TSection::NewRun(TProperties& props, bool keep_link) {
    const int len = TextLength();
    TFontObj* last = Fonts.Last();
    TFontObj* run;
    if (last && last->Pos == len) {
        if (last->IsLink() && !keep_link) {
            if (Document) Document->LinkGone(last);
            last->FIArray.reset();
            last->UrlTarget.Clear();
            last->WasVisited = last->Hovered = last->Focused = false;
        }
        last->ReplaceFont(props.GetFont());
        run = last;
    } else {
        run = Fonts.Add(std::make_unique<TFontObj>(this, props.GetFont(), len));
        if (keep_link && last && last->IsLink()) {
            run->UrlTarget = last->UrlTarget;
            run->FIArray = std::make_unique<TFontInfoArray>(*last->FIArray);
            if (Document) Document->AddLink(run);
        }
    }
    run->RunTitle = props.ElemTitle;
    int align = 0;
    run->SScript = props.GetVertAlign(align) && (align == ASub || align == ASuper) ? align : 0;
    return run;
}

void TSection::ChangeFont(TProperties& props) {
    const TFontObj* last = Fonts.Last();
    // Inside a link the run stays a link run with the set's link fonts.
    const bool in_link = last && last->IsLink() && props.LinkFontsSet && props.LinkFonts;
    TFontObj* run = NewRun(props, in_link);
    if (in_link) run->SetLinkFonts(*props.LinkFonts);
    max_char_width_ = std::max(max_char_width_, run->tmMaxCharWidth);
}

void TSection::HRef(bool start, const TUrlTarget& link, TProperties& props) {
    TFontObj* run = NewRun(props, false);
    if (start && !link.Url.empty()) LinkRun(run, link, props);
    max_char_width_ = std::max(max_char_width_, run->tmMaxCharWidth);
}

void TSection::AddOpBrk() {
    if (!Brk.empty() && Brk.back() == 'n') Brk.back() = 'w';
}

TFloatingObj* TSection::AddImage(std::unique_ptr<TFloatingObj> obj, int index) {
    if (!obj || finished_) return nullptr;
    obj->CharPos = TextLength();
    TFloatingObj* o = Images.Add(std::move(obj));
    TokenObj t;
    t.AddUnicodeChar(kImageChar, index);
    AddTokenObj(t);
    return o;
}

void TSection::AddControl(TFormControlObj* control, int index, bool keep_with_previous) {
    if (!control || finished_) return;
    control->Pos = TextLength();
    FormControls.push_back(control);
    HasControls = true;
    TokenObj t;
    t.AddUnicodeChar(kControlChar, index);
    AddTokenObj(t);
    if (keep_with_previous && Brk.size() >= 2) Brk[Brk.size() - 2] = Brk.back() = 'n';
}

void TSection::AddChar(char16_t c, int index) {
    TokenObj t;
    t.AddUnicodeChar(c, index);
    AddTokenObj(t);
}

void TSection::AddTokenObj(const TokenObj& token, TProperties* props, bool no_break) {
    if (finished_ || token.Leng() == 0) return;
    const int base = TextLength();
    const int transform = props ? props->GetTextTransform() : 0;
    const bool small_caps = props && props->GetFontVariant() == "small-caps";
    WideString chars(token.C);
    if (transform == 1 || small_caps)
        chars = WideUpperCase(chars);
    else if (transform == 2)
        chars = WideLowerCase(chars);
    Text += chars;
    SourcePositions.insert(SourcePositions.end(), token.I.begin(), token.I.end());
    Brk.append(chars.size(), no_break || Preformatted ? 'n' : 'y');
    if (!small_caps) return;

    // Each run of lower-case letters gets the "small" size; spaces and
    // digits neither start nor end such a run.
    const ThtFontInfo normal = props->GetFontInfo();
    ThtFontInfo small = normal;
    small.Points = FontSizeToPoints("small", normal.Points);
    const WideString upper = WideUpperCase(token.C);
    bool in_small = false;
    auto switch_font = [&](int pos, const ThtFontInfo& info) {
        TFontObj* last = Fonts.Last();
        TFontObj* run = last;
        if (last->Pos != pos) {
            run = Fonts.Add(std::make_unique<TFontObj>(this, FontFromInfo(info), pos));
            run->RunTitle = last->RunTitle;
            run->SScript = last->SScript;
            if (last->IsLink()) {
                run->UrlTarget = last->UrlTarget;
                run->FIArray = std::make_unique<TFontInfoArray>(*last->FIArray);
                if (Document) Document->AddLink(run);
            }
        }
        // A link run keeps its link's looks in the new size.
        if (run->IsLink()) {
            TFontInfoArray fonts = *run->FIArray;
            for (ThtFontInfo& f : fonts.Ar) f.Points = info.Points;
            run->SetLinkFonts(fonts);
        } else {
            run->ReplaceFont(FontFromInfo(info));
        }
        max_char_width_ = std::max(max_char_width_, run->tmMaxCharWidth);
    };
    for (int k = 0; k < token.Leng(); ++k) {
        const char16_t c = token.C[static_cast<size_t>(k)];
        if (c == u' ' || (c >= u'0' && c <= u'9')) continue;
        const bool lower = upper[static_cast<size_t>(k)] != c;
        if (lower != in_small) {
            switch_font(base + k, lower ? small : normal);
            in_small = lower;
        }
    }
    if (in_small) switch_font(TextLength(), normal);
}

// ---------------------------------------------------------------- finishing

void TSection::Compact(const std::vector<bool>& gone) {
    if (std::find(gone.begin(), gone.end(), true) == gone.end()) return;
    const int len = TextLength();
    std::vector<int> before(static_cast<size_t>(len) + 1, 0); // removed characters before i
    WideString text;
    std::string brk;
    std::vector<int> sources;
    text.reserve(static_cast<size_t>(len));
    for (int i = 0; i < len; ++i) {
        const size_t k = static_cast<size_t>(i);
        before[k + 1] = before[k] + (gone[k] ? 1 : 0);
        if (gone[k]) continue;
        text += Text[k];
        brk += Brk[k];
        sources.push_back(SourcePositions[k]);
    }
    auto moved = [&](int p) { return p - before[static_cast<size_t>(std::clamp(p, 0, len))]; };
    for (const auto& run : Fonts) run->Pos = moved(run->Pos);
    for (const auto& obj : Images) obj->CharPos = moved(obj->CharPos);
    for (TFormControlObj* c : FormControls) c->Pos = moved(c->Pos);
    Text = std::move(text);
    Brk = std::move(brk);
    SourcePositions = std::move(sources);
}

void TSection::Finish() {
    if (finished_) return;
    finished_ = true;
    auto pass = [this](auto decide) {
        const int len = TextLength();
        std::vector<bool> gone(static_cast<size_t>(len), false);
        decide(gone);
        Compact(gone);
    };
    auto at = [this](int i) { return Text[static_cast<size_t>(i)]; };
    // Leading spaces.
    pass([&](std::vector<bool>& gone) {
        for (int i = 0; i < TextLength() && at(i) == u' '; ++i) gone[static_cast<size_t>(i)] = true;
    });
    // Of adjacent spaces one stays: the first not flagged "n", else the last.
    pass([&](std::vector<bool>& gone) {
        const int len = TextLength();
        for (int i = 0; i < len;) {
            if (at(i) != u' ') {
                ++i;
                continue;
            }
            int j = i;
            while (j < len && at(j) == u' ') ++j;
            int keep = j - 1;
            for (int k = i; k < j; ++k)
                if (BreakAllowed(k)) {
                    keep = k;
                    break;
                }
            for (int k = i; k < j; ++k) gone[static_cast<size_t>(k)] = k != keep;
            i = j;
        }
    });
    // A space after a floating picture.
    pass([&](std::vector<bool>& gone) {
        for (int i = TextLength() - 1; i >= 1; --i)
            if (at(i) == u' ' && at(i - 1) == kImageChar)
                if (const TFloatingObj* obj = Images.FindObject(i - 1); obj && obj->Floats())
                    gone[static_cast<size_t>(i)] = true;
    });
    // Spaces around forced breaks.
    pass([&](std::vector<bool>& gone) {
        for (int i = 0; i + 1 < TextLength(); ++i)
            if (at(i) == u' ' && at(i + 1) == kBreakChar) gone[static_cast<size_t>(i)] = true;
    });
    pass([&](std::vector<bool>& gone) {
        for (int i = 1; i < TextLength(); ++i)
            if (at(i) == u' ' && at(i - 1) == kBreakChar) gone[static_cast<size_t>(i)] = true;
    });
    // A trailing space, then a trailing break unless it is all there is.
    pass([&](std::vector<bool>& gone) {
        const int len = TextLength();
        if (len > 0 && at(len - 1) == u' ') gone[static_cast<size_t>(len - 1)] = true;
    });
    pass([&](std::vector<bool>& gone) {
        const int len = TextLength();
        if (len > 1 && at(len - 1) == kBreakChar) gone[static_cast<size_t>(len - 1)] = true;
    });
    CloseForLayout();
}

void TSection::CloseForLayout() {
    finished_ = true;
    Fonts.DropEmptyRuns(TextLength());
    Brk += 'y';
    SIndexList.clear();
    for (size_t i = 0; i < SourcePositions.size(); ++i)
        if (i == 0 || SourcePositions[i] != SourcePositions[i - 1] + 1)
            SIndexList.push_back({static_cast<int>(i), SourcePositions[i]});
    SourcePositions = std::vector<int>();
    object_chars_.clear();
    break_chars_.clear();
    for (int i = 0; i < TextLength(); ++i) {
        if (is_object(Text[static_cast<size_t>(i)])) object_chars_.push_back(i);
        if (Text[static_cast<size_t>(i)] == kBreakChar) break_chars_.push_back(i);
    }
    max_char_width_ = 0;
    for (const auto& run : Fonts) max_char_width_ = std::max(max_char_width_, run->tmMaxCharWidth);
    if (!Text.empty() && Document) SectionNumber = ++Document->SectionCount;
}

// ---------------------------------------------------------------- measuring

int TSection::NextObjectChar(int i) const {
    const auto it = std::lower_bound(object_chars_.begin(), object_chars_.end(), i);
    return it == object_chars_.end() ? TextLength() : *it;
}

int TSection::TextRun(int i, int limit) const {
    int n = std::min(Fonts.GetFontCountAt(i, TextLength()), limit);
    return std::min(n, NextObjectChar(i) - i);
}

TFormControlObj* TSection::ControlAt(int pos) const {
    for (TFormControlObj* c : FormControls)
        if (c->Pos == pos) return c;
    return nullptr;
}

bool TSection::WrapChar(int i) const {
    const char16_t c = Text[static_cast<size_t>(i)];
    if (c < 0x3000) return false;
    // The first unit of a surrogate pair is no place to break.
    return !(is_high(c) && i + 1 < TextLength() && is_low(Text[static_cast<size_t>(i + 1)]));
}

int TSection::PieceWidth(int start, int count, int overhang) const {
    long long w = 0;
    const int end = std::min(start + count, TextLength());
    for (int i = start; i < end;) {
        const char16_t c = Text[static_cast<size_t>(i)];
        if (c == kImageChar) {
            if (const TFloatingObj* obj = Images.FindObject(i); obj && !obj->Floats())
                w += obj->OuterWidth();
            ++i;
        } else if (c == kControlChar) {
            if (const TFormControlObj* ctl = ControlAt(i)) w += ctl->OuterWidth();
            ++i;
        } else if (c == kBreakChar) {
            ++i;
        } else {
            const int n = std::max(1, TextRun(i, end - i));
            const TFontObj* run = Fonts.GetFontObjAt(i);
            w += run->TheFont.Face->text_width(WideView(Text).substr(static_cast<size_t>(i), static_cast<size_t>(n)));
            w += static_cast<long long>(overhang) * run->Overhang;
            i += n;
        }
    }
    return to_position(w);
}

int TSection::LineTextWidth(int start, int count) const {
    while (count > 0) {
        const char16_t c = Text[static_cast<size_t>(start + count - 1)];
        if (c != u' ' && c != kBreakChar) break;
        --count;
    }
    return PieceWidth(start, count, 1);
}

int TSection::XInLine(const LineRec& line, int count) const {
    int x = PieceWidth(line.Start, count, 0);
    if (justified(&line)) {
        int k = 0;
        for (int i = line.Start; i < line.Start + count; ++i)
            if (justify_space(Text[static_cast<size_t>(i)])) x += justify_share(line, k++);
    }
    return x;
}

// The walk both counts share: characters from `start` up to `end` that fit
// into `width`, with the line's justification when a line is given. A picture
// that floats goes to `on_float(obj, count)`: kFloatTakesNoRoom counts it as
// taking no room, kFloatCounted counts it without a width check, and any other
// answer ends the walk with that count.
namespace {
constexpr int kFloatTakesNoRoom = -1;
constexpr int kFloatCounted = -2;
} // namespace

template <class OnFloat>
int TSection::CountThatFits(int width, int start, int end, const LineRec* line, OnFloat on_float) {
    int count = 0;
    long long w = 0;
    int space_k = 0;
    if (justified(line))
        for (int i = line->Start; i < start; ++i)
            if (justify_space(Text[static_cast<size_t>(i)])) ++space_k;
    for (int i = start; i < end;) {
        const char16_t ch = Text[static_cast<size_t>(i)];
        if (ch == kImageChar || ch == kControlChar || ch == kBreakChar) {
            int add = 0;
            if (ch == kImageChar) {
                TFloatingObj* obj = Images.FindObject(i);
                if (obj && obj->Floats()) {
                    const int r = on_float(*obj, count);
                    if (r == kFloatCounted) {
                        ++count;
                        ++i;
                        continue;
                    }
                    if (r != kFloatTakesNoRoom) return r;
                } else if (obj) {
                    add = obj->OuterWidth();
                }
            } else if (ch == kControlChar) {
                if (const TFormControlObj* ctl = ControlAt(i)) add = ctl->OuterWidth();
            }
            if (w + add > width) break;
            w += add;
            ++count;
            ++i;
            continue;
        }
        const int n = std::max(1, TextRun(i, end - i));
        const ui::FontFace& face = *Fonts.GetFontObjAt(i)->TheFont.Face;
        const WideView piece = WideView(Text).substr(static_cast<size_t>(i), static_cast<size_t>(n));
        int fitted = 0;
        if (justified(line)) {
            while (fitted < n) {
                int step = is_high(piece[static_cast<size_t>(fitted)]) && fitted + 1 < n ? 2 : 1;
                int a = unit_width(face, piece, static_cast<size_t>(fitted));
                if (justify_space(piece[static_cast<size_t>(fitted)])) a += justify_share(*line, space_k);
                if (w + a > width) break;
                if (justify_space(piece[static_cast<size_t>(fitted)])) ++space_k;
                w += a;
                fitted += step;
            }
        } else {
            int extent = 0;
            fitted = face.fit(piece, static_cast<int>(std::min<long long>(INT_MAX, width - w)), &extent);
            w += extent;
        }
        count += fitted;
        if (fitted < n) break;
        i += n;
    }
    return count;
}

int TSection::FindCountThatFits(const ui::HtmlCanvas& canvas, int width, int start, int max,
                                const LineRec* line) {
    FitCache& c = fit_cache_;
    const bool cached = !justified(line);
    if (cached && c.canvas == &canvas && c.generation == fit_generation_ && c.start == start && c.width == width &&
        c.max == max)
        return c.result;
    const int end = std::min(start + max, TextLength());
    const int count =
        CountThatFits(width, start, end, line, [](TFloatingObj&, int) { return kFloatTakesNoRoom; });
    if (cached) c = {&canvas, start, width, max, count, fit_generation_};
    return count;
}

int TSection::FindLayoutCount(int width, int start, int max, int y, IndentManager& indents,
                              std::vector<TFloatingObj*>& pending, bool& float_line) {
    float_line = false;
    if (Text[static_cast<size_t>(start)] == kBreakChar) return 1;
    // Up to the next forced break.
    const auto brk = std::lower_bound(break_chars_.begin(), break_chars_.end(), start);
    if (brk != break_chars_.end() && *brk < start + max) max = *brk - start;
    if (Images.Empty() && FormControls.empty() &&
        static_cast<long long>(max_char_width_) * max <= static_cast<long long>(width))
        return max;
    return CountThatFits(width, start, start + max, nullptr, [&](TFloatingObj& obj, int count) {
        if (count > 0) {
            pending.push_back(&obj);
            return kFloatCounted;
        }
        // First on the line: placed now, narrowing the line.
        if (obj.OuterWidth() > width && indents.GetNextWiderY(y) > y) return 0;
        indents.UpdateForImage(y, obj);
        float_line = true;
        return 1;
    });
}

int TSection::ClearSpace(const IndentManager& indents, int y) const {
    return indents.ClearDrop(ClearAttr, y);
}

// The end of the word that holds `from`: after a "-" or "?", or before a
// control, picture, break, space or wide character, where the next character
// may be broken at; the end of the text otherwise.
int TSection::WordEnd(int from) const {
    const int len = TextLength();
    for (int q = from; q < len; ++q) {
        const char16_t c = Text[static_cast<size_t>(q)];
        if ((c == u'-' || c == u'?') && (q + 1 >= len || BreakAllowed(q + 1))) return q + 1;
        if (q + 1 < len) {
            const char16_t next = Text[static_cast<size_t>(q + 1)];
            if ((is_object(next) || next == u' ' || WrapChar(q + 1)) && BreakAllowed(q + 1)) return q + 1;
        }
    }
    return len;
}

// ------------------------------------------------------------------- layout

// The widths of the section's pictures and controls for the available
// width; the widest of them and the room at the top is the section's
// maximum width.
int TSection::LayoutObjects(ui::HtmlCanvas& canvas, int y, int awidth, const IndentManager& indents) {
    TSectionList* doc = Document;
    int max_width = std::min(indents.RightSide(y) - indents.LeftIndent(y), awidth);
    for (const auto& obj : Images) {
        if (doc) obj->LayoutObject(*doc, canvas, awidth, Fonts.GetFontObjAt(obj->CharPos));
        max_width = std::max(max_width, obj->OuterWidth());
    }
    for (TFormControlObj* ctl : FormControls) {
        // A print copy shares the page's controls: their size stays the screen's.
        if (ctl->PercentWidth && !(doc && doc->IsCopy)) ctl->ResizeToPercent(awidth - ctl->HSpaceL - ctl->HSpaceR);
        max_width = std::max(max_width, ctl->OuterWidth());
    }
    return max_width;
}

// The characters of the line from `pstart` when `n` of them fit: up to the
// last break opportunity, or the first word alone when none fits anywhere
// lower. 0 when nothing fits here but a wider space lies lower.
int TSection::LineBreakCount(int pstart, int n, bool float_line, int ly, const IndentManager& indents,
                             bool& long_word) const {
    const int remaining = TextLength() - pstart;
    long_word = false;
    if (n == 0) {
        if (indents.GetNextWiderY(ly) > ly) return 0;
        // Nothing fits anywhere lower: the first word makes the line.
        long_word = true;
        return WordEnd(pstart) - pstart;
    }
    if (float_line || n >= remaining) return n; // a float alone, or the rest of the text
    if (Text[static_cast<size_t>(pstart + n)] == kBreakChar) return n + 1; // the break ends the line
    const int p = pstart + n - 1;
    const char16_t cp = Text[static_cast<size_t>(p)];
    const char16_t next = Text[static_cast<size_t>(p + 1)];
    if (((is_object24(cp) || cp == u' ') && BreakAllowed(p)) || cp == kBreakChar || WrapChar(p)) return n;
    if ((next == u' ' || is_object24(next)) && BreakAllowed(p)) return n;
    for (int q = p; q >= pstart; --q) {
        const char16_t c = Text[static_cast<size_t>(q)];
        if ((is_object24(c) || c == u' ' || c == u'-' || c == u'?' || WrapChar(q) || Brk[static_cast<size_t>(q)] == 'w') &&
            BreakAllowed(q))
            return q + 1 - pstart;
    }
    if (indents.GetNextWiderY(ly) > ly) return 0;
    long_word = true;
    return WordEnd(p) - pstart;
}

// The line's count with the spaces after its break (and a break after a
// long word), never ending between the halves of a pair.
int TSection::LineWithTrailing(int pstart, int n, bool long_word, bool float_line) const {
    const int len = TextLength();
    int e = pstart + n;
    while (e < len && Text[static_cast<size_t>(e)] == u' ') ++e;
    if (long_word && e < len && Text[static_cast<size_t>(e)] == kBreakChar) ++e;
    if (e > pstart + n && (Text[static_cast<size_t>(pstart + n - 1)] == kBreakChar || float_line)) e = pstart + n;
    n = e - pstart;
    if (n < len - pstart && is_low(Text[static_cast<size_t>(pstart + n)]) && is_high(Text[static_cast<size_t>(pstart + n - 1)]))
        ++n;
    return n;
}

// Text height and descent of the line from its fonts, and the spaces the
// line spacing adds above and below.
TSection::LineMetrics TSection::TextMetrics(int pstart, int n) const {
    const int len = TextLength();
    LineMetrics m;
    for (int i = pstart; i < pstart + n;) {
        const int run_len = std::max(1, Fonts.GetFontCountAt(i, len));
        const int stop = std::min(pstart + n, i + run_len);
        bool text_here = false;
        for (int k = i; k < stop && !text_here; ++k) text_here = !is_object(Text[static_cast<size_t>(k)]);
        if (text_here) {
            const TFontObj* run = Fonts.GetFontObjAt(i);
            m.lht = std::max(m.lht, run->tmHeight);
            m.desc = std::max(m.desc, run->Descent);
            m.any_text = true;
        }
        i = stop;
    }
    if (!m.any_text && n == 1 && Text[static_cast<size_t>(pstart)] == kBreakChar) {
        const TFontObj* run = Fonts.GetFontObjAt(pstart);
        m.lht = run->tmHeight;
        m.desc = run->Descent;
    }
    if (LineSpacing >= 0) {
        const int d = LineSpacing - m.lht;
        m.sb = d / 2;
        m.sa = d - m.sb;
    }
    return m;
}

// The pictures and controls of the line widen its spaces above and below
// by their alignment, and learn the line's y; so do its link runs.
void TSection::ObjectSpaces(int pstart, int n, int ly, bool printing, LineMetrics& m) {
    for (int i = pstart; i < pstart + n; ++i) {
        const char16_t c = Text[static_cast<size_t>(i)];
        if (c == kImageChar) {
            TFloatingObj* obj = Images.FindObject(i);
            if (!obj || obj->Floats()) continue;
            obj->PlacedY = ly;
            const int h = to_position(int64_t{obj->BoxHeight} + obj->VSpaceT + obj->VSpaceB);
            switch (obj->Placement) {
            case ATop:
                m.sa = std::max(m.sa, h - m.lht);
                break;
            case AMiddle: {
                if (m.lht == 0) {
                    const TFontObj* run = Fonts.GetFontObjAt(i);
                    m.lht = run->tmHeight;
                    m.desc = run->Descent;
                }
                const int half = (h - m.lht) / 2;
                m.sa = std::max(m.sa, half);
                m.sb = std::max(m.sb, h - m.lht - half);
                break;
            }
            default:
                m.sb = std::max(m.sb, h - (m.lht - m.desc));
                break;
            }
        } else if (c == kControlChar && !printing) {
            TFormControlObj* ctl = ControlAt(i);
            if (!ctl) continue;
            ctl->YValue = ly;
            const int h = to_position(int64_t{ctl->Height()} + ctl->VSpaceT + ctl->VSpaceB);
            switch (ctl->VertAlign) {
            case ATop:
                m.sa = std::max(m.sa, h - m.lht);
                break;
            case AMiddle: {
                const int half = (h - m.lht) / 2;
                m.sa = std::max(m.sa, half);
                m.sb = std::max(m.sb, h - half);
                break;
            }
            case ABaseline:
                m.sb = std::max(m.sb, h - (m.lht - m.desc));
                break;
            default:
                m.sb = std::max(m.sb, h - m.lht);
                break;
            }
        }
    }
    if (!printing)
        for (int i = pstart; i < pstart + n;) {
            TFontObj* run = Fonts.GetFontObjAt(i);
            if (run->IsLink()) run->TabOwner()->YValue = ly;
            i += std::max(1, Fonts.GetFontCountAt(i, TextLength()));
        }
}

// The line's indent by the section's alignment between the edges `lf` and
// `rt`, and for full justification the pixels its spaces widen by.
void TSection::AlignLine(LineRec& line, int lf, int rt, int tw, bool last_line) const {
    switch (Justify) {
    case 2:
        line.LineIndent = (lf + rt - tw) / 2;
        break;
    case 3:
        line.LineIndent = rt - tw;
        break;
    default:
        line.LineIndent = lf;
        break;
    }
    if (Justify != 4 || last_line) return;
    const int pstart = line.Start;
    int last = pstart + line.Ln - 1;
    while (last > pstart && (Text[static_cast<size_t>(last)] == u' ' || Text[static_cast<size_t>(last)] == kBreakChar))
        --last;
    int spaces = 0;
    for (int i = pstart; i < last; ++i)
        if (justify_space(Text[static_cast<size_t>(i)])) ++spaces;
    const int extra = (rt - lf) - tw;
    if (spaces > 0 && extra > 0) {
        line.Spaces = spaces;
        line.Extra = extra;
    }
}

// Heights and bottoms once the lines are made; every fiftieth section
// reports the layout's progress.
void TSection::FinishLayout(int y, int height) {
    TSectionList* doc = Document;
    int float_bottom = 0;
    for (const auto& obj : Images)
        if (obj->Floats())
            float_bottom = std::max(float_bottom, to_position(int64_t{obj->PlacedY} + obj->BoxHeight + obj->VSpaceB));
    PosCount = TextLength();
    FlowHeight = height;
    PaintHeight = std::max(height, to_position(int64_t{float_bottom} - y));
    FlowBottom = to_position(int64_t{y} + height);
    PaintBottom = to_position(int64_t{y} + PaintHeight);
    if (doc && !doc->PrintingNow && !doc->IsCopy && SectionNumber > 0 && SectionNumber % 50 == 0 &&
        progress_layout_ != doc->LayoutCount && doc->SectionCount > 0 && doc->Viewer) {
        progress_layout_ = doc->LayoutCount;
        doc->Viewer->Progress(doc->ProgressStart +
                              static_cast<int>(static_cast<long long>(100 - doc->ProgressStart) * SectionNumber /
                                               doc->SectionCount));
    }
}

int TSection::Layout(ui::HtmlCanvas& canvas, int x, int y, int, int, int awidth, int, IndentManager& indents,
                     int& max_width, int& curs) {
    TSectionList* doc = Document;
    FirstPos = curs;
    SectionTop = ContentTop = PaintTop = y;
    LayoutLeft = x - indents.LfEdge;
    Lines.clear();
    ++fit_generation_;
    const int len = TextLength();
    if (len == 0) {
        const int h = ClearSpace(indents, y);
        FlowHeight = PaintHeight = h;
        FlowBottom = PaintBottom = y + h;
        PosCount = 0;
        max_width = 0;
        return h;
    }
    if (FLPercent != 0) FirstLineIndent = static_cast<int>(static_cast<long long>(FLPercent) * awidth / 100);
    max_width = LayoutObjects(canvas, y, awidth, indents);

    const bool printing = doc && doc->PrintingNow;
    int height = 0;
    auto blank_line = [&](int h) {
        auto line = std::make_unique<LineRec>();
        line->Start = Lines.empty() ? 0 : Lines.back()->Start + Lines.back()->Ln;
        line->SpaceBefore = h;
        line->DrawHeight = h;
        line->DrawY = to_position(int64_t{y} + height);
        line->DrawX = x;
        height = to_position(int64_t{height} + h);
        Lines.push_back(std::move(line));
    };
    if (const int clear = ClearSpace(indents, y); clear > 0) blank_line(clear);

    int pstart = 0;
    bool first_line = true;
    bool baseline_given = doc && doc->FirstLineTarget && *doc->FirstLineTarget != 0;
    std::vector<TFloatingObj*> pending;
    while (pstart < len) {
        const int remaining = len - pstart;
        const int ly = to_position(int64_t{y} + height);
        int lf = indents.LeftIndent(ly) - x;
        int rt = indents.RightSide(ly) - x;
        if (first_line) lf += FirstLineIndent;
        pending.clear();
        bool float_line = false;
        int n = Preformatted ? remaining : FindLayoutCount(rt - lf, pstart, remaining, ly, indents, pending, float_line);
        bool long_word = false;
        n = LineBreakCount(pstart, n, float_line, ly, indents, long_word);
        if (n == 0) {
            blank_line(indents.GetNextWiderY(ly) - ly);
            continue;
        }
        n = LineWithTrailing(pstart, n, long_word, float_line);

        auto line = std::make_unique<LineRec>();
        line->Start = pstart;
        line->Ln = n;
        LineMetrics m = TextMetrics(pstart, n);
        ObjectSpaces(pstart, n, ly, printing, m);

        // Edges after any float placed on the line.
        lf = indents.LeftIndent(ly) - x;
        rt = indents.RightSide(ly) - x;
        if (first_line) lf += FirstLineIndent;
        const int tw = LineTextWidth(pstart, n);
        AlignLine(*line, lf, rt, tw, pstart + n >= len);
        if (long_word) max_width = std::max(max_width, lf + tw);
        line->DrawWidth = rt - lf;
        line->SpaceBefore = m.sb;
        line->SpaceAfter = m.sa;
        line->LineHt = m.lht;
        line->Descent = m.desc;
        line->DrawY = ly;
        line->DrawX = x + line->LineIndent;
        line->HasInlineRuns = doc && doc->InlineList && doc->InlineList->Count() > 0;
        const int lh = to_position(int64_t{m.lht} + m.sb + m.sa);
        int drawn = lh;
        if (float_line)
            if (const TFloatingObj* obj = Images.FindObject(pstart))
                drawn = std::max<int64_t>(drawn, int64_t{obj->PlacedY} + obj->BoxHeight + obj->VSpaceB - ly);
        line->DrawHeight = drawn;
        if (!baseline_given && m.any_text && doc && doc->FirstLineTarget) {
            *doc->FirstLineTarget = to_position(int64_t{ly} + m.sb + m.lht - m.desc);
            baseline_given = true;
        }
        Lines.push_back(std::move(line));
        height = to_position(int64_t{height} + lh);
        for (TFloatingObj* obj : pending)
            if (obj->CharPos < pstart + n) indents.UpdateForImage(to_position(int64_t{y} + height), *obj);
        pstart += n;
        if (m.any_text) first_line = false;
    }
    curs += len;
    FinishLayout(y, height);
    return height;
}

// -------------------------------------------------------------------- paint

int TSection::Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager& indents, int x, int, int) {
    const int result = to_position(int64_t{SectionTop} + FlowHeight);
    TSectionList* doc = Document;
    if (Text.empty() || !doc) return result;
    const int scroll = doc->ScrollY;
    if (SectionTop + PaintHeight - scroll < arect.Top || SectionTop - scroll > arect.Bottom) return result;
    DrawX = x;
    const bool printing = doc->PrintingNow;
    const int page_height = arect.Bottom - arect.Top;
    int y = SectionTop;
    for (size_t k = 0; k < Lines.size(); ++k) {
        LineRec& line = *Lines[k];
        const int h = line.Height();
        if (printing) {
            if (y + h > doc->PageEndY) {
                if (h < page_height && !doc->PageShortened) {
                    if (y < doc->PageEndY) doc->PageEndY = y;
                    break;
                }
            }
        } else if (y + std::max(h, line.DrawHeight) - scroll < arect.Top || y - scroll > arect.Bottom) {
            line.DrawY = y;
            line.DrawX = x + line.LineIndent;
            y = to_position(int64_t{y} + h);
            continue;
        }
        line.DrawY = y;
        line.DrawX = x + line.LineIndent;
        if (line.Ln > 0) DrawLine(canvas, line, x, y - scroll, indents, true, k + 1 == Lines.size());
        // Lines above the page's top (printed on the page before) leave it empty.
        if (printing && y + h - scroll > arect.Top) doc->PageEmpty = false;
        y = to_position(int64_t{y} + h);
    }
    return result;
}

// A picture of the line: a float where layout put it beside the section's
// text, any other on the line by its alignment.
void TSection::DrawLineImage(LinePass& pass, TFloatingObj* obj, TFontObj* run) {
    TSectionList* doc = Document;
    const int scroll = doc->ScrollY;
    if (obj->Floats()) {
        // A section painted elsewhere (a positioned block's) takes it along.
        const int fx = to_position(int64_t{pass.x} + obj->Indent - LayoutLeft + obj->HSpaceL);
        obj->PlacedX = fx;
        if (pass.draw) {
            if (obj->IsPanel())
                obj->Draw(pass.canvas, fx, obj->PlacedY - scroll, run);
            else
                doc->DeferredImages.QueueImage(obj, pass.canvas, fx, obj->PlacedY - scroll, run);
        }
        return;
    }
    const int h = obj->BoxHeight + obj->VSpaceT + obj->VSpaceB;
    int top; // of the object with its spaces
    switch (obj->Placement) {
    case ATop:
        top = pass.text_top;
        break;
    case AMiddle:
        top = pass.text_bottom + (h - pass.line.LineHt) / 2 - h;
        break;
    default:
        top = pass.baseline - h;
        break;
    }
    obj->PlacedX = pass.cx + obj->HSpaceL;
    obj->PlacedY = top + obj->VSpaceT + scroll;
    if (pass.draw) obj->Draw(pass.canvas, pass.cx + obj->HSpaceL, top + obj->VSpaceT, run);
    pass.cx = to_position(int64_t{pass.cx} + obj->OuterWidth());
}

// A form control of the line: shown on the screen, printed on paper.
void TSection::DrawLineControl(LinePass& pass, TFormControlObj* ctl) {
    const int ch = ctl->Height();
    int top;
    switch (ctl->VertAlign) {
    case ATop:
        top = pass.ys;
        break;
    case AMiddle:
        top = pass.text_bottom - (pass.line.LineHt + ch) / 2;
        break;
    case ABaseline:
        top = pass.text_bottom - ch - pass.line.Descent;
        break;
    default:
        top = pass.text_bottom - ch;
        break;
    }
    if (pass.draw) {
        if (Document->PrintingNow) {
            // The control prints with its own font and alignment (not the
            // line's baseline and running position), which the line keeps.
            pass.canvas.SaveDC();
            pass.canvas.SetTextAlign(ui::TextAlign::Left | ui::TextAlign::Top);
            ctl->Print(pass.canvas, pass.cx + ctl->HSpaceL, top);
            pass.canvas.RestoreDC();
        } else {
            ctl->ShowAt(pass.cx + ctl->HSpaceL, top);
            ctl->ShownThisPaint = true;
        }
    }
    pass.cx = to_position(int64_t{pass.cx} + ctl->OuterWidth());
}

// The length of the piece of text at `i`: one font, no object, one side of
// the selection, inside or outside each inline run of the line.
int TSection::PieceLength(const LineRec& line, int i, int limit, bool& selected) const {
    const TSectionList* doc = Document;
    int n = std::max(1, TextRun(i, limit));
    const int dpos = FirstPos + i;
    selected = false;
    if (!doc->IsCopy && doc->SelB < doc->SelE) {
        if (dpos < doc->SelB) {
            n = std::min(n, doc->SelB - dpos);
        } else if (dpos < doc->SelE) {
            selected = true;
            n = std::min(n, doc->SelE - dpos);
        }
    }
    for (const BorderRec& br : line.BorderList) {
        const int from = doc->InlineList->RunStart(br.Run);
        const int to = doc->InlineList->RunEnd(br.Run);
        if (from > dpos) n = std::min(n, from - dpos);
        if (to > dpos) n = std::min(n, to - dpos);
    }
    return n;
}

// Text and background colours of a piece; returns its text colour. Paper
// may turn pale text grey or all text black.
ColorRef TSection::PieceColors(ui::HtmlCanvas& canvas, const TMyFont& font, bool selected) const {
    const TSectionList* doc = Document;
    ColorRef fg = font.Color;
    const ColorRef bg = font.bgColor;
    if (doc->PrintingNow) {
        const ColorRef plain = ui::resolve_color(fg) & 0xFFFFFF;
        if (doc->PrintMonoBlack && canvas.Caps().num_colors >= 0 && canvas.Caps().num_colors < 3 && plain != 0xFFFFFF)
            fg = 0;
        else if (!doc->PrintBackgrounds && (plain & 0xE0) == 0xE0 && (plain & 0xE000) == 0xE000)
            fg = ui::rgb_ref(160, 160, 160) | ui::kPaletteFlag;
    }
    if (selected) {
        canvas.SetBkMode(ui::BkMode::Opaque);
        canvas.SetBkColor(fg);
        canvas.SetTextColor(bg != NoColour ? bg : (ui::resolve_color(fg) ^ 0xFFFFFF) & 0xFFFFFF);
    } else if (bg != NoColour) {
        canvas.SetBkMode(ui::BkMode::Opaque);
        canvas.SetBkColor(bg);
        canvas.SetTextColor(fg);
    } else {
        canvas.SetBkMode(ui::BkMode::Transparent);
        canvas.SetTextColor(fg);
    }
    return fg;
}

// The measuring pass: the padding boxes of the inline runs that hold the
// piece [dpos, dpos + n), painted from x0 to x1 with its baseline at `base`.
void TSection::GrowBorderBoxes(LineRec& line, int dpos, int n, int x0, int x1, int base, const TMyFont& font) const {
    const TSectionList* doc = Document;
    const int scroll = doc->ScrollY;
    for (BorderRec& br : line.BorderList) {
        const int from = doc->InlineList->RunStart(br.Run);
        const int to = doc->InlineList->RunEnd(br.Run);
        if (dpos < from || dpos >= to) continue;
        ui::Rect& r = br.InnerRect;
        const int top = base - (font.tmHeight - font.tmDescent) - br.PaddingTop + scroll;
        const int bottom = base + font.tmDescent + br.PaddingBottom + scroll;
        const int left = x0 - (dpos == from ? br.PaddingLeft : 0);
        const int right = x1 + (dpos + n == to ? br.PaddingRight : 0);
        if (r.IsEmpty()) {
            r = {left, top, right, bottom};
        } else {
            r.Left = std::min(r.Left, left);
            r.Right = std::max(r.Right, right);
            r.Top = std::min(r.Top, top);
            r.Bottom = std::max(r.Bottom, bottom);
        }
    }
}

// One piece of text of the line at `i`; returns its length.
int TSection::DrawPiece(LinePass& pass, int i, int draw_end) {
    TSectionList* doc = Document;
    ui::HtmlCanvas& canvas = pass.canvas;
    TFontObj* run = Fonts.GetFontObjAt(i);
    bool selected = false;
    const int n = PieceLength(pass.line, i, draw_end - i, selected);
    const int dpos = FirstPos + i;
    const WideView piece = WideView(Text).substr(static_cast<size_t>(i), static_cast<size_t>(n));
    const TMyFont& font = run->TheFont;
    canvas.SelectFont(font.Face);
    const ColorRef fg = PieceColors(canvas, font, selected);
    int shift = 0;
    if (run->SScript == ASub)
        shift = run->Descent / 2 + 1;
    else if (run->SScript == ASuper)
        shift = -(run->FontHeight / 3);
    const int base = pass.baseline + shift;
    const int x0 = pass.cx;
    if (!pass.draw) {
        pass.cx = to_position(int64_t{pass.cx} + XInLine(pass.line, i + n - pass.line.Start) -
                              XInLine(pass.line, i - pass.line.Start));
        GrowBorderBoxes(pass.line, dpos, n, x0 - pass.x, pass.cx - pass.x, base, font);
        return n;
    }
    canvas.MoveTo(pass.cx, base);
    if (Preformatted) {
        const ui::Rect r{pass.cx, base - (font.tmHeight - font.tmDescent), pass.cx + canvas.TextWidth(piece) + 1,
                         base + font.tmDescent};
        canvas.ExtTextOut(pass.cx, base, ui::HtmlCanvas::kEtoClipped, &r, piece);
    } else {
        canvas.TextOut(pass.cx, base, piece);
    }
    pass.cx = canvas.CurrentPosition().x();
    if (run->IsLink() && !doc->PrintingNow) {
        TFontObj* owner = run->TabOwner();
        owner->TabShown = true;
        if (owner->TabControl && owner->TabControl->isHidden()) owner->TabControl->show();
    }
    const int top = base - (font.tmHeight - font.tmDescent);
    if (run->Focused) {
        canvas.SetTextColor(0);
        canvas.SetBkColor(0xFFFFFF);
        canvas.DrawFocusRect({x0, top, pass.cx + 1, top + run->FontHeight});
    }
    if (doc->ShowDummyCaret && !selected && doc->CaretPos == dpos) canvas.FillRect({x0, top, x0 + 1, top + run->FontHeight}, fg);
    return n;
}

void TSection::DrawLine(ui::HtmlCanvas& canvas, LineRec& line, int x, int ys, IndentManager& indents, bool draw,
                        bool last_line) {
    TSectionList* doc = Document;
    const int scroll = doc->ScrollY;
    LinePass pass{canvas, line, x, ys, draw};
    pass.text_top = ys + line.SpaceBefore;
    pass.text_bottom = pass.text_top + line.LineHt;
    pass.baseline = pass.text_bottom - line.Descent;
    const int end = line.Start + line.Ln;
    int draw_end = end; // trailing spaces and a break are not drawn
    while (draw_end > line.Start &&
           (Text[static_cast<size_t>(draw_end - 1)] == u' ' || Text[static_cast<size_t>(draw_end - 1)] == kBreakChar))
        --draw_end;
    if (draw && line.HasInlineRuns) {
        if (line.FirstDraw) {
            line.FirstDraw = false;
            CollectBorders(line);
            if (!line.BorderList.empty()) DrawLine(canvas, line, x, ys, indents, false, last_line);
        }
        for (const BorderRec& br : line.BorderList) {
            BorderRec moved = br;
            moved.InnerRect = {br.InnerRect.Left + x, br.InnerRect.Top, br.InnerRect.Right + x, br.InnerRect.Bottom};
            moved.PaintInlineBorder(canvas, scroll);
        }
    }
    if (justified(&line))
        canvas.SetTextJustification(line.Extra, line.Spaces);
    else
        canvas.SetTextJustification(0, 0);
    canvas.SetTextAlign(ui::TextAlign::Baseline | ui::TextAlign::UpdateCP);
    pass.cx = x + line.LineIndent;
    for (int i = line.Start; i < end;) {
        const char16_t c = Text[static_cast<size_t>(i)];
        if (c == kImageChar) {
            TFontObj* run = Fonts.GetFontObjAt(i);
            if (TFloatingObj* obj = Images.FindObject(i)) DrawLineImage(pass, obj, run);
            ++i;
        } else if (c == kControlChar) {
            if (TFormControlObj* ctl = ControlAt(i)) DrawLineControl(pass, ctl);
            ++i;
        } else if (c == kBreakChar || i >= draw_end) {
            ++i;
        } else {
            i += DrawPiece(pass, i, draw_end);
        }
    }
    if (draw && last_line && doc->ShowDummyCaret && doc->CaretPos == FirstPos + TextLength()) {
        const TFontObj* run = Fonts.GetFontObjAt(TextLength() - 1);
        canvas.FillRect({pass.cx, pass.text_top, pass.cx + 1, pass.text_top + run->FontHeight}, run->TheFont.Color);
    }
    canvas.SetTextJustification(0, 0);
}

void TSection::CollectBorders(LineRec& line) {
    line.BorderList.clear();
    TInlineList& runs = *Document->InlineList;
    const int start = FirstPos + line.Start;
    const int end = start + line.Ln;
    for (int i = 0; i < runs.Count(); ++i) {
        const int from = runs.RunStart(i);
        const int to = runs.RunEnd(i);
        if (from >= end || to <= start) continue;
        const InlineRec& r = runs.Items(i);
        BorderRec br;
        br.Run = i;
        br.Opened = from >= start;
        br.Closed = to <= end;
        br.ContinuedFrom = !br.Opened;
        br.ContinuesOn = !br.Closed;
        br.RunFillColor = static_cast<ColorRef>(r.Box[BackgroundColor]);
        br.BorderTop = r.Box[BorderTopWidth];
        br.BorderRight = r.Box[BorderRightWidth];
        br.BorderBottom = r.Box[BorderBottomWidth];
        br.BorderLeft = r.Box[BorderLeftWidth];
        br.TC = static_cast<ColorRef>(r.Box[BorderTopColor]);
        br.RC = static_cast<ColorRef>(r.Box[BorderRightColor]);
        br.BC = static_cast<ColorRef>(r.Box[BorderBottomColor]);
        br.LC = static_cast<ColorRef>(r.Box[BorderLeftColor]);
        br.TS = r.Box[BorderTopStyle];
        br.RS = r.Box[BorderRightStyle];
        br.BS = r.Box[BorderBottomStyle];
        br.LS = r.Box[BorderLeftStyle];
        br.PaddingTop = std::max(0, r.Box[PaddingTop]);
        br.PaddingBottom = std::max(0, r.Box[PaddingBottom]);
        br.PaddingLeft = br.Opened ? std::max(0, r.Box[PaddingLeft]) : 0;
        br.PaddingRight = br.Closed ? std::max(0, r.Box[PaddingRight]) : 0;
        line.BorderList.push_back(br);
    }
}

void BorderRec::PaintInlineBorder(ui::HtmlCanvas& canvas, int scroll_offset) const {
    if (InnerRect.IsEmpty()) return;
    ui::Rect inner = InnerRect;
    inner.Top -= scroll_offset;
    inner.Bottom -= scroll_offset;
    const int left = ContinuedFrom ? 0 : BorderLeft;
    const int right = ContinuesOn ? 0 : BorderRight;
    if (RunFillColor != NoColour) canvas.FillRect(inner, RunFillColor | ui::kPaletteFlag);
    const ui::Rect outer{inner.Left - left, inner.Top - BorderTop, inner.Right + right, inner.Bottom + BorderBottom};
    const SideStyles styles = {ContinuedFrom ? bssNone : LS, TS, ContinuesOn ? bssNone : RS, BS};
    DrawBorder(canvas, outer, inner, NoColour, styles, {LC, TC, RC, BC});
}

// --------------------------------------------------------------- hit tests

int TSection::LineAt(int pos) const {
    for (size_t k = 0; k < Lines.size(); ++k) {
        const LineRec& l = *Lines[k];
        if (l.Ln > 0 && pos >= l.Start && pos < l.Start + l.Ln) return static_cast<int>(k);
    }
    return -1;
}

namespace {

// The line whose painted range holds y.
const LineRec* line_at_y(const std::vector<std::unique_ptr<LineRec>>& lines, int y) {
    for (const auto& l : lines)
        if (y >= l->DrawY && y < l->DrawY + l->Height()) return l.get();
    return nullptr;
}

} // namespace

int TSection::UrlAtPoint(ui::HtmlCanvas& canvas, int x, int y, TUrlTarget& url, TFormControlObj*& control,
                         std::string& title) {
    if (Text.empty()) return 0;
    TSectionList* doc = Document;
    int result = 0;
    int ix = 0, iy = 0;
    if (TFloatingObj* obj = Images.ObjectAt(x, y, ix, iy)) {
        title = obj->Title.empty() ? obj->AltText : obj->Title;
        if (!title.empty()) result |= guTitle;
        if (doc) doc->HoverImage = obj;
        if (TFormControlObj* ctl = obj->ImageControl()) {
            control = ctl;
            return result | guControl;
        }
        // A map of that name decides; without one the picture is a plain one.
        if (const std::string map = obj->ClientMapName(); !map.empty() && doc)
            for (const auto& m : doc->ImageMaps)
                if (m->MapName == map) {
                    std::unique_ptr<TUrlTarget> target;
                    std::string area_title;
                    if (m->GetURL(ix, iy, target, area_title) && target) {
                        url = *target;
                        result |= guUrl;
                        if (!area_title.empty()) {
                            title = area_title;
                            result |= guTitle;
                        }
                    }
                    return result;
                }
        TFontObj* run = Fonts.GetFontObjAt(obj->CharPos);
        if (run && run->IsLink()) {
            url = run->UrlTarget;
            if (obj->ServerMap()) url.Url += "?" + std::to_string(ix) + "," + std::to_string(iy);
            if (doc) doc->HoverLink = run;
            result |= guUrl;
        }
        return result;
    }
    const LineRec* line = line_at_y(Lines, y);
    if (!line || line->Ln == 0 || x < line->DrawX) return 0;
    int drawn = line->Ln;
    while (drawn > 0 && (Text[static_cast<size_t>(line->Start + drawn - 1)] == u' ' ||
                         Text[static_cast<size_t>(line->Start + drawn - 1)] == kBreakChar))
        --drawn;
    const int n = FindCountThatFits(canvas, x - line->DrawX, line->Start, drawn, line);
    if (n >= drawn) return 0;
    const int i = line->Start + n;
    TFontObj* run = Fonts.GetFontObjAt(i);
    if (run->IsLink() && Text[static_cast<size_t>(i)] != kImageChar) {
        url = run->UrlTarget;
        if (doc) doc->HoverLink = run;
        result |= guUrl;
    }
    if (!run->RunTitle.empty()) {
        title = run->RunTitle;
        result |= guTitle;
    }
    return result;
}

bool TSection::ObjectAtPoint(int x, int y, TFloatingObj*& obj, int& ix, int& iy) {
    if (Images.Empty()) return false;
    obj = Images.ObjectAt(x, y, ix, iy);
    return obj != nullptr;
}

int TSection::CursorAtPoint(ui::HtmlCanvas& canvas, int x, int y, int& xr, int& yr, int& caret_ht, bool& in_text) {
    if (Text.empty() || x < DrawX) return -1;
    const LineRec* line = line_at_y(Lines, y);
    if (!line || line->Ln == 0) return -1;
    yr = line->DrawY + line->SpaceBefore;
    caret_ht = line->LineHt;
    if (x < line->DrawX) {
        xr = line->DrawX;
        in_text = false;
        return FirstPos + line->Start;
    }
    int n = FindCountThatFits(canvas, x - line->DrawX, line->Start, line->Ln, line);
    if (n >= line->Ln) return -1;
    const int w = XInLine(*line, n);
    int step = 1;
    if (is_high(Text[static_cast<size_t>(line->Start + n)]) && n + 1 < line->Ln) step = 2;
    const int w_next = XInLine(*line, n + step);
    if (x - line->DrawX - w > (w_next - w) / 2) n += step;
    xr = line->DrawX + XInLine(*line, n);
    in_text = true;
    return FirstPos + line->Start + n;
}

bool TSection::CursorToXY(ui::HtmlCanvas* canvas, int pos, int& x, int& y) {
    const int i = pos - FirstPos;
    if (i < 0 || i >= TextLength()) return false;
    const int k = LineAt(i);
    if (k < 0) return false;
    const LineRec& line = *Lines[static_cast<size_t>(k)];
    y = line.DrawY;
    x = line.DrawX;
    if (canvas) x += XInLine(line, i - line.Start);
    return true;
}

bool TSection::CharAtPos(int pos, char16_t& ch, TSectionBase*& owner) {
    const int i = pos - FirstPos;
    if (i < 0 || i >= TextLength()) return false;
    ch = Text[static_cast<size_t>(i)];
    owner = this;
    return true;
}

// ------------------------------------------------------------------- search

int TSection::FindText(WideView text, int from, bool match_case) {
    if (text.empty() || Text.empty()) return -1;
    const int start = std::max(0, from - FirstPos);
    if (start >= TextLength()) return -1;
    const WideString hay = match_case ? Text : WideLowerCase(Text);
    const WideString needle = match_case ? WideString(text) : WideLowerCase(text);
    const size_t p = hay.find(needle, static_cast<size_t>(start));
    return p == WideString::npos ? -1 : FirstPos + static_cast<int>(p);
}

int TSection::FindTextBackward(WideView text, int from, bool match_case) {
    if (text.empty() || Text.empty()) return -1;
    const int end = std::min(from - FirstPos, TextLength()); // a match ends at or before it
    if (end < static_cast<int>(text.size())) return -1;
    const WideString hay = match_case ? Text : WideLowerCase(Text);
    const WideString needle = match_case ? WideString(text) : WideLowerCase(text);
    const size_t p = hay.rfind(needle, static_cast<size_t>(end) - needle.size());
    return p == WideString::npos ? -1 : FirstPos + static_cast<int>(p);
}

// ---------------------------------------------------------------- positions

int TSection::DocToSourcePos(int pos) {
    const int i = pos - FirstPos;
    if (i < 0 || i >= TextLength() || SIndexList.empty()) return -1;
    const auto it = std::upper_bound(SIndexList.begin(), SIndexList.end(), i,
                                     [](int v, const IndexObj& e) { return v < e.Pos; });
    const IndexObj& e = *std::prev(it);
    return i - e.Pos + e.Index;
}

int TSection::SourceToDocPos(int source_pos, bool prev) {
    if (SIndexList.empty()) return -1;
    const int len = TextLength();
    const IndexObj& first = SIndexList.front();
    const IndexObj& last = SIndexList.back();
    const int last_source = last.Index + (len - 1 - last.Pos);
    if (source_pos < first.Index) return prev ? -1 : FirstPos;
    if (source_pos > last_source) return prev ? FirstPos + len - 1 : -1;
    for (size_t k = 0; k < SIndexList.size(); ++k) {
        const IndexObj& e = SIndexList[k];
        const int run_end = k + 1 < SIndexList.size() ? SIndexList[k + 1].Pos : len; // characters of this run
        const int end_source = e.Index + (run_end - e.Pos) - 1;
        if (source_pos >= e.Index && source_pos <= end_source) return FirstPos + e.Pos + (source_pos - e.Index);
        if (k + 1 < SIndexList.size() && source_pos > end_source && source_pos < SIndexList[k + 1].Index)
            return prev ? FirstPos + run_end - 1 : FirstPos + run_end;
    }
    return -1;
}

// -------------------------------------------------------------------- copy

void TSection::CopyToClipboard() {
    TSectionList* doc = Document;
    if (!doc || doc->SelB >= doc->SelE) return;
    const int len = TextLength();
    for (const auto& l : Lines) {
        const int a = std::max(FirstPos + l->Start, doc->SelB);
        const int b = std::min(FirstPos + l->Start + l->Ln, doc->SelE);
        for (int p = a; p < b; ++p) {
            const char16_t c = Text[static_cast<size_t>(p - FirstPos)];
            if (c == kBreakChar)
                doc->ClipText += u"\r\n";
            else if (!is_object24(c))
                doc->ClipText += c;
        }
    }
    if (doc->SelE > FirstPos + len) doc->ClipText += u"\r\n";
}

// ---------------------------------------------------------- min and max

void TSection::MinMaxWidths(ui::HtmlCanvas& canvas, int& min, int& max) {
    const int len = TextLength();
    if (len == 0) {
        min = max = 0;
        return;
    }
    if (minmax_valid_ && Images.Empty()) {
        min = stored_min_;
        max = stored_max_;
        return;
    }
    min = 0;
    int float_sum = 0;
    for (const auto& obj : Images) {
        if (Document) obj->LayoutObject(*Document, canvas, 0, Fonts.GetFontObjAt(obj->CharPos));
        if (obj->Floats())
            float_sum += obj->OuterWidth();
        else
            min = std::max(min, obj->BoxWidth);
    }
    for (const TFormControlObj* ctl : FormControls)
        if (!ctl->PercentWidth) min = std::max(min, ctl->OuterWidth());
    // The widest stretch between forced breaks.
    max = 0;
    for (int i = 0; i < len;) {
        int j = i;
        while (j < len && Text[static_cast<size_t>(j)] != kBreakChar) ++j;
        max = std::max(max, PieceWidth(i, j - i, 1));
        i = j + 1;
    }
    max += float_sum;
    // The widest word. A word ends at a control, picture, break, space, "-"
    // or "?" (those two belong to it) where a break is allowed, or after a
    // wide character.
    int widest = 0;
    for (int i = 0; i < len;) {
        const char16_t c = Text[static_cast<size_t>(i)];
        if ((is_object(c) || c == u' ') && BreakAllowed(i)) {
            ++i;
            continue;
        }
        int j = i;
        while (j < len) {
            const char16_t d = Text[static_cast<size_t>(j)];
            if ((is_object(d) || d == u' ') && BreakAllowed(j) && j > i) break;
            ++j;
            if (((d == u'-' || d == u'?') && BreakAllowed(j - 1)) || (WrapChar(j - 1) && BreakAllowed(j - 1)) ||
                Brk[static_cast<size_t>(j - 1)] == 'w')
                break;
        }
        widest = std::max(widest, PieceWidth(i, j - i, -1));
        i = j;
    }
    min = std::max({min, float_sum, widest});
    max = std::max(max, min);
    stored_min_ = min;
    stored_max_ = max;
    minmax_valid_ = true;
}

} // namespace htmlview
