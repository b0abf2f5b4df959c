// Message-box dialogs and wave files.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <string>
#include <vector>

#include "core/runtime/MessageBox.h"
#include "core/runtime/MessageBoxRecorder.h"
#include "ui/Runtime.h"

namespace {

struct SeenDialog {
  std::string title, text;
  int buttons = 0;
  std::vector<std::string> buttonTexts;  // left to right
};

// Answers the dialog that MsgBox is about to show by pressing one of its
// buttons, and notes what the dialog showed.
void pressWhenShown(QMessageBox::StandardButton button, SeenDialog& seen) {
  QTimer::singleShot(0, [button, &seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      ADD_FAILURE() << "no dialog shown";
      return;
    }
    seen = {box->windowTitle().toStdString(), box->text().toStdString(),
            static_cast<int>(box->standardButtons()), {}};
    for (QMessageBox::StandardButton shown : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No})
      if (box->button(shown) != nullptr) seen.buttonTexts.push_back(box->button(shown)->text().toStdString());
    box->button(button)->click();
  });
}

}  // namespace

// The buttons read in Russian whatever the locale, as the questions beside
// them do ("Если Да ...").
TEST(MessageDialogs, ShowTheTextTitleAndButtonsAndReturnTheButtonPressed) {
  ui::installDialogMessageBoxes();
  struct Case {
    MsgBoxButtons buttons;
    QMessageBox::StandardButton press;
    MsgBoxResult answer;
    int shown;
    std::vector<std::string> buttonTexts;
  };
  const Case cases[] = {
      {MsgBoxButtons::Ok, QMessageBox::Ok, MsgBoxResult::Ok, QMessageBox::Ok, {"ОК"}},
      {MsgBoxButtons::YesNo, QMessageBox::Yes, MsgBoxResult::Yes, QMessageBox::Yes | QMessageBox::No, {"Да", "Нет"}},
      {MsgBoxButtons::YesNo, QMessageBox::No, MsgBoxResult::No, QMessageBox::Yes | QMessageBox::No, {"Да", "Нет"}},
  };
  for (const Case& c : cases) {
    SeenDialog seen;
    pressWhenShown(c.press, seen);
    EXPECT_EQ(MsgBox("Файл существует. Заменить?", c.buttons, "Celvan7mm"), c.answer);
    EXPECT_EQ(seen.title, "Celvan7mm");
    EXPECT_EQ(seen.text, "Файл существует. Заменить?");
    EXPECT_EQ(seen.buttons, c.shown);
    EXPECT_EQ(seen.buttonTexts, c.buttonTexts);
  }
  setMessageBoxHandler(nullptr);
}

// A missing file starts no player; a broken one is handed to the player,
// whose complaint goes nowhere; neither shows a message, and the caller goes
// on while the player is still at work. The "aplay" first on the search
// path here notes each file it is given and then waits until the test lets
// it end.
TEST(WaveFiles, AMissingOrBrokenFileIsSilentAndNothingWaits) {
  QTemporaryDir folder;
  const QString broken = folder.filePath("tada.wav");
  QFile file(broken);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a wave file");
  file.close();
  const QString played = folder.filePath("played"), release = folder.filePath("release");
  const QString ended = folder.filePath("ended");
  {
    QFile player(folder.filePath("aplay"));
    ASSERT_TRUE(player.open(QIODevice::WriteOnly));
    player.write(("#!/bin/sh\n"
                  "echo \"$2\" >> '" + played + "'\n"
                  "echo 'no sound device' >&2\n"
                  "for i in $(seq 200); do [ -e '" + release + "' ] && break; sleep 0.05; done\n"
                  "touch '" + ended + "'\n").toUtf8());
    player.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", folder.path().toUtf8() + ":" + path);
  MessageBoxRecorder messages;

  ui::playWaveFile(folder.filePath("Zvuk_end1.wav").toStdString());
  ui::playWaveFile(broken.toStdString());
  const bool returnedBeforeThePlayerEnded = !QFile::exists(ended);
  QFile(release).open(QIODevice::WriteOnly);
  qputenv("PATH", path);

  EXPECT_TRUE(returnedBeforeThePlayerEnded);
  EXPECT_EQ(messages.count(), 0);
  for (int i = 0; i < 200 && !QFile::exists(played); ++i) QThread::msleep(50);
  QFile notes(played);
  ASSERT_TRUE(notes.open(QIODevice::ReadOnly));
  EXPECT_EQ(notes.readAll(), broken.toUtf8() + "\n");  // the missing file was never handed on
  for (int i = 0; i < 200 && !QFile::exists(ended); ++i) QThread::msleep(50);
}

// The end-of-run sounds ship beside the executable as plain PCM wave files,
// so they play wherever a sound device exists.
TEST(WaveFiles, TheShippedEndSoundsArePcmWaves) {
  for (const char* name : {"tada.wav", "Zvuk_end1.wav"}) {
    QFile file(QCoreApplication::applicationDirPath() + "/Arhiv/" + name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    const QByteArray head = file.read(44);
    ASSERT_EQ(head.size(), 44) << name;
    EXPECT_EQ(head.mid(0, 4), "RIFF") << name;
    EXPECT_EQ(head.mid(8, 8), "WAVEfmt ") << name;
    EXPECT_EQ(head[20], 1) << name;  // PCM
    EXPECT_GT(file.size(), 1000) << name;
    ui::playWaveFile(file.fileName().toStdString());
  }
}
