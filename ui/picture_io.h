#pragma once

#include <QImage>
#include <cstddef>
#include <string>

namespace pictorio {

// The largest picture the game reads: its own are at most 801 x 601; a file
// that claims more is damaged or hostile, and must not cost the memory it asks.
inline constexpr int kLargestPictureSide = 8192;
inline constexpr long long kLargestPictureArea = 4096LL * 4096;
inline constexpr std::size_t kLargestPictureFile = 64 * 1024 * 1024;

// Reads a picture file: JPEG through libjpeg, BMP and PNG through Qt.
// A null image comes back with the reason when the file is missing or broken.
QImage LoadPicture(const std::string& nativePath, std::string* error = nullptr);

// The same over the bytes of a file: safe for any bytes whatever. A null
// image comes back with the reason when they are no picture the game reads.
QImage DecodePicture(const std::string& bytes, std::string* reason = nullptr);

// Writes a baseline 24-bit JPEG at the given quality.
bool SaveJpeg(const QImage& image, const std::string& nativePath, int quality = 90,
              std::string* error = nullptr);

// Encodes a baseline 24-bit JPEG in memory. 32-bit pictures are handed to the
// encoder as they are, with no converted copy.
bool EncodeJpeg(const QImage& image, int quality, std::string* bytes, std::string* error = nullptr);

// Writes a baseline 24-bit JPEG through a temporary file renamed over the old
// one, so a failed write keeps the old picture. False with the system's reason.
bool SaveJpegSafely(const QImage& image, const std::string& nativePath, int quality = 90,
                    std::string* error = nullptr);

}  // namespace pictorio
