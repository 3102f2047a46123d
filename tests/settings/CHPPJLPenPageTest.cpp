// The pen page shows its rules in the grid, and the grid's in-place edits change the rules.
#include "CHPPJLPenPage.h"
#include "CPageTestFixture.h"
#include "CPenSettings.h"
#include "CSDComboBoxEx.h"
#include "CaseNames.h"

#include <QCheckBox>

#include <functional>

namespace {
class CPenPageFixture : public CPageTestFixture {
protected:
    CPenPageFixture() : CPageTestFixture("[HPGLPen]\nPenWidthRange=1,200\n")
    {
        Show(m_settings, m_page,
             "[HPGLPen]\nPen1=10,ROUND,BEVEL,RED\nPen2=20,SQUARE,MITTER,GREEN\nPenWidthChange=ON\n");
    }

    CSettingsGrid& Grid() { return Find<CSettingsGrid>(); }

    CPenSettings m_settings{m_plotter};
    CHPPJLPenPage m_page{m_settings, m_plotter};
};

class CHPPJLPenPageTest : public CPenPageFixture, public testing::Test {};

TEST_F(CHPPJLPenPageTest, ShowsTheRules)
{
    CSettingsGrid& grid = Grid();
    EXPECT_EQ(grid.Text(32, 0), "32");
    EXPECT_EQ(grid.Text(1, 1), "10");
    EXPECT_FALSE(grid.Picture(1, 2).isNull() || grid.Picture(1, 3).isNull());
    EXPECT_EQ(grid.Text(1, 4).toStdString(), m_plotter.GetColorNames()[2]);
    EXPECT_EQ(grid.CellBackground(1, 4), QColor(255, 0, 0));
    EXPECT_EQ(grid.CellTextColour(1, 4), QColor(255, 255, 255));
    EXPECT_EQ(grid.Text(2, 4), "");
    EXPECT_TRUE(grid.Text(3, 1).isEmpty() && grid.Picture(3, 2).isNull());
    EXPECT_TRUE(Find<QCheckBox>().isChecked());  // its click reaching the rules: the settings loop test
}

struct EditCase {
    const char* name;
    int column;
    std::function<void(QWidget&)> change;
    std::string pen;  // pen 2 after Enter, as saved
    std::vector<unsigned> messages;
};

// Typed over the editor's text, which it opens selected.
std::function<void(QWidget&)> Width(const char* text)
{
    return [text](QWidget& editor) { QTest::keyClicks(&editor, text); };
}

std::function<void(QWidget&)> Pick(int index)
{
    return [index](QWidget& editor) { static_cast<CSDComboBoxEx&>(editor).setCurrentIndex(index); };
}

// Which widths are refused is CPenSettingsTest's; here the refusal keeps
// the editor open (with the text selected: CSettingsGridTest).
const EditCase kEditCases[] = {
    {"Width", 1, Width("150"), "150,SQUARE,MITTER,", {}},
    {"WidthBeyondTheBoundRefusedAsTyped", 1, Width("300"), "20,SQUARE,MITTER,", {ResId::kBadPenWidthMessage}},
    {"End", 2, Pick(3), "20,TRIANGLE,MITTER,", {}},
    {"Joint", 3, Pick(0), "20,SQUARE,UNJOINT,", {}},
    {"Colour", 4, Pick(0), "20,SQUARE,MITTER,WHITE", {}},
};

class CHPPJLPenPageEditTest : public CPenPageFixture, public testing::TestWithParam<EditCase> {};

TEST_P(CHPPJLPenPageEditTest, EnterStoresInTheRules)
{
    QWidget* editor = OpenEditor(Grid(), 2, GetParam().column);
    ASSERT_NE(editor, nullptr);
    GetParam().change(*editor);
    Enter(*editor);

    const CPenSettings::Pen& pen = m_settings.GetPen(2);
    EXPECT_EQ(pen.width + "," + pen.end + "," + pen.joint + "," + pen.colour, GetParam().pen);
    EXPECT_EQ(m_messages.Ids(), GetParam().messages);
    EXPECT_EQ(Grid().OpenEditor() != nullptr, !GetParam().messages.empty());
    EXPECT_EQ(Grid().Text(2, 1).toStdString(), pen.width);
}

INSTANTIATE_TEST_SUITE_P(Cells, CHPPJLPenPageEditTest, testing::ValuesIn(kEditCases), ByCaseName());
}
