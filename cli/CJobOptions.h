#pragma once

#include "CSendPreparation.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

class CArguments;
class CPrintJob;

// The options the job commands share (build, send, setup): what goes into
// the print list and the choices of the send, with the defaults the main
// window would preselect.
class CJobOptions {
public:
    static const std::set<std::string>& ValueOptions();
    static const std::set<std::string>& Switches();

    // Reads the choices; a usage error is left in arguments.
    void Read(CArguments& arguments);
    // Adds every file operand to the job in order; false after a message.
    bool FillList(CPrintJob& job, const std::vector<std::string>& files) const;
    // The setting names a listed setting file or, as a path, an existing
    // file; false after the cannot-load message and the list of names on offer.
    static bool CheckSetting(const std::string& setting);

    const CSendChoices& Choices() const { return m_choices; }
    const std::optional<std::string>& Controller() const { return m_controller; }
    const std::string& Region() const { return m_region; }

private:
    void ReadFormat(CArguments& arguments, const std::string& format);

    CSendChoices m_choices;
    int m_copies = 1;
    std::optional<std::string> m_format;
    std::optional<std::string> m_controller;
    std::string m_region;
};
