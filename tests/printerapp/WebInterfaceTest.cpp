#include "CPrinterAppServer.h"

#include <gtest/gtest.h>

#include <unistd.h>

// The web interface of a server that only this machine reaches, as a
// browser shows it: the queues, and each queue's setting as a drop-down.
namespace {
const std::string kChromium = "/usr/bin/chromium";

class WebInterface : public testing::Test {
protected:
    void SetUp() override
    {
        if (access(kChromium.c_str(), X_OK) != 0)
            GTEST_SKIP() << kChromium << " is not installed";
        ASSERT_TRUE(m_server.IsRunning()) << m_server.ServerLog();
        ASSERT_EQ(m_server.AddQueue("plotter", "127.0.0.1:1", 2, "qx-sendora", {"qxsendora-setting-default=sample"}).exitCode,
                  0);
    }

    // The page after its scripts ran.
    std::string Dom(const std::string& path) const
    {
        const std::string url = "http://127.0.0.1:" + std::to_string(m_server.Port()) + path;
        const auto shown = CProcess::Run(kChromium, {"--headless", "--no-sandbox", "--disable-gpu",
                                                     "--user-data-dir=" + m_profile.Path(), "--dump-dom", url},
                                         {{"HOME", m_profile.Path()}});
        EXPECT_EQ(shown.exitCode, 0) << shown.err;
        return shown.out;
    }

    CTempDir m_profile;
    CPrinterAppServer m_server;
};

// The home page lists the queues; a queue's defaults offer the settings,
// each labelled with the setting's name, not with the keyword.
TEST_F(WebInterface, ListsTheQueuesAndOffersTheSettingsAsADropDown)
{
    const std::string home = Dom("/");
    EXPECT_NE(home.find("href=\"/plotter/\""), std::string::npos) << home;
    const std::string page = Dom("/plotter/printing");
    const auto select = page.find("<select name=\"qxsendora-setting\">");
    ASSERT_NE(select, std::string::npos) << page;
    const std::string options = page.substr(select, page.find("</select>", select) - select);
    EXPECT_NE(options.find("<option value=\"-printer-defaults-\">(Printer defaults)</option>"), std::string::npos)
        << options;
    EXPECT_NE(options.find("<option value=\"sample\" selected=\"\">sample</option>"), std::string::npos) << options;
}
}
