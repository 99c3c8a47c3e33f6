#include "ui/info_bar.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QEvent>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "core/game.h"
#include "ui/display_settings.h"
#include "ui/fonts.h"
#include "ui/forms.h"

namespace pictorio {

namespace {

// Rows of text sit on the ruled lines of the bar's picture.
constexpr int kRowTop[] = {8, 33, 58, 83};
constexpr int kRowHeight = 22;
constexpr int kCaptionLeft = 14;
constexpr int kRight = 236;
constexpr int kClockTop = 112;
constexpr QSize kFullSize(250, 144);
constexpr int kSayingMs = 2500;

template <typename Label>
Label* MakeLabel(QWidget* parent, const char* text, int left, int top, int right) {
  auto* label = new Label(text, parent);
  label->setGeometry(left, top, right - left, kRowHeight);
  label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  return label;
}

}  // namespace

TForm3::TForm3(Game& g, Forms& f) : TFormBase(g, f, "Game Info") {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setFixedSize(kFullSize);
  setFont(GameFont());

  Image1 = new TImage(this);
  Image1->setGeometry(0, 0, 250, 144);
  Image1->SetStretch(true);
  Image1->LoadFromFile(AssetPath(g, "\\design\\infobar.png"));

  // The figures start after the widest caption as this system draws it; the
  // name may use the whole width, the three numbers stop short of the palette.
  const char* const captions[] = {"Name: ", "Reputation:", "Money:", "Total Pictures:"};
  int captionWidth = 0;
  for (const char* caption : captions)
    captionWidth = std::max(captionWidth, fontMetrics().horizontalAdvance(caption));
  const int valueLeft = kCaptionLeft + captionWidth + 6;
  const int numbersRight = kInfoBarPaletteArea.left() - 4;
  Label2 = MakeLabel<QLabel>(this, captions[0], kCaptionLeft, kRowTop[0], valueLeft);
  Label1 = MakeLabel<TLabel>(this, "None", valueLeft, kRowTop[0], kRight);
  Label4 = MakeLabel<QLabel>(this, captions[1], kCaptionLeft, kRowTop[1], valueLeft);
  Label6 = MakeLabel<TLabel>(this, "0", valueLeft, kRowTop[1], numbersRight);
  Label5 = MakeLabel<QLabel>(this, captions[2], kCaptionLeft, kRowTop[2], valueLeft);
  Label7 = MakeLabel<TLabel>(this, "0", valueLeft, kRowTop[2], numbersRight);
  Label3 = MakeLabel<QLabel>(this, captions[3], kCaptionLeft, kRowTop[3], valueLeft);
  Label8 = MakeLabel<TLabel>(this, "0", valueLeft, kRowTop[3], numbersRight);
  Label10 = MakeLabel<TLabel>(this, "0", kCaptionLeft, kClockTop, kRight);
  // Where the game font is wider than designed, the clock gets a size that
  // still shows its longest text whole.
  QFont clock = Label10->font();
  while (clock.pointSize() > 6 &&
         QFontMetrics(clock).horizontalAdvance(kLongestClockText) > Label10->width())
    clock.setPointSize(clock.pointSize() - 1);
  Label10->setFont(clock);
}

// The first time it opens it goes where it hides none of the room's hot
// spots; after that it stays where the player puts it.
void TForm3::FormShow() {
  if (placed_) return;
  placed_ = true;
  PlaceInRoom();
}

void TForm3::PlaceInRoom() {
  placedFrame_ = frameGeometry().size();
  const std::vector<QRect> keepClear = KeepClear ? KeepClear() : std::vector<QRect>{};
  move(InfoBarPlace(forms.Room->geometry(), placedFrame_, keepClear));
}

void TForm3::Reopen() {
  show();
  game.Settings.InfoBar = true;
  StoreSettings(game.Settings);
}

void TForm3::SayBriefly(const std::string& text) {
  const QString said = QString::fromStdString(text);
  Label10->setText(said);
  QTimer::singleShot(kSayingMs, Label10, [this, said] {
    // A tick or the end of the game may have written the line since.
    if (Label10->text() == said) Label10->setText(QString::fromStdString(game.ClockText));
  });
}

void TForm3::ShowIfWanted() {
  if (game.Settings.InfoBar) show();
}

// Only the player's own closing is remembered: Qt also closes every window
// when the program ends.
void TForm3::closeEvent(QCloseEvent* event) {
  TFormBase::closeEvent(event);
  if (event->spontaneous() && event->isAccepted()) PlayerClosed();
}

void TForm3::keyPressEvent(QKeyEvent* event) {
  TFormBase::keyPressEvent(event);
  if (event->key() == Qt::Key_Escape) PlayerClosed();
}

void TForm3::PlayerClosed() {
  game.Settings.InfoBar = false;
  StoreSettings(game.Settings);
}

// A window manager frames the bar only after it is shown; once the frame is
// known, the bar is placed again for its real size.
bool TForm3::event(QEvent* e) {
  const bool handled = TFormBase::event(e);
  if (placed_ && !framed_ && !strip_ &&
      (e->type() == QEvent::Move || e->type() == QEvent::Resize) &&
      frameGeometry().size() != placedFrame_) {
    framed_ = true;
    PlaceInRoom();
  }
  return handled;
}

void TForm3::StandAsideFrom(QWidget& window) {
  const auto* menus = window.findChild<QMenuBar*>();
  if (!menus || menus->actions().isEmpty()) {
    if (!isHidden()) {
      hiddenAside_ = true;
      hide();
    }
    return;
  }
  int menusEnd = 0;
  for (QAction* menu : menus->actions())
    menusEnd = std::max(menusEnd, menus->actionGeometry(menu).right());
  const QPoint origin = menus->mapTo(&window, QPoint(0, 0));
  const int left = origin.x() + menusEnd + 12;
  SetStrip(&window, QRect(left, origin.y(), window.width() - left, menus->height()));
}

void TForm3::ComeBack() {
  SetStrip(nullptr);
  if (std::exchange(hiddenAside_, false)) show();
}

void TForm3::SetStrip(QWidget* host, const QRect& place) {
  const bool strip = host != nullptr;
  if (!strip && !strip_) return;
  if (strip && parentWidget() == host) {
    setGeometry(place);
    return;
  }
  const bool shown = !isHidden();
  if (!strip_) {
    fullPlace_ = pos();
    fullFlags_ = windowFlags();
    fullLayout_.clear();
    for (QLabel* label : {static_cast<QLabel*>(Label1), Label4, static_cast<QLabel*>(Label6),
                          Label5, static_cast<QLabel*>(Label7), Label3,
                          static_cast<QLabel*>(Label8), static_cast<QLabel*>(Label10)})
      fullLayout_.emplace_back(label, label->geometry());
  }
  strip_ = strip;
  // The captions shorten to fit one line; their long forms come back after.
  const std::pair<QLabel*, const char*> captions[] = {
      {Label4, strip ? "Rep." : "Reputation:"},
      {Label5, strip ? "$" : "Money:"},
      {Label3, strip ? "Pictures:" : "Total Pictures:"}};
  for (const auto& [label, text] : captions) label->setText(text);
  Image1->setVisible(!strip);
  Label2->setVisible(!strip);
  if (strip) {
    int x = 6;
    const auto put = [&](QLabel* label, int width) {
      label->setGeometry(x, 0, width, place.height());
      x += width + 6;
    };
    const auto caption = [&](QLabel* label) {
      put(label, fontMetrics().horizontalAdvance(label->text()) + 2);
    };
    put(Label1, 96);
    caption(Label4);
    put(Label6, 36);
    caption(Label5);
    put(Label7, 76);
    caption(Label3);
    put(Label8, 32);
    put(Label10, std::max(0, place.width() - x - 6));
    // Inside the scene's own window: drawn over its menu bar whatever a
    // window manager does with the stacking of windows.
    // Without a native window of its own: a native child would lead Qt to
    // misplace the scene's menus on screen.
    setAttribute(Qt::WA_NativeWindow, false);
    setParent(host, Qt::Widget);
    setFixedSize(place.size());
    move(place.topLeft());
  } else {
    for (const auto& [label, geometry] : fullLayout_) label->setGeometry(geometry);
    setParent(nullptr, fullFlags_);
    setFixedSize(kFullSize);
    move(fullPlace_);
  }
  if (shown) show();
}

QPoint InfoBarPlace(const QRect& room, const QSize& frame, const std::vector<QRect>& keepClear) {
  QRect place(QPoint(room.right() + 1 - frame.width(), room.bottom() + 1 - frame.height()), frame);
  const QRect corner = place;
  while (place.left() >= room.left()) {
    const QRect* met = nullptr;
    for (const QRect& spot : keepClear)
      if (place.intersects(spot)) met = &spot;
    if (!met) return place.topLeft();
    // Step just past the left edge of what it met.
    place.moveRight(met->left() - 1);
  }
  return corner.topLeft();
}

void ShowMoney(TForm3& bar, double money) {
  bar.Label7->setText(QString::fromStdString(FormatMoney(money)));
}

void ShowReputation(TForm3& bar, int reputation) {
  bar.Label6->setNum(reputation);
}

void ShowPictureCount(TForm3& bar, int count) {
  bar.Label8->setNum(count);
}

void RaiseInfoBar(Forms& forms) {
  QPointer<TForm3> bar = forms.Form3;
  QTimer::singleShot(0, bar, [bar] {
    if (bar && bar->Showing()) bar->raise();
  });
}

std::string Text(const QLabel* label) {
  return label->text().toStdString();
}

}  // namespace pictorio
