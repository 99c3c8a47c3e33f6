#include "ui/fonts.h"

#include <QStringList>

namespace pictorio {

void InstallFontSubstitutes() {
  QFont::insertSubstitutions("Book Antiqua",
                             {"URW Palladio L", "P052", "TeX Gyre Pagella", "DejaVu Serif"});
}

QFont GameFont(int pointSize, bool bold) {
  QFont font("Book Antiqua");
  if (pointSize > 0) font.setPointSize(pointSize);
  font.setBold(bold);
  return font;
}

}  // namespace pictorio
