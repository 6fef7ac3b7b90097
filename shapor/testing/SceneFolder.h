#pragma once

#include <filesystem>

namespace shapor::testing {

// The size of the drawing surface DRAW1, in pixels, with the runtime's default font.
constexpr int SurfaceWidth = 150;
constexpr int SurfaceHeight = 98;

// Makes the folder of the shipped scene pictures the working folder, as
// when the program runs, for the lifetime of the object.
class SceneFolder {
public:
    SceneFolder() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(KORVANDA_SCENE_PICTURES);
    }
    ~SceneFolder() { std::filesystem::current_path(previous_); }
    SceneFolder(const SceneFolder&) = delete;
    SceneFolder& operator=(const SceneFolder&) = delete;

private:
    std::filesystem::path previous_;
};

}  // namespace shapor::testing
