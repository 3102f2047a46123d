#include "CLimitEdit.h"
#include "CMessageRecorder.h"
#include "CMessageService.h"
#include "CSettingsGrid.h"
#include "CaseNames.h"
#include "ResourceIds.h"
#include "ViewClicks.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {
constexpr int kRows = 40;
constexpr int kRefusedAbove = 300;
const QStringList kChoices{"A", "B", "C"};

// A page with a grid of a label column, a number column and a list column,
// and a control after the grid.
class CSettingsGridTest : public testing::Test {
protected:
    CSettingsGridTest()
    {
        auto* layout = new QVBoxLayout(&m_page);
        layout->addWidget(&m_grid);
        layout->addWidget(&m_after);
        m_grid.SetShape(kRows, 3);
        for (int row = 1; row <= kRows; ++row)
            m_grid.SetText(row, 0, QString("row%1").arg(row));
        m_grid.SetText(1, 1, "5");
        m_grid.SetText(1, 2, "B");
        m_grid.SetRowHeight(30);
        m_grid.SetNumberEditor(1, 1, 500, [](int row, const QString& text) {
            if (row != 1 || text.toInt() <= kRefusedAbove)
                return true;
            CMessageService::Show(ResId::kBadPenWidthMessage);
            return false;
        });
        m_grid.SetListEditor(
            2, [](int) { return QList<CListChoice>{{"A", {}}, {"B", {}}, {"C", {}}}; },
            [this](int row, int index) { m_grid.SetText(row, 2, kChoices[index]); });
        m_page.resize(300, 400);
        m_page.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_page));
        QApplication::setActiveWindow(&m_page);
    }

    QWidget m_page;
    CSettingsGrid m_grid;
    QLineEdit m_after;
    CMessageRecorder m_messages;
};

enum class CEnd { kEnter, kEscape, kClickAway, kScroll, kTab };

struct CEditCase {
    const char* name;
    int column;
    const char* typed;
    CEnd end;
    const char* cell;
    bool stillOpen = false;
    std::vector<unsigned> messages = {};
    bool opens = true;
    bool enabled = true;
};

class CSettingsGridEditTest : public CSettingsGridTest, public testing::WithParamInterface<CEditCase> {
protected:
    void End(CEnd end)
    {
        if (end == CEnd::kClickAway)
            QTest::mouseClick(m_grid.viewport(), Qt::LeftButton, {},
                              m_grid.visualRect(m_grid.model()->index(2, 0)).center());
        else if (end == CEnd::kScroll)
            m_grid.verticalScrollBar()->setValue(m_grid.verticalScrollBar()->maximum());
        else
            QTest::keyClick(m_grid.OpenEditor(), end == CEnd::kEnter ? Qt::Key_Return
                                                 : end == CEnd::kTab ? Qt::Key_Tab
                                                                     : Qt::Key_Escape);
        QCoreApplication::processEvents();
    }
};

TEST_P(CSettingsGridEditTest, EditorStoresOnEnterFocusLossOrScrollingAndDropsOnEscape)
{
    const CEditCase& edit = GetParam();
    m_grid.setEnabled(edit.enabled);
    DoubleClickCell(m_grid, m_grid.model()->index(0, edit.column));
    QWidget* editor = m_grid.OpenEditor();
    ASSERT_EQ(editor != nullptr, edit.opens);
    if (editor) {
        ASSERT_TRUE(editor->hasFocus());
        QTest::keyClicks(editor, edit.typed);
        End(edit.end);
    }
    EXPECT_EQ(m_grid.Text(1, edit.column).toStdString(), edit.cell);
    EXPECT_EQ(m_grid.OpenEditor() == editor && editor, edit.stillOpen);
    EXPECT_EQ(m_messages.Ids(), edit.messages);
    if (edit.stillOpen) {
        EXPECT_TRUE(editor->hasFocus());
        EXPECT_EQ(editor->findChild<QLineEdit*>()->selectedText().toStdString(), edit.typed);
    }
    EXPECT_TRUE(edit.end != CEnd::kTab || m_after.hasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Edits, CSettingsGridEditTest,
    testing::Values(CEditCase{"LabelColumnOpensNothing", 0, "", CEnd::kEnter, "row1", false, {}, false},
                    CEditCase{"DisabledGridIgnoresDoubleClick", 1, "", CEnd::kEnter, "5", false, {}, false, false},
                    CEditCase{"NumberOnEnter", 1, "12", CEnd::kEnter, "12"},
                    CEditCase{"NumberDroppedOnEscape", 1, "12", CEnd::kEscape, "5"},
                    CEditCase{"NumberOnFocusLoss", 1, "12", CEnd::kClickAway, "12"},
                    CEditCase{"NumberOnScrolling", 1, "12", CEnd::kScroll, "12"},
                    CEditCase{"NumberOnTabLeavingTheGrid", 1, "12", CEnd::kTab, "12"},
                    CEditCase{"RefusedOnEnter", 1, "400", CEnd::kEnter, "5", true, {ResId::kBadPenWidthMessage}},
                    CEditCase{"RefusedOnFocusLossOnce", 1, "400", CEnd::kClickAway, "5", true,
                              {ResId::kBadPenWidthMessage}},
                    CEditCase{"RefusedOnScrolling", 1, "400", CEnd::kScroll, "5", true, {ResId::kBadPenWidthMessage}},
                    CEditCase{"ListOnEnter", 2, "C", CEnd::kEnter, "C"},
                    CEditCase{"ListDroppedOnEscape", 2, "C", CEnd::kEscape, "B"},
                    CEditCase{"ListOnFocusLoss", 2, "A", CEnd::kClickAway, "A"}),
    ByCaseName());

TEST_F(CSettingsGridTest, ListPreselectsTheCellsTextAndF2OpensOnlyEditableColumns)
{
    m_grid.setFocus();
    m_grid.setCurrentIndex(m_grid.model()->index(0, 0));
    QTest::keyClick(&m_grid, Qt::Key_F2);
    EXPECT_EQ(m_grid.OpenEditor(), nullptr);
    m_grid.setCurrentIndex(m_grid.model()->index(0, 2));
    QTest::keyClick(&m_grid, Qt::Key_F2);
    auto* list = qobject_cast<QComboBox*>(m_grid.OpenEditor());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentText().toStdString(), "B");
    EXPECT_EQ(list->count(), 3);
}

TEST_F(CSettingsGridTest, CellsHeadersColumnsAndRows)
{
    QAbstractItemModelTester tester(m_grid.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    m_grid.SetText(0, 1, "Width");
    m_grid.SetCellColours(2, 1, QColor(1, 1, 1), Qt::white);
    QPixmap picture(16, 8);
    m_grid.SetPicture(2, 2, picture);
    EXPECT_EQ(m_grid.Text(kRows + 1, 0).toStdString(), "");

    const int scrollBar = m_grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &m_grid);
    for (const bool lessScrollBar : {false, true}) {
        m_grid.SetColumnShares({0.1, 0.2, 0.5}, lessScrollBar);
        m_page.resize(m_page.width() + 100, m_page.height());
        QCoreApplication::processEvents();
        const int inner = m_grid.viewport()->width() + m_grid.verticalScrollBar()->width();
        const int width = inner - (lessScrollBar ? scrollBar : 0);
        EXPECT_EQ(m_grid.columnWidth(1), static_cast<int>(width * 0.2)) << lessScrollBar;
        EXPECT_EQ(m_grid.columnWidth(2), static_cast<int>(width * 0.5)) << lessScrollBar;
    }

    m_grid.ClearCells();
    EXPECT_EQ(m_grid.RowCount(), kRows);
    EXPECT_EQ(m_grid.Text(0, 1).toStdString(), "");
    EXPECT_EQ(m_grid.Text(1, 0).toStdString(), "");
    EXPECT_FALSE(m_grid.CellBackground(2, 1).isValid() && m_grid.CellBackground(2, 1) == QColor(1, 1, 1));
    EXPECT_TRUE(m_grid.Picture(2, 2).isNull());
}

// Text the program set keeps every character; typed and pasted ones are
// refused alike, by mode.
TEST(CLimitEditTest, RefusesTypedAndPastedCharactersByMode)
{
    const struct {
        int mode;
        const char* text;
        bool paste = false;
    } cases[] = {{0, "a\"\xc3\xa9z"}, {1, "a\"z"}, {2, "a\xc3\xa9z"}, {3, "az"}, {3, "az", true}};
    const QString typed = QString::fromUtf8("a\"\xc3\xa9z");
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << (c.paste ? " pasted" : " typed"));
        QWidget page;
        auto* edit = new CLimitEdit(&page);
        auto* after = new QLineEdit(&page);
        page.setLayout(new QVBoxLayout);
        page.layout()->addWidget(edit);
        page.layout()->addWidget(after);
        page.show();
        QApplication::setActiveWindow(&page);
        QSignalSpy focusLost(edit, &CLimitEdit::FocusLost);
        edit->SetMode(c.mode);
        edit->SetRefusedCharacter(QChar(34));
        edit->setText(QString::fromUtf8("\xc3\xa9\""));
        edit->setFocus();
        edit->end(false);
        if (c.paste) {
            QApplication::clipboard()->setText(typed);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else {
            for (const QChar character : typed)
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(character), {});
        }
        EXPECT_EQ(edit->text().toStdString(), std::string("\xc3\xa9\"") + c.text);
        EXPECT_EQ(edit->cursorPosition(), edit->text().size());
        after->setFocus();
        EXPECT_EQ(focusLost.count(), 1);
    }
}
}
