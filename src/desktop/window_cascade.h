#pragma once

#include <QList>
#include <QRect>
#include <optional>

// Where result windows go inside the document area, so that every one opens
// whole and in reach, and a cascade leaves them a useful size.

namespace quilsk {

// A new window: three quarters of the area, one `step` down and right of the
// last window, or at the area's top-left when there is none or the step would
// take it past the area's edge.
QRect NextWindowRect(const QRect& area, const std::optional<QRect>& last, int step);

// `count` windows one `step` apart, all one size: the area less the steps, but
// never less than two thirds of it. When the steps would take windows past the
// area's edge they begin again at the top-left.
QList<QRect> CascadeRects(const QRect& area, int count, int step);

}  // namespace quilsk
