#pragma once
// The window base of every program window: fixed size, borderless, centred on
// the screen unless placed, shown modally (its own event loop, returning a
// result) or modelessly. The window sees every key before its controls do
// (FormKeyDown). Closing it any way but close_modal() ends a modal loop with
// result 0 (cancel); so does a modal loop that ends without a close (the window
// hidden, the application quitting), which OnClose then hears of as well.
#include <QWidget>
#include <functional>
#include <string>

class QEventLoop;

namespace ui {

class Window : public QWidget {
    Q_OBJECT

  public:
    explicit Window(int width, int height, QWidget* parent = nullptr);
    ~Window() override;

    // Size of the client area, fixed.
    void set_size(int width, int height);
    // Places the window at screen coordinates (no longer centred on show).
    void place(int left, int top);
    // Centred on the screen at the next show (the default).
    void centre();

    // Caption in 8-bit text of the given character set (238 or 0).
    void SetCaption(const std::string& text, int charset = 238);
    const std::string& Caption() const { return caption_; }

    // Frameless unless told otherwise; stays-on-top on request.
    void set_border(bool border);
    void set_stays_on_top(bool on_top);

    // Shows modally: runs its own event loop until close_modal() or a close,
    // then hides the window and returns the result (0 for a plain close).
    int show_modal();
    void close_modal(int result);
    bool in_modal() const { return loop_ != nullptr; }
    // Result of the last close: close_modal's, or 0 for any other close.
    int modal_result() const { return result_; }
    void show_modeless();

    // Key preview: called for every key press meant for this window or any of
    // its controls, before the control sees it. Returning true consumes it.
    virtual bool FormKeyDown(int key, Qt::KeyboardModifiers mods) { return false; }

  protected:
    virtual void OnShow() {}     // each time the window is shown
    virtual void OnActivate() {} // each time it becomes the active window
    virtual void OnClose() {}    // when it closes, any way, or its modal show ends

    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    void centre_on_screen();

    std::string caption_;
    bool placed_ = false;
    QEventLoop* loop_ = nullptr;
    int result_ = 0;
    int pending_result_ = 0;
    bool result_pending_ = false;
    bool closed_ = false; // a close event came during the current modal show
};

// Pointing-hand cursor, as every clickable control of the programs has.
void hand_cursor(QWidget* w);

// Test hook: acts once on the next window shown modally, queued after it is
// shown (inside its modal loop). An empty function clears it.
void set_next_modal_hook(std::function<void(Window&)> hook);

// Renders the widget into a PNG file, creating its folders. false on failure.
bool grab_to_png(QWidget& widget, const std::string& path);

} // namespace ui
