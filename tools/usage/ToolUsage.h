// The arguments that every tool and benchmark of the build reads alike: "--help" prints the usage
// on standard output and ends with status 0; another argument that starts with "-" and that the
// program does not know is named on standard error with the usage and ends with status 2, before
// anything is written. A failure while the program works is reported, never left to abort it.
#pragma once

#include <functional>
#include <initializer_list>

// The exit status the program ends with at once, or -1 when it goes on with its arguments. usage is
// the text printed; knownOptions are the program's own options.
int CheckToolArguments(int argc, char** argv, const char* usage, std::initializer_list<const char*> knownOptions = {});

// Prints the usage on standard error and gives the exit status of a wrong call, 2.
int ShowWrongCall(const char* usage);

// Runs the program's work and gives its exit status; when it throws, a framework or standard
// exception, the program's name and the failure go to standard error and the status is 1.
int RunReportingFailures(const char* program, const std::function<int()>& work);
