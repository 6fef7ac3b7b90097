#pragma once

#include <vector>

#include "frame/FullWindowDragging.h"

namespace frame::testing {

// Test double: starts in a chosen state and records every change asked for.
class RecordingFullWindowDragging final : public FullWindowDragging {
public:
    explicit RecordingFullWindowDragging(bool on = false) : on_(on) {}

    bool IsOn() const override {
        ++reads;
        return on_;
    }
    void Set(bool on) override {
        on_ = on;
        sets.push_back(on);
    }

    mutable int reads = 0;
    std::vector<bool> sets;

private:
    bool on_;
};

}  // namespace frame::testing
