#include "simulation/notice_window.h"

#include "app/main_window.h"  // a notice holds the room's clock timer and opens its calendar
#include "core/game.h"
#include "ui/fonts.h"
#include "ui/forms.h"
#include "ui/picture_io.h"
#include "ui/theme.h"

namespace pictorio {

TForm12::TForm12(Game& g, Forms& f) : TFormBase(g, f, "") {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setFont(GameFont());

  // The notice stands on its parchment; the help's bigger window stretches it.
  Backdrop = new TImage(this);
  Backdrop->SetStretch(true);
  Backdrop->LoadFromFile(AssetPath(g, "\\design\\notice.png"));

  Image1 = new TImage(this);
  Image1->SetTransparent(true);
  Image1->SetStretch(true);
  Image1->hide();

  Memo1 = new QPlainTextEdit(this);
  Memo1->setReadOnly(true);
  Memo1->setFrameShape(QFrame::NoFrame);
  SetLook(*Memo1, look::kOnPaper);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  Label1 = new QLabel(this);
  Label1->setGeometry(10, 110, 70, 20);
  Label2 = new QLabel(this);
  Label2->setGeometry(10, 130, 70, 20);

  Button1 = new QPushButton("Close", this);
  Button2 = new QPushButton("Show calendar", this);
  Button2->hide();
  QObject::connect(Button1, &QPushButton::clicked, [this] { Button1Click(); });
  QObject::connect(Button2, &QPushButton::clicked, [this] { Button2Click(); });
  RestoreLayout();
}

void TForm12::RestoreLayout() {
  setFixedSize(285, 238);
  Backdrop->setGeometry(rect());
  // Help shows a bigger picture; the next notice's picture must not cover the memo.
  Image1->setGeometry(10, 16, 65, 90);
  Memo1->setGeometry(88, 12, 177, 150);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Button1->setGeometry(160, 190, 105, 28);
  Button2->setGeometry(20, 190, 125, 28);
}

void TForm12::SetHelpLayout() {
  setFixedSize(500, 420);
  Backdrop->setGeometry(rect());
  Image1->resize(158, 128);
  Memo1->setGeometry(170, 12, 300, 330);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Button1->setGeometry(365, 370, 105, 28);
  Button2->setGeometry(20, 370, 125, 28);
}

void TForm12::SetWideLayout() {
  setFixedSize(440, 300);
  Backdrop->setGeometry(rect());
  Image1->setGeometry(10, 16, 65, 90);
  Memo1->setGeometry(88, 12, 330, 226);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Button1->setGeometry(315, 254, 105, 28);
  Button2->setGeometry(20, 254, 125, 28);
}

void TForm12::AddLine(const std::string& line) {
  Memo1->appendPlainText(QString::fromStdString(line));
}

std::vector<std::string> TForm12::Lines() const {
  return MemoLines(*Memo1);
}

void TForm12::ShowPicture(const QImage& picture) {
  Image1->SetPicture(picture);
  Image1->show();
}

void TForm12::Button1Click() {
  Close();
}

void TForm12::Button2Click() {
  Close();
  forms.Form1->Calendar1Click();
}

// Each notice starts blank.
void TForm12::FormClose() {
  SetCaption("");
  Label1->clear();
  Label2->clear();
  Memo1->clear();
  Image1->hide();
}

void ShowNoticeModal(Game& game, Forms& forms) {
  TForm1& main = *forms.Form1;
  main.Timer1.SetEnabled(false);
  TForm12& notice = *forms.Form12;
  notice.move(main.frameGeometry().center() - notice.rect().center());
  game.platform.ShowModal(notice);
  // A notice must not start the clock of a game that is not running.
  main.Timer1.SetEnabled(game.GameRunning);
}

void ShowNotice(Game& game, Forms& forms, const std::string& title, const std::string& line,
                const std::string& imagePath) {
  TForm12& notice = *forms.Form12;
  notice.SetCaption(title);
  notice.AddLine(line);
  std::string error;
  const QImage picture = LoadPicture(AssetPath(game, imagePath), &error);
  if (!picture.isNull())
    notice.ShowPicture(picture);
  else
    game.platform.MessageDlg(error, MsgType::Error, MsgButtons::Ok);
  ShowNoticeModal(game, forms);
}

}  // namespace pictorio
