// The whole loop: one value edited on every page through the widgets, the
// setting saved by the sheet, then built into a job by the command line.
#include "CFileDialogs.h"
#include "CHPPJLPSheet.h"
#include "CPlotter.h"
#include "CProcess.h"
#include "CTempDir.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>

#include <set>
#include <sstream>

namespace {
using Lines = std::set<std::string>;

Lines LinesOf(const std::string& text)
{
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.insert(line);
    return lines;
}

Lines Minus(const Lines& from, const Lines& taken)
{
    Lines rest;
    for (const std::string& line : from)
        if (!taken.count(line))
            rest.insert(line);
    return rest;
}

std::string Cli(const std::vector<std::string>& args)
{
    const CProcessResult result = CProcess::Run(test_config::kCli, args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return result.out;
}

CPlotter LoadedPlotter()
{
    CPlotter plotter;
    plotter.LoadConfig("ZC");
    return plotter;
}

class SettingsLoopTest : public testing::Test {
protected:
    // The tab is shown first, as a user opens it, so its page reads the file.
    template <class Widget>
    Widget& On(int tab, const char* name)
    {
        auto& tabs = *m_sheet.findChild<QTabWidget*>("tabPages");
        tabs.setCurrentIndex(tab);
        return *tabs.currentWidget()->findChild<Widget*>(name);
    }
    void ChooseNext(int tab, const char* name)
    {
        auto& combo = On<QComboBox>(tab, name);
        const int index = (combo.currentIndex() + 1) % combo.count();
        combo.setCurrentIndex(index);
        emit combo.activated(index);
    }

    CTempDir m_dir;
    const std::string m_current =
        m_dir.Write("sample.prn", ReadFileBytes(std::string(test_config::kSourceDir) + "PrinterSetting/sample.prn"));
    CPlotter m_plotter = LoadedPlotter();
    CHPPJLPSheet m_sheet{m_plotter, {"ZC", "sample", m_current, m_dir.Path()}, QApplication::font()};
};

TEST_F(SettingsLoopTest, EveryPagesEditReachesTheJob)
{
    ChooseNext(0, "comboOutputMode");
    On<QAbstractButton>(1, "checkWidthChange").click();
    ChooseNext(2, "comboRasterColor");
    ChooseNext(3, "comboProgramMargin");
    ChooseNext(4, "comboColor");
    On<QAbstractButton>(5, "checkErrorLabel").click();
    const std::string saved = m_dir.File("edited.prn");
    CFileDialogs::SetNextSaveFile(QString::fromStdString(saved));
    m_sheet.findChild<QPushButton*>("buttonSaveAs")->click();

    const std::string block = Cli({"defaults", "--setting", saved, "--controller", "Others"});
    const std::string plot = m_dir.Write("drawing.plt", "IN;PU0,0;PD100,100;\n");
    Cli({"build", "-o", m_dir.File("job.prn"), "--setting", saved, "--controller", "Others", plot});
    EXPECT_NE(ReadFileBytes(m_dir.File("job.prn")).find(block), std::string::npos);

    const Lines before = LinesOf(Cli({"defaults", "--setting", m_current, "--controller", "Others"}));
    const Lines after = LinesOf(block);
    const auto line = [](const char* setting) { return std::string("@PJL DEFAULT ") + setting; };
    EXPECT_EQ(Minus(before, after),
              (Lines{line("OUTPUTMODE = SYNCHRO_ISOA"), line("PENWIDTHCHANGE = ON"), line("RASTERCOLOR = BLACK"),
                     line("FINISHMARGINS = 20"), line("STAMPCOLOR = RED"), line("LABELERROR = ON")}));
    EXPECT_EQ(Minus(after, before),
              (Lines{line("OUTPUTMODE = STANDARD_ISOA"), line("PENWIDTHCHANGE = OFF"), line("RASTERCOLOR = RED"),
                     line("FINISHMARGINS = 25"), line("STAMPCOLOR = GRAY"), line("LABELERROR = OFF")}));
}
}
