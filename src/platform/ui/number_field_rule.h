#pragma once

#include <optional>

class QLineEdit;

// A numeric text field checked on every change of its text: a value outside
// the limits is reported and replaced at once. The value is the text's leading
// decimal number (0 when it starts with none).

namespace quilsk {

struct NumberLimit {
    int limit;
    const char* message;    // a program text marked for translation (see UiText)
    const char* resetText;  // UTF-8, shown as it is
};

struct NumberFieldRule {
    std::optional<NumberLimit> below;  // refused when the value is less than the limit
    std::optional<NumberLimit> above;  // refused when the value is greater than the limit
    bool beep = false;                 // before the message
    bool focusAfterReset = false;
};

void CheckNumberOnEveryChange(QLineEdit* field, NumberFieldRule rule);

}  // namespace quilsk
