#pragma once

#include <QFont>

#include <optional>

class QWidget;

// A widget's font at the zoom factor: its own font where it has one, otherwise the one it would
// inherit, scaled. At actual size, its own again, or none, so that it inherits as before.
QFont scaledFont(const std::optional<QFont> &own, const QWidget *widget, qreal factor);
