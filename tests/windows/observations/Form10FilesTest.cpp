// The files of the observation window when the system refuses them: a disk
// that fills during a run leaves whole records in every file the run
// appends to, a refusal names the file and the reason beside the window's
// own message, and the run's files are replaced whole, never through a link.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "windows/observations/Form10Fixture.h"

namespace {

namespace fs = std::filesystem;

class Form10FilesTest : public Form10Test {
 protected:
  static constexpr const char* kKeptCopy = "Obs/GREN4_G_100L.txt";
  static constexpr const char* kRejected = "Dat/Bad_dataGREN4_100.txt";
  static constexpr const char* kTrace = "Dat/Ras_data_GREN4_100.txt";
  static constexpr const char* kStatistics = "Dat/StatGREN4_100.txt";

  // The boxes of a run: "++File Bad, Good №", the filter with the limit 0
  // (every epoch rejected), "+File Отладка" and "+Статистика".
  struct RunFiles {
    bool keptAndRejected = false, rejectAll = false, trace = false, statistics = false;
  };

  void SetUp() override {
    Form10Test::SetUp();
    // The header and the first three records of the Mars file: short runs.
    const std::vector<std::string> lines = fileLines(kMarsFile);
    std::string text;
    for (int i = 0; i < 8; ++i) text += lines[i] + "\r\n";
    writeFileBytes(kMarsFile, utf8ToCp1251(text));
  }
  void TearDown() override {
    setDiskSpaceForTesting(std::nullopt);
    Form10Test::TearDown();
  }

  // GREN chosen for Mars, as the user opens its file afresh: no
  // observatory first, then GREN.
  Form10& chooseGreenwichAfresh() {
    Form10& form = openWindow();
    click(form.Option2);
    click(form.Option9[0]);
    type(form.Text1, std::to_string(kMars));
    click(form.Option9[1]);
    return form;
  }

  // GREN chosen for Mars, the criterion |dL|, the last year 2004, the boxes
  // of the files, then "Начать".
  Form10& run(const RunFiles& files) {
    Form10& form = chooseGreenwichAfresh();
    click(form.Option18);
    type(form.Text50, files.rejectAll ? "0" : "200");
    type(form.Text65, "2004");
    setTicked(form.Check22, files.keptAndRejected);
    setTicked(form.Check20, files.rejectAll);
    setTicked(form.Check13, files.trace);
    setTicked(form.Check21, files.statistics);
    click(form.Command1);
    return form;
  }

  // The second line of a message: the file and the reason.
  std::string fileLine(const std::string& relative, const std::string& cause) const {
    return "\r\n" + programFile(relative).string() + ": " + cause;
  }
};

// The disk fills three bytes before the end of a run: the file being
// appended to lacks its last record, whole, instead of ending in a piece of
// it, and the run's message names the file and the reason. The kept copy so
// reads back as the observatory file it is.
TEST_F(Form10FilesTest, ADiskFilledDuringARunLeavesEveryAppendedRecordWhole) {
  struct Case {
    const char* file;
    RunFiles files;
  };
  const std::vector<Case> cases = {
      {kKeptCopy, {.keptAndRejected = true}},                    // every epoch accepted and kept
      {kRejected, {.keptAndRejected = true, .rejectAll = true}},  // every epoch rejected
      {kTrace, {.trace = true}},                                  // the stages of every epoch
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    for (const char* file : {kKeptCopy, kRejected, kTrace}) fs::remove(programFile(file));
    run(c.files);
    ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
    const std::string whole = fileBytes(c.file);
    std::uintmax_t written = 0;
    for (const char* file : {kKeptCopy, kRejected, kTrace})
      if (programFileExists(file)) written += fs::file_size(programFile(file));

    setDiskSpaceForTesting(written - 3);
    Form10& form = run(c.files);
    setDiskSpaceForTesting(std::nullopt);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Ошибка решения уравнений" + fileLine(c.file, "нет места на диске"));
    const std::string left = fileBytes(c.file);
    ASSERT_TRUE(whole.starts_with(left));
    EXPECT_TRUE(left.ends_with("\r\n")) << "the file ends within a record";
    std::string lastRecord = whole.substr(left.size());
    EXPECT_TRUE(lastRecord.ends_with("\r\n"));
    while (lastRecord.ends_with("\r\n")) lastRecord.resize(lastRecord.size() - 2);
    EXPECT_FALSE(lastRecord.empty());
    EXPECT_EQ(lastRecord.find("\r\n"), std::string::npos) << "more than the last record is missing";

    if (c.file == kKeptCopy) {  // "+Good File Obs": the copy is the source
      setTicked(form.Check22, false);
      setTicked(form.Check3, true);
      chooseGreenwichAfresh();
      click(form.Command1);
      EXPECT_EQ(boxes.count(), 1) << boxes.last().text;
      EXPECT_EQ(form.statistics.N, 2);
      setTicked(form.Check3, false);
    }
    boxes.clear();
  }
}

// A file the window cannot write or read: its own message stays, and a
// second line names the file and the system's reason.
TEST_F(Form10FilesTest, RefusalsNameTheFileAndTheReasonBesideTheWindowsMessage) {
  // A report header at "Начать": the disk full, or the folder "Dat" a file.
  setDiskFullForTesting(true);
  run({.keptAndRejected = true});
  setDiskFullForTesting(false);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Введите правильно данные" + fileLine(kKeptCopy, "нет места на диске"));
  EXPECT_EQ(boxes.last().title, "Celvan7.0");

  fs::rename(programFile("Dat"), programFile("Dat.away"));
  writeFileBytes("Dat", "not a folder");
  run({.keptAndRejected = true});
  fs::remove(programFile("Dat"));
  fs::rename(programFile("Dat.away"), programFile("Dat"));
  ASSERT_EQ(boxes.count(), 2);
  EXPECT_EQ(boxes.last().text, "Введите правильно данные" + fileLine(kRejected, "в пути файл на месте папки"));

  // The statistics file of "++Статистика".
  Form10& form = run({.statistics = true});
  ASSERT_EQ(boxes.count(), 2) << boxes.last().text;
  setDiskFullForTesting(true);
  click(form.Command15);
  setDiskFullForTesting(false);
  ASSERT_EQ(boxes.count(), 3);
  EXPECT_EQ(boxes.last().text, "Введите правильно масштаб" + fileLine(kStatistics, "нет места на диске"));
  EXPECT_FALSE(programFileExists(kStatistics));

  // The observatory file, chosen with its observatory.
  struct Case {
    const char* what;
    void (*make)(const fs::path& file);
    const char* cause;
  };
  const Case cases[] = {
      {"over the size limit", [](const fs::path& f) { fs::resize_file(f, std::uintmax_t{300} << 20); },
       "файл больше 256 МБ"},
      {"empty", [](const fs::path& f) { fs::resize_file(f, 0); }, "файл пуст"},
      {"a folder",
       [](const fs::path& f) {
         fs::remove(f);
         fs::create_directory(f);
       },
       "это папка, а не файл"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(programFile(kMarsFile));
    writeFileBytes(kMarsFile, "1");
    c.make(programFile(kMarsFile));
    boxes.clear();
    chooseGreenwichAfresh();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text,
              programFile(kMarsFile).string() + "\r\nНе найден файл" + fileLine(kMarsFile, c.cause));
    EXPECT_EQ(boxes.last().title, "Celvan7");
  }
}

// Every file a run replaces (the headers of the kept copy, the rejected
// data and the trace, and the statistics file) is written into a new file
// of its own: a link put where the new file goes is not written through,
// so the file it points to keeps its bytes, and nothing is left beside.
TEST_F(Form10FilesTest, TheRunsFilesAreReplacedWholeNeverThroughALink) {
  writeFileBytes("Dat/other.txt", "other");
  const std::vector<std::string> files = {kKeptCopy, kRejected, kTrace, kStatistics};
  for (const std::string& file : files) fs::create_symlink(programFile("Dat/other.txt"), programFile(file + ".tmp"));
  Form10& form = run({.keptAndRejected = true, .trace = true, .statistics = true});
  click(form.Command15);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;

  EXPECT_EQ(fileBytes("Dat/other.txt"), "other");
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(programFile(file))));
    EXPECT_FALSE(fs::exists(fs::symlink_status(programFile(file + ".tmp"))));
    EXPECT_FALSE(fs::exists(fs::symlink_status(programFile(file + ".new"))));
  }
  const std::vector<std::string> kept = fileLines(kKeptCopy);
  ASSERT_EQ(kept.size(), 8u);  // the header and the three records, all accepted
  EXPECT_EQ(kept[7], fileLines(kMarsFile)[7]);
  EXPECT_EQ(fileLines(kRejected)[1], "планета  № 4   обсерватория GREN");
  EXPECT_EQ(fileLines(kStatistics)[0], "статистика данных  GREN  по планете 4");
}

}  // namespace
