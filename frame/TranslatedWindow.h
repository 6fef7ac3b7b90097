#pragma once

#include <vector>

#include "runtime/WindowDefinition.h"

namespace frame {

// A window definition whose shown texts (buttons, strings, prompts, text
// radios, menus) come from the message catalog. Only what is shown changes:
// a radio's value, which the program compares, stays as the table gives it,
// and so do picture names and the caption. Without a catalog in use the
// copy is the table itself, text for text.
class TranslatedWindow {
public:
    explicit TranslatedWindow(const runtime::WindowDefinition& definition);
    TranslatedWindow(const TranslatedWindow&) = delete;
    TranslatedWindow& operator=(const TranslatedWindow&) = delete;

    const runtime::WindowDefinition& Definition() const { return definition_; }

private:
    std::vector<runtime::ControlDefinition> controls_;
    runtime::WindowDefinition definition_;
};

}  // namespace frame
