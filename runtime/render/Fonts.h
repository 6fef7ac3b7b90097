#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <tuple>
#include <vector>

#include "runtime/Image.h"
#include "runtime/Types.h"

namespace runtime::render {

// One rasterised character: 8-bit coverage, placed relative to the pen.
struct Glyph {
    int left = 0;     // from the pen to the first column
    int top = 0;      // from the baseline up to the first row
    int width = 0, height = 0;
    int advance = 0;  // whole pixels, as the platform measures text
    std::vector<std::uint8_t> coverage;
};

// The character at `at` of a UTF-8 text, moving `at` past it. A byte that
// does not begin a valid UTF-8 sequence stands for itself (Latin-1).
char32_t NextCharacter(std::string_view text, std::size_t& at);

// A face at one pixel size, with its glyphs cached. Texts are UTF-8 (the
// translated window texts); the tables' own texts are plain ASCII.
class Font {
public:
    struct Face;
    Font(std::unique_ptr<Face> face, int pixelSize);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    int Ascent() const { return ascent_; }
    int Descent() const { return descent_; }
    int Height() const { return ascent_ + descent_; }
    int PixelSize() const { return pixelSize_; }

    int TextWidth(std::string_view text);
    // From the pen's start to the right end of the text's ink, which can lie
    // past the last advance (the soft edge of a round letter).
    int InkWidth(std::string_view text);
    const Glyph& GlyphFor(char32_t c);

private:
    std::unique_ptr<Face> face_;
    int pixelSize_;
    int ascent_ = 0, descent_ = 0;
    std::array<std::optional<Glyph>, 256> glyphs_;  // Latin-1, the common case
    std::map<char32_t, Glyph> moreGlyphs_;
};

// All fonts of the process, found through fontconfig by family name and
// weight and kept open. Get returns nullptr when no font file at all can be
// found: text is then left out, nothing else fails.
class FontCache {
public:
    static FontCache& Shared();
    FontCache();
    ~FontCache();

    Font* Get(std::string_view family, bool bold, int pixelSize);
    // The same face at the largest size up to `pixelSize` at which `text` is
    // at most `width` pixels wide; nullptr when not even the smallest fits.
    Font* Fitting(std::string_view family, bool bold, int pixelSize, std::string_view text, int width);

    // Starts reading fontconfig's configuration (some milliseconds) on a
    // helper thread that takes no signals, so it overlaps other start-up
    // work; the first Get waits for it.
    void LoadConfigurationInBackground();

private:
    std::optional<std::string> FindFile(std::string_view family, bool bold);
    void AwaitConfiguration();

    std::thread configurationLoader_;

    struct Library;
    std::unique_ptr<Library> library_;
    std::map<std::pair<std::string, bool>, std::optional<std::string>> files_;
    std::map<std::tuple<std::string, bool, int>, std::unique_ptr<Font>> fonts_;
};

// Pixel size of the em for a size in points, at 96 DPI times `scale`.
int PixelSizeFor(int points, double scale);

// Draws `text` with its baseline at `baseline`, starting at `x`, in `argb`,
// only inside `clip`.
void DrawText(Image& target, const Rect& clip, Font& font, int x, int baseline, std::string_view text,
              std::uint32_t argb);

}  // namespace runtime::render
