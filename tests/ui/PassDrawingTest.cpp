// A window whose drawing a run holds: what code writes into its text boxes
// reaches the screen only when the window shows what it holds, while the
// program reads it back and its Change handlers fire as ever.
#include <QLineEdit>

#include <cmath>
#include <limits>
#include <string>

#include "DemoForm.h"
#include "core/runtime/RuntimeError.h"
#include "ui/UserActions.h"

namespace {

std::string onScreen(const ui::TextBox& box) {
  return static_cast<QLineEdit*>(box.widget())->text().toStdString();
}

TEST_F(FormsTest, AHeldTextReachesTheScreenWhenTheWindowShowsWhatItHolds) {
  DemoForm<3>& form = demoForm<3>();
  form.Show();
  eventLog().clear();
  {
    const ui::HeldDrawing held(form);
    form.Text1.setText("1");
    form.Text1.setText("2");
    EXPECT_EQ(form.Text1.Text(), "2");
    EXPECT_EQ(onScreen(form.Text1), "0,001");
    EXPECT_EQ(eventLog(), (Log{"Text1_Change 1 (форма 3)", "Text1_Change 2 (форма 3)"}));
    form.showHeldDrawing();
    EXPECT_EQ(onScreen(form.Text1), "2");

    // What the user types replaces a text not yet shown.
    form.Text1.setText("3");
    ui::typeAsUser(form.Text1, "4");
    EXPECT_EQ(form.Text1.Text(), "4");
    form.showHeldDrawing();
    EXPECT_EQ(onScreen(form.Text1), "4");

    // A hold inside a hold: only the last one to end shows.
    form.Text1.setText("5");
    { const ui::HeldDrawing inner(form); }
    EXPECT_EQ(onScreen(form.Text1), "4");
  }
  EXPECT_EQ(onScreen(form.Text1), "5");
  form.Text1.setText("6");
  EXPECT_EQ(onScreen(form.Text1), "6");
}

// A number written with its words while the window holds its drawing reads
// back, fires Change and reaches the screen as those words; a later write of
// either kind replaces it; a number with no words (not finite) raises its
// error where it is written.
TEST_F(FormsTest, AHeldNumberReadsBackAndIsShownAsItsWords) {
  DemoForm<3>& form = demoForm<3>();
  form.Show();
  ui::TextBox unwatched(&form);  // no Change handler reads it
  eventLog().clear();
  const ui::HeldDrawing held(form);
  form.Text1.setText(-1.25e-7, Str);
  unwatched.setText(1234.5, Str);
  EXPECT_EQ(eventLog(), Log{"Text1_Change -1,25E-07 (форма 3)"});
  EXPECT_EQ(onScreen(form.Text1), "0,001");
  form.showHeldDrawing();
  EXPECT_EQ(onScreen(form.Text1), "-1,25E-07");
  EXPECT_EQ(onScreen(unwatched), "1234,5");

  unwatched.setText("a");
  unwatched.setText(2.5, Str);
  EXPECT_EQ(unwatched.Text(), "2,5");
  unwatched.setText(3, Str);
  unwatched.setText("b");
  form.showHeldDrawing();
  EXPECT_EQ(onScreen(unwatched), "b");
  EXPECT_THROW(unwatched.setText(std::numeric_limits<double>::infinity(), Str), RuntimeError);
  EXPECT_THROW(unwatched.setText(std::nan(""), Str), RuntimeError);
}

// A held text reads back as the line edit gives back the same text shown.
TEST_F(FormsTest, AHeldTextReadsBackAsTheShownOne) {
  DemoForm<3>& form = demoForm<3>();
  for (const std::string& text : {std::string(), std::string("a\r\nb\tc"), std::string("ё 1,5E-07"),
                                  std::string(40000, '7')}) {
    form.Text1.setText(text);
    const std::string shown = form.Text1.Text();
    const ui::HeldDrawing held(form);
    form.Text1.setText(text);
    EXPECT_EQ(form.Text1.Text(), shown) << text.substr(0, 20);
  }
}

}  // namespace
