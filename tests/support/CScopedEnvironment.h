#pragma once

#include <optional>
#include <string>

// Sets (or with no value removes) an environment variable of the test
// process while it lives, then restores what was there.
class CScopedEnvironment {
public:
    CScopedEnvironment(std::string name, const std::optional<std::string>& value);
    ~CScopedEnvironment();
    CScopedEnvironment(const CScopedEnvironment&) = delete;
    CScopedEnvironment& operator=(const CScopedEnvironment&) = delete;

private:
    static void Put(const std::string& name, const std::optional<std::string>& value);

    std::string m_name;
    std::optional<std::string> m_previous;
};
