#pragma once
// The fonts of a text section as runs, each from a character position to
// the next run's start. A run inside a link carries the link, its four
// fonts (normal, visited, hover, hover and visited) and, for the first run
// of each link, a hidden focusable control that gives the link its place in
// the keyboard's tab order.
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>

#include "htmlview/attributes.h"
#include "htmlview/fonts.h"
#include "htmlview/free_list.h"

namespace htmlview {

class TSection;
class TSectionList;
class TFontObj;

// The one-pixel tab stop of a link, on the viewer's surface out of sight.
class ThtTabcontrol : public QWidget {
  public:
    ThtTabcontrol(QWidget* parent, TFontObj* owner);
    // The run whose link it stands for (changes when that run goes).
    TFontObj* Owner;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
};

class TFontObj {
  public:
    // Takes the font; the run starts at `pos`.
    TFontObj(TSection* section, TMyFont font, int pos);
    // A copy for a print copy: no link fonts and no tab stop.
    TFontObj(TSection* section, const TFontObj& source);
    ~TFontObj();
    TFontObj(const TFontObj&) = delete;
    TFontObj& operator=(const TFontObj&) = delete;

    bool IsLink() const { return FIArray != nullptr; }
    void SetVisited(bool on);
    void SetHover(bool on);
    void SetFocused(bool on) { Focused = on; }
    // A new font in place of the run's own.
    void ReplaceFont(TMyFont font);
    // Makes the run a link run with these fonts.
    void SetLinkFonts(const TFontInfoArray& fonts);
    // Gives the link a tab stop unless an earlier run of it has one.
    void CreateTabControl(int tab_index);
    // The run that holds its link's tab stop: this one or the nearest
    // earlier run of the same link.
    TFontObj* TabOwner();

    TSection* Section;
    bool WasVisited = false;
    bool Hovered = false;
    std::string RunTitle;
    int YValue = 0;
    bool Focused = false;
    int Pos = 0;
    TMyFont TheFont;
    std::unique_ptr<TFontInfoArray> FIArray;
    int FontHeight = 0; // text height plus external leading
    int tmHeight = 0;
    int tmMaxCharWidth = 0;
    int Overhang = 0;
    int Descent = 0;
    int SScript = 0; // 0, ASub or ASuper
    TUrlTarget UrlTarget;
    QPointer<ThtTabcontrol> TabControl;
    bool TabShown = false; // its link was painted since the last scroll

  private:
    friend class ThtTabcontrol;
    void FontChanged();
    void PickLinkFont();
};

class TFontList : public TFreeList<TFontObj> {
  public:
    // The run at a character position (the last one starting at or before it).
    TFontObj* GetFontObjAt(int pos, int* index = nullptr) const;
    // Characters from `pos` to the next run's start, or to `leng`.
    int GetFontCountAt(int pos, int leng) const;
    // Frees the runs left without characters (a run starting where the next
    // one starts, or at the end of the text); the first run always stays.
    void DropEmptyRuns(int leng);
};

} // namespace htmlview
