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
        m_kept = WriteFile("plots/kept.plt");
        m_failed = WriteFile("plots/b.plt");
        CSendHistory history;
        EXPECT_TRUE(history.Open(m_path));
        Record(history, {0, kNow - 300, "plotter-a", 1, "Ada", "sample.prn",
                         {{"kept.plt", 3, "", m_kept, 2}, {"Gone.plt", 3, "", m_dir.File("plots/Gone.plt"), 1}},
                         120, "plt01p/kept.plt.pjl", "", Result::Done, "", 1.5});
        Record(history, {0, kNow - 200, "plotter-b", 2, "Bob", "draft.prn", {{"b.plt", 3, "", m_failed, 3}}, 80,
                         "plt02p/b.plt.pjl", "", Result::Failed, "550 Disk full", 4});
        Record(history, {0, kNow - 100, "plotter-a", 1, "Ada", "sample.prn", {}, 40, "plt01p/SetupPrint.pjl", "",
                         Result::Done, "", 0.5});
        OpenWindow();
    }
    static void Record(CSendHistory& history, const CHistoryRecord& record)
    {
        history.FinishSend(history.BeginSend(record), record.result, record.message, record.seconds);
    }
    CHistoryDlg& Open()
    {
        m_tester.reset();
        m_dialog = std::make_unique<CHistoryDlg>(*m_app, List(), *m_window, m_window.get());
        m_dialog->show();
        m_tester = std::make_unique<QAbstractItemModelTester>(Table().model());
        return *m_dialog;
    }
    template <class T>
    T& Control(const char* name) const
    {
        return *m_dialog->findChild<T*>(name);
    }
    QTableView& Table() const { return Control<QTableView>("tableSends"); }
    // One column of every row, top to bottom.
    std::vector<std::string> Column(int column, int role = Qt::DisplayRole) const
    {
        std::vector<std::string> texts;
        for (int row = 0; row < Table().model()->rowCount(); ++row)
            texts.push_back(Table().model()->index(row, column).data(role).toString().toStdString());
        return texts;
    }
    void PutBackRow(int row)
    {
        Table().selectRow(row);
        QTest::keyClick(&Control<QLineEdit>("editSearch"), Qt::Key_Return);
    }

    const std::string m_path = m_dir.File("history.sqlite");
    std::string m_kept;
    std::string m_failed;
    std::unique_ptr<CHistoryDlg> m_dialog;
    std::unique_ptr<QAbstractItemModelTester> m_tester;

private:
    CScopedEnvironment m_history{CSendHistory::kPathVariable, m_path};
};

TEST_F(CHistoryDlgTest, ListsTheSendsNewestFirstWithTheirFields)
{
    Open();
    const std::vector<std::string> row1 = {CHistoryFormat::LocalTime(kNow - 200), "plotter-b#2", "Bob", "draft.prn",
                                           "b.plt", "80 B", "failed", "4.0 s"};
    for (int column = 0; column < static_cast<int>(row1.size()); ++column)
        EXPECT_EQ(Column(column)[1], row1[column]) << column;
    EXPECT_EQ(Column(4), (std::vector<std::string>{"(setup job)", "b.plt", "kept.plt, Gone.plt"}));
    EXPECT_EQ(Column(0, Qt::ToolTipRole), (std::vector<std::string>{"", "550 Disk full", ""}));
    const QComboBox& printers = Control<QComboBox>("comboPrinter");
    EXPECT_EQ(printers.count(), 3);
    EXPECT_EQ(printers.itemText(2), "plotter-b");
    EXPECT_FALSE(Control<QLabel>("labelEmpty").isVisible());
}

// As typed: any case, in a file name, the owner or the message.
TEST_F(CHistoryDlgTest, PrinterAndTextNarrowTheRows)
{
    Open();
    const struct {
        int printer;
        const char* text;
        std::vector<std::string> files;
    } cases[] = {{1, "", {"(setup job)", "kept.plt, Gone.plt"}}, {0, "gONE", {"kept.plt, Gone.plt"}},
                 {0, "disk", {"b.plt"}},                         {0, "BOB", {"b.plt"}},
                 {2, "ada", {}}};
    for (const auto& c : cases) {
        Control<QComboBox>("comboPrinter").setCurrentIndex(c.printer);
        Control<QLineEdit>("editSearch").clear();
        QTest::keyClicks(&Control<QLineEdit>("editSearch"), c.text);
        EXPECT_EQ(Column(4), c.files) << c.text;
        EXPECT_EQ(Control<QLabel>("labelEmpty").isVisible(), c.files.empty()) << c.text;
    }
    EXPECT_EQ(Control<QLabel>("labelEmpty").text().toStdString(),
              CMessageService::Format(ResId::kHistoryNoMatchText));
}

// Enter puts back; the file gone is named, the other comes back with its
// copies; a setup job has nothing to put back; with no file left, nothing
// is added and the dialog stays.
TEST_F(CHistoryDlgTest, PutBackAddsTheFilesStillThereAndNamesTheOthers)
{
    Open();
    EXPECT_FALSE(Control<QPushButton>("buttonPutBack").isEnabled());
    std::filesystem::remove(m_failed);
    PutBackRow(1);
    EXPECT_TRUE(FileNames().empty());
    EXPECT_TRUE(m_dialog->isVisible());
    PutBackRow(2);
    EXPECT_EQ(FileNames(), std::vector<std::string>{"kept.plt"});
    EXPECT_EQ(Copies(), std::vector<int>{2});
    EXPECT_EQ(m_messages.Ids(), std::vector<unsigned>(2, ResId::kHistoryFilesMissingMessage));
    EXPECT_EQ(m_messages.Messages()[1].text,
              CMessageService::Format(ResId::kHistoryFilesMissingMessage, m_dir.File("plots/Gone.plt")));
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(m_dialog->isVisible());
}

// Never an error box: an empty table and a short text.
TEST_F(CHistoryDlgTest, MissingOrUnreadableHistoryShowsAnEmptyTable)
{
    const std::pair<const char*, unsigned> cases[] = {{"", ResId::kHistoryEmptyText},
                                                      {"no database", ResId::kHistoryUnreadableText}};
    for (const auto& [bytes, text] : cases) {
        std::filesystem::remove(m_path);
        if (*bytes)
            WriteFileBytes(m_path, bytes);
        Open();
        EXPECT_EQ(Table().model()->rowCount(), 0);
        EXPECT_EQ(Control<QLabel>("labelEmpty").text().toStdString(), CMessageService::Format(text));
    }
    EXPECT_TRUE(m_messages.Messages().empty());
}
}
