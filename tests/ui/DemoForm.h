#pragma once
// A small window of the kind the program's windows are, for the tests of the
// forms run-time: every handler writes a line into a log, and a test can add
// behaviour to a handler through the `also...` hooks.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/runtime/NumberText.h"
#include "ui/FormsRuntime.h"
#include "ui/MessageBoxRecorder.h"

inline std::vector<std::string>& eventLog() {
  static std::vector<std::string> log;
  return log;
}

// Runs at the end of every demo window's Form_Load with the window's number.
inline std::function<void(int)>& loadHook() {
  static std::function<void(int)> hook;
  return hook;
}

template <int N>
class DemoForm : public ui::Form {
 public:
  DemoForm() : Form(N, "Демонстрация  - форма " + std::to_string(N)) {
    Text1.setText("0,001");  // design-time defaults: no handler may fire
    Command1.setCaption("Начать");
    Frame1.setCaption("Теория");
    Frame2.setCaption("рисовать");
    const char* bodies[] = {"Солнце", "Меркурий", "Венера", "Земля", "Марс", "Юпитер",
                            "Сатурн", "Уран", "Нептун", "Плутон", "Ксена"};
    for (int i = 0; i <= 10; ++i) {
      Check2[i].setCaption(bodies[i]);
      Check2[i].setValue(i <= 9 ? 1 : 0);
    }
    Option1[0].setCaption("New0 (JD)");
    Option1[1].setCaption("JPL0 (J2000)");
    Option1[2].setCaption("Ser0 (J2000)");
    Option1[2].setValue(true);
    Option2[0].setCaption("XY");
    Option2[1].setCaption("XZ");
    Option2[0].setValue(true);
    HScroll1.setMin(1);
    HScroll1.setMax(10000);
    HScroll1.setSmallChange(100);
    HScroll1.setValue(3000);

    Text1.onChange([this] { Text1_Change(); });
    Command1.onClick([this] { Command1_Click(); });
    Check2.onClick([this](int Index) { Check2_Click(Index); });
    Option1.onClick([this](int Index) { Option1_Click(Index); });
    Option2.onClick([this](int Index) { Option2_Click(Index); });
    HScroll1.onChange([this] { HScroll1_Change(); });
    HScroll1.onScroll([this] { HScroll1_Scroll(); });

    ui::place(grid(), Text1, 0, 0);
    ui::place(grid(), Command1, 0, 1);
    ui::place(grid(), Frame1, 1, 0);
    ui::placeColumn(Frame1.grid(), Option1, 0, 0);
    ui::place(grid(), Frame2, 1, 1);
    ui::placeColumn(Frame2.grid(), Option2, 0, 0);
    ui::placeRow(ui::addGrid(grid(), 2, 0, 1, 2), Check2, 0, 0);
    ui::place(grid(), HScroll1, 3, 0, 1, 2);
  }

  ui::TextBox Text1{this};
  ui::CommandButton Command1{this};
  ui::ControlArray<ui::CheckBox> Check2{this, 0, 10};
  ui::Frame Frame1{this};
  ui::Frame Frame2{this};
  ui::ControlArray<ui::OptionButton> Option1{this, 0, 2};  // in Frame1
  ui::ControlArray<ui::OptionButton> Option2{this, 0, 1};  // in Frame2
  ui::HScrollBar HScroll1{this};

  std::function<void()> alsoOnCommand1, alsoOnText1;

  void Command1_Click() {
    record("Command1_Click");
    if (alsoOnCommand1) alsoOnCommand1();
  }
  void Text1_Change() {
    record("Text1_Change " + Text1.Text());
    if (alsoOnText1) alsoOnText1();
  }
  void Check2_Click(int Index) { record("Check2_Click " + std::to_string(Index)); }
  void Option1_Click(int Index) { record("Option1_Click " + std::to_string(Index)); }
  void Option2_Click(int Index) { record("Option2_Click " + std::to_string(Index)); }
  void HScroll1_Change() { record("HScroll1_Change " + std::to_string(HScroll1.Value())); }
  void HScroll1_Scroll() { record("HScroll1_Scroll " + std::to_string(HScroll1.Value())); }

 protected:
  void Form_Load() override {
    record("Form_Load");
    if (loadHook()) loadHook()(N);
  }
  void Form_Activate() override { record("Form_Activate"); }

 private:
  void record(const std::string& what) {
    eventLog().push_back(what + " (форма " + std::to_string(N) + ")");
  }
};

template <int N>
DemoForm<N>& demoForm() {
  return ui::formInstance<DemoForm<N>>();
}

// Every test starts with no window loaded, an empty log and a recorder that
// answers every message box; it ends by unloading and freeing every window.
class FormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    eventLog().clear();
    loadHook() = nullptr;
  }
  void TearDown() override {
    ui::unloadAllForms();
    ui::destroyUnloadedForms();
  }
  ui::MessageBoxRecorder boxes;
};

using Log = std::vector<std::string>;
