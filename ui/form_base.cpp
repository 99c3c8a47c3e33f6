#include "ui/form_base.h"

#include <QApplication>
#include <QHideEvent>
#include <QPointer>
#include <QShowEvent>
#include <utility>
#include <vector>

#include "ui/forms.h"
#include "ui/info_bar.h"
#include "ui/screen_fit.h"

namespace pictorio {

namespace {
// The windows a scene over the room has set aside until it goes.
std::vector<QPointer<TFormBase>>& SetAside() {
  static std::vector<QPointer<TFormBase>> aside;
  return aside;
}
}  // namespace

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
  if (place == RoomPlace::Covering) {
    setWindowFlag(Qt::FramelessWindowHint);
    coversRoom_ = true;
  }
  if (place == RoomPlace::Centred) KeepCentredOnRoom(*this, [this] { return forms.Room; });
}

void TFormBase::showEvent(QShowEvent* event) {
  // Before the window reaches the screen, so it appears where it belongs.
  if (forms.Room && !event->spontaneous() && place_ == RoomPlace::Covering)
    move(forms.Room->geometry().topLeft());
  QDialog::showEvent(event);
  if (coversRoom_ && !event->spontaneous()) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* form = qobject_cast<TFormBase*>(window);
      if (form && form->place_ == RoomPlace::Centred && form->isVisible() && !form->isModal()) {
        SetAside().push_back(form);
        form->hide();
      }
    }
  }
  if (place_ == RoomPlace::Covering && forms.Form3 && !event->spontaneous())
    forms.Form3->StandAsideFrom(*this);
  if (!event->spontaneous()) FormShow();
}

void TFormBase::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!coversRoom_ || event->spontaneous()) return;
  // What was set aside, and the bar, come back once nothing covers the room.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    const auto* form = qobject_cast<TFormBase*>(window);
    if (form && form != this && form->coversRoom_ && form->isVisible()) return;
  }
  for (const QPointer<TFormBase>& form : std::exchange(SetAside(), {}))
    if (form) form->show();
  if (place_ != RoomPlace::Covering || !forms.Form3) return;
  forms.Form3->ComeBack();
  if (forms.Room) FloatAbove(*forms.Form3, *forms.Room);
}

void TFormBase::done(int result) {
  if (!closing_) FormClose();
  QDialog::done(result);
}

}  // namespace pictorio
