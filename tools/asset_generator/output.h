#pragma once

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

namespace assets {

// Writes files under the game folder and remembers every picture so that a
// contact sheet of the whole set can be drawn at the end.
class Output {
 public:
  explicit Output(std::filesystem::path root);

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path path(const std::string& relative) const;

  void png(const std::string& relative, const QImage& image);
  // Baseline, 24-bit, no chroma subsampling so flat colours survive.
  void jpeg(const std::string& relative, const QImage& image, int quality = 92);
  // 24-bit uncompressed, the pixel values exactly as drawn.
  void bmp(const std::string& relative, const QImage& image);
  void bytes(const std::string& relative, const std::string& data);

  struct Picture {
    std::string name;
    QImage image;
  };
  const std::vector<Picture>& pictures() const { return pictures_; }

  // Adds a picture to the contact sheet (for files written elsewhere).
  void remember(const std::string& relative, const QImage& image);

 private:
  void prepare(const std::filesystem::path& file) const;

  std::filesystem::path root_;
  std::vector<Picture> pictures_;
};

// Encodes RGB pixels as a JPEG file in memory-free streaming fashion.
void WriteJpegFile(const std::filesystem::path& file, const QImage& image, int quality);
// Decodes a JPEG file with libjpeg (the game reads pictures the same way).
QImage ReadJpegFile(const std::filesystem::path& file);

}  // namespace assets
