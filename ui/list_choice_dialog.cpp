#include "ui/list_choice_dialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>


namespace pictorio {

TListChoiceDialog::TListChoiceDialog(Game& g, Forms& f, const std::string& caption,
                                     const char* prompt)
    : TFormBase(g, f, caption) {
  setFixedSize(260, 150);
  SetRoomPlace(RoomPlace::Centred);
  Label1 = new QLabel(prompt, this);
  Label1->setGeometry(16, 12, 228, 20);
  ComboBox1 = new QComboBox(this);
  ComboBox1->setGeometry(16, 62, 228, 24);
  ComboBox1->setPlaceholderText("Name");
  Button1 = new QPushButton("Ok", this);
  Button1->setGeometry(16, 106, 100, 28);
  Button1->setEnabled(false);
  Button2 = new QPushButton("Cancel", this);
  Button2->setGeometry(144, 106, 100, 28);
  QObject::connect(ComboBox1, &QComboBox::currentIndexChanged, [this] { ComboBox1Change(); });
  QObject::connect(Button1, &QPushButton::clicked, [this] { Button1Click(); });
  QObject::connect(Button2, &QPushButton::clicked, [this] { Button2Click(); });
}

void TListChoiceDialog::Offer(const std::vector<std::pair<std::string, int>>& items) {
  const QSignalBlocker quiet(ComboBox1);
  ComboBox1->clear();
  for (const auto& [name, data] : items) ComboBox1->addItem(QString::fromStdString(name), data);
  ComboBox1->setCurrentIndex(-1);
}

void TListChoiceDialog::ComboBox1Change() {
  if (ComboBox1->currentIndex() >= 0) Button1->setEnabled(true);
}

void TListChoiceDialog::Button2Click() {
  Close();
}

}  // namespace pictorio
