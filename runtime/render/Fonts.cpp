#include "runtime/render/Fonts.h"

#include <algorithm>
#include <cmath>
#include <dlfcn.h>
#include <filesystem>
#include <csignal>
#include <fontconfig/fontconfig.h>
#include <pthread.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace runtime::render {

struct FontCache::Library {
    FT_Library ft = nullptr;
    Library() {
        if (FT_Init_FreeType(&ft) != 0) ft = nullptr;
    }
    ~Library() {
        if (ft) FT_Done_FreeType(ft);
    }
};

struct Font::Face {
    FT_Face face = nullptr;
    ~Face() {
        if (face) FT_Done_Face(face);
    }
};

Font::Font(std::unique_ptr<Face> face, int pixelSize) : face_(std::move(face)), pixelSize_(pixelSize) {
    FT_Set_Pixel_Sizes(face_->face, 0, static_cast<FT_UInt>(pixelSize));
    // FreeType rounds the scaled ascender up and the descender down, which
    // matches how the platform reports a font's height.
    const FT_Size_Metrics& m = face_->face->size->metrics;
    ascent_ = static_cast<int>((m.ascender + 63) >> 6);
    descent_ = static_cast<int>((-m.descender + 63) >> 6);
}

Font::~Font() = default;

char32_t NextCharacter(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const int length = lead >= 0xF5 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
    if (length > 1 && at + length <= text.size()) {
        char32_t c = lead & (0x7F >> length);
        bool valid = true;
        for (int i = 1; i < length; ++i) {
            valid = valid && (byte(at + i) & 0xC0) == 0x80;
            c = c << 6 | (byte(at + i) & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are no characters.
        const char32_t lowest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (valid && c >= lowest[length] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF)) {
            at += static_cast<std::size_t>(length);
            return c;
        }
    }
    ++at;
    return lead;
}

const Glyph& Font::GlyphFor(char32_t c) {
    std::optional<Glyph>* latin1 = c < glyphs_.size() ? &glyphs_[c] : nullptr;
    if (latin1 && *latin1) return **latin1;
    if (!latin1)
        if (const auto it = moreGlyphs_.find(c); it != moreGlyphs_.end()) return it->second;
    Glyph& out = latin1 ? latin1->emplace() : moreGlyphs_[c];
    FT_Face face = face_->face;
    const FT_UInt index = FT_Get_Char_Index(face, c);
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0 || FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0)
        return out;
    const FT_GlyphSlot g = face->glyph;
    out.left = g->bitmap_left;
    out.top = g->bitmap_top;
    out.advance = static_cast<int>((g->advance.x + 32) >> 6);
    if (g->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return out;
    out.width = static_cast<int>(g->bitmap.width);
    out.height = static_cast<int>(g->bitmap.rows);
    out.coverage.resize(static_cast<std::size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        const unsigned char* row = g->bitmap.buffer + static_cast<std::ptrdiff_t>(y) * g->bitmap.pitch;
        std::copy_n(row, out.width, out.coverage.begin() + static_cast<std::ptrdiff_t>(y) * out.width);
    }
    return out;
}

int Font::TextWidth(std::string_view text) {
    int width = 0;
    for (std::size_t at = 0; at < text.size();) width += GlyphFor(NextCharacter(text, at)).advance;
    return width;
}

int Font::InkWidth(std::string_view text) {
    int pen = 0, right = 0;
    for (std::size_t at = 0; at < text.size();) {
        const Glyph& glyph = GlyphFor(NextCharacter(text, at));
        if (glyph.width > 0) right = std::max(right, pen + glyph.left + glyph.width);
        pen += glyph.advance;
    }
    return std::max(pen, right);
}

FontCache& FontCache::Shared() {
    static FontCache cache;
    return cache;
}

FontCache::FontCache() : library_(std::make_unique<Library>()) {}
FontCache::~FontCache() {
    AwaitConfiguration();
    fonts_.clear();  // faces go before the library
    // Fontconfig gives back its caches, unless cairo still holds some of them
    // (the title bars a Wayland desktop draws into the window): fontconfig
    // aborts when they are finished under it.
    if (void* cairo = dlopen("libcairo.so.2", RTLD_LAZY | RTLD_NOLOAD)) {
        dlclose(cairo);
        return;
    }
    FcFini();
}

void FontCache::LoadConfigurationInBackground() {
    if (configurationLoader_.joinable()) return;
    // The thread starts with every signal blocked, so that none is delivered to it.
    sigset_t all, previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    configurationLoader_ = std::thread([] { FcInit(); });
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

void FontCache::AwaitConfiguration() {
    if (configurationLoader_.joinable()) configurationLoader_.join();
}

std::optional<std::string> FontCache::FindFile(std::string_view family, bool bold) {
    const auto key = std::make_pair(std::string(family), bold);
    if (auto hit = files_.find(key); hit != files_.end()) return hit->second;
    AwaitConfiguration();

    std::optional<std::string> path;
    if (FcPattern* pattern = FcPatternCreate()) {
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(key.first.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
            FcChar8* file = nullptr;
            if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
                path = reinterpret_cast<const char*>(file);
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
    }
    if (!path) {
        // Without fontconfig's help, the usual places of the Arial-compatible face.
        for (const char* candidate : {bold ? "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"
                                           : "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
                                      bold ? "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"
                                           : "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
                                      "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"}) {
            std::error_code ec;
            if (std::filesystem::exists(candidate, ec)) {
                path = candidate;
                break;
            }
        }
    }
    files_.emplace(key, path);
    return path;
}

Font* FontCache::Get(std::string_view family, bool bold, int pixelSize) {
    if (!library_->ft || pixelSize <= 0) return nullptr;
    const auto key = std::make_tuple(std::string(family), bold, pixelSize);
    if (auto hit = fonts_.find(key); hit != fonts_.end()) return hit->second.get();

    std::unique_ptr<Font> font;
    if (auto file = FindFile(family, bold)) {
        auto face = std::make_unique<Font::Face>();
        if (FT_New_Face(library_->ft, file->c_str(), 0, &face->face) == 0 && FT_IS_SCALABLE(face->face)) {
            font = std::make_unique<Font>(std::move(face), pixelSize);
        }
    }
    Font* result = font.get();
    fonts_.emplace(key, std::move(font));  // a miss is remembered as nullptr
    return result;
}

Font* FontCache::Fitting(std::string_view family, bool bold, int pixelSize, std::string_view text, int width) {
    Font* font = Get(family, bold, pixelSize);
    if (!font || width <= 0) return nullptr;
    const int full = font->TextWidth(text);
    if (full <= width) return font;
    // Text widths grow about in proportion to the size: start from the
    // proportional size and step down the little that rounding leaves over.
    for (int size = std::min(pixelSize - 1, static_cast<int>(static_cast<long long>(pixelSize) * width / full));
         size >= 1; --size) {
        font = Get(family, bold, size);
        if (font && font->TextWidth(text) <= width) return font;
    }
    return nullptr;
}

int PixelSizeFor(int points, double scale) {
    return std::max(1, static_cast<int>(std::lround(points * 96.0 * scale / 72.0)));
}

void DrawText(Image& target, const Rect& clip, Font& font, int x, int baseline, std::string_view text,
              std::uint32_t argb) {
    const int x0 = std::max(clip.x, 0), y0 = std::max(clip.y, 0);
    const int x1 = std::min(clip.x + clip.width, target.width), y1 = std::min(clip.y + clip.height, target.height);
    const std::uint32_t r = argb >> 16 & 0xFF, g = argb >> 8 & 0xFF, b = argb & 0xFF;
    int pen = x;
    for (std::size_t at = 0; at < text.size();) {
        const Glyph& glyph = font.GlyphFor(NextCharacter(text, at));
        const int gx = pen + glyph.left, gy = baseline - glyph.top;
        pen += glyph.advance;
        const int sx0 = std::max(x0, gx), sx1 = std::min(x1, gx + glyph.width);
        const int sy0 = std::max(y0, gy), sy1 = std::min(y1, gy + glyph.height);
        for (int y = sy0; y < sy1; ++y) {
            const std::uint8_t* cov = glyph.coverage.data() + static_cast<std::size_t>(y - gy) * glyph.width;
            std::uint32_t* row = target.pixels.data() + static_cast<std::size_t>(y) * target.width;
            for (int px = sx0; px < sx1; ++px) {
                const std::uint32_t a = cov[px - gx];
                if (a == 0) continue;
                const std::uint32_t d = row[px];
                const std::uint32_t na = 255 - a;
                const std::uint32_t nr = (r * a + (d >> 16 & 0xFF) * na + 127) / 255;
                const std::uint32_t ng = (g * a + (d >> 8 & 0xFF) * na + 127) / 255;
                const std::uint32_t nb = (b * a + (d & 0xFF) * na + 127) / 255;
                row[px] = 0xFF000000 | nr << 16 | ng << 8 | nb;
            }
        }
    }
}

}  // namespace runtime::render
