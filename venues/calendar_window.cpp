#include "venues/calendar_window.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/main_window.h"  // closing the calendar gives the room its Studio item back
#include "core/game.h"
#include "ui/fonts.h"
#include "ui/forms.h"

namespace pictorio {
namespace {

constexpr int kWidth = 313;
constexpr int kHeight = 393;

QPushButton* MakeButton(QWidget* parent, const char* caption, int left, int top) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(left, top, 135, 26);
  return button;
}

QLabel* MakeLabel(QWidget* parent, const char* text, int left, int top, int width) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(left, top, width, 20);
  return label;
}

}  // namespace

TForm4::TForm4(Game& g, Forms& f) : TFormBase(g, f, "Calendar") {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setFont(GameFont());
  setFixedSize(kWidth, kHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());

  Image1 = new TImage(this);
  Image1->setGeometry(0, 0, kWidth, kHeight);
  Image1->SetStretch(true);
  Image1->LoadFromFile(AssetPath(g, "\\design\\calendar.png"));

  Label2 = MakeLabel(this, "Year", 20, 14, 90);
  Label1 = MakeLabel(this, "Week", 114, 14, 90);
  Label3 = MakeLabel(this, "Day", 208, 14, 90);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(16, 40, 281, 200);
  Memo1->setReadOnly(true);
  Memo1->setFrameShape(QFrame::NoFrame);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);

  Label4 = MakeLabel(this, "Submit pictures to:", 16, 248, 200);
  Button5 = MakeButton(this, "Flea Market", 16, 270);
  Button1 = MakeButton(this, "Local Gallery", 162, 270);
  Button3 = MakeButton(this, "National", 16, 300);
  Button4 = MakeButton(this, "International", 162, 300);
  Button2 = MakeButton(this, "Go To Event", 16, 350);
  Button2->setEnabled(false);
  Button6 = MakeButton(this, "Close", 162, 350);

  QObject::connect(Button6, &QPushButton::clicked, [this] { Button6Click(); });
}

void TForm4::Button6Click() {
  Close();
}

void TForm4::FormClose() {
  forms.Form1->paint1->setEnabled(true);
}

void TForm4::SetDayList(const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& line : lines) text << QString::fromStdString(line);
  const QString joined = text.join('\n');
  // Redrawing the memo would also throw away the player's scroll position.
  if (Memo1->toPlainText() != joined) Memo1->setPlainText(joined);
}

std::vector<std::string> TForm4::DayList() const {
  return MemoLines(*Memo1);
}

}  // namespace pictorio
