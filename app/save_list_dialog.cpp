#include "app/save_list_dialog.h"

#include "core/save_text.h"
#include "ui/forms.h"
#include "ui/info_bar.h"

namespace pictorio {
namespace {

constexpr int kReservedIndexLines = 2;

}  // namespace

void TSaveListDialog::FormShow() {
  const TStringList& index = forms.Form3->ListBox2;
  // An edited index may hold lines that are no name a game was saved under
  // ("../x"): they would lead outside the save folder, so they are not offered.
  // Each item remembers its index line.
  std::vector<std::pair<std::string, int>> names;
  for (int i = kReservedIndexLines; i < index.Count(); ++i)
    if (!PlayerNameProblem(index[i])) names.emplace_back(index[i], i);
  AddChoices(names);
  Offer(names);
}

int TSaveListDialog::ChosenPosition() const {
  if (ComboBox1->currentIndex() < 0) return -1;
  return ComboBox1->currentData().toInt() - kReservedIndexLines;
}

}  // namespace pictorio
