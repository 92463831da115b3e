#include "app/ReleaseGate.h"

#include "program/ProgramInfo.h"

QString releaseGateMessage()
{
    return QStringLiteral("This program requires Mac OS X 10.4 or higher. Please visit the program "
                          "home page at ")
        + homePageAddress
        + QStringLiteral(" for information about versions of this program for other systems.");
}
