#include "shared/my_image_list.h"

#include "platform/ui/bmp.h"

namespace {
constexpr int kOutOfRange = 33;
}

int TMyImageList::AddFromFile(const std::string& file, int frames, int def_left, int def_top) {
    TMyBitmap b;
    b.bitmap = ui::load_bmp(file);
    if (frames < 1 || b.bitmap.width() % frames > 0)
        throw EMyImageList("Dlugosc obrazka nie dzieli sie przez podana liczbe klatek");
    b.frame_width = b.bitmap.width() / frames;
    b.transparent = ui::default_transparent_color(b.bitmap);
    b.keyed = ui::keyed_image(b.bitmap, b.transparent);
    items_.push_back(std::move(b));
    const int index = Count() - 1;
    SetDefPos(index, def_left, def_top);
    return index;
}

const TMyBitmap* TMyImageList::Item(int index) const {
    return index >= 0 && index < Count() ? &items_[static_cast<size_t>(index)] : nullptr;
}

void TMyImageList::SetDefPos(int index, int def_left, int def_top) {
    if (index < 0 || index >= Count()) return;
    items_[static_cast<size_t>(index)].def_left = def_left;
    items_[static_cast<size_t>(index)].def_top = def_top;
}

void TMyImageList::Draw(ui::Canvas& canvas, int index, int frame) const {
    const TMyBitmap* b = Item(index);
    if (!b) return;
    const QRect clip = canvas.ClipRect();
    if (clip.width() <= 0) return;
    // The source is the clip rectangle moved into the frame; the canvas reads
    // nothing outside the strip.
    canvas.DrawPrepared(clip.topLeft(), b->keyed, clip.translated(frame * b->frame_width, 0));
}

int TMyImageList::GetFrameWidth(int index) const {
    const TMyBitmap* b = Item(index);
    return b ? b->frame_width : kOutOfRange;
}

int TMyImageList::GetFrameHeight(int index) const {
    const TMyBitmap* b = Item(index);
    return b ? b->bitmap.height() : kOutOfRange;
}

int TMyImageList::GetDefLeft(int index) const {
    const TMyBitmap* b = Item(index);
    return b ? b->def_left : kOutOfRange;
}

int TMyImageList::GetDefTop(int index) const {
    const TMyBitmap* b = Item(index);
    return b ? b->def_top : kOutOfRange;
}

void TMyImageList::SetName(int index, Pasek nazwa) {
    if (index < 0 || index >= Count()) return;
    items_[static_cast<size_t>(index)].nazwa = nazwa;
}

int TMyImageList::IndexOf(Pasek nazwa) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)].nazwa == nazwa) return i;
    return -1;
}
