#pragma once

namespace frame::Level {

// Results of the window manager's steps.
inline constexpr int Benign = 0;  // go on
inline constexpr int Fatal = 3;   // the window cannot go on: end the loop
inline constexpr int Notify = 5;  // nothing done (for example Kill after Kill)

}  // namespace frame::Level
