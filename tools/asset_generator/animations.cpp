// Talking loops of the shopkeeper and the four hosts: the mouth moves, the
// eyes blink once and a hand comes up in greeting. Motion JPEG in AVI,
// encoded with the FFmpeg libraries.
#include "generators.h"
#include "portrait.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

#include <memory>
#include <stdexcept>
#include <vector>

namespace assets {

namespace {

constexpr int kSide = 120;
constexpr int kFps = 8;

void Check(int rc, const char* what) {
  if (rc < 0) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(rc, text, sizeof text);
    throw std::runtime_error(std::string(what) + ": " + text);
  }
}

std::vector<QImage> TalkingFrames(const Portrait& who) {
  // Mouth 0 closed, 1 half, 2 open; the wave rises and falls once.
  const int mouths[] = {0, 1, 2, 1, 2, 0, 1, 2, 1, 0, 2, 1};
  const double waves[] = {0, 0.3, 0.7, 1, 1, 0.85, 1, 0.7, 0.4, 0.1, 0, 0};
  std::vector<QImage> frames;
  for (int i = 0; i < 12; ++i) {
    QImage image = NewImage(kSide, kSide, who.background);
    QPainter p;
    Begin(p, image);
    DrawPortrait(p, QRectF(6, -4, 108, 144), who, mouths[i], waves[i], i == 5);
    p.end();
    frames.push_back(image.convertToFormat(QImage::Format_RGB888));
  }
  return frames;
}

void EncodeAvi(const std::filesystem::path& file, const std::vector<QImage>& frames) {
  AVFormatContext* format = nullptr;
  Check(avformat_alloc_output_context2(&format, nullptr, "avi", file.c_str()), "AVI container");
  std::unique_ptr<AVFormatContext, void (*)(AVFormatContext*)> formatGuard(
      format, [](AVFormatContext* f) {
        if (f->pb) avio_closep(&f->pb);
        avformat_free_context(f);
      });
  const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_MJPEG);
  if (!codec) throw std::runtime_error("no Motion JPEG encoder");
  AVStream* stream = avformat_new_stream(format, nullptr);
  if (!stream) throw std::runtime_error("cannot add video stream");
  AVCodecContext* ctx = avcodec_alloc_context3(codec);
  std::unique_ptr<AVCodecContext, void (*)(AVCodecContext*)> ctxGuard(
      ctx, [](AVCodecContext* c) { avcodec_free_context(&c); });
  ctx->width = kSide;
  ctx->height = kSide;
  ctx->time_base = AVRational{1, kFps};
  ctx->framerate = AVRational{kFps, 1};
  ctx->pix_fmt = AV_PIX_FMT_YUVJ444P;
  ctx->color_range = AVCOL_RANGE_JPEG;
  ctx->flags |= AV_CODEC_FLAG_QSCALE;
  ctx->global_quality = FF_QP2LAMBDA * 2;
  if (format->oformat->flags & AVFMT_GLOBALHEADER) ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  Check(avcodec_open2(ctx, codec, nullptr), "open Motion JPEG encoder");
  Check(avcodec_parameters_from_context(stream->codecpar, ctx), "stream parameters");
  stream->time_base = ctx->time_base;
  Check(avio_open(&format->pb, file.c_str(), AVIO_FLAG_WRITE), "open AVI file");
  Check(avformat_write_header(format, nullptr), "AVI header");

  SwsContext* sws = sws_getContext(kSide, kSide, AV_PIX_FMT_RGB24, kSide, kSide, ctx->pix_fmt,
                                   SWS_BICUBIC, nullptr, nullptr, nullptr);
  if (!sws) throw std::runtime_error("no colour converter");
  std::unique_ptr<SwsContext, void (*)(SwsContext*)> swsGuard(sws, sws_freeContext);
  AVFrame* frame = av_frame_alloc();
  std::unique_ptr<AVFrame, void (*)(AVFrame*)> frameGuard(frame,
                                                          [](AVFrame* f) { av_frame_free(&f); });
  frame->format = ctx->pix_fmt;
  frame->width = kSide;
  frame->height = kSide;
  frame->color_range = AVCOL_RANGE_JPEG;
  Check(av_frame_get_buffer(frame, 0), "frame buffer");
  AVPacket* packet = av_packet_alloc();
  std::unique_ptr<AVPacket, void (*)(AVPacket*)> packetGuard(
      packet, [](AVPacket* p) { av_packet_free(&p); });

  auto drain = [&]() {
    for (;;) {
      const int rc = avcodec_receive_packet(ctx, packet);
      if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return;
      Check(rc, "encode frame");
      av_packet_rescale_ts(packet, ctx->time_base, stream->time_base);
      packet->stream_index = stream->index;
      Check(av_interleaved_write_frame(format, packet), "write frame");
    }
  };
  for (std::size_t i = 0; i < frames.size(); ++i) {
    Check(av_frame_make_writable(frame), "frame writable");
    const uint8_t* src[1] = {frames[i].constBits()};
    const int stride[1] = {static_cast<int>(frames[i].bytesPerLine())};
    sws_scale(sws, src, stride, 0, kSide, frame->data, frame->linesize);
    frame->pts = static_cast<int64_t>(i);
    frame->quality = ctx->global_quality;
    Check(avcodec_send_frame(ctx, frame), "send frame");
    drain();
  }
  Check(avcodec_send_frame(ctx, nullptr), "flush encoder");
  drain();
  Check(av_write_trailer(format), "AVI trailer");
}

}  // namespace

void MakeAnimations(Output& out) {
  av_log_set_level(AV_LOG_ERROR);
  // a1 shopkeeper, a2 market keeper, a3 local, a5 national, a4 international host.
  const std::pair<const char*, int> films[] = {{"avis/a1.avi", 0},
                                               {"avis/a2.avi", 1},
                                               {"avis/a3.avi", 2},
                                               {"avis/a5.avi", 3},
                                               {"avis/a4.avi", 4}};
  for (const auto& [name, host] : films) {
    const auto frames = TalkingFrames(HostPortrait(host));
    const auto file = out.path(name);
    std::filesystem::create_directories(file.parent_path());
    EncodeAvi(file, frames);
    out.remember(name, frames[4]);
  }
}

}  // namespace assets
