#pragma once
// The window base of every program window: fixed size, borderless, centred on
// the screen unless placed, shown modally (its own event loop, returning a
// result) or modelessly. The window sees every key before its controls do
// (FormKeyDown). Closing it any way but close_modal() ends a modal loop with
// result 0 (cancel); so does a modal loop that ends without a close (the window
// hidden, the application quitting), which OnClose then hears of as well.
//
// A window shown modally stands above the window it was opened from (its
// owner), which is shaded while it shows; a borderless one gets a dark edge.
//
// Keys after FormKeyDown: Enter presses the focused button, else the default
// button while it is visible and enabled; Esc presses the cancel button; F1
// goes to the program's help handler with the window's help page; Tab and
// Shift+Tab move the focus.
//
// One step at a time: while a handler that a click or key started in a window
// waits and lets events through (ui::process_events_while_waiting), further
// clicks and keys meant for that window are dropped, so none of its handlers
// runs in the middle of another. Other windows go on taking input. A
// run-time error (exception) of a handler ends that step with its message.
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

class QEventLoop;

namespace ui {

// What a window's default and cancel buttons must do: be pressed.
class Pressable {
  public:
    virtual ~Pressable() = default;
    virtual void Click() = 0;
};

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

    // Enter presses `button` (a control of this window) while it is visible
    // and enabled; with none set Enter goes to the focused control. Esc
    // presses the cancel button whether it shows or not. nullptr unsets.
    void SetDefaultButton(Pressable* button) { default_ = button; }
    void SetCancelButton(Pressable* button) { cancel_ = button; }
    Pressable* DefaultButton() const { return default_; }
    Pressable* CancelButton() const { return cancel_; }

    // The help page F1 asks for ("" is the contents); unset, F1 opens help
    // at whatever page was asked for last.
    void SetHelpPage(const std::string& page) { help_page_ = page; }
    const std::optional<std::string>& HelpPage() const { return help_page_; }
    // What F1 does in every window of the program (nothing until set).
    static void set_help_handler(std::function<void(Window&)> handler);

    // The window that was active when this one was last shown modally (its
    // owner, which it stays above and which is shaded meanwhile), or nullptr.
    QWidget* owner() const { return owner_; }

    // True while a handler started by a click or key in this window runs.
    bool busy() const { return busy_ > 0; }

  protected:
    virtual void OnShow() {}     // each time the window is shown
    virtual void OnActivate() {} // each time it becomes the active window
    virtual void OnClose() {}    // when it closes, any way, or its modal show ends
    // Asked first when the window is to be closed (not when a modal show ends
    // without a close); false keeps it open.
    virtual bool OnCloseQuery() { return true; }

    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    friend class InputGate;
    void centre_on_screen();
    void show_edge(bool on);

    std::string caption_;
    bool placed_ = false;
    QEventLoop* loop_ = nullptr;
    int result_ = 0;
    int pending_result_ = 0;
    bool result_pending_ = false;
    bool closed_ = false; // a close event came during the current modal show
    Pressable* default_ = nullptr;
    Pressable* cancel_ = nullptr;
    std::optional<std::string> help_page_;
    QWidget* owner_ = nullptr;
    QWidget* edge_ = nullptr;
    int busy_ = 0;       // handlers of this window running
    int busy_waits_ = 0; // the wait depth when the outermost of them started
};

// Lets events through while a caller waits (a pause, a sound played to the
// end). Clicks and keys for a window whose handler is waiting are dropped.
void process_events_while_waiting();

// Pointing-hand cursor, as every clickable control of the programs has.
void hand_cursor(QWidget* w);

// The hourglass pointer over the whole program for as long as it lives.
class BusyCursor {
  public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Test hook: acts once on the next window shown modally, queued after it is
// shown (inside its modal loop). An empty function clears it.
void set_next_modal_hook(std::function<void(Window&)> hook);

// Renders the widget into a PNG file, creating its folders. false on failure.
bool grab_to_png(QWidget& widget, const std::string& path);

} // namespace ui
