#include "CSendoraFixture.h"

#include "CPrintDataListCtrl.h"
#include "CProgramPaths.h"
#include "CRunningProcess.h"
#include "ResourceIds.h"
#include "TestConfig.h"

#include <QApplication>
#include <QTimer>

#include <filesystem>

namespace {
// Ends a modal window that should not have appeared, so that a failing
// test fails instead of waiting for ever; the timer ends with the guard.
void CloseStrayWindowLater(QObject& guard)
{
    QTimer::singleShot(3000, &guard, [] {
        if (QWidget* window = QApplication::activeModalWidget())
            window->close();
    });
}

using CSendoraAppTest = CSendoraFixture;

TEST_F(CSendoraAppTest, WithoutTheMachineKeyShowsItsMessageAndNoWindow)
{
    QObject guard;
    CloseStrayWindowLater(guard);
    EXPECT_EQ(m_app->RunApplication(), CSendoraApp::kExitStartFailed);
    EXPECT_EQ(m_messages.Ids(), std::vector<unsigned>{ResId::kNotInstalledMessage});
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<CSendoraDlg*>(window), nullptr);
    EXPECT_EQ(ReadUserValue("InstallPath"), "");
}

// The font comes from the resource module (the region: CResourceModuleTest).
TEST_F(CSendoraAppTest, RunsTheMainWindowModallyWithTheGivenFilesAndRemembersItsValues)
{
    InstallMachineKey();
    const std::string folder = m_dir.Path() + "plots/";
    WriteFile("plots/a.plt");
    const std::string single = WriteFile("single.tif");
    int rowsShown = -1;
    QTimer::singleShot(0, [&rowsShown] {
        auto* window = qobject_cast<CSendoraDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        rowsShown = window->findChild<CPrintDataListCtrl*>("listPrintData")->model()->rowCount();
        window->reject();
    });
    EXPECT_EQ(m_app->RunApplication({Q(folder), Q(single)}), 0);

    EXPECT_EQ(rowsShown, 2);
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"a.plt", "single.tif"}));
    EXPECT_TRUE(m_messages.Ids().empty());
    EXPECT_EQ(ReadUserValue("InstallPath"), CProgramPaths::GetProgramFolder());
    EXPECT_EQ(m_app->GetFont().family().toStdString(), "DejaVu Sans");
    EXPECT_EQ(m_app->GetFont().pointSizeF(), 9.0);
}

TEST(CSendoraAppStartTest, WithoutTheResourceModuleSaysWhereItLookedAndEnds)
{
    CTempDir folder;
    CTempDir data;
    CTempDir registry;
    const std::string program = folder.File("qx-sendora");
    std::filesystem::copy_file(std::string(test_config::kProgramDir) + "qx-sendora", program);
    // A window or message box that should not come would wait for ever.
    CRunningProcess run(program, {},
                        {{"QX_SENDORA_DATA_DIR", data.Path()},
                         {"QX_SENDORA_REGISTRY_DIR", registry.Path()},
                         {"QT_QPA_PLATFORM", "offscreen"}});

    const auto result = run.Wait(std::chrono::seconds(20));

    EXPECT_EQ(result.exitCode, CSendoraApp::kExitStartFailed);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("qx-sendora: cannot load the resource module: tried " + folder.File("Res.dll") +
                              " and " + data.File("Res.dll") + "\n"),
              std::string::npos)
        << result.err;
}
}
