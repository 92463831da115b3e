#pragma once

#include <QCoreApplication>
#include <QString>

// The program's name as windows show it, and its home page, named by the release gate, the
// About window and the Help window.
inline const QString programVersion = QStringLiteral(NUMIVOX_VERSION); // CMake's project version
inline QString programTitle()
{
    return QCoreApplication::translate("ProgramInfo", "Numivox v%1").arg(programVersion);
}
inline const QString homePageAddress = QStringLiteral("https://www.numivox.org/numivox.htm");
