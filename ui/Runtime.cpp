#include "ui/Runtime.h"

#include <utility>

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include "core/runtime/MessageBox.h"
#include "ui/EventDispatch.h"
#include "ui/Forms.h"

namespace ui {
namespace {

MsgBoxResult showMessageDialog(const MessageBoxRequest& request) {
  const FloatingPointFlagsScope callerFlags;  // the dialog's own flags are no error
  showAllHeldDrawing();  // the box stands over the windows as they are
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(QString::fromStdString(request.title));
  box.setText(QString::fromStdString(request.text));
  if (request.buttons == MsgBoxButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? MsgBoxResult::Yes : MsgBoxResult::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return MsgBoxResult::Ok;
}

}  // namespace

void installDialogMessageBoxes() { setMessageBoxHandler(showMessageDialog); }

void installRuntime(QApplication& application) {
  installDialogMessageBoxes();
  QFont font(QStringLiteral("DejaVu Sans"), 9);
  QApplication::setFont(font);
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
