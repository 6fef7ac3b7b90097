// The canvas's own figures, and the limit: memset of exactly the bytes they
// fill, memcpy of exactly the picture rows they copy.
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Workload.h"
#include "canvas/BitmapFile.h"

namespace bench {
namespace {

template <class DrawFn>
void RunOurs(benchmark::State& state, DrawFn draw) {
    Canvas canvas(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)));
    const auto& places = Places(canvas.draw.Width, canvas.draw.Height);
    for (const Place& p : places) draw(canvas.draw, p);
    if (!Changed(state, canvas.Changed())) return;
    for (auto _ : state) {
        for (const Place& p : places) draw(canvas.draw, p);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * Count);
}

void RunLimit(benchmark::State& state, const Shape& shape) {
    Canvas canvas(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)));
    const auto& places = Places(canvas.draw.Width, canvas.draw.Height);
    canvas::raster::View view = canvas.View();
    FillLimit(view, shape, places);
    if (!Changed(state, canvas.Changed())) return;
    for (auto _ : state) {
        FillLimit(view, shape, places);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * Count);
}

void Boxes_Limit(benchmark::State& state) { RunLimit(state, BoxShape()); }
void Boxes_Ours(benchmark::State& state) {
    RunOurs(state, [](canvas::Draw& d, const Place& p) { d.Box(p.x, p.y, 40, 40, p.colour); });
}
void Circles_Limit(benchmark::State& state) { RunLimit(state, CircleShape()); }
void Circles_Ours(benchmark::State& state) {
    RunOurs(state, [](canvas::Draw& d, const Place& p) { d.Ellipse(p.x, p.y, 40, 40, p.colour); });
}
void Ellipses_Limit(benchmark::State& state) { RunLimit(state, EllipseShape()); }
void Ellipses_Ours(benchmark::State& state) {
    RunOurs(state, [](canvas::Draw& d, const Place& p) { d.Ellipse(p.x, p.y, 20, 40, p.colour); });
}
void Triangles_Limit(benchmark::State& state) { RunLimit(state, TriangleShape()); }
void Triangles_Ours(benchmark::State& state) {
    RunOurs(state, [](canvas::Draw& d, const Place& p) {
        const std::int32_t xy[] = {p.x, p.y + 25, p.x + 25, p.y, p.x + 50, p.y + 25};
        d.Polygon(xy, p.colour, 0);
    });
}
// As the shape trainer draws them: with an outline in the pen.
void Triangles_OursOutlined(benchmark::State& state) {
    RunOurs(state, [](canvas::Draw& d, const Place& p) {
        const std::int32_t xy[] = {p.x, p.y + 25, p.x + 25, p.y, p.x + 50, p.y + 25};
        d.PenColor = p.colour ^ 0xFFFFFF;
        d.Polygon(xy, p.colour, 0);
        d.PenColor = -1;
    });
}
void Spheres_Ours(benchmark::State& state) {
    const auto covered = static_cast<double>([] {
        std::size_t pixels = 0;
        for (const Span& span : SphereShape()) pixels += static_cast<std::size_t>(span.x1 - span.x0 + 1);
        return pixels;
    }());
    RunOurs(state, [](canvas::Draw& d, const Place& p) { d.Sphere(p.x, p.y, 40, 40, p.colour, 0, 1.0, 0.0); });
    state.counters["px/s"] = benchmark::Counter(covered * Count * static_cast<double>(state.iterations()),
                                                benchmark::Counter::kIsRate);
}

// The keyed picture as a bitmap file's bytes.
std::vector<std::uint8_t> PictureFile() {
    const std::size_t stride = 3 * PictureSide;  // 96: no pad
    std::vector<std::uint8_t> file(54 + stride * PictureSide, 0);
    const auto le = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M';
    le(10, 54), le(14, 40), le(18, PictureSide), le(22, PictureSide);
    file[26] = 1, file[28] = 24;
    for (std::int32_t y = 0; y < PictureSide; ++y)
        for (std::int32_t x = 0; x < PictureSide; ++x)
            canvas::raster::Store(&file[54 + (PictureSide - 1 - y) * stride + 3 * x], PicturePixel(x, y));
    return file;
}

// Copies the picture's rows at each place, after perPicture().
template <class PerPicture>
void CopyPictureRows(benchmark::State& state, PerPicture perPicture) {
    const std::vector<std::uint8_t> file = PictureFile();
    const canvas::bitmap::Reading reading = canvas::bitmap::Read(file);
    Canvas canvas(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)));
    const auto& places = Places(canvas.draw.Width, canvas.draw.Height);
    const canvas::raster::View view = canvas.View();
    auto pass = [&] {
        for (const Place& p : places) {
            perPicture();
            for (std::int32_t r = 0; r < PictureSide; ++r) {
                const std::int32_t y = p.y + r;
                if (y < 1 || y > view.Height()) continue;
                const std::int32_t x0 = std::max(p.x, 1), x1 = std::min(p.x + PictureSide - 1, view.Width());
                if (x0 > x1) continue;
                std::memcpy(view.Pixel(x0, y), &reading.picture.rows[(PictureSide - 1 - r) * 96 + 3 * (x0 - p.x)],
                            3 * static_cast<std::size_t>(x1 - x0 + 1));
            }
        }
    };
    pass();
    if (!Changed(state, canvas.Changed())) return;
    for (auto _ : state) {
        pass();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * Count);
}

void Keyed_RowCopy(benchmark::State& state) {
    CopyPictureRows(state, [] {});
}

// Placing a picture already read, with white left out (range 2 = 1) or not.
void Keyed_Ours(benchmark::State& state) {
    const std::vector<std::uint8_t> file = PictureFile();
    const canvas::bitmap::Reading reading = canvas::bitmap::Read(file);
    RunOurs(state, [&](canvas::Draw& d, const Place& p) {
        canvas::bitmap::Place(reading.picture, canvas::raster::Target(d), p.x, p.y, 0xFFFFFF);
    });
}
// The same with the runs of opaque pixels found beforehand, as a run-length
// blit finds them once per picture.
void Keyed_OursRuns(benchmark::State& state) {
    const std::vector<std::uint8_t> file = PictureFile();
    const canvas::bitmap::Reading reading = canvas::bitmap::Read(file);
    const canvas::bitmap::OpaqueRuns runs = canvas::bitmap::FindOpaqueRuns(reading.picture, 0xFFFFFF);
    RunOurs(state, [&](canvas::Draw& d, const Place& p) {
        canvas::bitmap::PlaceRuns(reading.picture, runs, canvas::raster::Target(d), p.x, p.y);
    });
}
void Unkeyed_Ours(benchmark::State& state) {
    const std::vector<std::uint8_t> file = PictureFile();
    const canvas::bitmap::Reading reading = canvas::bitmap::Read(file);
    RunOurs(state, [&](canvas::Draw& d, const Place& p) {
        canvas::bitmap::Place(reading.picture, canvas::raster::Target(d), p.x, p.y, -1);
    });
}
// The picture as a file written a while ago, as installed pictures are.
class PictureOnDisk {
public:
    PictureOnDisk() {
        const std::vector<std::uint8_t> file = PictureFile();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
        std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) - std::chrono::hours(1));
    }
    ~PictureOnDisk() { std::filesystem::remove(path); }
    PictureOnDisk(const PictureOnDisk&) = delete;
    PictureOnDisk& operator=(const PictureOnDisk&) = delete;
    const std::string path = (std::filesystem::temp_directory_path() / "korvanda-bench-picture.bmp").string();
};

// The limit of the whole Image call of a picture read before: one stat of
// its file, then the row copy.
void Keyed_StatRowCopy(benchmark::State& state) {
    const PictureOnDisk picture;
    struct stat info {};
    CopyPictureRows(state, [&] { benchmark::DoNotOptimize(::stat(picture.path.c_str(), &info)); });
}

// The whole Image call: the file is recognised by one stat, its picture and
// runs reused.
void Keyed_OursFromFile(benchmark::State& state) {
    const PictureOnDisk picture;
    RunOurs(state, [&](canvas::Draw& d, const Place& p) { d.Image(p.x, p.y, 0, 0, picture.path, -1, 0xFFFFFF); });
}

BENCHMARK(Boxes_Limit) KORVANDA_CANVAS_SIZES;
BENCHMARK(Boxes_Ours) KORVANDA_CANVAS_SIZES;
BENCHMARK(Circles_Limit) KORVANDA_CANVAS_SIZES;
BENCHMARK(Circles_Ours) KORVANDA_CANVAS_SIZES;
BENCHMARK(Ellipses_Limit) KORVANDA_CANVAS_SIZES;
BENCHMARK(Ellipses_Ours) KORVANDA_CANVAS_SIZES;
BENCHMARK(Triangles_Limit) KORVANDA_CANVAS_SIZES;
BENCHMARK(Triangles_Ours) KORVANDA_CANVAS_SIZES;
BENCHMARK(Triangles_OursOutlined) KORVANDA_CANVAS_SIZES;
BENCHMARK(Keyed_RowCopy) KORVANDA_CANVAS_SIZES;
BENCHMARK(Keyed_Ours) KORVANDA_CANVAS_SIZES;
BENCHMARK(Keyed_OursRuns) KORVANDA_CANVAS_SIZES;
BENCHMARK(Unkeyed_Ours) KORVANDA_CANVAS_SIZES;
BENCHMARK(Keyed_StatRowCopy) KORVANDA_CANVAS_SIZES;
BENCHMARK(Keyed_OursFromFile) KORVANDA_CANVAS_SIZES;
BENCHMARK(Spheres_Ours) KORVANDA_CANVAS_SIZES;

}  // namespace
}  // namespace bench
