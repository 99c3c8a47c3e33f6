#include "ui/avi_decoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <memory>

#include "core/read_file.h"

namespace pictorio {
namespace {

struct FormatCloser {
  void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct CodecCloser {
  void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameCloser {
  void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketCloser {
  void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct ScaleCloser {
  void operator()(SwsContext* s) const { sws_freeContext(s); }
};

std::string AvError(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {0};
  av_strerror(code, text, sizeof text);
  return text;
}

}  // namespace

std::vector<QImage> DecodeAllFrames(const std::string& nativePath, std::string* error) {
  av_log_set_level(AV_LOG_ERROR);
  std::vector<QImage> frames;
  auto fail = [&](const std::string& why) {
    if (error) *error = "Cannot play animation \"" + nativePath + "\": " + why;
    return std::vector<QImage>();
  };

  if (!IsReadableRegularFile(nativePath, error)) return frames;
  AVFormatContext* rawFormat = nullptr;
  int rc = avformat_open_input(&rawFormat, nativePath.c_str(), nullptr, nullptr);
  if (rc < 0) return fail(AvError(rc));
  std::unique_ptr<AVFormatContext, FormatCloser> format(rawFormat);
  if ((rc = avformat_find_stream_info(format.get(), nullptr)) < 0) return fail(AvError(rc));

  const AVCodec* codec = nullptr;
  const int stream = av_find_best_stream(format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
  if (stream < 0 || !codec) return fail("no video in the file");
  std::unique_ptr<AVCodecContext, CodecCloser> context(avcodec_alloc_context3(codec));
  avcodec_parameters_to_context(context.get(), format->streams[stream]->codecpar);
  if ((rc = avcodec_open2(context.get(), codec, nullptr)) < 0) return fail(AvError(rc));

  std::unique_ptr<AVFrame, FrameCloser> frame(av_frame_alloc());
  std::unique_ptr<AVPacket, PacketCloser> packet(av_packet_alloc());
  std::unique_ptr<SwsContext, ScaleCloser> scale;

  auto drain = [&]() {
    while (avcodec_receive_frame(context.get(), frame.get()) == 0) {
      const int w = frame->width;
      const int h = frame->height;
      if (w <= 0 || h <= 0 || w > 4096 || h > 4096) continue;
      scale.reset(sws_getCachedContext(scale.release(), w, h,
                                       static_cast<AVPixelFormat>(frame->format), w, h,
                                       AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr, nullptr));
      if (!scale) continue;
      QImage image(w, h, QImage::Format_RGB888);
      uint8_t* dest[4] = {image.bits(), nullptr, nullptr, nullptr};
      int destStride[4] = {static_cast<int>(image.bytesPerLine()), 0, 0, 0};
      sws_scale(scale.get(), frame->data, frame->linesize, 0, h, dest, destStride);
      frames.push_back(image.convertToFormat(QImage::Format_RGB32));
    }
  };

  while (av_read_frame(format.get(), packet.get()) >= 0) {
    if (packet->stream_index == stream && avcodec_send_packet(context.get(), packet.get()) >= 0)
      drain();
    av_packet_unref(packet.get());
  }
  avcodec_send_packet(context.get(), nullptr);
  drain();
  if (frames.empty()) return fail("no frame could be decoded");
  return frames;
}

}  // namespace pictorio
