// Every window of the program opens wholly on a 1280 x 800 screen: its
// layout asks for no more than the screen leaves inside a window frame, and
// showing it places it on the screen.
#include <QSize>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "model/Form2.h"
#include "model/Form23.h"
#include "model/Form7.h"
#include "observations/Form10.h"
#include "observations/Form13.h"
#include "observations/Form21.h"
#include "observations/Form22.h"
#include "setup/Form11.h"
#include "setup/Form14.h"
#include "setup/Form20.h"
#include "setup/Form24.h"
#include "setup/Form3.h"
#include "setup/Form4.h"
#include "setup/Form5.h"
#include "statistics/Form15.h"
#include "statistics/Form18.h"
#include "statistics/Form19.h"
#include "statistics/Form6.h"
#include "statistics/Form8.h"
#include "statistics/Form9.h"
#include "tests/windows/setup/Form1Fixture.h"
#include "tools/Form12.h"
#include "tools/Form16.h"
#include "tools/Form17.h"
#include "twobody/Form25.h"
#include "twobody/Form26.h"
#include "ui/ScreenPlacement.h"

namespace {

// The screen the windows are made for.
const QSize kScreen(1280, 800);

class EveryWindow : public Form1Test {};

TEST_F(EveryWindow, FitsA1280By800Screen) {
  startProgram();
  const std::vector<std::function<ui::Form&()>> windows = {
      [] -> ui::Form& { return form1(); }, [] -> ui::Form& { return form2(); },
      [] -> ui::Form& { return form3(); }, [] -> ui::Form& { return form4(); },
      [] -> ui::Form& { return form5(); }, [] -> ui::Form& { return form6(); },
      [] -> ui::Form& { return form7(); }, [] -> ui::Form& { return form8(); },
      [] -> ui::Form& { return form9(); }, [] -> ui::Form& { return form10(); },
      [] -> ui::Form& { return form11(); },
      [] -> ui::Form& { return form12(); }, [] -> ui::Form& { return form13(); },
      [] -> ui::Form& { return form14(); }, [] -> ui::Form& { return form15(); },
      [] -> ui::Form& { return form16(); }, [] -> ui::Form& { return form17(); },
      [] -> ui::Form& { return form18(); }, [] -> ui::Form& { return form19(); },
      [] -> ui::Form& { return form20(); }, [] -> ui::Form& { return form21(); },
      [] -> ui::Form& { return form22(); }, [] -> ui::Form& { return form23(); },
      [] -> ui::Form& { return form24(); }, [] -> ui::Form& { return form25(); },
      [] -> ui::Form& { return form26(); },
  };
  for (const auto& open : windows) {
    ui::Form& form = open();
    SCOPED_TRACE(form.Caption());
    const QWidget& window = *form.window();
    const QSize needed = window.minimumSizeHint().expandedTo(window.minimumSize()).grownBy(ui::kWindowFrame);
    EXPECT_LE(needed.width(), kScreen.width());
    EXPECT_LE(needed.height(), kScreen.height());
  }
}

}  // namespace
