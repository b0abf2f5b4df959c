#include "ui/Runtime.h"

#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include "core/runtime/MessageBox.h"
#include "ui/EventDispatch.h"
#include "ui/Fonts.h"
#include "ui/Forms.h"

namespace ui {
namespace {

// The buttons speak the windows' language under every locale: the toolkit
// names them in English wherever its translations are not installed, beside
// questions such as "Если Да ...".
void nameButtonsInRussian(QMessageBox& box) {
  const std::pair<QMessageBox::StandardButton, const char*> names[] = {
      {QMessageBox::Ok, "ОК"}, {QMessageBox::Cancel, "Отмена"}, {QMessageBox::Yes, "Да"}, {QMessageBox::No, "Нет"}};
  for (const auto& [button, name] : names)
    if (QAbstractButton* shown = box.button(button)) shown->setText(QString::fromUtf8(name));
}

MsgBoxResult showMessageDialog(const MessageBoxRequest& request) {
  const FloatingPointFlagsScope callerFlags;  // the dialog's own flags are no error
  showAllHeldDrawing();  // the box stands over the windows as they are
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(QString::fromStdString(request.title));
  box.setText(QString::fromStdString(request.text));
  const bool question = request.buttons == MsgBoxButtons::YesNo;
  box.setStandardButtons(question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
  nameButtonsInRussian(box);
  const int pressed = box.exec();
  if (!question) return MsgBoxResult::Ok;
  return pressed == QMessageBox::Yes ? MsgBoxResult::Yes : MsgBoxResult::No;
}

}  // namespace

void installDialogMessageBoxes() { setMessageBoxHandler(showMessageDialog); }

void installRuntime(QApplication& application) {
  installDialogMessageBoxes();
  useProgramFont();
  QApplication::setQuitOnLastWindowClosed(false);
  endProcessWithLastForm(true);
  QObject::connect(&application, &QCoreApplication::aboutToQuit, [] {
    unloadAllForms();
    destroyUnloadedForms();
  });
}

namespace {
std::function<void(const std::string&)>& wavePlayer() {
  static std::function<void(const std::string&)> player;
  return player;
}
}  // namespace

std::function<void(const std::string&)> setWaveFilePlayer(std::function<void(const std::string&)> player) {
  return std::exchange(wavePlayer(), std::move(player));
}

void playWaveFile(const std::string& path) {
  if (const auto& player = wavePlayer()) {
    player(path);
    return;
  }
  const QString file = QString::fromStdString(path);
  const QString player = QStandardPaths::findExecutable(QStringLiteral("aplay"));
  if (!QFile::exists(file) || player.isEmpty()) return;
  QProcess process;
  process.setProgram(player);
  process.setArguments({QStringLiteral("-q"), file});
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());  // no sound device: silent
  process.startDetached();
}

}  // namespace ui
