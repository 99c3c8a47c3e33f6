#include "ui/picture_io.h"

#include <jpeglib.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/save_files.h"

namespace pictorio {
namespace {

struct JpegErrorTrap {
  jpeg_error_mgr pub;
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

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool HasJpegSignature(std::FILE* f) {
  unsigned char head[3] = {0, 0, 0};
  const bool jpeg =
      std::fread(head, 1, 3, f) == 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF;
  std::rewind(f);
  return jpeg;
}

void SetError(std::string* error, const std::string& text) {
  if (error) *error = text;
}

// Kept apart from LoadPicture so no object with a destructor lives across setjmp.
bool DecodeJpeg(std::FILE* f, QImage* out, std::string* error) {
  jpeg_decompress_struct cinfo;
  JpegErrorTrap trap;
  cinfo.err = jpeg_std_error(&trap.pub);
  trap.pub.error_exit = OnJpegError;
  trap.pub.output_message = OnJpegMessage;
  if (setjmp(trap.jump)) {
    jpeg_destroy_decompress(&cinfo);
    SetError(error, trap.message);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_stdio_src(&cinfo, f);
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  QImage image(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
               QImage::Format_RGB888);
  if (image.isNull()) {
    jpeg_destroy_decompress(&cinfo);
    SetError(error, "the picture is too large");
    return false;
  }
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = image.scanLine(static_cast<int>(cinfo.output_scanline));
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  *out = image.convertToFormat(QImage::Format_RGB32);
  return true;
}

bool EncodeJpeg(std::FILE* f, const QImage& rgb, int quality, std::string* error) {
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
  jpeg_stdio_dest(&cinfo, f);
  cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
  cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    auto row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
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
  File f(std::fopen(nativePath.c_str(), "rb"));
  if (!f) {
    SetError(error, "Cannot open file \"" + nativePath + "\". " + std::strerror(errno));
    return QImage();
  }
  if (HasJpegSignature(f.get())) {
    QImage image;
    std::string reason;
    if (!DecodeJpeg(f.get(), &image, &reason)) {
      SetError(error, "Cannot read picture \"" + nativePath + "\": " + reason);
      return QImage();
    }
    return image;
  }
  f.reset();
  QImage image(QString::fromStdString(nativePath));
  if (image.isNull()) SetError(error, "Cannot read picture \"" + nativePath + "\".");
  return image;
}

bool SaveJpeg(const QImage& image, const std::string& nativePath, int quality, std::string* error) {
  if (image.isNull()) {
    SetError(error, "There is no picture to save.");
    return false;
  }
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  File f(std::fopen(nativePath.c_str(), "wb"));
  if (!f) {
    SetError(error, "Cannot create file \"" + nativePath + "\". " + std::strerror(errno));
    return false;
  }
  std::string reason;
  bool ok = EncodeJpeg(f.get(), rgb, quality, &reason);
  if (std::fflush(f.get()) != 0 || std::ferror(f.get())) {
    ok = false;
    reason = std::strerror(errno);
  }
  if (!ok) SetError(error, "Cannot write picture \"" + nativePath + "\": " + reason);
  return ok;
}

}  // namespace pictorio
