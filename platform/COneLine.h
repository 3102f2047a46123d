#pragma once

#include <string>
#include <string_view>

// Text for an output of one line per record, which a line break or a tab in
// a file name would split: "\\" for a backslash, "\t", "\n", "\r", and "\xHH"
// for any other control byte (below 0x20, or 0x7F). Other bytes, UTF-8
// included, stay as they are.
class COneLine {
public:
    static std::string Escape(std::string_view text);
};
