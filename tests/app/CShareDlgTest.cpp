#include "CShareDlg.h"

#include "CMessageService.h"
#include "CPrinterAppServer.h"
#include "CPrinterSimulator.h"
#include "CResourceModule.h"
#include "CScopedEnvironment.h"
#include "LoopbackPort.h"
#include "ResourceIds.h"
#include "SimulatorOptions.h"
#include "TestConfig.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// The window's "Share printers on the network" against a real printer
// application server and the printer simulator: the queues it serves, a
// queue added for a printer and setting, what the server refused, and no
// server at all, where nothing may start one.
namespace {
const QString kProgram = QString(test_config::kProgramDir) + "qx-sendora-printer-app";

QString Text(unsigned id, const std::string& argument = {})
{
    return QString::fromStdString(CMessageService::Format(id, argument));
}

class CShareDlgTest : public testing::Test {
protected:
    // The dialog's subcommands find the server the way the test's do.
    void UseServer(const std::map<std::string, std::string>& environment)
    {
        for (const auto& [name, value] : environment)
            m_environment.push_back(std::make_unique<CScopedEnvironment>(name, value));
    }

    void Open(const CSendChoices& current, const std::vector<std::string>& printers)
    {
        // The names the server's own setting list gives its keywords.
        m_dialog = std::make_unique<CShareDlg>(kProgram, current, printers,
                                               std::vector<std::string>{"<Printer defaults>", "sample"}, nullptr);
        m_dialog->show();
    }

    template <class T>
    T& Control(const char* name) const
    {
        return *m_dialog->findChild<T*>(name);
    }

    // In name order: PAPPL lists them in an order of its own.
    QStringList Queues() const
    {
        QStringList names;
        for (int i = 0; i < Control<QListWidget>("listQueues").count(); ++i)
            names << Control<QListWidget>("listQueues").item(i)->text();
        names.sort();
        return names;
    }

    QString Status() const { return Control<QLabel>("labelStatus").text(); }

    std::vector<std::unique_ptr<CScopedEnvironment>> m_environment;
    std::unique_ptr<CShareDlg> m_dialog;
};

TEST_F(CShareDlgTest, WithoutAServerSaysSoAndStartsNone)
{
    CTempDir state;
    UseServer({{"QX_SENDORA_PRINTER_APP_DIR", state.Path()}});

    Open({"plotter1", 3, "", false, false, "sample"}, {"plotter1"});
    QTest::qWait(500);

    EXPECT_EQ(Status(), Text(ResId::kShareNoServerMessage));
    EXPECT_FALSE(Control<QPushButton>("buttonAdd").isEnabled());
    EXPECT_TRUE(Queues().isEmpty());
    EXPECT_EQ(FilesBelow(state.Path()), std::set<std::string>{});
}

TEST_F(CShareDlgTest, ListsTheQueuesAndAddsOneForTheChosenPrinterAndSetting)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) { o.models = {"PlotraK1"}; }));
    CPrinterAppServer server;
    ASSERT_TRUE(server.IsRunning()) << server.ServerLog();
    ASSERT_EQ(server.Run({"add", "-d", "first", "-v", "qxftp://" + printer.Address() + "/1", "-m", "qx-sendora"})
                  .exitCode,
              0);
    UseServer(server.Environment());

    Open({printer.Address(), 2, "", false, false, "sample"}, {"plotter1", printer.Address()});
    ASSERT_TRUE(QTest::qWaitFor([this] { return Queues() == QStringList{"first"}; }, 10000)) << Status().toStdString();
    const QString queue = "127.0.0.1-" + QString::number(printer.Port()) + "-sample";
    EXPECT_EQ(Control<QLineEdit>("editQueueName").text(), queue);

    QTest::mouseClick(&Control<QPushButton>("buttonAdd"), Qt::LeftButton);
    // The click returns while the subcommands still run.
    EXPECT_FALSE(Control<QPushButton>("buttonAdd").isEnabled());
    EXPECT_EQ(Status(), Text(ResId::kShareAddingText));

    ASSERT_TRUE(QTest::qWaitFor([&] { return Queues() == QStringList{queue, "first"}; }, 30000))
        << Status().toStdString();
    EXPECT_EQ(Status(), Text(ResId::kShareAddedMessage, queue.toStdString()));
    EXPECT_TRUE(Control<QPushButton>("buttonAdd").isEnabled());
    const auto attributes = server.Ipp(queue.toStdString(), "qx-printer.test");
    EXPECT_NE(attributes.out.find("qxsendora-setting-default (keyword) = sample"), std::string::npos)
        << attributes.out;
}

TEST_F(CShareDlgTest, ShowsWhyTheServerRefusedAPrinterThatDoesNotAnswer)
{
    CPrinterAppServer server;
    ASSERT_TRUE(server.IsRunning()) << server.ServerLog();
    UseServer(server.Environment());
    const std::string silent = "127.0.0.1:" + std::to_string(FreeLoopbackPort());

    Open({silent, 0, "", false, false, "sample"}, {silent});
    ASSERT_TRUE(QTest::qWaitFor([this] { return Control<QPushButton>("buttonAdd").isEnabled(); }, 10000));
    QTest::mouseClick(&Control<QPushButton>("buttonAdd"), Qt::LeftButton);

    ASSERT_TRUE(QTest::qWaitFor([this] { return Status().startsWith(Text(ResId::kShareRefusedMessage, "")); }, 30000))
        << Status().toStdString();
    EXPECT_GT(Status().size(), Text(ResId::kShareRefusedMessage, "").size()) << Status().toStdString();
    EXPECT_TRUE(Queues().isEmpty());
    EXPECT_EQ(server.Run({"printers"}).out, "");
}
}
