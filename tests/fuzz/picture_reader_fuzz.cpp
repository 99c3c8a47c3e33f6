// Feeds arbitrary bytes to the picture loader, the reader of the files a
// player can put in the pictures folder. Every byte string must come back as
// a picture of a size the game can have, or as a refusal that says why.
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ui/picture_io.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string reason;
  const QImage picture = pictorio::DecodePicture(bytes, &reason);
  if (picture.isNull()) {
    if (reason.empty()) std::abort();
    return 0;
  }
  const long long width = picture.width();
  const long long height = picture.height();
  if (width > pictorio::kLargestPictureSide || height > pictorio::kLargestPictureSide ||
      width * height > pictorio::kLargestPictureArea)
    std::abort();
  // The first and the last row are there to be read: the sanitizers see to the rest.
  volatile int sink = picture.constScanLine(0)[0];
  sink = picture.constScanLine(picture.height() - 1)[picture.bytesPerLine() - 1];
  (void)sink;
  return 0;
}
