#include "CConsoleMessageSink.h"

#include <iostream>

void CConsoleMessageSink::ShowMessage(unsigned, const std::string& text)
{
    std::cerr << kPrefix << text << '\n';
}
