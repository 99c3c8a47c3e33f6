#pragma once

#include <QDialog>
#include <string>

namespace pictorio {

struct Game;
struct Forms;

// A window of the game other than the main window. FormShow runs each time it
// is shown; FormClose each time it is closed, also when Close() is called on a
// hidden window (some windows rely on their close handler running anyway).
class TFormBase : public QDialog {
  Q_OBJECT
 public:
  TFormBase(Game& game, Forms& forms, const std::string& caption, QWidget* parent = nullptr);

  void Close();
  bool Showing() const { return !isHidden(); }
  void SetCaption(const std::string& caption);
  std::string Caption() const;

 protected:
  virtual void FormShow() {}
  virtual void FormClose() {}
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

  Game& game;
  Forms& forms;

 private:
  bool closing_ = false;
};

}  // namespace pictorio
