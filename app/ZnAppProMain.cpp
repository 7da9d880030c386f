// The program's one application object, constructed before main runs; the program's main (the
// user-interface half of the platform) starts it.
#include "app/CZnAppProApp.h"

CZnAppProApp theApp;
