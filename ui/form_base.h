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

  // Where the window stands each time it is shown: where the window manager
  // puts it, centred on the room, or over the whole room without a frame (a
  // scene of its own, as big as the room). The room may have moved, or the
  // game may fill the screen, so it is placed anew at every showing.
  enum class RoomPlace { Free, Centred, Covering };
  void SetRoomPlace(RoomPlace place);
  // A window over the whole room (a Covering one, or the shop): while it
  // shows, the windows centred on the room that wait for no answer (the
  // calendar) are set aside, as a window manager would keep them above it.
  void SetCoversRoom() { coversRoom_ = true; }

  void Close();
  bool Showing() const { return !isHidden(); }
  void SetCaption(const std::string& caption);
  std::string Caption() const;

 protected:
  virtual void FormShow() {}
  virtual void FormClose() {}
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void done(int result) override;

  Game& game;
  Forms& forms;

 private:
  bool closing_ = false;
  RoomPlace place_ = RoomPlace::Free;
  bool coversRoom_ = false;
};

}  // namespace pictorio
