// Feeds arbitrary bytes to the preview-picture decoder. Besides the
// sanitizers' own checks, it holds the decoder to its promises: a picture
// exactly when there is no error, with width * height opaque pixels within
// the pixel limit, and a reason for every refusal.
//
// clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -Isrc \
//     fuzz/bmp_picture_fuzz.cpp src/forms/bmp_picture.cpp -o bmpfuzz
// ./bmpfuzz -max_total_time=60 work_corpus fuzz/corpus/bmp_picture
// (libFuzzer adds what it finds to the first folder; the seeds stay as
// fuzz/make_bmp_corpus.py writes them.)

#include <cstdint>
#include <cstdlib>
#include <span>

#include "forms/bmp_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto result = tessary::DecodeBmp(std::span(data, size));
    if (result.picture.has_value() != (result.error == tessary::PictureError::None)) std::abort();
    if (!result.picture) {
        if (result.reason.empty()) std::abort();
        return 0;
    }
    const auto& picture = *result.picture;
    if (picture.width <= 0 || picture.height <= 0) std::abort();
    const auto pixels = static_cast<std::int64_t>(picture.width) * picture.height;
    if (pixels > tessary::kMaxPicturePixels) std::abort();
    if (picture.pixels.size() != static_cast<std::size_t>(pixels)) std::abort();
    for (const auto pixel : picture.pixels) {
        if ((pixel >> 24) != 0xFF) std::abort();
    }
    return 0;
}
