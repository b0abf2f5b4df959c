// Command1_Click "Начать" of Form16: the checks and the preparation of a
// run, the report headers, then the stepping loop.
#include <string>

#include "core/de405/DE405.h"
#include "core/de405/DE405Format.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/MessageBox.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/SaveFile.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "core/time/TimeScales.h"
#include "tools/Form16.h"
#include "tools/Form16Texts.h"

namespace {

constexpr int kEarth = 3;
constexpr int kLastBody = 11;  // the light-time table ends here
constexpr int kJPL0 = 2, kJPL2 = 3, kSer0Plus = 4;

// Writes a report file anew: its header lines, each followed by a line end.
// A file that cannot be written gives the start's message with the file and
// the reason; false then.
bool writeHeader(const char* file, const std::vector<std::string>& lines) {
  return saveTextFile(programPath(file), {form16text::kBadData, form16text::kBadData, form16text::kTitle},
                      [&](int number) {
                        for (const std::string& line : lines) PrintJoined(number, {line});
                      });
}

// A number typed in a box that must be above zero.
double positiveNumber(const ui::TextBox& box) {
  const double value = CDbl(box.Text());
  if (!(value > 0.0)) throw RuntimeError(ErrorCode::InvalidCall, "must be positive");
  return value;
}

}  // namespace

// Command1_Click "Начать".
// Reads:    the body, step, observer, scale, calendar, day start, direction,
//           date and report boxes; the chosen source
// Writes:   the run's own values (calendar, day start, the Julian Day of the
//           first pass, the start date, the body, observer and direction,
//           the masses of the chosen theory), Main.JD, JDut, EphemerisJD,
//           StopFlag; the report files anew with their headers
// Notes:    A box that holds no number, a body that is no whole number of
//           0..11 or a step the dates cannot take (zero, backwards, lost in
//           the date or beyond every date: checkedDayStep) show "Введите
//           правильно данные" with the hint on the decimal comma and start
//           nothing; so does a report file that cannot be written (a missing
//           "Dat" folder, a full disk), with a line naming the file and the
//           reason.
//           Numbers are read as the user's locale writes them ("0,0005").
//           Pressed during a run, the new run goes inside the running
//           loop, which goes on from the date the new one reached.
void Form16::Command1_Click() {
  if (Option1.Value() && (Option4[0].Value() || sourceName_.empty())) {
    MsgBox(form16text::kChooseTable, form16text::kTitle);
    return;
  }
  void (*masses)() = SetMassesNew0;
  if (Option2.Value()) {
    const int theory = chosenTheory();
    if (theory == 0) {
      MsgBox(form16text::kChooseTheory, form16text::kTitle);
      return;
    }
    if (theory == kJPL0 || theory == kJPL2) masses = SetMassesDE405;
    if (theory == kSer0Plus) masses = SetMassesSer0;
  }
  bool ready = false;
  withErrorTrap(form16text::kBadData, form16text::kTitle, [&] { ready = prepareRun(); });
  if (!ready) return;
  setMassesOfRun_ = masses;
  EclipseRunLoop();
}

// The checks and values of a start; false when the start must not run.
bool Form16::prepareRun() {
  const int32_t body = WholeNumberFromText(Text1.Text());
  if (body == kEarth) {
    MsgBox(form16text::kNoEarth, form16text::kTitle);
    return false;
  }
  if (body < 0 || body > kLastBody) throw RuntimeError(ErrorCode::SubscriptOutOfRange, "body");
  if (Option1.Value()) {
    const std::string refusal = tableRunRefusal(body);
    if (!refusal.empty()) {
      MsgBox(refusal, form16text::kTitle);
      return false;
    }
  }
  checkedDayStep(CDbl(Text26.Text()));  // the step itself is read at every pass
  const double longitude = CDbl(Text24.Text());
  const double latitude = CDbl(Text25.Text());
  const double offsetScale = positiveNumber(Text27);
  const int32_t year = CLng(Text4.Text());
  const int32_t month = CLng(Text3.Text());
  const double day = CDbl(Text2.Text());

  observerLongitude_ = longitude;
  observerLatitude_ = latitude;
  body_ = body;
  OffsetScale = offsetScale;
  PrevRightAscension[body] = 0.0;
  PrevDeclination[body] = 0.0;
  refreshFlag_ = Check8.Value() == 1 ? 1 : 0;

  calendarMode_ = Option6.Value() ? 1 : (Option7.Value() ? 2 : 0);
  dayStartHour_ = Option16.Value() ? 12.0 : 0.0;
  direction_ = Option19.Value() ? -1 : 1;

  restoreCalendar();
  NormalizeCalendarDate(day, month, year);
  startYear_ = Main.CalendarYear;
  startMonth_ = Main.CalendarMonth;
  startDay_ = Main.CalendarDay;
  Main.DateErrorFlag = 0;
  const double julianDay = JulianDayFromDate(startDay_, startMonth_, startYear_);
  if (Main.DateErrorFlag == 1) return false;
  startJulianDay_ = julianDay;
  daysRun_ = 0.0;
  Main.JD = julianDay;
  Main.JDut = julianDay;
  Main.EphemerisJD = julianDay;

  if (Option2.Value() && chosenTheory() == kJPL2) {
    takeReader();
    if (!loadDE405BlockContaining(julianDay)) {
      giveReaderBack();
      return false;
    }
  }
  if (!writeReportHeaders()) {
    giveReaderBack();
    return false;
  }
  Main.StopFlag = Check1.Value() == 1 ? 1 : 0;
  sunAltitudeKnown_ = false;
  haveStart_ = true;
  return true;
}

// The headers of the report files whose boxes are ticked; an old file is
// emptied. False after the message of a header that could not be written.
bool Form16::writeReportHeaders() {
  if (Check13.Value() == 1 &&
      !writeHeader(form16text::kEquinoxFile,
                   {"",
                    "равноденствия и солнцестояния по " + sourceName_ +
                        "   ГЕО (ТОПО) координаты Солнца где JDut солнечное время для Гринвича",
                    "рассчитанные в первых колонках прямым расчетом от ГЕО ЭКЛ до ТОПО ГОР "
                    "и во вторых колонках обратным рассчетом от ТОПО ГОР до ГЕО ЭКЛ ",
                    "(если отмечен чекбокс ++Test, то в ТОПО ГОР координатах рефракция не учитывается)",
                    "",
                    "дата наблюдения LTet2 (местное по ET2)      JD по UT  "
                    "    ГЕО ЭКЛ (GeoB=0)                  ГЕО ЭКВ +Nut                               "
                    "           ТОПО ЭКВ                                                      ТОПО ГОР",
                    ""}))
    return false;
  if (Check30.Value() != 1) return true;
  return writeHeader(form16text::kContactFile,
                     {"",
                      "планета  № " + Str(body_) + "   обсерватория " + sourceName_ +
                          "   данные умножены на 1000 ",
                      "", "",
                      "дата наблюдения (день с часами, месяц, год), долгота и широта (Солнца потом планеты)",
                      ""});
}
