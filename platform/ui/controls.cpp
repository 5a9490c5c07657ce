#include "platform/ui/controls.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QTextCursor>
#include <algorithm>

#include "platform/ui/bmp.h"

namespace ui {

namespace {

// Runs a control's key-down handler; true when it swallowed the key.
bool swallowed(const KeyEvent& handler, QKeyEvent* e) {
    if (!handler) return false;
    int key = e->key();
    handler(key, e->modifiers());
    if (key != 0) return false;
    e->accept();
    return true;
}

} // namespace

// ---- Strings

std::string Strings::operator[](int i) const {
    return i >= 0 && i < h_.count() ? h_.get(i) : std::string();
}

void Strings::Insert(int i, const std::string& s) {
    h_.insert(std::clamp(i, 0, h_.count()), s);
}

void Strings::Delete(int i) {
    if (i >= 0 && i < h_.count()) h_.remove(i);
}

void Strings::Set(int i, const std::string& s) {
    if (i >= 0 && i < h_.count()) h_.set(i, s);
}

int Strings::IndexOf(const std::string& s) const {
    for (int i = 0; i < h_.count(); ++i)
        if (h_.get(i) == s) return i;
    return -1;
}

std::vector<std::string> Strings::ToVector() const {
    std::vector<std::string> out;
    for (int i = 0; i < h_.count(); ++i)
        out.push_back(h_.get(i));
    return out;
}

void Strings::Assign(const std::vector<std::string>& lines) {
    h_.clear();
    for (const auto& l : lines)
        Add(l);
}

// ---- Label

Label::Label(QWidget* parent) : Clickable<QWidget>(parent) {}

void Label::SetCaption(const std::string& text) {
    SetCaption(text, 0, 0, font_.charset);
}

void Label::SetCaption(const std::string& text, size_t from, size_t length, int charset) {
    from = std::min(from, text.size());
    length = std::min(length, text.size() - from);
    set_caption(text,
                length == 0 ? std::vector<Part>{} : std::vector<Part>{{from, length, charset}});
}

void Label::SetCaption(const os::PartedText& parts) {
    std::string text;
    std::vector<Part> p;
    for (const os::TextPart& t : parts) {
        if (!t.text.empty()) p.push_back({text.size(), t.text.size(), t.charset});
        text += t.text;
    }
    set_caption(text, std::move(p));
}

void Label::set_caption(const std::string& text, std::vector<Part> parts) {
    const auto same = [](const Part& a, const Part& b) {
        return a.from == b.from && a.length == b.length && a.charset == b.charset;
    };
    if (text == caption_ &&
        std::equal(parts.begin(), parts.end(), parts_.begin(), parts_.end(), same))
        return;
    caption_ = text;
    parts_ = std::move(parts);
    update();
    if (OnCaptionChange) OnCaptionChange();
}

void Label::SetFont(const Font& font) {
    font_ = font;
    update();
}

void Label::SetFontColor(QRgb color) {
    font_.color = color;
    update();
}

void Label::SetWordWrap(bool on) {
    wrap_ = on;
    update();
}

void Label::SetAlignment(Qt::Alignment horizontal) {
    halign_ = horizontal & Qt::AlignHorizontal_Mask;
    update();
}

void Label::SetLayout(Qt::Alignment vertical) {
    valign_ = vertical & Qt::AlignVertical_Mask;
    update();
}

void Label::SetTransparent(bool on) {
    transparent_ = on;
    update();
}

void Label::SetColor(QRgb color) {
    color_ = color;
    update();
}

void Label::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    Canvas c(p, e->rect());
    if (!transparent_) c.FillRect(rect(), color_);
    Font f = font_;
    if (!isEnabled()) f.color = 0xFF808080u;
    c.SetFont(f);
    c.DrawText(rect(), Text(), halign_ | valign_, wrap_);
}

os::PartedText Label::Parts() const {
    os::PartedText out;
    size_t at = 0;
    for (const Part& p : parts_) {
        if (p.from > at) out.push_back({caption_.substr(at, p.from - at), font_.charset});
        out.push_back({caption_.substr(p.from, p.length), p.charset});
        at = p.from + p.length;
    }
    if (at < caption_.size() || out.empty()) out.push_back({caption_.substr(at), font_.charset});
    return out;
}

QString Label::Text() const {
    return to_qt(Parts());
}

// ---- Image

Image::Image(QWidget* parent) : Clickable<QWidget>(parent) {}

void Image::SetPicture(const QImage& picture) {
    source_ = nullptr;
    picture_ = picture;
    keyed_ = transparent_ && !picture_.isNull()
                 ? keyed_image(picture_, default_transparent_color(picture_))
                 : QImage();
    update();
}

void Image::SetPictureSource(std::function<QImage()> source) {
    source_ = std::move(source);
    picture_ = QImage();
    keyed_ = QImage();
    update();
}

void Image::make_picture() const {
    if (!source_) return;
    const auto source = std::move(source_);
    source_ = nullptr;
    picture_ = source();
    keyed_ = transparent_ && !picture_.isNull()
                 ? keyed_image(picture_, default_transparent_color(picture_))
                 : QImage();
}

const QImage& Image::Picture() const {
    make_picture();
    return picture_;
}

void Image::LoadFromFile(const std::string& path) {
    SetPicture(load_bmp(path));
}

void Image::SetStretch(bool on) {
    stretch_ = on;
    update();
}

void Image::SetCenter(bool on) {
    center_ = on;
    update();
}

void Image::SetTransparent(bool on) {
    transparent_ = on;
    if (source_) return; // keyed when it is made
    SetPicture(picture_);
}

void Image::paintEvent(QPaintEvent* e) {
    make_picture();
    if (picture_.isNull()) return;
    QPainter p(this);
    const QImage& img = transparent_ ? keyed_ : picture_;
    if (stretch_) {
        p.drawImage(rect(), img);
        return;
    }
    Canvas c(p, e->rect());
    QPoint at(0, 0);
    if (center_) at = QPoint((width() - img.width()) / 2, (height() - img.height()) / 2);
    c.Draw(at, img, img.rect());
}

// ---- PaintBox

PaintBox::PaintBox(QWidget* parent) : Clickable<QWidget>(parent) {}

void PaintBox::paintEvent(QPaintEvent* e) {
    if (!OnPaint) return;
    QPainter p(this);
    Canvas c(p, e->rect());
    OnPaint(c);
}

// ---- Edit

Edit::Edit(QWidget* parent) : Control<QLineEdit>(parent) {
    // Typed text keeps clear of the box's border.
    setTextMargins(4, 0, 4, 0);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (OnChange) OnChange();
    });
}

std::string Edit::Text() const {
    return from_qt(text(), font_.charset);
}

void Edit::SetText(const std::string& text) {
    setText(to_qt(text, font_.charset));
}

void Edit::SetFont(const Font& font) {
    // The box holds bytes: another character set shows the same bytes anew.
    const bool recode = font.charset != font_.charset && !text().isEmpty();
    const std::string bytes = recode ? Text() : std::string();
    font_ = font;
    setFont(qfont(font));
    if (recode) setText(to_qt(bytes, font_.charset));
}

void Edit::SetMaxLength(int n) {
    setMaxLength(n > 0 ? n : 32767);
}

void Edit::keyPressEvent(QKeyEvent* e) {
    if (swallowed(OnKeyDown, e)) return;
    if (OnKeyPress && e->text().size() == 1) {
        const std::string typed = from_qt(e->text(), font_.charset);
        char ch = typed.size() == 1 ? typed[0] : '?';
        const char was = ch;
        OnKeyPress(ch);
        if (ch == 0) {
            e->accept();
            return;
        }
        if (ch != was) {
            insert(to_qt(std::string(1, ch), font_.charset));
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

// ---- ListBox

ListBox::ListBox(QWidget* parent) : Control<QListWidget>(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
}

int ListBox::ItemIndex() const {
    return currentRow();
}

void ListBox::SetItemIndex(int index) {
    if (index < 0 || index >= QListWidget::count()) {
        setCurrentRow(-1);
        clearSelection();
    } else {
        setCurrentRow(index);
    }
}

void ListBox::SetFont(const Font& font) {
    font_ = font;
    setFont(qfont(font));
}

// A row added in pieces keeps its bytes beside the shown text.
constexpr int BYTES_ROLE = Qt::UserRole + 1;

void ListBox::AddParts(const os::PartedText& row) {
    auto* it = new QListWidgetItem(to_qt(row));
    const std::string bytes = os::joined(row);
    it->setData(BYTES_ROLE, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    addItem(it);
}

std::string ListBox::get(int i) const {
    const QVariant bytes = item(i)->data(BYTES_ROLE);
    if (bytes.isValid()) return bytes.toByteArray().toStdString();
    return from_qt(item(i)->text(), font_.charset);
}

void ListBox::insert(int i, const std::string& s) {
    insertItem(i, to_qt(s, font_.charset));
}

void ListBox::remove(int i) {
    delete takeItem(i);
}

void ListBox::set(int i, const std::string& s) {
    item(i)->setData(BYTES_ROLE, QVariant());
    item(i)->setText(to_qt(s, font_.charset));
}

void ListBox::clear() {
    QListWidget::clear();
}

void ListBox::keyPressEvent(QKeyEvent* e) {
    if (swallowed(OnKeyDown, e)) return;
    const int before = currentRow();
    QListWidget::keyPressEvent(e);
    if (currentRow() != before && OnClick) OnClick();
}

void ListBox::mousePressEvent(QMouseEvent* e) {
    QListWidget::mousePressEvent(e);
    if (e->button() == Qt::LeftButton && itemAt(e->position().toPoint()) && OnClick) OnClick();
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* e) {
    QListWidget::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton && OnDblClick) OnDblClick();
}

// ---- ComboBox

ComboBox::ComboBox(QWidget* parent) : Control<QComboBox>(parent) {
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this] {
        if (OnClick) OnClick();
        if (OnChange) OnChange();
    });
}

int ComboBox::ItemIndex() const {
    return currentIndex();
}

void ComboBox::SetItemIndex(int index) {
    setCurrentIndex(index >= 0 && index < QComboBox::count() ? index : -1);
}

std::string ComboBox::Text() const {
    return currentIndex() < 0 ? std::string() : from_qt(currentText(), font_.charset);
}

void ComboBox::SetFont(const Font& font) {
    font_ = font;
    setFont(qfont(font));
}

std::string ComboBox::get(int i) const {
    return from_qt(itemText(i), font_.charset);
}

void ComboBox::insert(int i, const std::string& s) {
    // A list that was empty gets no selection from its first item.
    const bool was_empty = QComboBox::count() == 0;
    insertItem(i, to_qt(s, font_.charset));
    if (was_empty) setCurrentIndex(-1);
}

void ComboBox::remove(int i) {
    removeItem(i);
}

void ComboBox::set(int i, const std::string& s) {
    setItemText(i, to_qt(s, font_.charset));
}

void ComboBox::clear() {
    QComboBox::clear();
}

void ComboBox::keyPressEvent(QKeyEvent* e) {
    if (swallowed(OnKeyDown, e)) return;
    QComboBox::keyPressEvent(e);
}

// ---- CheckBox

CheckBox::CheckBox(QWidget* parent) : Control<QCheckBox>(parent) {
    connect(this, &QCheckBox::toggled, this, [this] {
        if (OnClick) OnClick();
    });
}

void CheckBox::SetChecked(bool on) {
    setChecked(on);
}

void CheckBox::SetCaption(const std::string& text) {
    caption_ = text;
    setText(to_qt(text, font_.charset));
}

void CheckBox::SetFont(const Font& font) {
    font_ = font;
    setFont(qfont(font));
    setText(to_qt(caption_, font_.charset));
}

void CheckBox::AttachLabel(Label& label) {
    label.OnClick = [this] {
        if (isEnabled()) click();
    };
    hand_cursor(&label);
}

// ---- RadioButton

RadioButton::RadioButton(QWidget* parent) : Control<QRadioButton>(parent) {
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on && OnClick) OnClick();
    });
}

void RadioButton::SetChecked(bool on) {
    setChecked(on);
}

void RadioButton::SetCaption(const std::string& text) {
    caption_ = text;
    setText(to_qt(text, font_.charset));
}

void RadioButton::SetFont(const Font& font) {
    font_ = font;
    setFont(qfont(font));
    setText(to_qt(caption_, font_.charset));
}

// ---- RadioGroup

RadioGroup::RadioGroup(QWidget* parent) : Control<QGroupBox>(parent) {}

RadioGroup::~RadioGroup() = default;

int RadioGroup::count() const {
    return static_cast<int>(items_.size());
}

std::string RadioGroup::get(int i) const {
    return items_[static_cast<size_t>(i)];
}

void RadioGroup::insert(int i, const std::string& s) {
    items_.insert(items_.begin() + i, s);
    auto* b = new QRadioButton(to_qt(s, font_.charset), this);
    b->setFont(qfont(font_));
    buttons_.insert(buttons_.begin() + i, b);
    connect(b, &QRadioButton::clicked, this, [this, b] {
        const auto it = std::find(buttons_.begin(), buttons_.end(), b);
        const int picked = static_cast<int>(it - buttons_.begin());
        if (picked == index_) return;
        index_ = picked;
        if (OnClick) OnClick();
    });
    if (index_ >= i) ++index_;
    lay_out();
    b->show();
}

void RadioGroup::remove(int i) {
    delete buttons_[static_cast<size_t>(i)];
    buttons_.erase(buttons_.begin() + i);
    items_.erase(items_.begin() + i);
    if (index_ == i)
        index_ = -1;
    else if (index_ > i)
        --index_;
    lay_out();
}

void RadioGroup::set(int i, const std::string& s) {
    items_[static_cast<size_t>(i)] = s;
    buttons_[static_cast<size_t>(i)]->setText(to_qt(s, font_.charset));
}

void RadioGroup::clear() {
    for (QRadioButton* b : buttons_)
        delete b;
    buttons_.clear();
    items_.clear();
    index_ = -1;
}

void RadioGroup::SetItemIndex(int index) {
    index_ = index >= 0 && index < count() ? index : -1;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        // Unchecking needs the group's exclusivity off for a moment.
        buttons_[i]->setAutoExclusive(false);
        buttons_[i]->setChecked(static_cast<int>(i) == index_);
        buttons_[i]->setAutoExclusive(true);
    }
}

void RadioGroup::SetCaption(const std::string& text) {
    setTitle(to_qt(text, font_.charset));
}

void RadioGroup::SetColumns(int n) {
    columns_ = std::max(1, n);
    lay_out();
}

void RadioGroup::SetFont(const Font& font) {
    font_ = font;
    setFont(qfont(font));
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setText(to_qt(items_[i], font_.charset));
}

void RadioGroup::resizeEvent(QResizeEvent* e) {
    QGroupBox::resizeEvent(e);
    lay_out();
}

void RadioGroup::lay_out() {
    // Items fill the columns top to bottom, the rows sharing the height below the caption.
    const int n = count();
    if (n == 0) return;
    const int top = title().isEmpty() ? 4 : fontMetrics().height() + 2;
    const int rows = (n + columns_ - 1) / columns_;
    const int col_w = (width() - 12) / columns_;
    const int row_h = std::max(1, (height() - top - 4) / rows);
    for (int i = 0; i < n; ++i) {
        const int c = i / rows, r = i % rows;
        buttons_[static_cast<size_t>(i)]->setGeometry(8 + c * col_w, top + r * row_h, col_w - 4,
                                                      row_h);
    }
}

// ---- ScrollBar

ScrollBar::ScrollBar(QWidget* parent, Qt::Orientation kind) : Control<QScrollBar>(kind, parent) {
    setRange(0, 100);
    connect(this, &QScrollBar::valueChanged, this, [this] {
        if (OnChange) OnChange();
    });
}

void ScrollBar::SetRange(int min, int max) {
    setRange(min, std::max(min, max));
}

void ScrollBar::SetPosition(int pos) {
    setValue(std::clamp(pos, minimum(), maximum()));
}

// ---- Panel

Panel::Panel(QWidget* parent) : Control<QWidget>(parent) {}

void Panel::SetColor(QRgb color) {
    color_ = color;
    transparent_ = false;
    update();
}

void Panel::SetTransparent(bool on) {
    transparent_ = on;
    update();
}

void Panel::SetBevel(Bevel b) {
    bevel_ = b;
    update();
}

void Panel::SetCaption(const std::string& text) {
    caption_ = text;
    update();
}

void Panel::SetFont(const Font& font) {
    font_ = font;
    update();
}

void Panel::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    Canvas c(p, e->rect());
    const QRect r = rect();
    if (!transparent_) c.FillRect(r, color_);
    if (bevel_ != Bevel::none) {
        const QColor light(255, 255, 255), dark(128, 128, 128);
        const QColor& tl = bevel_ == Bevel::raised ? light : dark;
        const QColor& br = bevel_ == Bevel::raised ? dark : light;
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), tl);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), tl);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), br);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), br);
    }
    if (!caption_.empty()) {
        c.SetFont(font_);
        c.DrawText(r, caption_, Qt::AlignCenter, false);
    }
}

// ---- Memo

Memo::Memo(QWidget* parent) : Control<QPlainTextEdit>(parent) {
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (max_length_ > 0 && toPlainText().size() > max_length_) {
            // Typed or pasted past the limit: the end is cut off.
            QTextCursor cur = textCursor();
            const QSignalBlocker block(this);
            setPlainText(toPlainText().left(max_length_));
            cur.setPosition(max_length_);
            setTextCursor(cur);
        }
        if (OnChange) OnChange();
    });
}

std::string Memo::Text() const {
    std::string out;
    const std::vector<std::string> lines = Lines();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) out += "\r\n";
        out += lines[i];
    }
    return out;
}

void Memo::SetText(const std::string& text) {
    setPlainText(to_qt(text, font_.charset));
}

std::vector<std::string> Memo::Lines() const {
    std::vector<std::string> out;
    const QString all = toPlainText();
    if (all.isEmpty()) return out;
    for (const QString& l : all.split(QChar('\n')))
        out.push_back(from_qt(l, font_.charset));
    return out;
}

void Memo::SetLines(const std::vector<std::string>& lines) {
    QStringList q;
    for (const auto& l : lines)
        q.push_back(to_qt(l, font_.charset));
    setPlainText(q.join(QChar('\n')));
}

void Memo::SetFont(const Font& font) {
    font_ = font;
    setFont(qfont(font));
}

void Memo::SetWordWrap(bool on) {
    setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void Memo::SetMaxLength(int n) {
    max_length_ = std::max(0, n);
}

void Memo::keyPressEvent(QKeyEvent* e) {
    if (swallowed(OnKeyDown, e)) return;
    QPlainTextEdit::keyPressEvent(e);
}

// ---- CheckListBox

CheckListBox::CheckListBox(QWidget* parent) : Control<QListWidget>(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* it) {
        if (setting_ || !OnClickCheck) return;
        OnClickCheck(row(it));
    });
    connect(this, &QListWidget::itemClicked, this, [this] {
        if (OnClick) OnClick();
    });
}

bool CheckListBox::Checked(int i) const {
    return i >= 0 && i < QListWidget::count() && item(i)->checkState() == Qt::Checked;
}

void CheckListBox::SetChecked(int i, bool on) {
    if (i < 0 || i >= QListWidget::count()) return;
    setting_ = true;
    item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    setting_ = false;
}

void CheckListBox::SetItemIndex(int index) {
    setCurrentRow(index >= 0 && index < QListWidget::count() ? index : -1);
}

void CheckListBox::SetFont(const Font& font) {
    font_ = font;
    setFont(qfont(font));
}

std::string CheckListBox::get(int i) const {
    return from_qt(item(i)->text(), font_.charset);
}

void CheckListBox::insert(int i, const std::string& s) {
    auto* it = new QListWidgetItem(to_qt(s, font_.charset));
    it->setFlags(it->flags() | Qt::ItemIsUserCheckable);
    setting_ = true;
    it->setCheckState(Qt::Unchecked);
    insertItem(i, it);
    setting_ = false;
}

void CheckListBox::remove(int i) {
    delete takeItem(i);
}

void CheckListBox::set(int i, const std::string& s) {
    setting_ = true;
    item(i)->setText(to_qt(s, font_.charset));
    setting_ = false;
}

void CheckListBox::clear() {
    QListWidget::clear();
}

// ---- ProgressBar

ProgressBar::ProgressBar(QWidget* parent) : Control<QProgressBar>(parent) {
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

void ProgressBar::SetRange(int min, int max) {
    setRange(min, std::max(min, max));
    update();
}

void ProgressBar::SetPosition(int pos) {
    setValue(std::clamp(pos, minimum(), maximum()));
    update();
}

void ProgressBar::StepIt() {
    int pos = value() + Step;
    if (pos > maximum()) pos = minimum() + (pos - maximum()) - 1;
    SetPosition(pos);
}

void ProgressBar::SetSmooth(bool on) {
    smooth_ = on;
    update();
}

void ProgressBar::SetColors(QRgb bar, QRgb ground) {
    bar_ = bar;
    ground_ = ground;
    update();
}

void ProgressBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, QColor::fromRgb(ground_));
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), QColor(128, 128, 128));
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), QColor(128, 128, 128));
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), QColor(255, 255, 255));
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), QColor(255, 255, 255));
    const QRect in = r.adjusted(1, 1, -1, -1);
    const int span = maximum() - minimum();
    if (span <= 0 || in.width() <= 0) return;
    const int filled =
        static_cast<int>(static_cast<long long>(value() - minimum()) * in.width() / span);
    const QColor bar = QColor::fromRgb(bar_);
    if (smooth_) {
        p.fillRect(QRect(in.left(), in.top(), filled, in.height()), bar);
        return;
    }
    const int block = std::max(2, in.height() * 2 / 3);
    for (int x = 0; x < filled; x += block + 2)
        p.fillRect(
            QRect(in.left() + x + 1, in.top() + 1, std::min(block, filled - x), in.height() - 2),
            bar);
}

} // namespace ui
