#include "frame/TranslatedWindow.h"

#include "language/Catalog.h"

namespace frame {

namespace {
bool ShowsText(const runtime::ControlDefinition& c) {
    using runtime::ControlKind;
    switch (c.kind) {
        case ControlKind::Button:
        case ControlKind::String:
        case ControlKind::Prompt:
        case ControlKind::Menu:
        case ControlKind::MenuItem:
            return true;
        case ControlKind::Radio:
            return !c.value.empty() && c.text == c.value;  // a text radio; others name a picture
        default:
            return false;
    }
}
}  // namespace

TranslatedWindow::TranslatedWindow(const runtime::WindowDefinition& definition)
    : controls_(definition.controls.begin(), definition.controls.end()), definition_(definition) {
    for (runtime::ControlDefinition& c : controls_)
        if (ShowsText(c)) c.text = language::Tr(c.text);
    definition_.controls = controls_;
}

}  // namespace frame
