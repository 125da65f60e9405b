#pragma once

// How a keyword must sit in a line, and how two keywords combine.

namespace quilsk {

enum class MatchMode { Substring = 0, WholeWord = 1, Prefix = 2, Suffix = 3 };
// None: the dialogs never store it; with a second keyword no line is a hit.
enum class Combination { Or, And, Not, None };

}  // namespace quilsk
