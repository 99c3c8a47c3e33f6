#include "ui/qt_platform.h"

#include <QApplication>
#include <QBitmap>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>

#include "core/paths.h"
#include "ui/avi_decoder.h"
#include "ui/picture_io.h"
#include "ui/screen_fit.h"

namespace pictorio {

QtPlatform::QtPlatform(unsigned seed) : random_(seed), audio_(std::make_unique<SdlAudio>()) {
  // The cursors are pictures among the game's files, found the way the room finds them.
  designFolder_ = ChooseAssetRoot(CurrentDirectory(), ProgramDirectory()).root + "/design";
}

ModalResult QtPlatform::MessageDlg(const std::string& text, MsgType type, MsgButtons buttons) {
  QMessageBox box(QApplication::activeWindow());
  KeepCentredOnRoom(box, MainRoom);
  switch (type) {
    case MsgType::Confirmation:
      box.setIcon(QMessageBox::Question);
      box.setWindowTitle("Confirm");
      break;
    case MsgType::Information:
      box.setIcon(QMessageBox::Information);
      box.setWindowTitle("Information");
      break;
    case MsgType::Warning:
      box.setIcon(QMessageBox::Warning);
      box.setWindowTitle("Warning");
      break;
    case MsgType::Error:
      box.setIcon(QMessageBox::Critical);
      box.setWindowTitle("Error");
      break;
  }
  box.setText(QString::fromStdString(DialogText(text)));
  switch (buttons) {
    case MsgButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MsgButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case MsgButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok:
      return ModalResult::Ok;
    case QMessageBox::Cancel:
      return ModalResult::Cancel;
    case QMessageBox::Yes:
      return ModalResult::Yes;
    case QMessageBox::No:
      return ModalResult::No;
    default:
      return ModalResult::None;
  }
}

std::string QtPlatform::InputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& proposed) {
  QInputDialog box(QApplication::activeWindow());
  KeepCentredOnRoom(box, MainRoom);
  box.setWindowTitle(QString::fromStdString(caption));
  box.setLabelText(QString::fromStdString(prompt));
  box.setTextValue(QString::fromStdString(proposed));
  return box.exec() == QDialog::Accepted ? box.textValue().toStdString() : proposed;
}

std::string QtPlatform::ChooseFolder(const std::string& caption, const std::string& start) {
  return QFileDialog::getExistingDirectory(QApplication::activeWindow(),
                                           QString::fromStdString(caption),
                                           QString::fromStdString(start))
      .toStdString();
}

void QtPlatform::ShowModal(QDialog& window) {
  window.exec();
}

int QtPlatform::Random(int n) {
  if (n <= 0) return 0;
  return std::uniform_int_distribution<int>(0, n - 1)(random_);
}

double QtPlatform::RandomReal() {
  return std::uniform_real_distribution<double>(0.0, 1.0)(random_);
}

bool QtPlatform::MediaOpen(MediaChannel channel, const std::string& nativePath,
                           std::string* error) {
  return audio_->Open(channel, nativePath, error);
}

bool QtPlatform::MediaPlay(MediaChannel channel, std::string* error) {
  return audio_->Play(channel, error);
}

void QtPlatform::MediaStop(MediaChannel channel) {
  audio_->Stop(channel);
}

void QtPlatform::SetMediaNotify(MediaChannel channel, std::function<void()> onEnd) {
  audio_->SetNotify(channel, std::move(onEnd));
}

std::vector<QImage> QtPlatform::LoadAnimation(const std::string& nativePath, std::string* error) {
  return DecodeAllFrames(nativePath, error);
}

std::string DialogText(const std::string& text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && i + 1 < text.size() && text[i + 1] == '\r') {
      shown += '\n';
      ++i;
    } else if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      shown += '\n';
      ++i;
    } else {
      shown += text[i] == '\r' ? '\n' : text[i];
    }
  }
  return shown;
}

QCursor MakeCursor(const QImage& picture, int hotX, int hotY) {
  const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
  QImage b(argb.size(), QImage::Format_Mono);
  QImage m(argb.size(), QImage::Format_Mono);
  // Index 1 is black, which QBitmap takes as a set bit.
  const QList<QRgb> table{qRgb(255, 255, 255), qRgb(0, 0, 0)};
  b.setColorTable(table);
  m.setColorTable(table);
  b.fill(0);
  m.fill(0);
  for (int y = 0; y < argb.height(); ++y) {
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = argb.pixel(x, y);
      if (qAlpha(p) < 128) continue;
      m.setPixel(x, y, 1);
      if (qGray(p) < 128) b.setPixel(x, y, 1);
    }
  }
  return QCursor(QBitmap::fromImage(b), QBitmap::fromImage(m), hotX, hotY);
}

void QtPlatform::RegisterCursor(int number, const std::string& resourceName) {
  for (const CursorShape& shape : kCursorShapes) {
    if (resourceName != shape.name) continue;
    const QImage picture = LoadPicture(designFolder_ + "/cursors/" + resourceName + ".png");
    if (!picture.isNull()) cursors_[number] = MakeCursor(picture, shape.hotX, shape.hotY);
    return;
  }
}

void QtPlatform::SetScreenCursor(int number) {
  if (overrideCursor_) {
    QApplication::restoreOverrideCursor();
    overrideCursor_ = false;
  }
  auto found = cursors_.find(number);
  if (number == 0 || found == cursors_.end()) return;
  QApplication::setOverrideCursor(found->second);
  overrideCursor_ = true;
}

DisplayMode QtPlatform::CurrentDisplayMode() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return {screen->size().width(), screen->size().height(), screen->depth()};
}

// X11 cannot change its colour depth while running, so the only mode on offer
// is the one in use; a game that wants another runs in its own 800 x 600 window.
std::vector<DisplayMode> QtPlatform::DisplayModes() {
  return {CurrentDisplayMode()};
}

void QtPlatform::SetDisplayMode(const DisplayMode& mode) {
  if (mode == CurrentDisplayMode()) return;
  throw DisplayModeError("The display mode cannot be changed on this system.");
}

std::string QtPlatform::CurrentDirectory() {
  return QDir::currentPath().toStdString();
}

std::string QtPlatform::ProgramDirectory() {
  return QCoreApplication::applicationDirPath().toStdString();
}

std::string QtPlatform::PlayerDataHome() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
}

}  // namespace pictorio
