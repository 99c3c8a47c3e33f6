#include "studio/load_artwork_dialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>

#include "studio/studio_window.h"
#include "ui/fonts.h"
#include "ui/forms.h"
#include "ui/info_bar.h"

namespace pictorio {

TForm7::TForm7(Game& g, Forms& f) : TFormBase(g, f, "Load Artwork") {
  setFixedSize(260, 150);
  setFont(GameFont());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  Label1 = new QLabel("Choose picture to load:", this);
  Label1->setGeometry(16, 12, 228, 20);
  ComboBox1 = new QComboBox(this);
  ComboBox1->setGeometry(16, 62, 228, 24);
  ComboBox1->setPlaceholderText("Name");
  Button1 = new QPushButton("Ok", this);
  Button1->setGeometry(16, 106, 100, 28);
  Button1->setEnabled(false);
  Button2 = new QPushButton("Cancel", this);
  Button2->setGeometry(144, 106, 100, 28);
  connect(ComboBox1, &QComboBox::currentIndexChanged, [this] { ComboBox1Change(); });
  connect(Button1, &QPushButton::clicked, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, [this] { Button2Click(); });
}

void TForm7::FormShow() {
  ArtworkChosen = false;
  // Filling the list must not count as the player's choice.
  const QSignalBlocker quiet(ComboBox1);
  ComboBox1->clear();
  for (const std::string& title : forms.Form3->ListBox3.Items)
    ComboBox1->addItem(QString::fromStdString(title));
  ComboBox1->setCurrentIndex(-1);
}

void TForm7::ComboBox1Change() {
  if (ComboBox1->currentIndex() >= 0) Button1->setEnabled(true);
}

std::string TForm7::ChosenTitle() const {
  return ComboBox1->currentIndex() >= 0 ? ComboBox1->currentText().toStdString() : std::string();
}

void TForm7::Button1Click() {
  if (ComboBox1->currentIndex() < 0) return;
  forms.Form2->Label2->setText(ComboBox1->currentText());
  ArtworkChosen = true;
  Close();
}

void TForm7::Button2Click() {
  Close();
}

}  // namespace pictorio
