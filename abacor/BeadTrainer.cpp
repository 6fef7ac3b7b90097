#include "abacor/BeadTrainer.h"

#include <cstdlib>
#include <utility>

#include "abacor/Controls.h"
#include "runtime/Event.h"

namespace abacor {

namespace {
// Hides every control of a row, in increasing order.
template <typename Row>
void HideAll(runtime::Window& window, const Row& row) {
    for (int k = 1; k <= Row::Size; ++k) window.Hide(row(k));
}

// Shows the shape picture in the first `count` places of a grid, after
// hiding all of them.
template <typename Row>
void ShowShapes(runtime::Window& window, const Row& row, std::string_view shape, int count) {
    HideAll(window, row);
    for (int k = 1; k <= Row::Size; ++k) window.SetPicture(row(k), shape);
    for (int k = 1; k <= count; ++k) window.Unhide(row(k));
}

void ShowBead(runtime::Window& window, runtime::ControlId bead, std::string_view picture) {
    window.SetPicture(bead, picture);
    window.Unhide(bead);
}
}  // namespace

BeadTrainer::BeadTrainer(Variables& variables, runtime::Window& window, runtime::Runtime& runtime,
                         std::string voices)
    : v_(variables),
      window_(window),
      random_(runtime.random()),
      voice_(runtime.sound(), runtime.clock(), window, std::move(voices)) {}

void BeadTrainer::WindowOpened() {
    v_.OPERATOR = "PLUS";
    v_.OPERATORSYMBOL = "+";
    window_.RegisterAlertKey(runtime::Key::Space);
    window_.Refresh();
}

void BeadTrainer::AlertKey(int keyCode) {
    if (keyCode == runtime::Key::Space) RandomProblem();
}

void BeadTrainer::FirstNumberChosen() {
    PickShape();
    Addit();
    voice_.SayNumber(v_.N1);
}

void BeadTrainer::SecondNumberChosen() {
    Addit();
    voice_.SayNumber(v_.N2);
}

void BeadTrainer::OperatorPressed(Operation operation) {
    const bool plus = operation == Operation::Plus;
    v_.OPERATOR = plus ? "PLUS" : "MINUS";
    Addit();
    voice_.Say(plus ? sound::Plus : sound::Minus);
}

void BeadTrainer::EqualsPressed() {
    voice_.SayEquation(v_);
    // A child pressing "=" again and again while it is spoken hears the
    // equation once more, not once per press.
    window_.MergeHeldPresses(ctl::EQUALSB);
}

void BeadTrainer::Addit() {
    ComputeResult(v_);
    HideAll(window_, ctl::BEAD1);
    HideAll(window_, ctl::BEAD2);
    HideAll(window_, ctl::BEAD3);
    ShowBeads1();
    ShowBeads2();
    ShowBeads3();
    window_.Refresh();
}

// The first operand, and the top of the result column.
void BeadTrainer::ShowBeads1() {
    ShowShapes(window_, ctl::IMAGE1, v_.LocShape.Trimmed(), v_.N1);
    for (int k = 1; k <= v_.N1; ++k) ShowBead(window_, ctl::BEAD1(k), picture::BlackBead);

    // An addition starts the result with the first operand; a difference
    // shows only its size, in black when positive.
    v_.ResultBeadCount =
        v_.OPERATOR == "PLUS" ? v_.N1 : static_cast<std::int16_t>(std::abs(v_.SUMIT));
    v_.ResultBeadPicture = v_.SUMIT > 0 ? picture::BlackBead : picture::NegativeBead;
    for (int k = 1; k <= v_.ResultBeadCount; ++k)
        ShowBead(window_, ctl::BEAD3(k), v_.ResultBeadPicture.Trimmed());
    window_.Refresh();
}

void BeadTrainer::ShowBeads2() {
    ShowShapes(window_, ctl::IMAGE2, v_.LocShape.Trimmed(), v_.N2);
    for (int k = 1; k <= v_.N2; ++k) ShowBead(window_, ctl::BEAD2(k), picture::RedBead);
    window_.Refresh();
}

// The result: its shape pictures, the red ground of a negative result, and
// in an addition the beads that stand for the second operand.
void BeadTrainer::ShowBeads3() {
    ShowShapes(window_, ctl::IMAGE3, v_.LocShape.Trimmed(), std::abs(v_.SUMIT));
    const runtime::Colour ground = v_.SUMIT < 0 ? 255 : runtime::NoColour;
    window_.SetFill(ctl::PANEL3, ground);
    window_.SetFill(ctl::GROUP3, ground);
    for (int k = v_.N1 + 1; k <= v_.SUMIT; ++k) ShowBead(window_, ctl::BEAD3(k), picture::RedBead);
    window_.Refresh();
}

void BeadTrainer::RandomProblem() {
    v_.N1 = static_cast<std::int16_t>(random_.Between(0, 10));
    v_.N2 = static_cast<std::int16_t>(random_.Between(0, 10));
    v_.OPERATOR = random_.Between(1, 2) == 1 ? "PLUS" : "MINUS";
    PickShape();
    window_.Refresh();
    Addit();
}

void BeadTrainer::PickShape() {
    const int draw = random_.Between(FirstShapeDraw, LastShapeDraw);
    v_.LocShape = ShapePictures[static_cast<std::size_t>(draw - FirstShapeDraw)];
}

}  // namespace abacor
