#include "ui/picture_io.h"

#include <jpeglib.h>

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "core/read_file.h"
#include "core/save_files.h"

namespace pictorio {
namespace {

// A progressive JPEG takes a handful of scans; thousands of them are a file
// built to keep the decoder busy.
constexpr int kMostJpegScans = 100;

struct JpegErrorTrap {
  jpeg_error_mgr pub;
  jpeg_progress_mgr progress;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

// Warnings such as a cut-off file are not printed; the caller reports errors.
void OnJpegMessage(j_common_ptr) {}

void OnJpegError(j_common_ptr cinfo) {
  auto* trap = reinterpret_cast<JpegErrorTrap*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, trap->message);
  std::longjmp(trap->jump, 1);
}

void OnJpegProgress(j_common_ptr cinfo) {
  if (!cinfo->is_decompressor) return;
  if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number <= kMostJpegScans) return;
  auto* trap = reinterpret_cast<JpegErrorTrap*>(cinfo->err);
  std::snprintf(trap->message, sizeof trap->message, "the picture has more than %d scans",
                kMostJpegScans);
  std::longjmp(trap->jump, 1);
}

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool StartsWith(const std::string& bytes, std::string_view head) {
  return bytes.size() >= head.size() && std::string_view(bytes).substr(0, head.size()) == head;
}

void SetError(std::string* error, const std::string& text) {
  if (error) *error = text;
}

bool FitsTheGame(long long width, long long height) {
  return width > 0 && height > 0 && width <= kLargestPictureSide && height <= kLargestPictureSide &&
         width * height <= kLargestPictureArea;
}

std::string TooLarge(long long width, long long height) {
  return "the picture claims " + std::to_string(width) + " x " + std::to_string(height) +
         " pixels, more than a picture of the game can have";
}

// Kept apart from DecodePicture so no object with a destructor lives in this
// frame across setjmp: an error found at any point, also after the last row
// (a second frame header behind the image data), jumps back here, and the
// picture being filled belongs to the caller, who frees it normally.
bool DecodeJpeg(const std::string& bytes, QImage* out, std::string* error) {
  jpeg_decompress_struct cinfo;
  JpegErrorTrap trap;
  cinfo.err = jpeg_std_error(&trap.pub);
  trap.pub.error_exit = OnJpegError;
  trap.pub.output_message = OnJpegMessage;
  trap.progress.progress_monitor = OnJpegProgress;
  if (setjmp(trap.jump)) {
    jpeg_destroy_decompress(&cinfo);
    *out = QImage();
    SetError(error, trap.message);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  cinfo.progress = &trap.progress;
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&cinfo, TRUE);
  if (!FitsTheGame(cinfo.image_width, cinfo.image_height)) {
    SetError(error, TooLarge(cinfo.image_width, cinfo.image_height));
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  // Rows are written three bytes a pixel; anything else would overrun them.
  if (cinfo.output_components != 3 || !FitsTheGame(cinfo.output_width, cinfo.output_height)) {
    SetError(error, "the picture's colours cannot be read");
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  *out = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                QImage::Format_RGB888);
  if (out->isNull()) {
    SetError(error, "the picture is too large");
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = out->scanLine(static_cast<int>(cinfo.output_scanline));
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

// BMP and PNG go to Qt's own readers, named by their signature so no other
// reader Qt may have is ever handed the bytes.
QImage DecodeWithQt(const std::string& bytes, const char* format, std::string* error) {
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  reader.setDecideFormatFromContent(false);
  const QSize claimed = reader.size();
  if (claimed.isValid() && !FitsTheGame(claimed.width(), claimed.height())) {
    SetError(error, TooLarge(claimed.width(), claimed.height()));
    return QImage();
  }
  QImage image = reader.read();
  if (image.isNull()) {
    const std::string why = reader.errorString().toStdString();
    SetError(error, why.empty() ? "the picture cannot be read" : why);
    return QImage();
  }
  if (!FitsTheGame(image.width(), image.height())) {
    SetError(error, TooLarge(image.width(), image.height()));
    return QImage();
  }
  return image;
}

// Kept apart for the same reason as DecodeJpeg. `space` and `components` say
// how the pixels lie in the picture's scan lines.
bool EncodeJpegInMemory(const QImage& image, J_COLOR_SPACE space, int components, int quality,
                        unsigned char** buffer, unsigned long* size, std::string* error) {
  jpeg_compress_struct cinfo;
  JpegErrorTrap trap;
  cinfo.err = jpeg_std_error(&trap.pub);
  trap.pub.error_exit = OnJpegError;
  trap.pub.output_message = OnJpegMessage;
  if (setjmp(trap.jump)) {
    jpeg_destroy_compress(&cinfo);
    SetError(error, trap.message);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, buffer, size);
  cinfo.image_width = static_cast<JDIMENSION>(image.width());
  cinfo.image_height = static_cast<JDIMENSION>(image.height());
  cinfo.input_components = components;
  cinfo.in_color_space = space;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    auto row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

}  // namespace

QImage DecodePicture(const std::string& bytes, std::string* reason) {
  if (StartsWith(bytes, "\xFF\xD8\xFF")) {
    QImage image;
    if (!DecodeJpeg(bytes, &image, reason)) return QImage();
    return image.convertToFormat(QImage::Format_RGB32);
  }
  if (StartsWith(bytes, "BM")) return DecodeWithQt(bytes, "bmp", reason);
  if (StartsWith(bytes, "\x89PNG\r\n\x1A\n")) return DecodeWithQt(bytes, "png", reason);
  SetError(reason, "it is no JPEG, BMP or PNG picture");
  return QImage();
}

bool EncodeJpeg(const QImage& image, int quality, std::string* bytes, std::string* error) {
  if (image.isNull()) {
    SetError(error, "There is no picture to save.");
    return false;
  }
  const bool direct =
      (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32) &&
      Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
  // A 32-bit pixel 0xAARRGGBB lies in memory as B, G, R, A on a little-endian machine.
  const QImage rgb = direct ? image : image.convertToFormat(QImage::Format_RGB888);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const bool ok = EncodeJpegInMemory(rgb, direct ? JCS_EXT_BGRX : JCS_RGB, direct ? 4 : 3, quality,
                                     &buffer, &size, error);
  if (ok) bytes->assign(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return ok;
}

bool SaveJpegSafely(const QImage& image, const std::string& nativePath, int quality,
                    std::string* error) {
  std::string bytes;
  std::string reason;
  if (!EncodeJpeg(image, quality, &bytes, &reason)) {
    SetError(error, "Cannot write picture \"" + nativePath + "\": " + reason);
    return false;
  }
  return WriteBytesSafely(nativePath, bytes, error);
}

QImage LoadPicture(const std::string& nativePath, std::string* error) {
  std::string bytes;
  if (!ReadRegularFile(nativePath, &bytes, error, kLargestPictureFile)) return QImage();
  std::string reason;
  QImage image = DecodePicture(bytes, &reason);
  if (image.isNull()) SetError(error, "Cannot read picture \"" + nativePath + "\": " + reason);
  return image;
}

bool SaveJpeg(const QImage& image, const std::string& nativePath, int quality, std::string* error) {
  std::string bytes;
  std::string reason;
  if (!EncodeJpeg(image, quality, &bytes, &reason)) {
    SetError(error,
             image.isNull() ? reason : "Cannot write picture \"" + nativePath + "\": " + reason);
    return false;
  }
  File f(std::fopen(nativePath.c_str(), "wb"));
  if (!f) {
    SetError(error, "Cannot create file \"" + nativePath + "\". " + std::strerror(errno));
    return false;
  }
  if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size() ||
      std::fflush(f.get()) != 0) {
    SetError(error, "Cannot write picture \"" + nativePath + "\": " + std::strerror(errno));
    return false;
  }
  return true;
}

}  // namespace pictorio
