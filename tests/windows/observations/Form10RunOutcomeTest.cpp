// What an observatory run leaves on the window and for the next run: a run
// ended by an error, a run that accepts no epoch, and records whose month
// is none of the twelve names.
#include <string>

#include "windows/observations/Form10Fixture.h"

namespace {

constexpr double kArcSecondsPerDegree = 3600;

class Form10RunOutcomeTest : public Form10Test {
 protected:
  // The observatory chosen again: its file opened at the first record.
  static void reopenFile(Form10& form) { form.Option9[1].setValue(true); }
};

// A time scale of 0 ends the run at its first epoch with the loop's
// message. The file is then half read: after the box is mended, a new
// start asks for the file again, as after "Остановить", and the file
// opened again gives every record.
TEST_F(Form10RunOutcomeTest, RunEndedByAnErrorStartsAgainFromTheFirstRecord) {
  Form10& form = prepareMarsRun();
  type(form.Text6, "0");  // "МТ, лет/см"
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Ошибка решения уравнений");
  EXPECT_EQ(boxes.last().title, "Celvan7.0");
  EXPECT_LE(form.statistics.N, 1);

  type(form.Text6, "1");
  click(form.Command18);  // "JD = JD0"
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 2);
  EXPECT_EQ(boxes.last().text, "Надо открыть файл снова");
  EXPECT_LE(form.statistics.N, 1);

  reopenFile(form);
  click(form.Command1);
  EXPECT_EQ(form.Text23.Text(), std::to_string(kMarsRecords));
}

// A run that accepts no epoch shows its own result: no epochs and no
// means, not those of the run before it.
TEST_F(Form10RunOutcomeTest, RunWithoutAcceptedEpochShowsNoMeans) {
  Form10& form = prepareMarsRun();
  click(form.Command1);
  ASSERT_EQ(form.Text23.Text(), std::to_string(kMarsRecords));
  ASSERT_FALSE(form.Text11.Text().empty());

  type(form.Text4, "2005");  // after every record
  type(form.Text65, "2006");
  click(form.Command1);
  EXPECT_EQ(form.statistics.N, 0);
  EXPECT_EQ(form.Text23.Text(), "0");
  for (ui::TextBox* mean : {&form.Text9, &form.Text10, &form.Text11, &form.Text12, &form.Text13})
    EXPECT_EQ(mean->Text(), "");
}

// A record whose month is written in capitals is no record: it is passed
// over and counted with the empty lines, instead of being reduced with the
// month of the record before it. The other records keep the deviations of
// the theory (tens of arc seconds; a month off would be degrees).
TEST_F(Form10RunOutcomeTest, RecordWithAnUnknownMonthIsPassedOverAndCounted) {
  std::string text = fileBytes(kMarsFile);
  const std::string::size_type march = text.find(" Mar ");
  ASSERT_NE(march, std::string::npos);
  text.replace(march, 5, " MAR ");
  writeFileBytes(kMarsFile, text);

  Form10& form = prepareMarsRun();
  click(form.Command1);
  EXPECT_EQ(form.statistics.N, kMarsRecords - 1);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text,
            "Пропущено строк в файле наблюдений (пустых, коротких или с неизвестным месяцем): 2");
  EXPECT_LT(form.statistics.cell(2, 1), 60);  // mean |dL|, arc seconds
  EXPECT_LT(shown(form.Text11) * kArcSecondsPerDegree, 60);
}

}  // namespace
