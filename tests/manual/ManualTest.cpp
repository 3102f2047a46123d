#include "CResourceModule.h"

#include "TestConfig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace {
// The manual as the build lays it out beside the programs.
const fs::path kManual = fs::path(test_config::kProgramDir) / "manual";

// Line breaks read as blanks, so that a quote may wrap in the source.
std::string ReadPage(const fs::path& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    std::string page = text.str();
    std::replace(page.begin(), page.end(), '\n', ' ');
    return page;
}

std::vector<fs::path> Pages()
{
    std::vector<fs::path> pages;
    for (const auto& entry : fs::directory_iterator(kManual))
        if (entry.path().extension() == ".html")
            pages.push_back(entry.path());
    return pages;
}

// A quote as the reader sees it: each <var> stands for the next placeholder.
std::string QuotedText(const std::string& html)
{
    std::string text;
    int placeholder = 0;
    const std::regex var("<var>.*?</var>");
    auto from = html.cbegin();
    for (std::sregex_iterator it(html.begin(), html.end(), var), end; it != end; ++it) {
        text.append(from, (*it)[0].first).append("%" + std::to_string(++placeholder));
        from = (*it)[0].second;
    }
    text.append(from, html.cend());
    text = std::regex_replace(text, std::regex("<[^>]*>"), "");
    for (const auto& [entity, character] : {std::pair{"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}})
        text = std::regex_replace(text, std::regex(entity), character);
    return std::regex_replace(text, std::regex(" {2,}"), " ");
}
}

// Every page, picture and section a page points to is there, and nothing
// needs the network.
TEST(Manual, EveryLinkAndPictureResolvesInTheProgramFolder)
{
    const std::regex reference("(?:href|src)=\"([^\"#]*)(?:#([^\"]*))?\"");
    int links = 0;
    for (const fs::path& page : Pages()) {
        const std::string html = ReadPage(page);
        for (std::sregex_iterator it(html.begin(), html.end(), reference), end; it != end; ++it, ++links) {
            const std::string file = (*it)[1];
            const std::string section = (*it)[2];
            SCOPED_TRACE(page.filename().string() + ": " + (*it)[0].str());
            EXPECT_EQ(file.find("//"), std::string::npos);
            const fs::path target = file.empty() ? page : page.parent_path() / file;
            ASSERT_TRUE(fs::is_regular_file(target));
            if (!section.empty()) {
                EXPECT_NE(ReadPage(target).find("id=\"" + section + "\""), std::string::npos);
            }
        }
    }
    EXPECT_GT(links, 100);
}

// A message the manual quotes is the program's own, word for word.
TEST(Manual, QuotedMessagesAreTheProgramsWords)
{
    const std::regex quote("<(\\w+)[^>]*data-message=\"(\\d+)\"[^>]*>(.*?)</\\1>");
    int quotes = 0;
    for (const fs::path& page : Pages()) {
        const std::string html = ReadPage(page);
        for (std::sregex_iterator it(html.begin(), html.end(), quote), end; it != end; ++it, ++quotes) {
            const unsigned id = static_cast<unsigned>(std::stoul((*it)[2]));
            SCOPED_TRACE(page.filename().string() + ": message " + std::to_string(id));
            EXPECT_EQ(QuotedText((*it)[3]), CResourceModule::LoadString(id));
        }
    }
    EXPECT_GT(quotes, 40);
}
