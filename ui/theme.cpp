#include "ui/theme.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>

#include "ui/fonts.h"

namespace pictorio {
namespace {

QString Css(const QColor& colour) {
  return colour.name(QColor::HexRgb);
}

// Keeps a swatch's frame around it when the swatch moves, resizes, hides or shows.
class SwatchFrameKeeper : public QObject {
 public:
  SwatchFrameKeeper(QWidget& swatch, QFrame& frame)
      : QObject(&frame), swatch_(swatch), frame_(frame) {
    swatch.installEventFilter(this);
    Follow();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &swatch_) {
      switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
          Follow();
          break;
        default:
          break;
      }
    }
    return false;
  }

 private:
  void Follow() {
    frame_.setGeometry(swatch_.geometry().adjusted(-1, -1, 1, 1));
    frame_.setVisible(!swatch_.isHidden());
    frame_.stackUnder(&swatch_);
  }
  QWidget& swatch_;
  QFrame& frame_;
};

// Fusion, with the game's rules for text: titles and names are shown exactly
// as typed (Qt would guess at markup and even load images an <img> names),
// and no text can be selected or dragged, so a drag that runs on from the
// canvas into a window that just opened takes nothing with it.
class GameStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  void polish(QWidget* widget) override {
    QProxyStyle::polish(widget);
    // Only what differs is set: each setting lays a label's text out again.
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (label->textFormat() != Qt::PlainText) label->setTextFormat(Qt::PlainText);
      if (label->textInteractionFlags() != Qt::NoTextInteraction)
        label->setTextInteractionFlags(Qt::NoTextInteraction);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget); memo && memo->isReadOnly()) {
      memo->setTextInteractionFlags(Qt::NoTextInteraction);
    }
  }
  using QProxyStyle::polish;
};

}  // namespace

QPalette GamePalette() {
  using theme::kButton;
  using theme::kCream;
  using theme::kFaded;
  using theme::kInk;
  using theme::kParchment;
  using theme::kWood;
  QPalette palette(kButton, kParchment);
  palette.setColor(QPalette::Window, kParchment);
  palette.setColor(QPalette::WindowText, kInk);
  palette.setColor(QPalette::Base, kCream);
  palette.setColor(QPalette::AlternateBase, kButton);
  palette.setColor(QPalette::Text, kInk);
  palette.setColor(QPalette::Button, kButton);
  palette.setColor(QPalette::ButtonText, kInk);
  palette.setColor(QPalette::BrightText, kCream);
  palette.setColor(QPalette::Highlight, kWood);
  palette.setColor(QPalette::HighlightedText, kCream);
  palette.setColor(QPalette::ToolTipBase, kCream);
  palette.setColor(QPalette::ToolTipText, kInk);
  palette.setColor(QPalette::PlaceholderText, kFaded);
  palette.setColor(QPalette::Link, kWood);
  palette.setColor(QPalette::Light, kCream);
  palette.setColor(QPalette::Midlight, kButton);
  palette.setColor(QPalette::Mid, QColor(200, 170, 130));
  palette.setColor(QPalette::Dark, kWood);
  palette.setColor(QPalette::Shadow, QColor(70, 44, 24));
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, kFaded);
  palette.setColor(QPalette::Disabled, QPalette::Base, kParchment);
  return palette;
}

QString GameStyleSheet() {
  const QString ink = Css(theme::kInk);
  const QString wood = Css(theme::kWood);
  const QString cream = Css(theme::kCream);
  const QString button = Css(theme::kButton);
  const QString parchment = Css(theme::kParchment);
  const QString faded = Css(theme::kFaded);
  return QString(
             // Buttons: cream with a wooden rim, lighter under the mouse.
             "QPushButton { background: %4; border: 2px solid %2; border-radius: 6px;"
             " padding: 1px 8px; color: %1; }"
             "QPushButton:hover { background: #fff6e2; }"
             "QPushButton:pressed { background: #e6d2ac; }"
             "QPushButton:default { border-width: 3px; }"
             "QPushButton:disabled { color: %6; border-color: #b8a48c; }"
             // Menus.
             "QMenuBar { background: %5; color: %1; border-bottom: 1px solid #c8a882; }"
             "QMenuBar::item { background: transparent; padding: 2px 8px; }"
             "QMenuBar::item:selected { background: %2; color: %3; }"
             "QMenuBar::item:disabled { color: %6; }"
             "QMenu { background: %3; color: %1; border: 1px solid %2; padding: 2px; }"
             "QMenu::item { padding: 4px 24px 4px 22px; }"
             "QMenu::item:selected { background: %2; color: %3; }"
             "QMenu::item:disabled { color: %6; }"
             "QMenu::separator { height: 1px; background: #c8a882; margin: 3px 8px; }"
             "QToolTip { background: %3; color: %1; border: 1px solid %2; padding: 2px; }"
             // The dresses windows give single widgets.
             "QFrame[look=\"panel\"] { background: rgba(255, 249, 234, 238);"
             " border: 3px solid %2; border-radius: 10px; }"
             "QPlainTextEdit[look=\"speech\"] { background: rgba(255, 251, 238, 235);"
             " border: 2px solid %2; border-radius: 8px; padding: 4px; }"
             "QPlainTextEdit[look=\"onpaper\"], QListWidget[look=\"onpaper\"]"
             " { background: transparent; border: none; }"
             "QFrame[look=\"swatchframe\"] { background: transparent; border: 1px solid %1; }"
             "QFrame[look=\"offercue\"] { background: rgba(255, 226, 150, 210);"
             " border: 3px solid %2; border-radius: 10px; }")
      .arg(ink, wood, cream, button, parchment, faded);
}

namespace {

double Luminance(const QColor& c) {
  const auto channel = [](double v) {
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

QColor ReadableOn(const QColor& colour, const QColor& paper) {
  constexpr double kLeast = 2.5;
  QColor ink = colour;
  // Ten steps of darkening reach black, which reads on any paper light enough for the game.
  for (int step = 0; step < 10 && Contrast(ink, paper) < kLeast; ++step) ink = ink.darker(125);
  return ink;
}

void ApplyGameTheme(QApplication& app) {
  InstallFontSubstitutes();
  // Fusion draws everything from the palette, so the parchment reaches the
  // parts the style sheet leaves alone (combo boxes, input lines, scroll bars).
  app.setStyle(new GameStyle(QStyleFactory::create("Fusion")));
  app.setPalette(GamePalette());
  app.setFont(GameFont());
  app.setStyleSheet(GameStyleSheet());
}

void SetLook(QWidget& widget, const char* look) {
  widget.setProperty("look", look);
  // Already polished widgets pick the new dress up only when polished again.
  widget.style()->unpolish(&widget);
  widget.style()->polish(&widget);
}

QFrame* FrameSwatch(QWidget& swatch) {
  auto* frame = new QFrame(swatch.parentWidget());
  SetLook(*frame, look::kSwatchFrame);
  frame->setAttribute(Qt::WA_TransparentForMouseEvents);
  new SwatchFrameKeeper(swatch, *frame);
  return frame;
}

}  // namespace pictorio
