#include "CSendoraFixture.h"

#include "CHistoryDlg.h"
#include "CHistoryFormat.h"
#include "CMessageService.h"
#include "CSendHistory.h"
#include "ResourceIds.h"

#include <QAbstractItemModelTester>
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
        CSendHistory history;
        EXPECT_TRUE(history.Open(m_path));
        for (const CHistoryRecord& record : std::vector<CHistoryRecord>{
                 {0, kNow - 300, "plotter-a", 1, "Ada", "sample.prn",
                  {{"kept.plt", 3, "", kept, 2}, {"Gone.plt", 3, "", m_dir.File("Gone.plt"), 1}}, 120, "", "",
                  Result::Done, "", 1.5},
                 {0, kNow - 200, "plotter-b", 2, "Bob", "draft.prn", {{"b.plt", 3, "", m_failed, 3}}, 80, "", "",
                  Result::Failed, "550 Disk full", 4},
                 {0, kNow - 100, "plotter-a", 1, "Ada", "sample.prn", {}, 40, "", "", Result::Done, "", 0.5}})
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
    const std::vector<std::string> failed = {CHistoryFormat::LocalTime(kNow - 200), "plotter-b#2", "Bob", "draft.prn",
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
