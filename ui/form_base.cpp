#include "ui/form_base.h"

#include <QApplication>
#include <QHideEvent>
#include <QShowEvent>

#include "ui/forms.h"
#include "ui/info_bar.h"
#include "ui/screen_fit.h"

namespace pictorio {

TFormBase::TFormBase(Game& g, Forms& f, const std::string& caption, QWidget* parent)
    : QDialog(parent), game(g), forms(f) {
  SetCaption(caption);
}

void TFormBase::SetCaption(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
}

std::string TFormBase::Caption() const {
  return windowTitle().toStdString();
}

void TFormBase::Close() {
  closing_ = true;
  FormClose();
  if (!isHidden()) QDialog::done(QDialog::Rejected);
  closing_ = false;
}

void TFormBase::SetRoomPlace(RoomPlace place) {
  place_ = place;
  if (place == RoomPlace::Covering) setWindowFlag(Qt::FramelessWindowHint);
  if (place == RoomPlace::Centred) KeepCentredOnRoom(*this, [this] { return forms.Room; });
}

void TFormBase::showEvent(QShowEvent* event) {
  // Before the window reaches the screen, so it appears where it belongs.
  if (forms.Room && !event->spontaneous() && place_ == RoomPlace::Covering)
    move(forms.Room->geometry().topLeft());
  QDialog::showEvent(event);
  if (place_ == RoomPlace::Covering && forms.Form3 && !event->spontaneous())
    forms.Form3->StandAsideFrom(*this);
  if (!event->spontaneous()) FormShow();
}

void TFormBase::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (place_ != RoomPlace::Covering || !forms.Form3 || event->spontaneous()) return;
  // The bar comes back once no window covers the room any more.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    const auto* form = qobject_cast<TFormBase*>(window);
    if (form && form != this && form->place_ == RoomPlace::Covering && form->isVisible()) return;
  }
  forms.Form3->ComeBack();
  if (forms.Room) FloatAbove(*forms.Form3, *forms.Room);
}

void TFormBase::done(int result) {
  if (!closing_) FormClose();
  QDialog::done(result);
}

}  // namespace pictorio
