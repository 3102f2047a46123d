#include "CHpglParser.h"

#include "CHpglInterpreter.h"
#include "CUserFile.h"

#include <cstdio>
#include <memory>

HpglParseResult CHpglParser::Parse(std::string_view data) const
{
    CByteReader reader(data, m_limits.maxBytes);
    return CHpglInterpreter(reader, m_limits).Run();
}

HpglParseResult CHpglParser::ParseFile(const std::string& path) const
{
    const auto file = CUserFile::OpenStream(path);
    if (!file)
        return {{}, "cannot open " + path};
    CByteReader reader(file.get(), m_limits.maxBytes);
    return CHpglInterpreter(reader, m_limits).Run();
}
