#pragma once

#include <string>

// The name of the user who runs the program.
class CLogonName {
public:
    // The session's login name, else the name of the real user id; empty
    // when the system knows neither.
    static std::string Get();
};
