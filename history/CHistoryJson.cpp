#include "CHistoryJson.h"

#include "CHistoryFormat.h"

#include <cmath>
#include <cstdio>
#include <sstream>

namespace {
std::string Field(const char* name, const std::string& value)
{
    return CHistoryJson::Quote(name) + ": " + value;
}

std::string Files(const std::vector<CHistoryRecord::File>& files)
{
    std::string text = "[";
    for (const auto& file : files) {
        text += text.size() > 1 ? ", " : "";
        text += "{" + Field("name", CHistoryJson::Quote(file.name)) + ", " +
                Field("size", std::to_string(file.size)) + ", " + Field("path", CHistoryJson::Quote(file.path)) + ", " +
                Field("copies", std::to_string(file.copies)) + "}";
    }
    return text + "]";
}

// Milliseconds at most, without binary noise.
std::string Number(double value)
{
    std::ostringstream text;
    text << std::round(value * 1000) / 1000;
    return text.str();
}
}

std::string CHistoryJson::Write(const std::vector<CHistoryRecord>& records)
{
    std::string text = "[";
    for (const auto& record : records)
        text += (text.size() > 1 ? ",\n  " : "\n  ") + Object(record);
    return text + (records.empty() ? "]\n" : "\n]\n");
}

std::string CHistoryJson::Object(const CHistoryRecord& record)
{
    return "{" + Field("time", Quote(CHistoryFormat::IsoTime(record.time))) + ", " +
           Field("printer", Quote(record.printer)) + ", " + Field("number", std::to_string(record.number)) + ", " +
           Field("owner", Quote(record.owner)) + ", " + Field("setting", Quote(record.setting)) + ", " +
           Field("files", Files(record.files)) + ", " + Field("job_bytes", std::to_string(record.jobBytes)) + ", " +
           Field("remote_name", Quote(record.remoteName)) + ", " +
           Field("result", Quote(CHistoryRecord::ResultName(record.result))) + ", " +
           Field("message", Quote(record.message)) + ", " + Field("seconds", Number(record.seconds)) + ", " +
           Field("queue", Quote(record.queue)) + ", " + Field("media", Quote(record.media)) + "}";
}

std::string CHistoryJson::Quote(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}
