#pragma once

#include <QImage>
#include <string>

namespace pictorio {

// Reads a picture file: JPEG through libjpeg, BMP and PNG through Qt.
// A null image comes back with the reason when the file is missing or broken.
QImage LoadPicture(const std::string& nativePath, std::string* error = nullptr);

// Writes a baseline 24-bit JPEG at the given quality.
bool SaveJpeg(const QImage& image, const std::string& nativePath, int quality = 90,
              std::string* error = nullptr);

}  // namespace pictorio
