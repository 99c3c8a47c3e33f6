#include "studio/load_artwork_dialog.h"

#include "studio/studio_window.h"
#include "ui/forms.h"
#include "ui/info_bar.h"

namespace pictorio {

TForm7::TForm7(Game& g, Forms& f)
    : TListChoiceDialog(g, f, "Load Artwork", "Choose picture to load:") {}

void TForm7::FormShow() {
  ArtworkChosen = false;
  std::vector<std::pair<std::string, int>> titles;
  for (const std::string& title : forms.Form3->ListBox3.Items) titles.emplace_back(title, 0);
  Offer(titles);
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

}  // namespace pictorio
