#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/components.h"
#include "ui/form_base.h"

namespace pictorio {

// The game's one announcement window: fires, burglaries, events, trophies, pause, help.
class TForm12 : public TFormBase {
  Q_OBJECT
 public:
  TForm12(Game& game, Forms& forms);

  void Button1Click();
  void Button2Click();
  // Adds one line of text to the memo.
  void AddLine(const std::string& line);
  std::vector<std::string> Lines() const;
  // Shows a picture in the notice's picture place (65 x 90, see-through).
  void ShowPicture(const QImage& picture);
  // Puts the window back to its usual size and memo place (help widens it).
  void RestoreLayout();
  void SetHelpLayout();
  // Room for a few lines of figures (a day's summary), scrolled if need be.
  void SetWideLayout();

  TImage* Backdrop;  // the parchment behind everything
  QPlainTextEdit* Memo1;
  TImage* Image1;
  QLabel* Label1;
  QLabel* Label2;
  QPushButton* Button1;
  QPushButton* Button2;

 protected:
  void FormClose() override;
};

// Shows a notice modally with the clock stopped: caption, one line and a picture
// (a path under AssetRoot such as "\items\fire.bmp").
void ShowNotice(Game& game, Forms& forms, const std::string& title, const std::string& line,
                const std::string& imagePath);

// Shows the notice window modally as it has been filled, with the clock stopped;
// the clock runs again afterwards only while a game is running.
void ShowNoticeModal(Game& game, Forms& forms);

}  // namespace pictorio
