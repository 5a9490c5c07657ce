#pragma once
// The symbols the HTML reader hands to the document builder: one per known
// tag, one end symbol per paired tag, one per known attribute, and the few
// others (text, end of document, unknown tag, unknown attribute). Tags and
// attributes share the enumeration; an attribute whose name is also a tag
// name (TITLE, LINK, STYLE, SPAN, LABEL, SELECTED, WRAP) has that tag's
// symbol. The values fit a byte, as an attribute stores its symbol in one.
#include <cstdint>
#include <string>
#include <string_view>

namespace htmlview {

enum class Sym : std::uint8_t {
    None,
    // Tags. The first 53 are paired: a closing tag gives their end symbol.
    Html, Title, Body, Head, B, I, H, Em, Strong, U, Cite, Var, TT, Code, Kbd, Samp,
    OL, UL, Dir, Menu, DL, A, Address, Blockquote, Pre, Center, Table, TD, TH, Caption,
    Form, TextArea, Select, Option, Font, Sub, Sup, Big, Small, P, Map, Frameset,
    NoFrames, Script, Div, S, Strike, TR, NoBr, Style, Span, ColGroup, Label,
    // Unpaired tags: a closing tag of theirs is an unknown tag.
    LI, BR, HR, DD, DT, Img, Base, Button, Input, Selected, BaseFont, Area, Frame,
    Page, BgSound, Wrap, Meta, Panel, Wbr, Link, Col,
    // End symbols of the paired tags, in the same order.
    HtmlEnd, TitleEnd, BodyEnd, HeadEnd, BEnd, IEnd, HEnd, EmEnd, StrongEnd, UEnd,
    CiteEnd, VarEnd, TTEnd, CodeEnd, KbdEnd, SampEnd, OLEnd, ULEnd, DirEnd, MenuEnd,
    DLEnd, AEnd, AddressEnd, BlockquoteEnd, PreEnd, CenterEnd, TableEnd, TDEnd, THEnd,
    CaptionEnd, FormEnd, TextAreaEnd, SelectEnd, OptionEnd, FontEnd, SubEnd, SupEnd,
    BigEnd, SmallEnd, PEnd, MapEnd, FramesetEnd, NoFramesEnd, ScriptEnd, DivEnd, SEnd,
    StrikeEnd, TREnd, NoBrEnd, StyleEnd, SpanEnd, ColGroupEnd, LabelEnd,
    // Attributes that are not also tag names.
    Href, Name, Src, Alt, Align, Text, BgColor, Background, ColSpan, RowSpan,
    Border, CellPadding, CellSpacing, VAlign, Width, Start, Value, Type, CheckBox,
    Radio, Method, Action, Checked, Size, MaxLength, Cols, Rows, Multiple, Face, Color,
    Transp, Clear, IsMap, BorderColor, UseMap, Shape, Coords, NoHref, Height, Plain,
    Target, NoResize, Scrolling, HSpace, Language, FrameBorder, MarginWidth,
    MarginHeight, Loop, OnClick, NoShade, HttpEquiv, Content, EncType, VLink, OLink,
    Active, VSpace, Class, ID, Rel, Rev, NoWrap, BorderColorLight,
    BorderColorDark, Charset, Ratio, OnFocus, OnBlur, OnChange, TabIndex,
    BgProperties, Disabled, TopMargin, LeftMargin,
    // The others. LineEnd is a line end inside preformatted text.
    TextToken, EndOfDocument, UnknownTag, UnknownAttr, LineEnd,
};

constexpr int kTagCount = 74;
constexpr int kPairedTagCount = 53;
constexpr int kAttributeCount = 82;

// The start symbol of an upper-case tag name, or UnknownTag.
Sym TagSymbol(std::string_view upper_name);
// The symbol of an upper-case attribute name, or UnknownAttr.
Sym AttributeSymbol(std::string_view upper_name);

// The end symbol of a paired tag's start symbol, else None.
Sym EndSymbolOf(Sym start);
// Lower-case tag name of a start or of an end symbol; empty for anything else.
std::string StartTagName(Sym start);
std::string EndTagName(Sym end);
// Upper-case name of a tag or attribute symbol (for dumps and messages);
// empty for the others.
std::string_view SymbolName(Sym s);

} // namespace htmlview
