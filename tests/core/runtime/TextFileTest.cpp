// Text files by number: print zones written byte for byte, list input and
// whole lines read back, and the errors of a missing file or folder.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "ErrorOf.h"
#include "core/runtime/RuntimeError.h"
#include "core/runtime/TextFile.h"

namespace {

namespace fs = std::filesystem;

std::string blanks(std::size_t count) { return std::string(count, ' '); }

// The file and the reason a refusal names ("path: reason"); empty when the
// work was not refused.
std::string refusalOf(const std::function<void()>& work) {
  try {
    work();
  } catch (const RuntimeError& error) {
    return error.file() + ": " + error.cause();
  }
  return "";
}

class TextFileTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("celvan-textfile-" + std::to_string(::getpid()) + "-" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override {
    CloseAll();
    fs::remove_all(folder_);
  }
  std::string path(const std::string& name) const { return (folder_ / name).string(); }
  std::string bytesOf(const std::string& name) const {
    std::ifstream stream(path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
  }
  void writeBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }
  // Writes text (UTF-8 here) as a Windows-1251 file and opens it for input
  // under a free number.
  int openForInput(const std::string& name, const std::string& text) const {
    writeBytes(name, utf8ToCp1251(text));
    const int number = FreeFile();
    Open(path(name), OpenMode::Input, number);
    return number;
  }

 private:
  fs::path folder_;
};

TEST_F(TextFileTest, PrintZonesPlaceEachItemAtTheNextFourteenColumnZone) {
  struct Case { std::vector<PrintItem> items; std::string line; };
  const std::vector<Case> cases = {
      // numbers with the sign blank and the trailing blank, zones at 1, 15, 29
      {{5, -3, 2.5}, " 5 " + blanks(11) + "-3 " + blanks(11) + " 2,5 "},
      // whole numbers of the 16- and 32-bit types print like Doubles
      {{int16_t{32000}, int32_t{245153650}}, " 32000 " + blanks(7) + " 245153650 "},
      // an item of 14 columns ends just before a zone start: the next item takes it
      {{"abcdefghijklmn", 1}, "abcdefghijklmn 1 "},
      // an item reaching column 15 pushes the next one to column 29
      {{"abcdefghijklmno", 1}, "abcdefghijklmno" + blanks(13) + " 1 "},
      // an empty item still takes its zone
      {{"", "x"}, blanks(14) + "x"},
      // a number in exponent form and a negative fraction
      {{1e15, -0.25}, " 1E+15 " + blanks(7) + "-0,25 "},
      // a Single prints with its own seven digits
      {{0.1f, 1.0f / 3.0f}, " 0,1 " + blanks(9) + " 0,3333333 "},
  };
  const int number = FreeFile();
  Open(path("zones.txt"), OpenMode::Output, number);
  std::string expected;
  for (const Case& c : cases) {
    PrintZones(number, c.items);
    expected += c.line + "\r\n";
  }
  Close(number);
  EXPECT_EQ(bytesOf("zones.txt"), expected);
}

TEST_F(TextFileTest, TextIsWrittenInWindows1251AndJoinedItemsFollowEachOther) {
  const int number = FreeFile();
  Open(path("header.txt"), OpenMode::Output, number);
  PrintJoined(number, {"Ксена № ", 10});
  PrintJoined(number, {});
  PrintJoined(number, {"строка 1\r\nстрока 2"});
  PrintZones(number, {"ab\r\nc", 7});  // columns count anew after the line end
  PrintJoined(number, {"日"});          // no Windows-1251 byte
  Close(number);
  // К=0xCA с=0xF1 е=0xE5 н=0xED а=0xE0, № = 0xB9; с=0xF1 т=0xF2 р=0xF0 о=0xEE к=0xEA
  const std::string expected =
      "\xCA\xF1\xE5\xED\xE0 \xB9  10 \r\n"
      "\r\n"
      "\xF1\xF2\xF0\xEE\xEA\xE0 1\r\n\xF1\xF2\xF0\xEE\xEA\xE0 2\r\n"
      "ab\r\nc" + blanks(13) + " 7 \r\n" +
      "?\r\n";
  EXPECT_EQ(bytesOf("header.txt"), expected);
}

TEST_F(TextFileTest, AppendAddsLinesAndOutputStartsAfresh) {
  int number = FreeFile();
  Open(path("series.txt"), OpenMode::Output, number);
  PrintZones(number, {1, 2});
  Close(number);
  for (int record = 3; record <= 4; ++record) {  // one opening per record, as a running loop does
    Open(path("series.txt"), OpenMode::Append, number);
    PrintZones(number, {record});
    Close(number);
  }
  EXPECT_EQ(bytesOf("series.txt"), " 1 " + blanks(11) + " 2 \r\n 3 \r\n 4 \r\n");
  Open(path("series.txt"), OpenMode::Output, number);
  Close(number);
  EXPECT_EQ(bytesOf("series.txt"), "");
  Open(path("new.txt"), OpenMode::Append, number);  // append creates a missing file
  PrintJoined(number, {"x"});
  Close(number);
  EXPECT_EQ(bytesOf("new.txt"), "x\r\n");
}

TEST_F(TextFileTest, WrittenRecordsReadBackByListInput) {
  const int number = FreeFile();
  Open(path("round.txt"), OpenMode::Output, number);
  PrintJoined(number, {"эксперимент № 1, для объекта"});
  PrintZones(number, {32000, 245153650});
  PrintZones(number, {1, -12345, 1234567890, -98765432, 0});
  Close(number);

  Open(path("round.txt"), OpenMode::Input, number);
  EXPECT_EQ(InputText(number), "эксперимент № 1");  // a text field ends at a comma
  EXPECT_EQ(InputText(number), "для объекта");
  const std::vector<double> expected = {32000, 245153650, 1, -12345, 1234567890, -98765432, 0};
  for (double value : expected) EXPECT_EQ(InputNumber(number), value);
  EXPECT_TRUE(EndOfFile(number));
  EXPECT_EQ(errorOf([&] { InputNumber(number); }), ErrorCode::InputPastEnd);
}

TEST_F(TextFileTest, ListInputTakesPointDExponentsCommasBlanksAndQuotes) {
  const int number = openForInput(
      "list.txt",
      "     1  1018\n"
      "  0.245153650000000000D+07  0.245156850000000000D+07 -0.338008787742210925D+08\n"
      "1900, 2000\r\n"
      "  \"Пулково, 1\" , 7.5E-3,+4\r\n"
      "\r\n"
      "   \r\n"
      "-1.5d-2 ,\t3\n"
      "last");
  EXPECT_EQ(InputNumber(number), 1.0);
  EXPECT_EQ(InputNumber(number), 1018.0);
  EXPECT_EQ(InputNumber(number), 2451536.5);
  EXPECT_EQ(InputNumber(number), 2451568.5);
  EXPECT_EQ(InputNumber(number), -0.338008787742210925e8);
  EXPECT_EQ(InputNumber(number), 1900.0);
  EXPECT_EQ(InputNumber(number), 2000.0);
  EXPECT_EQ(InputText(number), "Пулково, 1");  // a quoted text keeps its comma
  EXPECT_EQ(InputNumber(number), 7.5e-3);
  EXPECT_EQ(InputNumber(number), 4.0);
  EXPECT_EQ(InputText(number), "");  // an empty line is an empty text
  EXPECT_EQ(InputText(number), "");  // so is a line of blanks
  EXPECT_EQ(InputNumber(number), -1.5e-2);
  EXPECT_EQ(InputNumber(number), 3.0);
  EXPECT_FALSE(EndOfFile(number));
  EXPECT_EQ(LineInput(number), "last");  // the last line needs no line end
  EXPECT_TRUE(EndOfFile(number));
  EXPECT_EQ(errorOf([&] { LineInput(number); }), ErrorCode::InputPastEnd);
  EXPECT_EQ(errorOf([&] { InputText(number); }), ErrorCode::InputPastEnd);
}

TEST_F(TextFileTest, ListInputRefusesFieldsThatAreNoNumbers) {
  struct Case { std::string bytes; ErrorCode expected; };
  const std::vector<Case> cases = {
      {"abc\r\n", ErrorCode::TypeMismatch},
      {"12abc 5\r\n", ErrorCode::TypeMismatch},
      {"0,5\r\n", ErrorCode::TypeMismatch},  // "0" then an empty field would follow: the 0 reads, see below
      {",5\r\n", ErrorCode::TypeMismatch},   // an empty field before the comma
      {"1.5D\r\n", ErrorCode::TypeMismatch},
      {"inf\r\n", ErrorCode::TypeMismatch},
      {"1D999\r\n", ErrorCode::Overflow},
      {"   \r\n\r\n", ErrorCode::InputPastEnd},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    const int number = openForInput("bad.txt", c.bytes);
    if (c.bytes == "0,5\r\n") {
      EXPECT_EQ(InputNumber(number), 0.0);  // the comma ends the field "0"
      EXPECT_EQ(InputNumber(number), 5.0);
    } else {
      EXPECT_EQ(errorOf([&] { InputNumber(number); }), c.expected);
    }
    Close(number);
  }
}

TEST_F(TextFileTest, LineInputTakesCrLfAndLfLines) {
  const int number = openForInput("lines.txt", "первая\r\n\r\nтретья\nчетвёртая\n");
  EXPECT_EQ(LineInput(number), "первая");
  EXPECT_EQ(LineInput(number), "");
  EXPECT_EQ(LineInput(number), "третья");
  EXPECT_EQ(LineInput(number), "четвёртая");
  EXPECT_TRUE(EndOfFile(number));
}

TEST_F(TextFileTest, ReadingConvertsWindows1251ToUtf8) {
  writeBytes("obs.txt", "\xCF\xF3\xEB\xEA\xEE\xE2\xEE\r\n");  // "Пулково" in Windows-1251
  const int number = FreeFile();
  Open(path("obs.txt"), OpenMode::Input, number);
  EXPECT_EQ(LineInput(number), "Пулково");
}

TEST_F(TextFileTest, FileNumbersAndOpeningErrors) {
  EXPECT_EQ(FreeFile(), 1);
  Open(path("a.txt"), OpenMode::Output, 1);
  Open(path("b.txt"), OpenMode::Output, 3);
  EXPECT_EQ(FreeFile(), 2);  // the lowest free number
  EXPECT_EQ(errorOf([&] { Open(path("c.txt"), OpenMode::Output, 3); }), ErrorCode::FileAlreadyOpen);
  Close(3);
  Close(3);  // closing a closed file is harmless
  Close(77);
  EXPECT_EQ(FreeFile(), 2);

  struct Case { std::string path; OpenMode mode; ErrorCode expected; };
  const std::vector<Case> cases = {
      {path("missing.txt"), OpenMode::Input, ErrorCode::FileNotFound},
      {path("NoFolder/x.txt"), OpenMode::Input, ErrorCode::PathNotFound},
      {path("NoFolder/x.txt"), OpenMode::Output, ErrorCode::PathNotFound},
      {path("NoFolder/x.txt"), OpenMode::Append, ErrorCode::PathNotFound},
      {path(""), OpenMode::Input, ErrorCode::PathFileAccessError},  // a folder is no file
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(errorOf([&] { Open(c.path, c.mode, 5); }), c.expected);
    EXPECT_EQ(errorOf([&] { EndOfFile(5); }), ErrorCode::BadFileNumber);  // nothing left open
  }
  EXPECT_FALSE(fs::exists(path("NoFolder")));  // folders are never created
  EXPECT_EQ(errorOf([&] { Open(path("a.txt"), OpenMode::Output, 0); }), ErrorCode::BadFileNumber);
  EXPECT_EQ(errorOf([&] { Open(path("a.txt"), OpenMode::Output, 512); }), ErrorCode::BadFileNumber);
  EXPECT_EQ(errorOf([&] { PrintZones(9, {1}); }), ErrorCode::BadFileNumber);
  EXPECT_EQ(errorOf([&] { InputNumber(9); }), ErrorCode::BadFileNumber);
  EXPECT_EQ(errorOf([&] { InputNumber(1); }), ErrorCode::BadFileMode);  // open for output
}

TEST_F(TextFileTest, PrintingToAFileOpenForInputIsRefusedAndChangesNothing) {
  const int number = openForInput("in.txt", "1 2\r\n");
  EXPECT_EQ(errorOf([&] { PrintZones(number, {3}); }), ErrorCode::BadFileMode);
  EXPECT_EQ(bytesOf("in.txt"), "1 2\r\n");
}

TEST_F(TextFileTest, APathWrittenWithBackslashesNamesTheSameFile) {
  fs::create_directories(path("Dat"));
  const int number = FreeFile();
  Open(path("") + "\\Dat\\Celvan1.dat", OpenMode::Output, number);
  PrintJoined(number, {"1"});
  Close(number);
  EXPECT_EQ(bytesOf("Dat/Celvan1.dat"), "1\r\n");
}

TEST_F(TextFileTest, AllFileNumbersInUseLeaveNoneFree) {
  for (int number = 1; number <= 511; ++number) Open(path("n" + std::to_string(number)), OpenMode::Output, number);
  EXPECT_EQ(errorOf([] { FreeFile(); }), ErrorCode::TooManyFiles);
  Close(200);
  EXPECT_EQ(FreeFile(), 200);
}

// A file open for Output replaces the old one only when it is closed
// without an error; every failure leaves the old bytes and no temporary.
TEST_F(TextFileTest, AFailedWriteLeavesTheOldFileAsItWas) {
  const std::string old = "old text\r\n";
  struct Case {
    const char* what;
    void (*prepare)(const std::string& temporary);
    void (*write)(int number);  // after a successful Open
    bool opens;
    ErrorCode expected;
  };
  const std::vector<Case> cases = {
      {"the temporary cannot be created", [](const std::string& t) { fs::create_directory(t); }, nullptr, false,
       ErrorCode::PathFileAccessError},
      {"the disk refuses the close", [](const std::string&) { setDiskFullForTesting(true); },
       [](int n) {
         PrintZones(n, {1});
         Close(n);
       },
       true, ErrorCode::DeviceIOError},
      {"the save is abandoned", [](const std::string&) {},
       [](int n) {
         PrintZones(n, {1});
         Abandon(n);
         throw RuntimeError(ErrorCode::Overflow, "a value that cannot be written");
       },
       true, ErrorCode::Overflow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writeBytes("kept.txt", old);
    const std::string temporary = path("kept.txt") + ".tmp";
    c.prepare(temporary);
    if (c.opens) {
      Open(path("kept.txt"), OpenMode::Output, 4);
      EXPECT_EQ(errorOf([&] { c.write(4); }), c.expected);
    } else {
      EXPECT_EQ(errorOf([&] { Open(path("kept.txt"), OpenMode::Output, 4); }), c.expected);
    }
    setDiskFullForTesting(false);
    EXPECT_EQ(errorOf([&] { EndOfFile(4); }), ErrorCode::BadFileNumber);  // nothing left open
    EXPECT_EQ(bytesOf("kept.txt"), old);
    if (c.opens) {
      EXPECT_FALSE(fs::exists(temporary));
    }
    fs::remove_all(temporary);
  }
  // Until it is closed, the old file is what a reader sees.
  Open(path("kept.txt"), OpenMode::Output, 4);
  PrintZones(4, {2});
  EXPECT_EQ(bytesOf("kept.txt"), old);
  Close(4);
  EXPECT_EQ(bytesOf("kept.txt"), " 2 \r\n");
  EXPECT_FALSE(fs::exists(path("kept.txt.tmp")));
  // A folder is no file to write.
  EXPECT_EQ(errorOf([&] { Open(path(""), OpenMode::Output, 4); }), ErrorCode::PathFileAccessError);
}

// A file far larger than any the program keeps is refused before it is read.
TEST_F(TextFileTest, AHugeFileIsRefusedWithoutReadingIt) {
  writeBytes("huge.txt", "1");
  fs::resize_file(path("huge.txt"), std::uintmax_t{300} << 20);  // sparse: no space taken
  EXPECT_EQ(errorOf([&] { Open(path("huge.txt"), OpenMode::Input, 4); }), ErrorCode::OutOfMemory);
  EXPECT_EQ(errorOf([&] { EndOfFile(4); }), ErrorCode::BadFileNumber);
}

// A record appended while the disk fills is cut back to nothing: the file is
// as it was before the record, and the refusal names the file and the
// reason. The same through a nearly full disk of the test (two bytes of the
// record fit), a record given up, and the system's own full device.
TEST_F(TextFileTest, AnAppendedRecordIsKeptWholeOrNotAtAll) {
  writeBytes("series.txt", "1\r\n");
  setDiskSpaceForTesting(2);
  Open(path("series.txt"), OpenMode::Append, 4);
  PrintJoined(4, {"22"});
  PrintJoined(4, {"333"});
  const std::string refusal = refusalOf([] { Close(4); });
  setDiskSpaceForTesting(std::nullopt);
  EXPECT_EQ(refusal, path("series.txt") + ": нет места на диске");
  EXPECT_EQ(bytesOf("series.txt"), "1\r\n");

  Open(path("series.txt"), OpenMode::Append, 4);
  PrintJoined(4, {"4"});
  Abandon(4);
  EXPECT_EQ(bytesOf("series.txt"), "1\r\n");

  Open("/dev/full", OpenMode::Append, 4);
  PrintJoined(4, {"5"});
  EXPECT_EQ(refusalOf([] { Close(4); }), "/dev/full: нет места на диске");
  EXPECT_EQ(errorOf([&] { EndOfFile(4); }), ErrorCode::BadFileNumber);  // nothing left open
}

// A save creates its new file afresh: what an interrupted save left under
// the new file's name is replaced, and a link put there is removed, never
// written through, so the file it points to keeps its bytes and the target
// stays a file of its own.
TEST_F(TextFileTest, ANewFileIsCreatedAfreshNeverThroughALink) {
  writeBytes("other.txt", "other\r\n");
  for (const bool link : {false, true}) {
    SCOPED_TRACE(link ? "a link" : "an interrupted save");
    writeBytes("kept.txt", "old\r\n");
    if (link)
      fs::create_symlink(path("other.txt"), path("kept.txt.tmp"));
    else
      writeBytes("kept.txt.tmp", "half a line of an interrupted sa");
    Open(path("kept.txt"), OpenMode::Output, 4);
    PrintJoined(4, {"new"});
    Close(4);
    EXPECT_EQ(bytesOf("kept.txt"), "new\r\n");
    EXPECT_FALSE(fs::is_symlink(path("kept.txt")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(path("kept.txt.tmp"))));
    EXPECT_EQ(bytesOf("other.txt"), "other\r\n");
  }
}

// Every refusal names the file and the system's reason in the user's words.
TEST_F(TextFileTest, RefusalsNameTheFileAndTheReason) {
  fs::create_directory(path("Folder"));
  writeBytes("empty.txt", "");
  writeBytes("short.txt", "1\r\n");
  writeBytes("NotAFolder", "x");
  writeBytes("huge.txt", "1");
  fs::resize_file(path("huge.txt"), std::uintmax_t{300} << 20);  // sparse: no space taken
  fs::create_directory(path("kept.txt.tmp"));
  const auto readLines = [this](const char* name, int lines) {
    return [this, name, lines] {
      Open(path(name), OpenMode::Input, 4);
      for (int line = 0; line < lines; ++line) LineInput(4);
    };
  };
  struct Case {
    const char* what;
    std::function<void()> work;
    std::string refusal;
  };
  const std::vector<Case> cases = {
      {"a folder read as a file", readLines("Folder", 1), path("Folder") + ": это папка, а не файл"},
      {"a missing file", readLines("missing.txt", 1), path("missing.txt") + ": нет такого файла или папки"},
      {"an empty file", readLines("empty.txt", 1), path("empty.txt") + ": файл пуст"},
      {"a file read past its end", readLines("short.txt", 2), path("short.txt") + ": файл кончился"},
      {"a file far too large", readLines("huge.txt", 1), path("huge.txt") + ": файл больше 256 МБ"},
      {"a file where a folder should be", [this] { Open(path("NotAFolder/x.txt"), OpenMode::Output, 4); },
       path("NotAFolder/x.txt") + ": в пути файл на месте папки"},
      {"a folder where the new file goes", [this] { Open(path("kept.txt"), OpenMode::Output, 4); },
       path("kept.txt") + ": на месте нового файла kept.txt.tmp стоит папка"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(refusalOf(c.work), c.refusal);
    CloseAll();
  }
}

// Root may write anywhere, so the folder without write access is tried by
// a child process that gives root's rights up first.
TEST_F(TextFileTest, AFolderWithoutWriteAccessIsNamedAsSuch) {
  const std::string folder = path("ReadOnly");
  fs::create_directory(folder);
  fs::permissions(folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const std::string file = folder + "/x.txt";
  EXPECT_EXIT(
      {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && ::setresuid(kNobody, kNobody, kNobody) != 0) std::_Exit(2);
        const std::string refusal = refusalOf([&] { Open(file, OpenMode::Output, 4); });
        std::_Exit(refusal == file + ": нет доступа" ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
