#include "app/Globals.h"

ProgramValues mGlobals;
