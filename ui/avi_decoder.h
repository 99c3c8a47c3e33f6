#pragma once

#include <QImage>
#include <string>
#include <vector>

namespace pictorio {

// Decodes every frame of a short video (the hosts' AVI loops) at once; they
// are a few dozen small frames, cheaper to keep than to decode on each show.
std::vector<QImage> DecodeAllFrames(const std::string& nativePath, std::string* error);

}  // namespace pictorio
