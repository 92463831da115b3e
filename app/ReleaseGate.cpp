#include "app/ReleaseGate.h"

#include "program/ProgramInfo.h"

#include <QCoreApplication>

QString releaseGateMessage()
{
    //: %1: the address of the program's home page
    return QCoreApplication::translate("ReleaseGate",
        "This program requires Mac OS X 10.4 or higher. Please visit the program home page at %1 "
        "for information about versions of this program for other systems.")
        .arg(homePageAddress);
}
