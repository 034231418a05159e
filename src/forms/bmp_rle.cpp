#include "forms/bmp_rle.h"

namespace tessary {

namespace {

constexpr std::uint32_t kBlack = 0xFF000000u;

// Where the runs write: clips every pixel to the picture.
class RleCanvas {
public:
    RleCanvas(int width, int height, const std::vector<std::uint32_t>& palette,
              std::vector<std::uint32_t>& pixels)
        : width_(width), height_(height), palette_(palette), pixels_(pixels) {}

    void Put(std::uint32_t index) {
        if (x_ < width_ && y_ < height_) {
            const auto row = static_cast<std::size_t>(height_ - 1 - y_);
            pixels_[row * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x_)] =
                index < palette_.size() ? palette_[index] : kBlack;
        }
        ++x_;
    }
    void NextLine() {
        x_ = 0;
        ++y_;
    }
    void Move(int dx, int dy) {
        x_ += dx;
        y_ += dy;
    }
    bool Done() const { return y_ >= height_; }

private:
    std::int64_t x_ = 0;
    std::int64_t y_ = 0;  // counted from the bottom row
    std::int64_t width_;
    std::int64_t height_;
    const std::vector<std::uint32_t>& palette_;
    std::vector<std::uint32_t>& pixels_;
};

}  // namespace

bool DecodeRle(std::span<const std::uint8_t> data, int bitsPerIndex, int width, int height,
               const std::vector<std::uint32_t>& palette, std::vector<std::uint32_t>& pixels) {
    RleCanvas canvas(width, height, palette, pixels);
    const bool four = bitsPerIndex == 4;
    // The index of pixel i of a byte: both nibbles in turn for 4 bits, the byte for 8.
    const auto indexOf = [four](std::uint8_t byte, int i) -> std::uint32_t {
        return four ? (i % 2 == 0 ? byte >> 4 : byte & 0xFu) : byte;
    };
    std::size_t pos = 0;
    while (!canvas.Done()) {
        if (data.size() - pos < 2) return false;
        const int count = data[pos];
        const std::uint8_t value = data[pos + 1];
        pos += 2;
        if (count > 0) {  // a run of one byte repeated
            for (int i = 0; i < count; ++i) canvas.Put(indexOf(value, i));
        } else if (value == 0) {
            canvas.NextLine();
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (data.size() - pos < 2) return false;
            canvas.Move(data[pos], data[pos + 1]);
            pos += 2;
        } else {  // value pixels stored as they are, padded to an even byte count
            const std::size_t bytes = four ? (value + 1u) / 2 : value;
            const std::size_t padded = bytes + bytes % 2;
            if (data.size() - pos < padded) return false;
            for (int i = 0; i < value; ++i) canvas.Put(indexOf(data[pos + (four ? i / 2 : i)], i));
            pos += padded;
        }
    }
    return true;
}

}  // namespace tessary
