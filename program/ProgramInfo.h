#pragma once

#include <QString>

// The program's name as windows show it, and its home page, named by the release gate, the
// About window and the Help window.
inline const QString programVersion = QStringLiteral(NUMIVOX_VERSION); // CMake's project version
inline const QString programTitle = QStringLiteral("Numivox v" NUMIVOX_VERSION);
inline const QString homePageAddress = QStringLiteral("https://www.numivox.org/numivox.htm");
