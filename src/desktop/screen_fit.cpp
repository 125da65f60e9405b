#include "desktop/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <climits>

namespace quilsk {

namespace {

// Enough of a window to grab its title bar and drag it back.
constexpr int kReachable = 32;

bool ShowsEnough(const QRect& window, const QRect& screen)
{
    const QRect seen = window.intersected(screen);
    return seen.width() >= std::min(kReachable, window.width()) && seen.height() >= std::min(kReachable, window.height());
}

int DistanceBetween(const QRect& a, const QRect& b)
{
    const int dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
    const int dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
    return dx > INT_MAX - dy ? INT_MAX : dx + dy;
}

}  // namespace

QRect FitOntoScreens(const QRect& window, const QList<QRect>& screens)
{
    if (screens.isEmpty()) return window;
    for (const QRect& screen : screens)
        if (ShowsEnough(window, screen)) return window;

    const QRect& nearest = *std::min_element(screens.begin(), screens.end(), [&](const QRect& a, const QRect& b) {
        return DistanceBetween(window, a) < DistanceBetween(window, b);
    });
    QRect fitted(window.topLeft(), window.size().boundedTo(nearest.size()));
    fitted.moveLeft(std::clamp(fitted.left(), nearest.left(), nearest.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), nearest.top(), nearest.bottom() - fitted.height() + 1));
    return fitted;
}

QList<QRect> AvailableScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) areas.append(screen->availableGeometry());
    return areas;
}

}  // namespace quilsk
