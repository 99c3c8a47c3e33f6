#include "ui/form_base.h"

#include <QShowEvent>

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

void TFormBase::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TFormBase::done(int result) {
  if (!closing_) FormClose();
  QDialog::done(result);
}

}  // namespace pictorio
