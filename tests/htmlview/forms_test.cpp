// Forms: the controls a page makes are real controls on the surface at the
// places the layout gives them; tab order, reset, radio groups and their
// arrow keys, Enter in an edit, submission and saved state as text; sizes
// from attributes, bounded; the printed pictures of controls.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "flow_support.h"
#include "htmlview/form.h"
#include "htmlview/form_controls.h"

namespace {

using namespace htmlview;

class Forms : public testsupport::QtFixture {};

// A surface that records submissions.
class Surface : public htmlshot::ShotSurface {
  public:
    void SubmitForm(const std::string& action, const std::string&, const std::string&, const std::string& method,
                    const std::vector<std::string>& results) override {
        submitted.push_back(action + " " + method + ":");
        for (const std::string& r : results) submitted.back() += " [" + r + "]";
    }
    std::vector<std::string> submitted;
};

std::string fixture(const char* name) {
    return std::string(FIXTURES_DIR) + "/forms/" + name;
}

ThtmlForm& only_form(TSectionList& doc) {
    EXPECT_EQ(doc.FormList.size(), 1u);
    return *doc.FormList.front();
}

TFormControlObj* named(TSectionList& doc, const std::string& name) {
    for (TFormControlObj* c : doc.AllControls)
        if (c->Name == name) return c;
    return nullptr;
}

std::string joined(const std::vector<std::string>& v) {
    std::string out;
    for (const std::string& s : v) out += "[" + s + "]";
    return out;
}

void press(QWidget* w, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &down);
}

// The names of the controls in the surface's tab order.
std::string tab_order(Surface& s) {
    std::string out;
    std::vector<QWidget*> seen;
    for (QWidget* w = s.nextInFocusChain(); w && w != &s; w = w->nextInFocusChain()) {
        if (!s.isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus)) continue;
        for (TFormControlObj* c : s.Doc().AllControls)
            if (c->Control() == w) out += (out.empty() ? "" : " ") + (c->Name.empty() ? std::string("-") : c->Name);
    }
    return out;
}

const char* const kSettingsPairs =
    "[user=Anna][pw=secret][level=2][topics=Food][topics=Work][sound=on][speed=normal]"
    "[notes=First line\r\nSecond line][page=settings]";

TEST_F(Forms, ControlsAreRealControlsAtTheirPlaces) {
    Surface s;
    s.Load(fixture("forms.html"), 800);
    const QImage shot = s.Grab(); // paints, which places the controls
    ASSERT_EQ(s.Doc().AllControls.size(), 14u);
    int shown = 0;
    for (TFormControlObj* c : s.Doc().AllControls) {
        QWidget* w = c->Control();
        if (c->IsHiddenInput()) {
            EXPECT_EQ(w, nullptr);
            continue;
        }
        ASSERT_NE(w, nullptr) << c->Name;
        EXPECT_EQ(w->parentWidget(), &s);
        EXPECT_TRUE(w->isVisible()) << c->Name;
        EXPECT_TRUE(QRect(0, 0, s.width(), s.height()).contains(w->geometry())) << c->Name;
        ++shown;
    }
    EXPECT_EQ(shown, 13);
    // Controls of one line share it; later lines lie below.
    QWidget* user = named(s.Doc(), "user")->Control();
    QWidget* pw = named(s.Doc(), "pw")->Control();
    EXPECT_GT(pw->y(), user->y() + user->height() - 2);
    EXPECT_EQ(pw->x(), user->x());
    EXPECT_EQ(qobject_cast<QLineEdit*>(pw)->echoMode(), QLineEdit::Password);
    EXPECT_EQ(qobject_cast<QLineEdit*>(pw)->maxLength(), 8);
}

TEST_F(Forms, SubmitResetAndSavedStateAsText) {
    Surface s;
    s.Load(fixture("forms.html"), 800);
    s.Grab();
    TSectionList& doc = s.Doc();
    ThtmlForm& form = only_form(doc);
    EXPECT_EQ(joined(form.CollectPairs()), kSettingsPairs);

    // The submit button adds its own pair; the form's action and method go along.
    qobject_cast<QPushButton*>(named(doc, "go")->Control())->click();
    ASSERT_EQ(s.submitted.size(), 1u);
    EXPECT_EQ(s.submitted[0], std::string("save post:") + " [user=Anna] [pw=secret] [level=2] [topics=Food] "
                                                            "[topics=Work] [sound=on] [speed=normal] "
                                                            "[notes=First line\r\nSecond line] [page=settings] [go=Save]");

    // Changes, then the reset button brings the page's values back.
    qobject_cast<QLineEdit*>(named(doc, "user")->Control())->setText("Bob");
    qobject_cast<QAbstractButton*>(named(doc, "music")->Control())->click();
    qobject_cast<QComboBox*>(named(doc, "level")->Control())->setCurrentIndex(0);
    qobject_cast<QPlainTextEdit*>(named(doc, "notes")->Control())->setPlainText("changed");
    EXPECT_EQ(joined(form.CollectPairs()),
              "[user=Bob][pw=secret][level=1][topics=Food][topics=Work][sound=on][music=yes][speed=normal]"
              "[notes=changed][page=settings]");
    QPushButton* reset = nullptr;
    for (TFormControlObj* c : doc.AllControls)
        if (auto* b = qobject_cast<QPushButton*>(c->Control()); b && b->text() == "Reset") reset = b;
    ASSERT_NE(reset, nullptr);
    reset->click();
    EXPECT_EQ(joined(form.CollectPairs()), kSettingsPairs);

    // Saved pairs restore into the controls.
    named(doc, "user")->SetData(0, "Carl");
    named(doc, "music")->SetData(0, "YES");
    EXPECT_EQ(qobject_cast<QLineEdit*>(named(doc, "user")->Control())->text(), "Carl");
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(named(doc, "music")->Control())->isChecked());
}

TEST_F(Forms, EnterInAOneLineEditSubmitsButNotInATextArea) {
    Surface s;
    s.Load(fixture("forms.html"), 800);
    s.Grab();
    press(named(s.Doc(), "notes")->Control(), Qt::Key_Return);
    EXPECT_TRUE(s.submitted.empty());
    press(named(s.Doc(), "user")->Control(), Qt::Key_Return);
    ASSERT_EQ(s.submitted.size(), 1u);
    EXPECT_EQ(s.submitted[0].find("[go=Save]"), std::string::npos); // no button pair
}

TEST_F(Forms, DisabledControlsAreSavedButNotSubmitted) {
    Surface s;
    s.LoadText("<form action=a><input name=on value=1><input name=off value=2 disabled><input type=submit></form>", "",
               400);
    s.Grab();
    EXPECT_EQ(joined(only_form(s.Doc()).CollectPairs()), "[on=1][off=2]");
    only_form(s.Doc()).Submit("");
    ASSERT_EQ(s.submitted.size(), 1u);
    EXPECT_EQ(s.submitted[0], "a Get: [on=1]");
}

TEST_F(Forms, RadioGroupsIgnoreCaseAndArrowsMoveWithinThem) {
    Surface s;
    s.LoadText("<form><input type=radio name=Size value=s checked><input type=radio name=SIZE value=m>"
               "<input type=radio name=size value=l><input type=radio name=other value=x checked></form>",
               "", 400);
    s.Grab();
    TSectionList& doc = s.Doc();
    std::vector<QAbstractButton*> r;
    for (TFormControlObj* c : doc.AllControls) r.push_back(qobject_cast<QAbstractButton*>(c->Control()));
    ASSERT_EQ(r.size(), 4u);
    auto state = [&] {
        std::string out;
        for (auto* b : r) out += b->isChecked() ? 'x' : 'o';
        return out;
    };
    r[1]->click();
    EXPECT_EQ(state(), "oxox");
    r[1]->click(); // a click never unchecks
    EXPECT_EQ(state(), "oxox");
    press(r[1], Qt::Key_Right);
    EXPECT_EQ(state(), "ooxx");
    press(r[2], Qt::Key_Down); // the last of its group: stays
    EXPECT_EQ(state(), "ooxx");
    press(r[2], Qt::Key_Up);
    press(r[1], Qt::Key_Left);
    EXPECT_EQ(state(), "xoox");
    press(r[0], Qt::Key_Left);
    EXPECT_EQ(state(), "xoox");
    EXPECT_EQ(joined(only_form(doc).CollectPairs()), "[Size=s][other=x]");
}

TEST_F(Forms, TabOrderFollowsTabIndexThenThePage) {
    Surface s;
    s.LoadText("<form><input name=a tabindex=2><input name=b><input name=c tabindex=10><input name=d tabindex=1>"
               "<select name=e><option>x</select><textarea name=f></textarea><input type=submit name=g></form>",
               "", 800);
    s.Grab();
    // Ten comes after two: tab indexes are numbers, not texts.
    EXPECT_EQ(tab_order(s), "d a c b e f g");
}

TEST_F(Forms, SizesFromAttributesAreBounded) {
    Surface s;
    std::string options;
    for (int i = 0; i < 50; ++i) options += "<option>item " + std::to_string(i);
    s.LoadText("<form><input name=a size=\"20,5\"><input name=b size=\"x y\"><input name=c>"
               "<input name=d size=99999999999><textarea name=e rows=2147483647 cols=2147483647></textarea>"
               "<select name=f size=2>" + options + "</select><select name=g multiple>" + options + "</select></form>",
               "", 800);
    s.Grab();
    TSectionList& doc = s.Doc();
    auto* a = dynamic_cast<TEditFormControlObj*>(named(doc, "a"));
    auto* b = dynamic_cast<TEditFormControlObj*>(named(doc, "b"));
    auto* c = dynamic_cast<TEditFormControlObj*>(named(doc, "c"));
    auto* d = dynamic_cast<TEditFormControlObj*>(named(doc, "d"));
    ASSERT_TRUE(a && b && c && d);
    EXPECT_EQ(a->SizeChars, 20);
    EXPECT_EQ(b->SizeChars, 20);
    EXPECT_EQ(c->SizeChars, 15);
    EXPECT_LE(d->SizeChars, 1000);
    EXPECT_EQ(a->Width() - 20, (c->Width() - 20) * 20 / 15);
    auto* e = named(doc, "e");
    EXPECT_GT(e->Height(), 0);
    EXPECT_GT(e->Width(), 0);
    EXPECT_EQ(dynamic_cast<TListBoxFormControlObj*>(named(doc, "f"))->VisibleRows, 2);
    EXPECT_EQ(dynamic_cast<TListBoxFormControlObj*>(named(doc, "g"))->VisibleRows, 8);
}

TEST_F(Forms, APrintedPasswordShowsOnlyStars) {
    Surface s;
    s.LoadText("<form><input type=password name=p value=abc><input name=t value=\"***\"></form>", "", 400);
    s.Grab();
    auto picture = [&](const char* name) {
        QImage img(200, 40, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        ui::HtmlCanvas canvas(p);
        canvas.SetAntialias(false);
        named(s.Doc(), name)->Print(canvas, 2, 2);
        return img;
    };
    EXPECT_EQ(picture("p"), picture("t"));
}

TEST_F(Forms, SelectEndsAtTheNextCellAndTextareaKeepsItsText) {
    Surface s;
    s.LoadText("<table><tr><td><select name=s><option value=1>one<option>two &amp; more<td>next</table>"
               "<form><textarea name=t>&lt;b&gt; stays\r\n <i>text</i></textarea>after</form>"
               "<form><textarea name=u>a &amp b &lt;c &euro d &#65 e</textarea></form>",
               "", 600);
    s.Grab();
    auto* sel = dynamic_cast<TListBoxFormControlObj*>(named(s.Doc(), "s"));
    ASSERT_NE(sel, nullptr);
    ASSERT_EQ(sel->Options.size(), 2u);
    EXPECT_EQ(sel->Options[1].Caption, "two & more");
    EXPECT_EQ(sel->Options[1].Value, "two & more");
    EXPECT_EQ(sel->Options[0].Value, "1");
    std::string pair;
    named(s.Doc(), "t")->SubmitPairs(0, pair);
    EXPECT_EQ(pair, "t=<b> stays\r\n <i>text</i>");
    // References without ";" are read as in attribute values.
    pair.clear();
    named(s.Doc(), "u")->SubmitPairs(0, pair);
    EXPECT_EQ(pair, "u=a & b <c &euro d A e");
    const auto lines = flow::line_texts(s.Doc());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "next"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "#after"), lines.end());
}

} // namespace

namespace {

// A viewer that shows the next page as soon as a form is submitted.
class Navigating : public htmlshot::ShotSurface {
  public:
    void SubmitForm(const std::string&, const std::string&, const std::string&, const std::string&,
                    const std::vector<std::string>& results) override {
        last = results;
        LoadText("<p>next page</p>", "", 400);
    }
    std::vector<std::string> last;
};

TEST_F(Forms, ASubmissionMayReplaceThePageItCameFrom) {
    // The button, the edit and the form go while their own events run.
    for (bool by_enter : {false, true}) {
        SCOPED_TRACE(by_enter);
        Navigating s;
        s.LoadText("<form><input name=q value=word><input type=submit name=go value=Find></form>", "", 400);
        s.Grab();
        QWidget* edit = named(s.Doc(), "q")->Control();
        QWidget* button = named(s.Doc(), "go")->Control();
        if (by_enter)
            press(edit, Qt::Key_Return);
        else
            qobject_cast<QPushButton*>(button)->click();
        EXPECT_EQ(joined(s.last), by_enter ? "[q=word]" : "[q=word][go=Find]");
        EXPECT_TRUE(s.Doc().AllControls.empty());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(s.findChildren<QLineEdit*>().size(), 0);
    }
}

} // namespace
