// The help window: the text it shows, read line by line as the user sees it
// in the box, against the fixed order of the help: the introduction, the
// list of the 26 windows, and one section per window with its heading and
// the paragraphs of its buttons in order, joined by the program's line
// breaks.
#include <regex>
#include <string>
#include <vector>

#include "Form1Fixture.h"
#include "setup/Form3.h"

namespace {

// The windows of the program as the help lists them.
const std::vector<std::string> kWindowList{
    "1 – (основная форма) – Параметры объектов и начальные данные",
    "2 – (основная форма) – Моделирование и имитирование движения планет",
    "3 – (дополнительная форма) – Справка по кнопкам программы",
    "4 – (дополнительная форма) – Скорости Солнечной системы",
    "5 – (дополнительная форма) – Система координат в программе",
    "6 – (основная форма) – Статистическая обработка параметров орбит",
    "7 – (дополнительная форма) – Тестирование алгоритма учета скорости гравитации",
    "8 – (дополнительная форма) – Тесты формы планов",
    "9 – (дополнительная форма) – Файловая система программы",
    "10 – (основная форма) – Обработка первичных данных наблюдений",
    "11 – (дополнительная форма) – Компоненты аберрации (обратный отсчет)",
    "12 – (самостоятельная форма) – Преобразователь координат",
    "13 – (дополнительная форма) – План экспериментов (наблюдения)",
    "14 – (дополнительная форма) – Эллипс и эксцентр (сравнение)",
    "15 – (основная форма) – Оптимизация скорости гравитации",
    "16 – (самостоятельная форма) – Неравномерность вращения Земли (ET-UT)",
    "17 – (дополнительная форма) – Рассчет ET-UT",
    "18 – (самостоятельная форма) – Планы многофакторного планирования",
    "19 – (дополнительная форма) – Весовые коэффициенты",
    "20 – (дополнительная форма) – Рассчет начальных данных для Луны",
    "21 – (дополнительная форма) – Возмущения Луны dLdB",
    "22 – (дополнительная форма) – Возмущения планет dL",
    "23 – (дополнительная форма) - Дополнительные параметры гравитационного взаимодействия "
    "планет",
    "24 – (дополнительная форма) - Тест эфемерид JPL DE405",
    "25 – (дополнительная форма) - Задача 2-х тел",
    "26 – (дополнительная форма) - Дополнительные параметры (для формы 25)",
};

// Each window's section: its heading and the buttons it describes, in order.
struct SectionContents {
  std::string heading;
  std::vector<std::string> buttons;
};
const std::vector<SectionContents> kSections{
    {"Форма 1 - Параметры объектов и начальные данные",
     {"Загрузить параметры на",
      "Рассчитать по параметрам орбит начальные данные",
      "Сохранить данные в файле №",
      "Проверить параметры орбиты и ошибку их определения программой",
      "Остановить",
      "Продолжить",
      "Сделать NC0 шагов",
      "Найти координаты ЦМ системы",
      "ЦМ системы в начало координат",
      "Найти по Vpl скорость Солнца Vsol",
      "G->J",
      "J->G",
      "К моделированию",
      "К наблюдениям",
      "Выход",
      "Обозначения*",
      "Скорость системы*",
      "Эллипс*",
      "Координаты*",
      "Аберрация*",
      "About*",
      "Bary-Geo*",
      "Планы*",
      "ET-UT*",
      "JPL (DE405)*",
      "2-а тела*"}},
    {"Форма 2 - Моделирование и имитирование движения планет",
     {"Начать", "Остановить", "Продолжить", "NC0 шагов", "Тест гравитации*", "К статистике",
      "К плану", "Закрыть форму", "Выход", "Дополнительные параметры*"}},
    {"Форма 3 -  Справка по кнопкам программы", {}},
    {"Форма 4 -  Скорость системы",
     {"Разложить по осям отмеченные скорости и просуммировать", "Задать скорость системе"}},
    {"Форма 5 -  Система координат и обозначения в программе", {}},
    {"Форма 6 Статистическая обработка параметров орбит",
     {"Загрузить данные полученные", "Удалить точку №", "Добавить в файл точку от",
      "Аппроксимировать данные выборки", "Смещение в файле", "Изменить смещение в файле", "К плану",
      "Файлы*", "Сохранить график как"}},
    {"Форма 7 -  Тест гравитации",
     {"Задать положение 2-х планет", "Сделать 1 итерацию с заданными условиями движения"}},
    {"Форма 8 -  Тесты формы планов", {}},
    {"Форма 9 -  Файловая система программы", {}},
    {"Форма 10 - Обработка первичных данных наблюдений",
     {"Начать", "Остановить", "Продолжить", "Сделать один шаг", "++Статистика", "DMY>JD", "JD>DMY",
      "Выполнить эксперименты с", "Найти коэффициенты уравнения регрессии",
      "Построить графики при X(i)=X(i)opt", "JD=JD0", "К статистике", "План*", "dLp*", "dLl*",
      "Выход"}},
    {"Форма 11 -  Компоненты аберрации (обратный отсчет)",
     {"Найти параметры Земли и объекта наблюдения",
      "Расчет наблюдаемых координат планеты в движущейся Солнечной системе (одна итерация) "
      "при заданной скорости Солнечной системы",
      "С шагом", "Stop", "Продолжить", "+1 шаг", "JD=JD0"}},
    {"Форма 12 -  Преобразователь координат",
     {"Задать координаты", "Преобразовать координаты",
      "Показать преобразованные координаты в окошках исходных данных", "G->J", "J->G",
      "Задать координаты для JD=JD+", "Считать угол", "Преобразовать угол",
      "Задать долготу в град.", "Задать широту в град."}},
    {"Форма 13 -  План экспериментов (наблюдения)",
     {"Создать план", "Загрузить параметры плана из", "Записать план опыта в файл",
      "Оптимизировать отмеченные параметры", "Задать нулевые уровни=X(i)opt", "X(i)opt = 0",
      "Добавить параметры в файл CelvanXNab.dat", "возмущения на форму 22"}},
    {"Форма 14 -  Эллипс и эксцентр (сравнение)",
     {"Начать расчет", "Остановить", "Продолжить", "Сделать 1 шаг"}},
    {"Форма 15 Оптимизация скорости гравитации",
     {"1-Создать план", "2-Загрузить параметры плана №", "Сохранить",
      "3-Загрузить наблюдаемые вековые смещения параметров орбит планет",
      "4-1-Выполнить на математической модели (форма 2) эксперименты с № по №",
      "Весовые коэффициенты и данные моделирования",
      "4-2-Рассчитать критерий оптимизации по данным", "5-Найти коэффициенты уравнения регрессии",
      "6-Оптимизировать параметры", "7-задать X0(i)=X(i)opt", "8-Построить графики", "Очистить",
      "Файлы*"}},
    {"Форма 16 -  Неравномерность вращения Земли (ET-UT)",
     {"Выбрать зависимости для ET1-UT и ET2-UT", "Начать", "Остановить", "Продолжить", "+ 1 шаг",
      "JD=JD0", "DMY>JD", "JD>DMY", "dLp*", "dLl*"}},
    {"Форма 17 -   Рассчет ET-UT", {"Задать значения"}},
    {"Форма 18 -  Планы многофакторного планирования",
     {"Создать план", "Выполнить эксперименты и рассчитать критерий",
      "Найти коэффициенты уравнения регрессии", "задать X(i)opt=0",
      "Построить графики по уравнению регрессии при X(i)=X(i)opt", "Оптимизировать параметры",
      "f (X1opt...X6opt)="}},
    {"Форма 19 -  Весовые коэффициенты",
     {"Загрузить весовые коэффициенты", "Сохранить",
      "Посмотреть данные моделирования по одной планете", "Сохранить"}},
    {"Форма 20 -  Рассчет начальных данных для Луны",
     {"Задать координаты и скорости Луны и Земли", "Проверить параметры орбиты Луны", "Остановить",
      "Продолжить", "G->J", "J->G"}},
    {"Форма 21 -  Возмущения Луны dLdB", {"Задать значения коэффициентов"}},
    {"Форма 22 -  Возмущения планет dL",
     {"Загрузить из файла №", "Записать в файл №", "Задать значения коэффициентов (возмущений)"}},
    {"Форма 23 -  Дополнительные параметры",
     {"Задать выбранные параметры взаимодействия для учета Vgr"}},
    {"Форма 24 -  Тест эфемерид JPL DE405",
     {"рассчитать по DE405 координаты и скорости объекта №"}},
    {"Форма 25 -  Задача 2-х тел",
     {"Загрузить из файла", "Сохранить в файле", "Задать координаты и скорости m1 и m2",
      "Проверить параметры орбиты m1", "Остановить", "Продолжить", "Дополнительные параметры"}},
    {"Форма 26 - Дополнительные параметры", {"Задать дополнительные параметры"}},
};

// Blanks before a section's heading and before its button paragraphs.
int headingIndent(int section) { return section == 1 ? 25 : 16; }
int buttonIndent(int section, std::size_t button) {
  if (section == 15 || (section == 14 && button == 0)) return 4;
  for (int wider : {7, 11, 12, 13, 18})
    if (section == wider) return 3;
  return 2;
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

std::string blanks(int count) { return std::string(count, ' '); }

// A button paragraph: blanks, a hyphen and a blank, the caption, then one
// of the separators the help uses before the description.
bool isParagraphOf(const std::string& line, int indent, const std::string& caption) {
  const std::string start = blanks(indent) + "- " + caption;
  if (line.rfind(start, 0) != 0) return false;
  const std::string rest = line.substr(start.size());
  for (const char* separator : {" - ", " – ", "- ", "– ", "> "})
    if (rest.rfind(separator, 0) == 0 && rest.size() > std::string(separator).size()) return true;
  return false;
}

class Form3Test : public Form1Test {
 protected:
  Form3& openHelp() {
    startProgram();
    Form3& form = form3();
    form.Show();
    return form;
  }

  // The lines of the box, and where each section's heading stands.
  void readHelp(const Form3& form) {
    lines_ = splitLines(form.Text1.Text());
    headingLine_.clear();
    std::size_t from = 0;
    for (std::size_t s = 0; s < kSections.size(); ++s) {
      const std::string heading = blanks(headingIndent(int(s) + 1)) + kSections[s].heading;
      std::size_t at = from;
      while (at < lines_.size() && lines_[at] != heading) ++at;
      ASSERT_LT(at, lines_.size()) << "no heading " << heading;
      headingLine_.push_back(at);
      from = at + 1;
    }
  }

  // The paragraph of a button of a section (1..26), or "" when missing.
  std::string paragraph(int section, const std::string& caption) const {
    const std::size_t end = section < int(kSections.size()) ? headingLine_[section] : lines_.size();
    for (std::size_t i = headingLine_[section - 1] + 1; i < end; ++i)
      if (lines_[i].find("- " + caption + " ") != std::string::npos) return lines_[i];
    return "";
  }

  std::vector<std::string> lines_;
  std::vector<std::size_t> headingLine_;
};

}  // namespace

// A blank line, eight indented paragraphs each followed by an empty line,
// then the list of the windows line after line, and three empty lines before
// the first heading.
TEST_F(Form3Test, TheIntroductionIsFollowedByTheListOfWindows) {
  Form3& form = openHelp();
  EXPECT_EQ(form.Caption(), "Справка по кнопкам программы Celvan7m - ф. 3");
  readHelp(form);
  ASSERT_GT(lines_.size(), 50u);
  EXPECT_EQ(lines_[0], "  ");
  const std::regex introduction("^ {9,13}\\S.*");
  for (int p = 0; p < 8; ++p) {
    SCOPED_TRACE(p);
    EXPECT_TRUE(std::regex_match(lines_[1 + 2 * p], introduction)) << lines_[1 + 2 * p];
    EXPECT_EQ(lines_[2 + 2 * p], "");
  }
  const std::string closing =
      "При этом описание таких кнопок, как Очистить рисунок или Закрыть форму, я не даю, т.к. "
      "их действие и так понятно.";
  EXPECT_EQ(lines_[15].substr(lines_[15].size() - closing.size()), closing);
  const std::vector<std::string> list(lines_.begin() + 17, lines_.begin() + 43);
  EXPECT_EQ(list, kWindowList);
  EXPECT_EQ(headingLine_[0], 46u);
  for (std::size_t i = 43; i < 46; ++i) EXPECT_EQ(lines_[i], "");
}

// Every section: its heading, an empty line, then its buttons' paragraphs in
// order, each followed by an empty line (one more before "Обозначения*",
// which begins the buttons that open other windows); two empty lines before
// the next heading, only one before that of section 17; the text ends with
// three line breaks after the last paragraph.
TEST_F(Form3Test, EverySectionDescribesItsButtonsInOrder) {
  Form3& form = openHelp();
  readHelp(form);
  for (std::size_t s = 0; s < kSections.size(); ++s) {
    const int section = int(s) + 1;
    SCOPED_TRACE(kSections[s].heading);
    std::size_t line = headingLine_[s] + 1;
    EXPECT_EQ(lines_[line++], "");
    for (std::size_t b = 0; b < kSections[s].buttons.size(); ++b) {
      const std::string& caption = kSections[s].buttons[b];
      SCOPED_TRACE(caption);
      if (caption == "Обозначения*") {
        EXPECT_EQ(lines_[line++], "");
      }
      ASSERT_LT(line + 1, lines_.size());
      EXPECT_TRUE(isParagraphOf(lines_[line], buttonIndent(section, b), caption)) << lines_[line];
      EXPECT_EQ(lines_[line + 1], "");
      line += 2;
    }
    const std::size_t next = s + 1 < kSections.size() ? headingLine_[s + 1] : lines_.size() - 1;
    const std::size_t emptyLines = section == 16 ? 0 : 1;
    EXPECT_EQ(next - line, emptyLines) << "lines between the sections";
    for (; line < next; ++line) EXPECT_EQ(lines_[line], "");
  }
  const std::string text = form.Text1.Text();
  EXPECT_EQ(text.substr(text.size() - 7), ".\r\n\r\n\r\n");
}

// The passages the help quotes word for word, and the paragraphs that two or
// three windows share with the same wording.
TEST_F(Form3Test, QuotedPassagesAndSharedParagraphs) {
  Form3& form = openHelp();
  readHelp(form);
  EXPECT_EQ(paragraph(1, "Выход"),
            "  - Выход - выгрузить из памяти компьютера программу Celvan7, т.е. закрыть все формы "
            "программы.");
  EXPECT_EQ(paragraph(11, "+1 шаг"), "   - +1 шаг - сделать после остановки один шаг расчета.");
  struct Shared {
    std::string caption;
    std::vector<int> sections;
  };
  const Shared shared[] = {
      {"К статистике", {2, 10}},   {"Выход", {2, 10}},       {"DMY>JD", {10, 16}},
      {"JD>DMY", {10, 16}},        {"dLp*", {10, 16}},       {"dLl*", {10, 16}},
      {"Продолжить", {1, 20, 25}}, {"Остановить", {20, 25}},
  };
  for (const Shared& s : shared) {
    SCOPED_TRACE(s.caption);
    const std::string first = paragraph(s.sections[0], s.caption);
    EXPECT_FALSE(first.empty());
    for (int section : s.sections) EXPECT_EQ(paragraph(section, s.caption), first);
  }
}

// A button that opens a window: its paragraph names the window it opens
// (the start-up window's and the model window's navigation).
TEST_F(Form3Test, EachNavigationButtonNamesTheWindowItOpens) {
  Form3& form = openHelp();
  readHelp(form);
  struct Row {
    int section;
    const char* caption;
    int window;
  };
  const Row rows[] = {
      {1, "К моделированию", 2},
      {1, "К наблюдениям", 10},
      {1, "Обозначения*", 5},
      {1, "Скорость системы*", 4},
      {1, "Эллипс*", 14},
      {1, "Координаты*", 12},
      {1, "Аберрация*", 11},
      {1, "About*", 3},
      {1, "Bary-Geo*", 20},
      {1, "Планы*", 18},
      {1, "ET-UT*", 16},
      {1, "JPL (DE405)*", 24},
      {1, "2-а тела*", 25},
      {2, "Тест гравитации*", 7},
      {2, "К статистике", 6},
      {2, "К плану", 15},
      {2, "Дополнительные параметры*", 23},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.caption);
    // "форма N" or "форму N", N not followed by another digit (UTF-8 text:
    // the endings are alternatives, not a class of bytes).
    const std::regex namesWindow("форм(а|у) " + std::to_string(row.window) + "([^0-9]|$)");
    EXPECT_TRUE(std::regex_search(paragraph(row.section, row.caption), namesWindow))
        << paragraph(row.section, row.caption);
  }
}

// The text is built anew in the shared text buffer at every opening: the
// buffer holds it afterwards, whatever it held before.
TEST_F(Form3Test, TheTextIsBuiltAnewInTheSharedBufferAtEveryOpening) {
  startProgram();
  Main.ScratchText = "Масштаб изображения=300млн.км/см";
  Form3& form = form3();
  const std::string shown = form.Text1.Text();
  EXPECT_EQ(Main.ScratchText, shown);
  EXPECT_EQ(shown.rfind("  \r\n", 0), 0u);
  click(form.Command1);
  EXPECT_FALSE(ui::isFormLoaded<Form3>());
  ui::destroyUnloadedForms();
  Main.ScratchText = "другой текст";
  EXPECT_EQ(form3().Text1.Text(), shown);
  EXPECT_EQ(form3().Command1.Caption(), "Закрыть");
}
