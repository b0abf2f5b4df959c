#pragma once
// What the tests of the plan designer share: the shared state as after the
// program's start (constants and the design strings of the plans), a program
// folder of their own with "Dat", a message-box recorder, the designer
// opened, and helpers that act as the user does and read what the window
// shows.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/stat/Stat.h"
#include "core/state/SharedState.h"
#include "core/state/StartUpState.h"
#include "statistics/Form18.h"
#include "statistics/Form8.h"
#include "ui/MessageBoxRecorder.h"
#include "ui/UserActions.h"
#include "windows/support/PicturePixels.h"
#include "windows/support/WindowTest.h"

class Form18Test : public WindowTest {
 protected:
  void SetUp() override {
    startWithStartUpState();
    useTemporaryProgramFolder({"Dat"});
    fillDesignColumns();
  }

  // The designer as "Планы*" opens it.
  static Form18& openDesigner() {
    Form18& form = form18();
    form.Show();
    return form;
  }

  // The plan types in the order of their option buttons (types 1..5).
  static ui::OptionButton& planTypeOption(Form18& form, int type) {
    ui::OptionButton* options[] = {&form.Option12, &form.Option13, &form.Option14, &form.Option15,
                                   &form.Option16};
    return *options[type - 1];
  }

  // Ticks X1..Xk and unticks the others, as the user does.
  static void tickFactors(Form18& form, int k) {
    for (int i = 1; i <= 6; ++i)
      if ((form.Check3[i].Value() == 1) != (i <= k)) click(form.Check3[i]);
  }

  // Chooses the plan type and the factors X1..Xk and presses "Создать план".
  static void createPlan(Form18& form, int type, int k) {
    click(planTypeOption(form, type));
    tickFactors(form, k);
    click(form.Command14);
  }

  // Types the zero levels and the intervals of factors 1.. (as many as given).
  static void typeLevels(Form18& form, const std::vector<std::string>& zeroLevels,
                         const std::vector<std::string>& intervals) {
    for (std::size_t i = 0; i < zeroLevels.size(); ++i) type(form.Text1[static_cast<int>(i) + 1], zeroLevels[i]);
    for (std::size_t i = 0; i < intervals.size(); ++i) type(form.Text2[static_cast<int>(i) + 1], intervals[i]);
  }


  static int pixelsNear(const ui::PictureBox& picture, double x, double y, int reach, int32_t colour) {
    return picturepixels::pixelsNear(picture, x, y, reach, colour);
  }
  static int pixelsOfColour(const ui::PictureBox& picture, int32_t colour) {
    return picturepixels::pixelsOfColour(picture, colour);
  }
};

// The standard test of the designer: the full quadratic with every
// coefficient 1, 1 + sum x_i + sum_{i<j} x_i x_j + sum x_i^2.
inline double allOnesQuadratic(const std::vector<double>& x) {
  double y = 1;
  for (std::size_t i = 0; i < x.size(); ++i) {
    y += x[i] + x[i] * x[i];
    for (std::size_t j = i + 1; j < x.size(); ++j) y += x[i] * x[j];
  }
  return y;
}
