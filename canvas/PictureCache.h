#pragma once

// Pictures read from files, kept for the next Image of the same file: a
// picture placed again costs one stat of its file instead of opening,
// reading and checking it, and its opaque runs are found once. Private to
// the canvas.

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <list>
#include <memory>
#include <string>

#include "canvas/BitmapFile.h"
#include "canvas/Draw.h"

namespace canvas::bitmap {

// What tells one state of a file from another: which file it is, its size,
// and when its contents and its inode last changed.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    std::int64_t size = 0;
    timespec modified{}, changed{};
    static FileStamp Of(const struct stat& info);
    bool operator==(const FileStamp& other) const;
};

// A file's bytes and the picture read from them.
class LoadedPicture {
public:
    LoadedPicture(canvas::Bytes bytes, const FileStamp& stamp);
    LoadedPicture(const LoadedPicture&) = delete;
    LoadedPicture& operator=(const LoadedPicture&) = delete;

    const Reading& Result() const { return reading_; }
    const FileStamp& Stamp() const { return stamp_; }
    std::size_t Size() const { return bytes_.size(); }
    // The runs of pixels not of colour `mask`, found at the first call for
    // that mask.
    const OpaqueRuns& RunsFor(std::int32_t mask);

private:
    canvas::Bytes bytes_;  // Reading's picture refers into them
    Reading reading_;
    FileStamp stamp_;
    std::int32_t runsMask_ = -1;
    OpaqueRuns runs_;
};

class PictureCache {
public:
    // The picture of file `name` as read before, when the file is the same
    // file, unchanged since; else null, and `stamp` holds its state now (a
    // zero stamp when it cannot be asked).
    std::shared_ptr<LoadedPicture> Find(const std::string& name, FileStamp& stamp);
    // Keeps a picture read after Find gave `stamp`. A file changed so
    // recently that another change could go unseen in its time stamps is
    // not kept, and is read again next time.
    std::shared_ptr<LoadedPicture> Keep(canvas::Bytes bytes, const FileStamp& stamp);
    void Clear() { entries_.clear(); }

private:
    static constexpr std::size_t MaxPictures = 32;
    static constexpr std::size_t MaxBytes = 32u << 20;
    std::list<std::shared_ptr<LoadedPicture>> entries_;  // most recently used first
};

}  // namespace canvas::bitmap
