#pragma once

#include "program/CalculatorState.h"

#include <QString>

// The program-wide values: the calculator's state and the presentation values that the
// application object sets once at start and every window reads.
struct ProgramValues : CalculatorState
{
    QString sTheFont; // font family of every window
    int iTheFontSize = 0; // base point size of the Help window
    int sysVersion = 0; // the platform's packed release number, read by the release gate
};

extern ProgramValues mGlobals;
