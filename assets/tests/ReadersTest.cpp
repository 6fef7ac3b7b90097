// The file readers and picture measures of the asset checks, on files made
// here, bad ones included.
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Bmp.h"
#include "Ico.h"
#include "Picture.h"
#include "Wav.h"

namespace assetcheck {
namespace {

using File = std::vector<std::uint8_t>;

void Put(File& f, std::size_t at, std::uint32_t v, int size) {
    for (int i = 0; i < size; ++i) f[at + i] = static_cast<std::uint8_t>(v >> 8 * i);
}
void Append(File& f, std::uint32_t v, int size) {
    f.resize(f.size() + size);
    Put(f, f.size() - size, v, size);
}
void Append(File& f, const char* id) {
    for (int i = 0; i < 4; ++i) f.push_back(static_cast<std::uint8_t>(id[i]));
}

// A 24-bit bitmap of `rows` (top-down, 0xRRGGBB), stored bottom row first.
File MakeBmp(const std::vector<std::vector<std::uint32_t>>& rows) {
    const int w = static_cast<int>(rows[0].size()), h = static_cast<int>(rows.size());
    const int stride = (3 * w + 3) & ~3;
    File f(54 + stride * h);
    f[0] = 'B', f[1] = 'M';
    Put(f, 2, f.size(), 4);
    Put(f, 10, 54, 4);
    Put(f, 14, 40, 4);
    Put(f, 18, w, 4);
    Put(f, 22, h, 4);
    Put(f, 26, 1, 2);
    Put(f, 28, 24, 2);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t at = 54 + (h - 1 - y) * stride + 3 * x;
            const std::uint32_t c = rows[y][x];
            f[at] = c & 0xFF, f[at + 1] = c >> 8 & 0xFF, f[at + 2] = c >> 16;
        }
    return f;
}

constexpr std::uint32_t W = kWhite, K = 0x000000, R = 0xFF0000, P = 0xFEFEFE;

TEST(ParseBmp, ReadsPixelsTopDownInRedGreenBlue) {
    const File f = MakeBmp({{R, 0x00FF00, 0x0000FF}, {0x123456, K, W}});
    const auto bmp = ParseBmp(f);
    ASSERT_TRUE(bmp) << bmp.error;
    EXPECT_EQ(bmp->width, 3);
    EXPECT_EQ(bmp->height, 2);
    EXPECT_TRUE(bmp->bottomUp);
    EXPECT_EQ(bmp->dataOffset, 54u);
    EXPECT_EQ(bmp->pixels, (std::vector<std::uint32_t>{R, 0x00FF00, 0x0000FF, 0x123456, K, W}));
}

TEST(ParseBmp, ReadsARowStoredTopFirst) {
    File f = MakeBmp({{R}, {K}});
    Put(f, 22, static_cast<std::uint32_t>(-2), 4);
    const auto bmp = ParseBmp(f);
    ASSERT_TRUE(bmp) << bmp.error;
    EXPECT_FALSE(bmp->bottomUp);
    EXPECT_EQ(bmp->pixels, (std::vector<std::uint32_t>{K, R}));
}

struct BadFile {
    const char* what;
    std::function<void(File&)> spoil;
};

void PrintTo(const BadFile& c, std::ostream* os) { *os << c.what; }

class BadBmp : public testing::TestWithParam<BadFile> {};

TEST_P(BadBmp, IsRefused) {
    File f = MakeBmp({{R, K}, {K, R}});
    GetParam().spoil(f);
    EXPECT_FALSE(ParseBmp(f)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadBmp,
    testing::Values(BadFile{"empty", [](File& f) { f.clear(); }},
                    BadFile{"header cut short", [](File& f) { f.resize(53); }},
                    BadFile{"signature", [](File& f) { f[1] = 'X'; }},
                    BadFile{"8 bits per pixel", [](File& f) { Put(f, 28, 8, 2); }},
                    BadFile{"compressed", [](File& f) { Put(f, 30, 1, 4); }},
                    BadFile{"zero width", [](File& f) { Put(f, 18, 0, 4); }},
                    BadFile{"zero height", [](File& f) { Put(f, 22, 0, 4); }},
                    BadFile{"absurd width", [](File& f) { Put(f, 18, 70000, 4); }},
                    BadFile{"last row cut short", [](File& f) { f.pop_back(); }},
                    BadFile{"pixels beyond the end", [](File& f) { Put(f, 10, 1000, 4); }},
                    BadFile{"offset wraps around", [](File& f) { Put(f, 10, 0xFFFFFFF0, 4); }}));

// A WAV file of the given chunks after the RIFF header.
File MakeWav(const std::vector<std::pair<const char*, File>>& chunks) {
    File f;
    Append(f, "RIFF");
    Append(f, 0, 4);
    Append(f, "WAVE");
    for (const auto& [id, body] : chunks) {
        Append(f, id);
        Append(f, static_cast<std::uint32_t>(body.size()), 4);
        f.insert(f.end(), body.begin(), body.end());
        if (body.size() & 1) f.push_back(0);
    }
    Put(f, 4, f.size() - 8, 4);
    return f;
}

File Format(int tag, int channels, int rate, int bits) {
    File f;
    Append(f, tag, 2);
    Append(f, channels, 2);
    Append(f, rate, 4);
    Append(f, rate * channels * bits / 8, 4);
    Append(f, channels * bits / 8, 2);
    Append(f, bits, 2);
    return f;
}

const File kSamples = {0x01, 0x00, 0xFF, 0x7F, 0x00, 0x80};  // 1, 32767, -32768

TEST(ParseWav, ReadsFormatAndSamples) {
    const File f = MakeWav({{"fmt ", Format(1, 1, 22050, 16)}, {"data", kSamples}});
    const auto wav = ParseWav(f);
    ASSERT_TRUE(wav) << wav.error;
    EXPECT_EQ(wav->format, 1);
    EXPECT_EQ(wav->channels, 1);
    EXPECT_EQ(wav->rate, 22050);
    EXPECT_EQ(wav->bits, 16);
    EXPECT_EQ(wav->samples, (std::vector<std::int16_t>{1, 32767, -32768}));
    EXPECT_EQ(Peak(*wav, 0, 3), 32768);
    EXPECT_DOUBLE_EQ(wav->Seconds(), 3.0 / 22050);
}

TEST(ParseWav, SkipsOtherChunksOfOddLength) {
    const File f = MakeWav({{"fmt ", Format(1, 1, 44100, 16)}, {"LIST", {1, 2, 3}},
                            {"data", kSamples}});
    const auto wav = ParseWav(f);
    ASSERT_TRUE(wav) << wav.error;
    EXPECT_EQ(wav->samples.size(), 3u);
}

TEST(ParseWav, TakesPcmThroughTheExtensibleFormat) {
    File format = Format(0xFFFE, 1, 22050, 16);
    format.resize(40);
    Put(format, 24, 1, 2);  // sub-format GUID begins with the PCM tag
    const auto wav = ParseWav(MakeWav({{"fmt ", format}, {"data", kSamples}}));
    ASSERT_TRUE(wav) << wav.error;
    EXPECT_EQ(wav->format, 1);
}

class BadWav : public testing::TestWithParam<BadFile> {};

TEST_P(BadWav, IsRefused) {
    File f = MakeWav({{"fmt ", Format(1, 1, 22050, 16)}, {"data", kSamples}});
    GetParam().spoil(f);
    EXPECT_FALSE(ParseWav(f)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadWav,
    testing::Values(BadFile{"empty", [](File& f) { f.clear(); }},
                    BadFile{"not RIFF", [](File& f) { f[0] = 'X'; }},
                    BadFile{"not WAVE", [](File& f) { f[8] = 'X'; }},
                    BadFile{"float samples", [](File& f) { Put(f, 20, 3, 2); }},
                    BadFile{"format chunk too short", [](File& f) { Put(f, 16, 8, 4); }},
                    BadFile{"data cut short", [](File& f) { f.pop_back(); }},
                    BadFile{"data size wraps around",
                            [](File& f) { Put(f, 40, 0xFFFFFFFE, 4); }},
                    BadFile{"no data chunk", [](File& f) { f.resize(36); }}));

TEST(ParseWav, RefusesDataBeforeTheFormat) {
    EXPECT_FALSE(ParseWav(MakeWav({{"data", kSamples}, {"fmt ", Format(1, 1, 22050, 16)}})));
}

// An icon file with one image per entry: {size, as PNG}.
File MakeIco(const std::vector<std::pair<int, bool>>& images) {
    File f;
    Append(f, 0, 2);
    Append(f, 1, 2);
    Append(f, static_cast<std::uint32_t>(images.size()), 2);
    std::vector<File> data;
    for (const auto& [size, png] : images) {
        File d(40);
        if (png) {
            const std::uint8_t head[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                         0, 0, 0, 13, 'I', 'H', 'D', 'R'};
            std::copy(std::begin(head), std::end(head), d.begin());
            for (int i = 0; i < 2; ++i) {  // width and height, big-endian
                d[16 + 4 * i + 2] = static_cast<std::uint8_t>(size >> 8);
                d[16 + 4 * i + 3] = static_cast<std::uint8_t>(size);
            }
        } else {
            Put(d, 0, 40, 4);
            Put(d, 4, size, 4);
            Put(d, 8, 2 * size, 4);
        }
        data.push_back(d);
    }
    std::size_t offset = 6 + 16 * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        Append(f, images[i].first & 0xFF, 1);
        Append(f, images[i].first & 0xFF, 1);
        Append(f, 0, 2);
        Append(f, 1, 2);
        Append(f, 32, 2);
        Append(f, static_cast<std::uint32_t>(data[i].size()), 4);
        Append(f, static_cast<std::uint32_t>(offset), 4);
        offset += data[i].size();
    }
    for (const auto& d : data) f.insert(f.end(), d.begin(), d.end());
    return f;
}

TEST(ParseIco, ReadsBitmapAndPngImages) {
    const auto icon = ParseIco(MakeIco({{16, false}, {256, true}}));
    ASSERT_TRUE(icon) << icon.error;
    ASSERT_EQ(icon->size(), 2u);
    EXPECT_EQ((*icon)[0].width, 16);
    EXPECT_FALSE((*icon)[0].png);
    EXPECT_EQ((*icon)[1].width, 256);  // written as 0 in the directory
    EXPECT_EQ((*icon)[1].height, 256);
    EXPECT_TRUE((*icon)[1].png);
    EXPECT_EQ((*icon)[1].bits, 32);
}

class BadIco : public testing::TestWithParam<BadFile> {};

TEST_P(BadIco, IsRefused) {
    File f = MakeIco({{16, false}, {32, true}});
    GetParam().spoil(f);
    EXPECT_FALSE(ParseIco(f)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadIco,
    testing::Values(BadFile{"empty", [](File& f) { f.clear(); }},
                    BadFile{"a cursor", [](File& f) { Put(f, 2, 2, 2); }},
                    BadFile{"no images", [](File& f) { Put(f, 4, 0, 2); }},
                    BadFile{"directory cut short", [](File& f) { f.resize(30); }},
                    BadFile{"image past the end", [](File& f) { Put(f, 6 + 12, 0xFFFFFF00, 4); }},
                    BadFile{"image cut short", [](File& f) { f.pop_back(); }},
                    BadFile{"size unlike its entry", [](File& f) { f[6] = 24; }},
                    BadFile{"PNG size unlike its entry", [](File& f) { f[6 + 16] = 48; }}));

Bmp Pixels(const std::vector<std::vector<std::uint32_t>>& rows) { return *ParseBmp(MakeBmp(rows)); }

struct PieceCase {
    const char* what;
    std::vector<std::vector<std::uint32_t>> rows;
    int pieces;
};

void PrintTo(const PieceCase& c, std::ostream* os) { *os << c.what; }

class Pieces : public testing::TestWithParam<PieceCase> {};

TEST_P(Pieces, AreCounted) { EXPECT_EQ(CountPieces(Pixels(GetParam().rows)), GetParam().pieces); }

INSTANTIATE_TEST_SUITE_P(
    Cases, Pieces,
    testing::Values(PieceCase{"all white", {{W, W}, {W, W}}, 0},
                    PieceCase{"one pixel", {{W, W, W}, {W, R, W}, {W, W, W}}, 1},
                    PieceCase{"touching corners", {{R, W, W}, {W, R, W}, {W, W, R}}, 1},
                    PieceCase{"a gap", {{R, W, R}, {R, W, R}}, 2},
                    PieceCase{"art white joins", {{R, P, R}}, 1},
                    PieceCase{"ring", {{R, R, R}, {R, W, R}, {R, R, R}}, 1},
                    PieceCase{"three dots", {{R, W, R, W, R}}, 3}));

struct RimCase {
    const char* what;
    std::vector<std::vector<std::uint32_t>> rows;
    int pale;
};

void PrintTo(const RimCase& c, std::ostream* os) { *os << c.what; }

class Rim : public testing::TestWithParam<RimCase> {};

TEST_P(Rim, PaleEdgePixelsAreFound) {
    EXPECT_EQ(PaleEdgePixels(Pixels(GetParam().rows)), GetParam().pale) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Rim,
    testing::Values(RimCase{"dark edge", {{W, W, W}, {W, K, W}, {W, W, W}}, 0},
                    RimCase{"art white at the edge", {{W, P, K}}, 1},
                    RimCase{"pale grey at the edge", {{W, 0xE8E8E8, K}}, 1},
                    RimCase{"pale yellow is not pale in blue", {{W, 0xFFF0A0, K}}, 0},
                    RimCase{"pale inside a dark ring",
                            {{K, K, K}, {K, P, K}, {K, K, K}}, 0},
                    RimCase{"only diagonal to white", {{W, K, K}, {K, P, K}, {K, K, K}}, 0},
                    RimCase{"on the picture's edge", {{P, K}}, 1}));

TEST(Picture, BorderAndInkBox) {
    const Bmp framed = Pixels({{W, W, W, W}, {W, R, K, W}, {W, W, W, W}});
    EXPECT_TRUE(BorderIsWhite(framed));
    const auto ink = InkBox(framed);
    ASSERT_TRUE(ink);
    EXPECT_EQ(ink->x0, 1);
    EXPECT_EQ(ink->y0, 1);
    EXPECT_EQ(ink->Width(), 2);
    EXPECT_EQ(ink->Height(), 1);

    EXPECT_FALSE(BorderIsWhite(Pixels({{W, W, W}, {W, W, R}, {W, W, W}})));
    EXPECT_FALSE(InkBox(Pixels({{W}})));
}

}  // namespace
}  // namespace assetcheck
