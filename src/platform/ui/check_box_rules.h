#pragma once

#include <initializer_list>

class QCheckBox;

// Check boxes that the user's clicks keep in step with each other. Only clicks
// count; setting a box from code applies no rule.

namespace quilsk {

// A box the click leaves checked unchecks the others; all may be unchecked.
void LinkAtMostOne(std::initializer_list<QCheckBox*> boxes);

// As LinkAtMostOne, and a click that would leave none checked checks the
// clicked box again.
void LinkExactlyOne(std::initializer_list<QCheckBox*> boxes);

// Two boxes of which exactly one is checked: a click checks one and unchecks the other.
void LinkAsPair(QCheckBox* first, QCheckBox* second);

}  // namespace quilsk
