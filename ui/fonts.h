#pragma once

#include <QFont>

namespace pictorio {

// The windows are designed in bold Book Antiqua; on systems without it the
// free faces registered here have its shapes and widths.
void InstallFontSubstitutes();

// Bold Book Antiqua, at the given size or the default one.
QFont GameFont(int pointSize = -1, bool bold = true);

}  // namespace pictorio
