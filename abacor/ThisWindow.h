#pragma once

#include "abacor/BeadTrainer.h"
#include "frame/WindowManager.h"

namespace abacor {

// The window manager of the bead trainer: hands each event to the trainer.
class ThisWindow final : public frame::WindowManager {
public:
    ThisWindow(frame::Program& program, runtime::Window& window, BeadTrainer& trainer);

    int TakeWindowEvent() override;
    int TakeFieldEvent() override;
    int TakeAccepted() override;

private:
    BeadTrainer& trainer_;
};

}  // namespace abacor
