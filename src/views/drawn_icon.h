#pragma once

#include <QIcon>
#include <functional>

class QPainter;

namespace vorlix {

// An icon that paint draws on a square grid of `grid` units. It is drawn anew at every size the
// panes show icons at and at twice each, so that it stays sharp on screens of any scale.
QIcon drawnIcon(const std::function<void(QPainter&)>& paint, qreal grid = 16);

}  // namespace vorlix
