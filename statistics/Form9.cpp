// Form9: the diagram of the program's folders. Each folder is a frame with
// its title; inside it stand the labels of the files it holds and the frames
// of its sub-folders. The texts are the window's own; the names and layouts
// that the program really uses are those of the readers and writers of each
// kind of file.
#include "statistics/Form9.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>

#include <string>
#include <vector>

#include "ui/Fonts.h"

Form9& form9() { return ui::formInstance<Form9>(); }

namespace {

// A folder of the diagram: its frame title, the labels of its files and its
// sub-folders, shown below the labels.
struct FolderBox {
  std::string title;
  std::vector<std::string> files;
  std::vector<FolderBox> folders;
};

const std::vector<FolderBox>& diagramLeftColumn() {
  static const std::vector<FolderBox> folders{
      {"Tab - данные древних астрономов в виде таблиц",
       {"AlBattani.xls ... Wing.xls - таблицы астрономов оформленные в виде таблиц Exel "},
       {{"Plan11 - первая папка с планами многофакторного планирования для Меркурия",
         {"AlBattany1_1.txt ... Wing1_1.txt - файлы с параметрами планов для таблиц"},
         {}},
        {"Plan119 - последняя папка с планами для Луны",
         {"AlBattany11_1.txt ... Wing11_1.txt - файлы с параметрами планов для таблиц"},
         {}}}},
      {"Obs - данные оптических наблюдений обсерваторий",
       {"SUMM0_G_150.txt ... SUMM11_G_300.txt - название обсерватории (это суммарные данные), номер "
        "планеты (Солнце№0, Луна№11) и номер файла данных наблюденй"},
       {{"Plan11 - первая папка с планами многофакторного планирования для Меркурия",
         {"SUMM1_201_1.dat...SUMM1_201_7.dat (данные планов для опытов  - название обсерватории, № "
          "планеты, номер файла данных наблюдений и № опыта"},
         {}},
        {"Plan119 - последняя папка с планами по отдельным опытам для Луны", {}, {}}}},
  };
  return folders;
}

const std::vector<FolderBox>& diagramMiddleColumn() {
  static const std::vector<FolderBox> folders{
      {"NEW - имитатор Солнечной системы Ньюкома",
       {"Celvan1Nab.txt ... Celvan9Nab.txt - параметры орбит планет от Меркурия (1) до Плутона (9) , "
        "полученные при имитирование движения планет с использованием этого имитатора ",
        "CelvanNab.dat - полученные, после обработки файлов с параметрами орбит, вековые смещения "
        "параметров орбит по всем параметрам орбит планет и для всех планет"},
       {}},
      {"JPL - имитатор Солнечной системы JPL (эфемериды DE405)",
       {"ascp1600.405 ... ascp2000.405 - файлы с координатами планет",
        "Celvan1Nab.txt ... Celvan9Nab.txt, CelvanNab.dat "},
       {}},
      {"Ser - мой имитатор (получен по данным Obs и Tab) ",
       {"CelvanNab.dat  (данные по смещениям параметров орбит всех планет полученные по данным и Obs и "
        "Tab)"},
       {{"Plan11", {"Celvan1Nab.txt (данные с параметрами орбиты Меркурия в плане 11 "}, {}},
        {"Plan119", {"Celvan11Nab.txt (данные Луны)"}, {}}}},
      {"Dat - дополнительные файлы для работы программы и справочные файлы",
       {"Celvan1.dat - файл №1 с параметрами орбит и начальными данными для формы 1",
        "Celvan1XYZ5.txt - координаты и скорости по осям X,Y, Z планеты №1 при проведение "
        "вычислительного эксперимента на модели записанные в файле №5",
        "dL1.dat - файл №1 с периодическими возмущениями планет",
        "StatSUMM0_200.txt, Bad_dataSUMM0_200.txt, Ras_dataSUMM0_200.txt - соответственно, файлы со "
        "статистикой данных оптических наблюдений, забракованными данными и отчетом преобразования "
        "координат для наблюдений за Солнцем в файле №200.\n(и другие вспомогательные файлы)"},
       {}},
  };
  return folders;
}

const FolderBox& modelFolderWithoutPlan() {
  static const FolderBox folder{
      "Plan0 - параметры орбит полученные на модели без плана",
      {"..."},
      {{"Txt1 - папка Меркурия", {"Celvan1Ras5.txt - данные моделирования эксперимента №5"}, {}},
       {"Txt11 - папка Луны", {"Celvan11Ras7.txt - данные моделирования эксперимента №7"}, {}}}};
  return folder;
}

const FolderBox& modelFolderOfPlan1() {
  static const FolderBox folder{
      "Plan1 - параметры орбит всех планет полученные по плану №1 многофакторного эксперимента на "
      "модели Солнечной системы",
      {"...",
       "CelvanPlan1.dat - нулевые уровни и интервалы варьирования факторов в плане и весовые "
       "коэффициенты смещений параметров орбит",
       "Celvan1Ras.dat ... Celvan11Ras.dat - расчетные данные по смещениям всех параметров орбит одной "
       "планеты по всем экспементам плана"},
      {{"Txt1 - папка Меркурия",
        {"Celvan1Ras1.txt ... Celvan1Ras79.txt - параметры орбиты Меркурия в экспериментах с 1 по 79"},
        {}},
       {"Txt11 - папка Луны", {"Celvan11Ras1.txt ... Celvan11Ras79.txt "}, {}}}};
  return folder;
}

// The text broken into lines of at most `width` characters at its blanks
// (line breaks of its own kept), so that a label's height is known before
// the window is laid out.
QString wrapped(const std::string& text, int width) {
  QStringList lines;
  for (const QString& paragraph : QString::fromStdString(text).split('\n')) {
    QString line;
    for (const QString& word : paragraph.split(' ')) {
      if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
        lines << line;
        line.clear();
      }
      line += (line.isEmpty() ? "" : " ") + word;
    }
    lines << line;
  }
  return lines.join('\n');
}

constexpr int kLabelCharacters = 80;

QLabel* fileLabel(const std::string& text, QWidget* parent) {
  auto* label = new QLabel(wrapped(text, kLabelCharacters), parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// The frame of a folder with its files and, below them, its sub-folders.
QGroupBox* folderFrame(const FolderBox& folder, QWidget* parent) {
  auto* frame = new QGroupBox(QString::fromStdString(folder.title), parent);
  auto* inside = new QVBoxLayout(frame);
  inside->setContentsMargins(6, 2, 6, 2);
  inside->setSpacing(1);
  for (const std::string& file : folder.files) inside->addWidget(fileLabel(file, frame));
  for (const FolderBox& sub : folder.folders) inside->addWidget(folderFrame(sub, frame));
  return frame;
}

QVBoxLayout& addColumn(QHBoxLayout& columns, const std::vector<FolderBox>& folders, QWidget* parent) {
  auto* column = new QVBoxLayout;
  column->setSpacing(2);
  for (const FolderBox& folder : folders) column->addWidget(folderFrame(folder, parent));
  columns.addLayout(column, 1);
  return *column;
}

}  // namespace

Form9::Form9() : Form(9, "Файловая система программы      Celvan7m   -  форма 9") {
  Command1.setCaption("Закрыть форму");
  Command1.onClick([this] { Command1_Click(); });
  layoutDiagram();
}

// Command1_Click "Закрыть форму".
void Form9::Command1_Click() { Unload(); }

// Two columns of folders over the two model folders; the program and the
// button at the bottom.
void Form9::layoutDiagram() {
  auto* outer = new QGroupBox("Celvan7m", window());
  // A condensed face, a little smaller than the window's, so that the whole
  // tree fits on the screen at once.
  ui::useCondensedFont(outer, 8);
  auto* rows = new QVBoxLayout(outer);
  rows->setSpacing(2);
  auto* columns = new QHBoxLayout;
  rows->addLayout(columns);
  addColumn(*columns, diagramLeftColumn(), outer).addStretch(1);
  addColumn(*columns, diagramMiddleColumn(), outer).addStretch(1);

  auto* models = new QHBoxLayout;
  rows->addLayout(models);
  models->addWidget(folderFrame(modelFolderOfPlan1(), outer), 1);
  auto* right = new QVBoxLayout;
  models->addLayout(right);
  right->addWidget(folderFrame(modelFolderWithoutPlan(), outer));
  // The further plan folders and the archive: small empty frames.
  auto* more = new QHBoxLayout;
  for (const char* title : {"Plan2", "Plan3", "Arhiv"}) {
    auto* frame = new QGroupBox(title, outer);
    frame->setMinimumSize(70, 36);
    more->addWidget(frame);
  }
  more->addWidget(fileLabel("и т.д. ", outer));
  right->addLayout(more);
  right->addStretch(1);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(fileLabel("Celvan7m.exe - программа Celvan7m", outer), 1);
  bottom->addWidget(Command1.widget());
  rows->addLayout(bottom);

  grid().addWidget(outer, 0, 0);
}
