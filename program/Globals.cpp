#include "program/Globals.h"

ProgramValues mGlobals;
