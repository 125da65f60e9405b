#include "desktop/window_cascade.h"

#include <algorithm>

namespace quilsk {

QRect NextWindowRect(const QRect& area, const std::optional<QRect>& last, int step)
{
    const QSize size = area.size() * 3 / 4;
    QRect next(area.topLeft(), size);
    if (!last) return next;
    next.moveTopLeft(last->topLeft() + QPoint(step, step));
    if (!area.contains(next)) next.moveTopLeft(area.topLeft());
    return next;
}

QList<QRect> CascadeRects(const QRect& area, int count, int step)
{
    QList<QRect> rects;
    if (count <= 0) return rects;
    step = std::max(1, step);
    const int spread = (count - 1) * step;
    const QSize size(std::max(area.width() - spread, area.width() * 2 / 3),
                     std::max(area.height() - spread, area.height() * 2 / 3));
    // How many steps fit before a window would cross the right or bottom edge.
    const int fit =
        1 + std::min(std::max(0, area.width() - size.width()), std::max(0, area.height() - size.height())) / step;
    for (int i = 0; i < count; ++i) {
        const int offset = (i % fit) * step;
        rects.append(QRect(area.topLeft() + QPoint(offset, offset), size));
    }
    return rects;
}

}  // namespace quilsk
