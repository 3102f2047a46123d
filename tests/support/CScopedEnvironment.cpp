#include "CScopedEnvironment.h"

#include <cstdlib>

CScopedEnvironment::CScopedEnvironment(std::string name, const std::optional<std::string>& value)
    : m_name(std::move(name))
{
    if (const char* previous = std::getenv(m_name.c_str()))
        m_previous = previous;
    Put(m_name, value);
}

CScopedEnvironment::~CScopedEnvironment()
{
    Put(m_name, m_previous);
}

void CScopedEnvironment::Put(const std::string& name, const std::optional<std::string>& value)
{
    if (value)
        setenv(name.c_str(), value->c_str(), 1);
    else
        unsetenv(name.c_str());
}
