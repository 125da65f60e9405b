#pragma once

#include <QList>
#include <QRect>

namespace quilsk {

// A window rectangle that shows too little on every screen is moved onto the
// nearest one, and shrunk to it when it is larger; otherwise it is kept as it
// is. A stored placement thus never opens a window out of reach.
QRect FitOntoScreens(const QRect& window, const QList<QRect>& screens);

// The available area of every screen.
QList<QRect> AvailableScreenAreas();

}  // namespace quilsk
