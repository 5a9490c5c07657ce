#pragma once
// The thin standard controls the windows use. Texts are 8-bit in the
// character set of the control's font. Visible and Enabled are the control's
// own switches (not those of its window). Events are plain functions; an
// unset one does nothing.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QProgressBar>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/canvas.h"
#include "platform/ui/window.h"

namespace ui {

using NotifyEvent = std::function<void()>;
// Button, modifiers, position in the control.
using MouseEvent = std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)>;
using MouseMoveEvent = std::function<void(Qt::KeyboardModifiers, int x, int y)>;
// Key code (Qt::Key); setting it to 0 swallows the key.
using KeyEvent = std::function<void(int& key, Qt::KeyboardModifiers)>;
// Typed character in the font's character set; setting it to 0 swallows it.
using KeyPressEvent = std::function<void(char& ch)>;

// What every control has: its own visibility and enabled switches, bounds
// and a tag.
template <class W> class Control : public W {
  public:
    using W::W;

    bool Visible() const { return !this->isHidden(); }
    void SetVisible(bool v) { this->setVisible(v); }
    bool Enabled() const { return !this->testAttribute(Qt::WA_ForceDisabled); }
    void SetEnabled(bool e) { this->setEnabled(e); }

    int Left() const { return this->x(); }
    int Top() const { return this->y(); }
    int Width() const { return this->width(); }
    int Height() const { return this->height(); }
    void SetLeft(int v) { this->move(v, this->y()); }
    void SetTop(int v) { this->move(this->x(), v); }
    void SetWidth(int v) { this->resize(v, this->height()); }
    void SetHeight(int v) { this->resize(this->width(), v); }
    void SetBounds(int l, int t, int w, int h) { this->setGeometry(l, t, w, h); }

    void SetHint(const std::string& text, int charset = 238) {
        this->setToolTip(to_qt(text, charset));
    }
    void SetFocus() { this->setFocus(Qt::OtherFocusReason); }

    int Tag = 0;
};

// The items of a list or combo box, as 8-bit strings.
class Strings {
  public:
    class Host {
      public:
        virtual ~Host() = default;
        virtual int count() const = 0;
        virtual std::string get(int i) const = 0;
        virtual void insert(int i, const std::string& s) = 0;
        virtual void remove(int i) = 0;
        virtual void set(int i, const std::string& s) = 0;
        virtual void clear() = 0;
    };
    explicit Strings(Host& host) : h_(host) {}

    int Count() const { return h_.count(); }
    // Empty for an index outside 0..Count()-1.
    std::string operator[](int i) const;
    void Add(const std::string& s) { h_.insert(h_.count(), s); }
    void Insert(int i, const std::string& s);
    void Delete(int i); // ignored outside 0..Count()-1
    void Set(int i, const std::string& s);
    void Clear() { h_.clear(); }
    int IndexOf(const std::string& s) const;
    std::vector<std::string> ToVector() const;
    void Assign(const std::vector<std::string>& lines);

  private:
    Host& h_;
};

// Mouse handling of the picture-drawn controls: OnMouseDown/Up/Move for any
// button; OnClick when the left button is released over the control after a
// press on it; a quick second press is a double click (OnDblClick, and no
// click on its release) unless the control turns double clicks off.
template <class W> class Clickable : public Control<W>, public Pressable {
  public:
    using Control<W>::Control;

    NotifyEvent OnClick, OnDblClick;
    MouseEvent OnMouseDown, OnMouseUp;
    MouseMoveEvent OnMouseMove;

    // Fires OnClick (as a completed left click would).
    void Click() override {
        if (OnClick) OnClick();
    }

  protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) clicked_ = true;
        fire(OnMouseDown, e);
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (!double_clicks_) {
            mousePressEvent(e);
            return;
        }
        if (e->button() == Qt::LeftButton && OnDblClick) OnDblClick();
        fire(OnMouseDown, e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && clicked_) {
            clicked_ = false;
            if (this->rect().contains(e->position().toPoint())) Click();
        }
        fire(OnMouseUp, e);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        const QPoint p = e->position().toPoint();
        if (OnMouseMove) OnMouseMove(e->modifiers(), p.x(), p.y());
    }

    bool double_clicks_ = true;

  private:
    void fire(const MouseEvent& ev, QMouseEvent* e) {
        const QPoint p = e->position().toPoint();
        if (ev) ev(e->button(), e->modifiers(), p.x(), p.y());
    }
    bool clicked_ = false;
};

// Adds OnMouseEnter and OnMouseLeave to a control (hover effects).
template <class W> class Hoverable : public W {
  public:
    using W::W;

    NotifyEvent OnMouseEnter, OnMouseLeave;

  protected:
    void enterEvent(QEnterEvent* e) override {
        W::enterEvent(e);
        if (OnMouseEnter) OnMouseEnter();
    }
    void leaveEvent(QEvent* e) override {
        W::leaveEvent(e);
        if (OnMouseLeave) OnMouseLeave();
    }
};

// Caption on a transparent ground (or on its colour when not transparent),
// word-wrapped or on one line, aligned left, centre or right, from the top.
class Label : public Clickable<QWidget> {
  public:
    explicit Label(QWidget* parent);

    void SetCaption(const std::string& text);
    // A caption of which text[from, from + length) is in `charset` and the rest
    // in the font's: a foreign word quoted in a Polish line.
    void SetCaption(const std::string& text, size_t from, size_t length, int charset);
    // A caption joining pieces of both character sets, each in its own.
    void SetCaption(const os::PartedText& parts);
    const std::string& Caption() const { return caption_; }
    // The caption as pieces, each with its set (the font's between the others).
    os::PartedText Parts() const;
    // The caption as it is shown.
    QString Text() const;
    void SetFont(const Font& font);
    const Font& GetFont() const { return font_; }
    void SetFontColor(QRgb color);
    void SetWordWrap(bool on);
    void SetAlignment(Qt::Alignment horizontal); // Qt::AlignLeft, AlignHCenter, AlignRight
    void SetLayout(Qt::Alignment vertical);      // Qt::AlignTop, AlignVCenter, AlignBottom
    void SetTransparent(bool on);
    void SetColor(QRgb color); // ground when not transparent

    // Called after the caption changed (a box that fits itself to its text).
    NotifyEvent OnCaptionChange;

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    std::string caption_;
    struct Part {
        size_t from = 0, length = 0;
        int charset = 238;
    };
    void set_caption(const std::string& text, std::vector<Part> parts);
    // Pieces in their own sets, in order; the rest is in the font's set.
    std::vector<Part> parts_;
    Font font_;
    bool wrap_ = false;
    bool transparent_ = true;
    Qt::Alignment halign_ = Qt::AlignLeft;
    Qt::Alignment valign_ = Qt::AlignTop;
    QRgb color_ = 0xFFF0F0F0u;
};

// A picture: at the top-left, centred, or stretched to the control.
// Transparent draws it without the colour of its bottom-left pixel.
class Image : public Clickable<QWidget> {
  public:
    explicit Image(QWidget* parent);

    void SetPicture(const QImage& picture);
    // The picture is made by `source` when first needed (painted or asked
    // for), so a window created at start-up reads it only when it shows.
    void SetPictureSource(std::function<QImage()> source);
    const QImage& Picture() const;
    // Loads a .bmp file; throws BitmapError (the picture is kept then).
    void LoadFromFile(const std::string& path);
    void SetStretch(bool on);
    void SetCenter(bool on);
    void SetTransparent(bool on);

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    void make_picture() const;

    mutable std::function<QImage()> source_;
    mutable QImage picture_;
    mutable QImage keyed_;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
};

// A box the painting of which is left to OnPaint.
class PaintBox : public Clickable<QWidget> {
  public:
    explicit PaintBox(QWidget* parent);

    std::function<void(Canvas&)> OnPaint;

  protected:
    void paintEvent(QPaintEvent* e) override;
};

// One-line text box.
class Edit : public Control<QLineEdit> {
  public:
    explicit Edit(QWidget* parent);

    std::string Text() const;
    void SetText(const std::string& text); // fires OnChange when it differs
    void SetFont(const Font& font); // another character set shows the same bytes anew
    const Font& GetFont() const { return font_; }
    void SetMaxLength(int n);
    void SelectAll() { selectAll(); }

    NotifyEvent OnChange;
    KeyEvent OnKeyDown;
    KeyPressEvent OnKeyPress;

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    Font font_;
};

class ListBox : public Control<QListWidget>, private Strings::Host {
  public:
    explicit ListBox(QWidget* parent);

    Strings Items() { return Strings(*this); }
    // A row joining pieces of both character sets, each shown in its own;
    // Items() gives back the pieces' bytes joined.
    void AddParts(const os::PartedText& row);
    int ItemIndex() const;        // -1 for none
    void SetItemIndex(int index); // -1 or out of range: none selected; fires nothing
    void SetFont(const Font& font);
    const Font& GetFont() const { return font_; }

    NotifyEvent OnClick, OnDblClick;
    KeyEvent OnKeyDown;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    int count() const override { return QListWidget::count(); }
    std::string get(int i) const override;
    void insert(int i, const std::string& s) override;
    void remove(int i) override;
    void set(int i, const std::string& s) override;
    void clear() override;

    Font font_;
};

// Drop-down list (the text is always one of the items).
class ComboBox : public Control<QComboBox>, private Strings::Host {
  public:
    explicit ComboBox(QWidget* parent);

    Strings Items() { return Strings(*this); }
    int ItemIndex() const;        // -1 for none
    void SetItemIndex(int index); // fires nothing
    std::string Text() const;     // the selected item, empty for none
    void SetFont(const Font& font);
    const Font& GetFont() const { return font_; }

    NotifyEvent OnChange; // the learner picked another item
    NotifyEvent OnClick;  // the learner picked an item
    KeyEvent OnKeyDown;

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    int count() const override { return QComboBox::count(); }
    std::string get(int i) const override;
    void insert(int i, const std::string& s) override;
    void remove(int i) override;
    void set(int i, const std::string& s) override;
    void clear() override;

    Font font_;
};

class CheckBox : public Control<QCheckBox> {
  public:
    explicit CheckBox(QWidget* parent);

    bool Checked() const { return isChecked(); }
    // Like a click, a change of state fires OnClick.
    void SetChecked(bool on);
    void SetCaption(const std::string& text);
    const std::string& Caption() const { return caption_; }
    void SetFont(const Font& font);

    NotifyEvent OnClick;

    // A label beside the box that toggles it when clicked (with a hand
    // pointer), as the box's own caption does.
    void AttachLabel(Label& label);

  private:
    std::string caption_;
    Font font_;
};

// A round choice button. Buttons with the same parent exclude each other.
class RadioButton : public Control<QRadioButton> {
  public:
    explicit RadioButton(QWidget* parent);

    bool Checked() const { return isChecked(); }
    void SetChecked(bool on); // fires OnClick when it becomes checked
    void SetCaption(const std::string& text);
    const std::string& Caption() const { return caption_; }
    void SetFont(const Font& font);

    NotifyEvent OnClick; // it became the checked one

  private:
    std::string caption_;
    Font font_;
};

// A framed group of choice buttons made from its items, in one or more
// columns; exactly one is checked once the learner or ItemIndex picks one.
class RadioGroup : public Control<QGroupBox>, private Strings::Host {
  public:
    explicit RadioGroup(QWidget* parent);
    ~RadioGroup() override;

    Strings Items() { return Strings(*this); }
    int ItemIndex() const { return index_; } // -1 for none
    void SetItemIndex(int index);            // out of range: none; fires nothing
    void SetCaption(const std::string& text);
    void SetColumns(int n);
    void SetFont(const Font& font);

    NotifyEvent OnClick; // the learner picked another item

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    int count() const override;
    std::string get(int i) const override;
    void insert(int i, const std::string& s) override;
    void remove(int i) override;
    void set(int i, const std::string& s) override;
    void clear() override;
    void lay_out();

    std::vector<QRadioButton*> buttons_;
    std::vector<std::string> items_;
    int index_ = -1;
    int columns_ = 1;
    Font font_;
};

// A scroll bar on its own: a position in Min..Max, moved by SmallChange
// (arrows) and LargeChange (the track).
class ScrollBar : public Control<QScrollBar> {
  public:
    explicit ScrollBar(QWidget* parent, Qt::Orientation kind = Qt::Vertical);

    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    void SetRange(int min, int max); // max below min becomes min
    int Position() const { return value(); }
    void SetPosition(int pos); // clamped; fires OnChange when it moves
    void SetSmallChange(int n) { setSingleStep(n); }
    void SetLargeChange(int n) { setPageStep(n); }

    NotifyEvent OnChange; // the position moved, by the learner or by SetPosition
};

// A container with a ground colour (or none) and an optional one-pixel
// bevel, raised or lowered; its caption is centred.
class Panel : public Control<QWidget> {
  public:
    enum class Bevel { none, raised, lowered };
    explicit Panel(QWidget* parent);

    void SetColor(QRgb color);
    void SetTransparent(bool on);
    void SetBevel(Bevel b);
    void SetCaption(const std::string& text);
    const std::string& Caption() const { return caption_; }
    void SetFont(const Font& font);

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    QRgb color_ = 0xFFF0F0F0u;
    bool transparent_ = false;
    Bevel bevel_ = Bevel::none;
    std::string caption_;
    Font font_;
};

// A text box of several lines. Lines() are 8-bit; line breaks CR LF when
// read as one text.
class Memo : public Control<QPlainTextEdit> {
  public:
    explicit Memo(QWidget* parent);

    std::string Text() const; // lines joined with CR LF
    void SetText(const std::string& text);
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    void SetFont(const Font& font);
    const Font& GetFont() const { return font_; }
    void SetReadOnly(bool on) { setReadOnly(on); }
    void SetWordWrap(bool on);
    void SetMaxLength(int n); // 0: no limit; longer typed text is cut

    NotifyEvent OnChange;
    KeyEvent OnKeyDown;

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    Font font_;
    int max_length_ = 0;
};

// A list whose items each carry a check box.
class CheckListBox : public Control<QListWidget>, private Strings::Host {
  public:
    explicit CheckListBox(QWidget* parent);

    Strings Items() { return Strings(*this); }
    bool Checked(int i) const; // false outside the list
    void SetChecked(int i, bool on); // ignored outside; fires nothing
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index);
    void SetFont(const Font& font);

    std::function<void(int index)> OnClickCheck; // the learner ticked or cleared item `index`
    NotifyEvent OnClick;

  private:
    int count() const override { return QListWidget::count(); }
    std::string get(int i) const override;
    void insert(int i, const std::string& s) override;
    void remove(int i) override;
    void set(int i, const std::string& s) override;
    void clear() override;

    Font font_;
    bool setting_ = false;
};

class ProgressBar : public Control<QProgressBar> {
  public:
    explicit ProgressBar(QWidget* parent);

    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    void SetRange(int min, int max);
    int Position() const { return value(); }
    void SetPosition(int pos); // clamped to the range
    int Step = 10;
    void StepIt(); // advances by Step, wrapping past the top to the bottom
    void SetSmooth(bool on);
    bool Smooth() const { return smooth_; }
    void SetColors(QRgb bar, QRgb ground);

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    bool smooth_ = false;
    QRgb bar_ = 0xFF000080u;
    QRgb ground_ = 0xFFFFFFFFu;
};

} // namespace ui
