#include "runtime/PngFile.h"

#include <bit>
#include <cstdio>
#include <cstring>
#include <memory>
#include <png.h>

#include "runtime/pictures/Limits.h"

namespace runtime {

static_assert(std::endian::native == std::endian::little,
              "0xAARRGGBB pixels are stored as B, G, R, A bytes");

namespace {

// libpng's simplified interface keeps its state in a png_image; this frees it
// on every path out.
struct PngImage {
    png_image image{};
    PngImage() {
        std::memset(&image, 0, sizeof image);
        image.version = PNG_IMAGE_VERSION;
    }
    ~PngImage() { png_image_free(&image); }
    PngImage(const PngImage&) = delete;
    PngImage& operator=(const PngImage&) = delete;
};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Deflate packs at most 1032 bytes into one, so a PNG whose rows (as its
// header states them) need more than that is damaged; refused before the
// picture is allocated.
bool RowsFitTheFile(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 33) return false;
    auto be32 = [&](std::size_t at) {
        return std::uint64_t{bytes[at]} << 24 | std::uint64_t{bytes[at + 1]} << 16 |
               std::uint64_t{bytes[at + 2]} << 8 | bytes[at + 3];
    };
    const std::uint64_t width = be32(16), height = be32(20), depth = bytes[24];
    if (!pictures::SizeAcceptable(static_cast<std::int64_t>(width),
                                  static_cast<std::int64_t>(height)))
        return false;
    const std::uint64_t channels = bytes[25] == 2 ? 3 : bytes[25] == 4 ? 2 : bytes[25] == 6 ? 4 : 1;
    const std::uint64_t rows = height * (1 + (width * channels * depth + 7) / 8);
    return rows <= bytes.size() * 1032 + 1024;
}

}  // namespace

bool WritePng(const Image& image, const std::string& path) {
    if (image.Empty() || image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) return false;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    PngImage png;
    png.image.width = static_cast<png_uint_32>(image.width);
    png.image.height = static_cast<png_uint_32>(image.height);
    png.image.format = PNG_FORMAT_BGRA;
    const bool written = png_image_write_to_stdio(&png.image, file.get(), 0, image.pixels.data(),
                                                  image.width * 4, nullptr) != 0;
    const bool closed = std::fclose(file.release()) == 0;
    return written && closed;
}

std::optional<Image> DecodePng(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0 || !RowsFitTheFile(bytes))
        return std::nullopt;
    PngImage png;
    if (!png_image_begin_read_from_memory(&png.image, bytes.data(), bytes.size())) return std::nullopt;
    if (!pictures::SizeAcceptable(static_cast<std::int64_t>(png.image.width),
                                  static_cast<std::int64_t>(png.image.height)))
        return std::nullopt;
    png.image.format = PNG_FORMAT_BGRA;
    Image out(static_cast<int>(png.image.width), static_cast<int>(png.image.height), 0);
    if (!png_image_finish_read(&png.image, nullptr, out.pixels.data(), out.width * 4, nullptr))
        return std::nullopt;
    return out;
}

}  // namespace runtime
