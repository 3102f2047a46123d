#include "SettingLabels.h"

#include "CSettingKeywords.h"
#include "DriverCallbacks.h"
#include "JobCallbacks.h"

#include <string>

namespace {
// A value of a NeXTStep strings file, quoted.
std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string Line(const std::string& key, const std::string& text)
{
    return Quoted(key) + " = " + Quoted(text) + ";\n";
}
}

void SettingLabels::Add(pappl_system_t* system)
{
    // PAPPL keeps a pointer to the text, which must outlive the server.
    static std::string strings;
    const std::string setting = JobCallbacks::kSettingAttribute;
    strings.clear();
    for (const auto& entry : DriverCallbacks::SettingKeywords()->Entries())
        strings += Line(setting + "." + entry.keyword, entry.name);
    // Every language PAPPL 1.3.1 has words for, as it looks a label up in the
    // client's language only; paths of our own, as one of PAPPL's would
    // replace its words.
    for (const char* language : {"de", "en", "es", "fr", "it", "ja"})
        papplSystemAddStringsData(system, (std::string("/qx-sendora/") + language + ".strings").c_str(), language,
                                  strings.c_str());
}
