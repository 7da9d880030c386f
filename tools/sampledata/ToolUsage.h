// The arguments that every sample-data tool reads alike: "--help" prints the usage on standard
// output and ends with status 0; another argument that starts with "-" and that the tool does
// not know prints it on standard error and ends with status 2, before anything is written.
#pragma once

#include <initializer_list>

// The exit status the tool ends with at once, or -1 when it goes on with its arguments. usage is
// the text printed; knownOptions are the tool's own options.
int CheckToolArguments(int argc, char** argv, const char* usage, std::initializer_list<const char*> knownOptions = {});

// Prints the usage on standard error and gives the exit status of a wrong call, 2.
int ShowWrongCall(const char* usage);
