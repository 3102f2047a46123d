#include "IMessageSink.h"

bool IMessageSink::Confirm(unsigned, const std::string&)
{
    return true;
}
