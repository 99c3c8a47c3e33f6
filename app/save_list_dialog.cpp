#include "app/save_list_dialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>

#include "core/save_text.h"
#include "ui/forms.h"
#include "ui/info_bar.h"

namespace pictorio {
namespace {

constexpr int kReservedIndexLines = 2;

}  // namespace

TSaveListDialog::TSaveListDialog(Game& g, Forms& f, const std::string& caption, const char* prompt)
    : TFormBase(g, f, caption) {
  setFixedSize(260, 150);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
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

void TSaveListDialog::FormShow() {
  // Filling the list must not count as the player's choice.
  const QSignalBlocker quiet(ComboBox1);
  ComboBox1->clear();
  const TStringList& index = forms.Form3->ListBox2;
  // An edited index may hold lines that are no name a game was saved under
  // ("../x"): they would lead outside the save folder, so they are not offered.
  // Each item remembers its index line.
  for (int i = kReservedIndexLines; i < index.Count(); ++i)
    if (!PlayerNameProblem(index[i])) ComboBox1->addItem(QString::fromStdString(index[i]), i);
  ComboBox1->setCurrentIndex(-1);
}

int TSaveListDialog::ChosenPosition() const {
  if (ComboBox1->currentIndex() < 0) return -1;
  return ComboBox1->currentData().toInt() - kReservedIndexLines;
}

void TSaveListDialog::ComboBox1Change() {
  if (ComboBox1->currentIndex() >= 0) Button1->setEnabled(true);
}

void TSaveListDialog::Button2Click() {
  Close();
}

}  // namespace pictorio
