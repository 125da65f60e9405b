#pragma once

namespace quilsk {

// Every dialog of the program, message boxes included, on light grey with
// black text; edit fields and lists keep their own colours.
void ApplyDialogColors();

}  // namespace quilsk
