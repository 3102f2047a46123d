#include "CHpglParser.h"

#include "CHpglInterpreter.h"

#include <cstdio>
#include <memory>

HpglParseResult CHpglParser::Parse(std::string_view data) const
{
    CByteReader reader(data, m_limits.maxBytes);
    return CHpglInterpreter(reader, m_limits).Run();
}

HpglParseResult CHpglParser::ParseFile(const std::string& path) const
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        return {{}, "cannot open " + path};
    CByteReader reader(file.get(), m_limits.maxBytes);
    return CHpglInterpreter(reader, m_limits).Run();
}
