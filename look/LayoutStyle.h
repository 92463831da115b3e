#pragma once

#include <QFont>
#include <QString>

#include <optional>

class QWidget;

// The type and paper that the windows' layouts give their controls.

// The font family every window carries in its layout, before it applies the program's own.
inline const QString layoutFontFamily = QStringLiteral("Geneva");

// The layout family at the given size; an installed sans stands in where it is missing.
QFont layoutFont(int pointSize);

// Replaces a control's font family, and its point size when one is given.
void setFontFamily(QWidget *widget, const QString &family, std::optional<int> pointSize = {});

// Black text on white, whatever the desktop's theme: the fields' paper.
void setBlackOnWhite(QWidget *widget);
