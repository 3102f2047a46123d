#include "CSendoraFixture.h"

#include "CHistoryDlg.h"
#include "CHistoryFormat.h"
#include "CMessageService.h"
#include "CSendHistory.h"
#include "ResourceIds.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QSpinBox>
#include <QTimer>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <ctime>

// The history dialog over three sends: a print list of two files, one of
// them gone since, a failed one to another printer, and a setup job.
namespace {
using Result = CHistoryRecord::Result;
const std::int64_t kNow = std::time(nullptr);

class CHistoryDlgTest : public CSendoraFixture {
protected:
    CHistoryDlgTest()
    {
        const std::string kept = WriteFile("plots/kept.plt");
        // Bob and the setting "draft" are no longer on offer.
        WriteFile("QXSDUserConfig.ini", "[Owner Name]\nAda=\nCy=\n[Printer Name]\nplotter-a=\nplotter-b=\n");
        WriteFile("PrinterSetting/sample.prn", "[QXSD]\nHPPJL Version=1.0.0\n");
        CSendHistory history;
        EXPECT_TRUE(history.Open(m_path));
        for (const CHistoryRecord& record : std::vector<CHistoryRecord>{
                 {0, kNow - 300, "plotter-a", 1, "Ada", "sample",
                  {{"kept.plt", 3, "", kept, 2}, {"Gone.plt", 3, "", m_dir.File("Gone.plt"), 1}}, 120, "", "",
                  Result::Done, "", 1.5},
                 {0, kNow - 200, "plotter-b", 2, "Bob", "draft", {{"b.plt", 3, "", m_failed, 3}}, 80, "", "",
                  Result::Failed, "550 Disk full", 4},
                 {0, kNow - 100, "plotter-a", 1, "Ada", "sample", {}, 40, "", "", Result::Done, "", 0.5}})
            history.FinishSend(history.BeginSend(record), record.result, record.message, record.seconds);
        OpenWindow();
    }
    void Open()
    {
        m_tester.reset();
        m_dialog = std::make_unique<CHistoryDlg>(*m_app, List(), *m_window, m_window.get());
        m_dialog->show();
        m_tester = std::make_unique<QAbstractItemModelTester>(Table().model());
    }
    template <class T>
    T& Control(const char* name) const
    {
        return *m_dialog->findChild<T*>(name);
    }
    QTableView& Table() const { return Control<QTableView>("tableSends"); }
    std::string Cell(int row, int column, int role = Qt::DisplayRole) const
    {
        return Table().model()->index(row, column).data(role).toString().toStdString();
    }
    std::vector<std::string> Files() const
    {
        std::vector<std::string> texts;
        for (int row = 0; row < Table().model()->rowCount(); ++row)
            texts.push_back(Cell(row, 4));
        return texts;
    }
    std::string EmptyText() const { return Control<QLabel>("labelEmpty").text().toStdString(); }
    // Put back pressed on that row of the dialog the window's command opens.
    void PutBackFromWindow(int row)
    {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CHistoryDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            shown = true;
            dialog->findChild<QTableView*>("tableSends")->selectRow(row);
            dialog->findChild<QPushButton*>("buttonPutBack")->click();
        });
        m_window->findChild<QAction*>("actionHistory")->trigger();
        EXPECT_TRUE(shown);
    }
    // The printer, number, owner and setting the window shows.
    std::vector<std::string> Choices() const
    {
        return {Child<QComboBox>("comboPrinterName").currentText().toStdString(),
                std::to_string(Child<QSpinBox>("editPrinterNumber").value()),
                Child<QComboBox>("comboOwnerName").currentText().toStdString(),
                Child<QComboBox>("comboPrinterSetting").currentText().toStdString()};
    }

    const std::string m_path = m_dir.File("history.sqlite");
    const std::string m_failed = WriteFile("plots/b.plt");
    std::unique_ptr<CHistoryDlg> m_dialog;
    std::unique_ptr<QAbstractItemModelTester> m_tester;

private:
    CScopedEnvironment m_history{CSendHistory::kPathVariable, m_path};
};

// Newest first; then narrowed as typed: any case, in a file name, the
// owner or the message.
TEST_F(CHistoryDlgTest, ListsTheSendsNewestFirstNarrowedByPrinterAndText)
{
    Open();
    const std::vector<std::string> failed = {CHistoryFormat::LocalTime(kNow - 200), "plotter-b#2", "Bob", "draft",
                                             "b.plt", "80 B", "failed", "4.0 s"};
    for (int column = 0; column < static_cast<int>(failed.size()); ++column)
        EXPECT_EQ(Cell(1, column), failed[column]) << column;
    EXPECT_EQ(Cell(1, 0, Qt::ToolTipRole), "550 Disk full");
    EXPECT_EQ(Control<QComboBox>("comboPrinter").itemText(2), "plotter-b");
    const struct {
        int printer;
        const char* text;
        std::vector<std::string> files;
    } cases[] = {{0, "", {"(setup job)", "b.plt", "kept.plt, Gone.plt"}},
                 {1, "", {"(setup job)", "kept.plt, Gone.plt"}},
                 {0, "gONE", {"kept.plt, Gone.plt"}},
                 {0, "disk", {"b.plt"}},
                 {0, "BOB", {"b.plt"}},
                 {0, "FAIL", {"b.plt"}},
                 {0, "done", {"(setup job)", "kept.plt, Gone.plt"}},
                 {2, "ada", {}}};
    for (const auto& c : cases) {
        Control<QComboBox>("comboPrinter").setCurrentIndex(c.printer);
        Control<QLineEdit>("editSearch").clear();
        QTest::keyClicks(&Control<QLineEdit>("editSearch"), c.text);
        EXPECT_EQ(Files(), c.files) << c.text;
        EXPECT_EQ(Control<QLabel>("labelEmpty").isVisible(), c.files.empty()) << c.text;
    }
    EXPECT_EQ(EmptyText(), CMessageService::Format(ResId::kHistoryNoMatchText));
}

// Enter puts back. A setup job has nothing to put back; with no file left,
// nothing is added and the dialog stays; a file gone is named, the other
// comes back with its copies.
TEST_F(CHistoryDlgTest, PutBackAddsTheFilesStillThereAndNamesTheOthers)
{
    Open();
    EXPECT_FALSE(Control<QPushButton>("buttonPutBack").isEnabled());
    std::filesystem::remove(m_failed);
    for (const int row : {1, 2}) {
        Table().selectRow(row);
        QTest::keyClick(&Control<QLineEdit>("editSearch"), Qt::Key_Return);
        EXPECT_EQ(m_dialog->isVisible(), row == 1);
    }
    EXPECT_EQ(FileNames(), std::vector<std::string>{"kept.plt"});
    EXPECT_EQ(Copies(), std::vector<int>{2});
    EXPECT_EQ(m_messages.Ids(), std::vector<unsigned>(2, ResId::kHistoryFilesMissingMessage));
    EXPECT_EQ(m_messages.Messages()[1].text,
              CMessageService::Format(ResId::kHistoryFilesMissingMessage, m_dir.File("Gone.plt")));
}

// Through the window: the send's printer, number, owner and setting are
// chosen where the window still offers them; a file the list holds already
// is named, not added a second time.
TEST_F(CHistoryDlgTest, PutBackChoosesTheSendsValuesStillOfferedAndAddsNoFileTwice)
{
    using namespace ResId;
    const struct {
        int row;
        std::vector<std::string> files;
        std::vector<unsigned> messages;
        std::vector<std::string> choices;
    } steps[] = {{2, {"kept.plt"}, {kHistoryFilesMissingMessage}, {"plotter-a", "1", "Ada", "sample"}},
                 {1, {"kept.plt", "b.plt"}, {}, {"plotter-b", "2", "Ada", "sample"}},
                 {2,
                  {"kept.plt", "b.plt"},
                  {kHistoryFilesMissingMessage, kHistoryFilesListedMessage},
                  {"plotter-a", "1", "Ada", "sample"}}};
    for (const auto& step : steps) {
        m_messages.Clear();
        PutBackFromWindow(step.row);
        EXPECT_EQ(FileNames(), step.files) << step.row;
        EXPECT_EQ(m_messages.Ids(), step.messages) << step.row;
        EXPECT_EQ(Choices(), step.choices) << step.row;
    }
    EXPECT_EQ(m_messages.Messages()[1].text,
              CMessageService::Format(kHistoryFilesListedMessage, m_dir.File("plots/kept.plt")));
}

// Never an error box: an empty table and a short text.
TEST_F(CHistoryDlgTest, MissingOrUnreadableHistoryShowsAnEmptyTable)
{
    std::filesystem::remove(m_path);
    Open();
    EXPECT_EQ(EmptyText(), CMessageService::Format(ResId::kHistoryEmptyText));
    WriteFileBytes(m_path, "no database");
    Open();
    EXPECT_EQ(EmptyText(), CMessageService::Format(ResId::kHistoryUnreadableText));
    EXPECT_EQ(Table().model()->rowCount(), 0);
    EXPECT_TRUE(m_messages.Messages().empty());
}
}
