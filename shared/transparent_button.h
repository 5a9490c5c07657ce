#pragma once
// The image button of every window: paints one frame of its strip (frame
// Stan: 0 normal, 1 highlighted, 2 pressed) with the strip's transparent
// colour letting the window's background show through. It has no background
// of its own.
//
// Buttons draw from the shared strip list unless given one of their own; the
// shared list is bound when its holder window is created (SetSharedList), so
// a button made before that keeps its size and paints nothing until then. A
// button names its strip (Pasek) and finds it in whichever list it draws
// from; a strip that list lacks gives the out-of-range size and no picture.
//
// The learner can also reach a button with Tab: it then shows a focus mark,
// and Space or Enter press it.
#include <optional>

#include "platform/ui/controls.h"
#include "shared/my_image_list.h"

// Members of TStyl (a set).
enum : unsigned {
    tbs_Highlighted = 1u << 0,
    tbs_Pressed = 1u << 1,
    tbs_DefPos = 1u << 2,
};
using TStyl = unsigned;

class TTransparentButton : public ui::Clickable<QWidget> {
  public:
    // Style [tbs_Highlighted], HideNormal false, the shared list.
    TTransparentButton(QWidget* parent, Pasek pasek);
    // By index into the list, for a strip no name stands for.
    explicit TTransparentButton(QWidget* parent, int bitmap_normal = 0);
    ~TTransparentButton() override;

    // The strip's index in the list (-1 for a named strip the list lacks).
    int BitmapNormal() const { return bitmap_normal_; }
    void SetBitmapNormal(int index); // resizes to the strip's frame when a list is set
    void SetPasek(Pasek pasek);      // the same, by name
    std::optional<Pasek> PasekNazwa() const { return pasek_; }
    int Stan() const { return stan_; }
    void SetStan(int stan); // repaints
    TMyImageList* ImageList() const { return list_; }
    void SetImageList(TMyImageList* list); // a list of its own (or none)
    TStyl Style() const { return style_; }
    void SetStyle(TStyl style);
    bool HideNormal() const { return hide_normal_; }
    void SetHideNormal(bool on);

    ui::NotifyEvent OnMouseEnter, OnMouseLeave;

    // Binds every button that follows the shared list (nullptr unbinds).
    static void SetSharedList(TMyImageList* list);
    static TMyImageList* SharedList();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    void use_list(TMyImageList* list);
    void fit(); // default position and frame size from the list

    int bitmap_normal_ = 0;
    std::optional<Pasek> pasek_;
    bool focus_mark_ = false;
    int stan_ = 0;
    TMyImageList* list_ = nullptr;
    TStyl style_ = tbs_Highlighted;
    bool hide_normal_ = false;
    bool follows_shared_ = true;
};
