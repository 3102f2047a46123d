#pragma once

#include <string>
#include <string_view>

// The text a job carries for the printer (owner, file names, job name) is
// single-byte text of the Windows code page of the printer's world: 932 in
// Japan, 1252 in the Western regions. What the user typed stays UTF-8
// everywhere else.
class CJobCodePage {
public:
    // The registry's "JobCodePage" when it names 932 or 1252, otherwise 932
    // for region JP and 1252 for the others.
    explicit CJobCodePage(const std::string& regionCode);
    explicit CJobCodePage(int codePage) : m_codePage(codePage) {}

    int Get() const { return m_codePage; }
    // UTF-8 text in the code page; a character it lacks, or a byte that is
    // not UTF-8, becomes "_".
    std::string Encode(std::string_view utf8) const;

private:
    int m_codePage;
};
