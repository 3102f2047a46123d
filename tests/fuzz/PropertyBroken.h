#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// Ends the run on an input that breaks a target's property, saying which,
// so that libFuzzer keeps the input.
[[noreturn]] inline void PropertyBroken(const std::string& what)
{
    std::fprintf(stderr, "property broken: %s\n", what.c_str());
    std::abort();
}
