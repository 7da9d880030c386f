// printf-style formatting as the Windows C runtime does it: "%f" (and "%F") round half away
// from zero on the exact decimal value of the double, in the "C" locale. Every other
// conversion prints as the C library's ("%d" and "%i" of an int, a long or a long long are
// printed here without calling it); a negative precision given as an argument counts as none.
// This is the one number formatter of the program.
#pragma once

#include <cstdarg>
#include <string>

std::string WinFormatV(const char* format, va_list args);
std::string WinFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
