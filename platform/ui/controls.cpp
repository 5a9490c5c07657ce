#include "platform/ui/controls.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
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
    if (text == caption_) return;
    caption_ = text;
    update();
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
    c.DrawText(rect(), caption_, halign_ | valign_, wrap_);
}

// ---- Image

Image::Image(QWidget* parent) : Clickable<QWidget>(parent) {}

void Image::SetPicture(const QImage& picture) {
    picture_ = picture;
    keyed_ = transparent_ && !picture_.isNull()
                 ? keyed_image(picture_, default_transparent_color(picture_))
                 : QImage();
    update();
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
    SetPicture(picture_);
}

void Image::paintEvent(QPaintEvent* e) {
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
    font_ = font;
    setFont(qfont(font));
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

std::string ListBox::get(int i) const {
    return from_qt(item(i)->text(), font_.charset);
}

void ListBox::insert(int i, const std::string& s) {
    insertItem(i, to_qt(s, font_.charset));
}

void ListBox::remove(int i) {
    delete takeItem(i);
}

void ListBox::set(int i, const std::string& s) {
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
