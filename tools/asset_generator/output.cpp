#include "output.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace assets {

namespace {

struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info) {
  auto* err = reinterpret_cast<JpegError*>(info->err);
  std::longjmp(err->jump, 1);
}

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};

}  // namespace

Output::Output(std::filesystem::path root) : root_(std::move(root)) {}

std::filesystem::path Output::path(const std::string& relative) const {
  return root_ / relative;
}

void Output::prepare(const std::filesystem::path& file) const {
  std::filesystem::create_directories(file.parent_path());
}

void Output::remember(const std::string& relative, const QImage& image) {
  pictures_.push_back({relative, image});
}

void Output::png(const std::string& relative, const QImage& image) {
  const auto file = path(relative);
  prepare(file);
  if (!image.save(QString::fromStdString(file.string()), "PNG"))
    throw std::runtime_error("cannot write " + file.string());
  remember(relative, image);
}

void Output::jpeg(const std::string& relative, const QImage& image, int quality) {
  const auto file = path(relative);
  prepare(file);
  WriteJpegFile(file, image, quality);
  remember(relative, image);
}

void Output::bmp(const std::string& relative, const QImage& image) {
  const auto file = path(relative);
  prepare(file);
  // Qt writes 32-bit images without alpha as 24-bit uncompressed bitmaps.
  const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
  if (!opaque.save(QString::fromStdString(file.string()), "BMP"))
    throw std::runtime_error("cannot write " + file.string());
  remember(relative, opaque);
}

void Output::bytes(const std::string& relative, const std::string& data) {
  const auto file = path(relative);
  prepare(file);
  std::ofstream out(file, std::ios::binary);
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

void WriteJpegFile(const std::filesystem::path& file, const QImage& image, int quality) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  std::unique_ptr<std::FILE, FileCloser> out(std::fopen(file.c_str(), "wb"));
  if (!out) throw std::runtime_error("cannot write " + file.string());

  jpeg_compress_struct cinfo{};
  JpegError err{};
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = OnJpegError;
  if (setjmp(err.jump)) {
    jpeg_destroy_compress(&cinfo);
    throw std::runtime_error("JPEG encoding failed for " + file.string());
  }
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, out.get());
  cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
  cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  for (int c = 0; c < cinfo.num_components; ++c) {
    cinfo.comp_info[c].h_samp_factor = 1;
    cinfo.comp_info[c].v_samp_factor = 1;
  }
  cinfo.dct_method = JDCT_ISLOW;
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
}

QImage ReadJpegFile(const std::filesystem::path& file) {
  std::unique_ptr<std::FILE, FileCloser> in(std::fopen(file.c_str(), "rb"));
  if (!in) throw std::runtime_error("cannot read " + file.string());
  jpeg_decompress_struct cinfo{};
  JpegError err{};
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = OnJpegError;
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&cinfo);
    throw std::runtime_error("JPEG decoding failed for " + file.string());
  }
  jpeg_create_decompress(&cinfo);
  jpeg_stdio_src(&cinfo, in.get());
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  QImage image(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
               QImage::Format_RGB888);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = image.scanLine(static_cast<int>(cinfo.output_scanline));
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return image;
}

}  // namespace assets
