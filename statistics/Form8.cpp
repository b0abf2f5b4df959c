// Form8: the nine test functions of the plan designer as option buttons in
// one frame, with their captions; no handlers.
#include "statistics/Form8.h"

#include <array>

#include "ui/Layout.h"

Form8& form8() { return ui::formInstance<Form8>(); }

namespace {

constexpr std::array<const char*, 9> kCaptions{
    "Y(u)=u",
    "Y(u)=X1+X1^2",
    "Y(u) = X1 + X2 + X3 + X4 ",
    "Y(u) = X1 * X2 * X3 * X4",
    "Y(u) = X1* X2 * X3 / X4^2",
    "Y(u) = X1*X2 + X1*X3 + X1*X4 + X2*X3 + X2*X4 + X3*X4",
    "Y(u)= X1^2 * X2^2",
    "Y(u)= X1^2 + X2^2 + X3^2 + X4^2",
    "Y(u)= X1 + X2 + X3 + X4 + X1*X4 + X2*X4 + X3*X4 + X4^2",
};

}  // namespace

Form8::Form8() : Form(8, "Тесты формы планов     Celvan7m") {
  Frame2.setCaption("дополнительные тесты 4-х факторного плана");
  const std::array<ui::OptionButton*, 9> options{&Option1, &Option2, &Option3, &Option4, &Option5,
                                                 &Option6, &Option7, &Option8, &Option9};
  for (std::size_t i = 0; i < options.size(); ++i) {
    options[i]->setCaption(kCaptions[i]);
    ui::place(Frame2.grid(), *options[i], static_cast<int>(i), 0);
  }
  Option9.setValue(true);
  grid().setContentsMargins(8, 8, 8, 8);
  ui::place(grid(), Frame2, 0, 0);
}

int Form8::chosenTest() const {
  const std::array<const ui::OptionButton*, 9> options{&Option1, &Option2, &Option3, &Option4, &Option5,
                                                       &Option6, &Option7, &Option8, &Option9};
  for (std::size_t i = 0; i < options.size(); ++i)
    if (options[i]->Value()) return static_cast<int>(i) + 1;
  return 0;
}
