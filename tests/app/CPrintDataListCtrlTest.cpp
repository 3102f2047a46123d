#include "CSendoraFixture.h"

#include "CEditWithSpin.h"
#include "CExtensionConfig.h"
#include "CPrintDataListCtrl.h"
#include "CPrintDataModel.h"
#include "CSDComboBox.h"
#include "ResourceIds.h"
#include "CaseNames.h"
#include "ViewClicks.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QCheckBox>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStyleOptionSpinBox>
#include <QTest>

#include <optional>
#include <set>

namespace {
using CPrintDataModelTest = CSendoraFixture;

// What the model shows and stores is checked through the window; here the
// tester checks every change the model tells the view about.
TEST_F(CPrintDataModelTest, KeepsTheViewInStepWithTheJob)
{
    CPrintDataModel model(Job());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    AddEntries({"a.plt", "b.tif", "c"});
    model.UpdateRowCount();
    ASSERT_EQ(model.rowCount(), 3);
    model.SwapWithNext(0);
    EXPECT_TRUE(model.setData(model.index(2, 2), 7, Qt::EditRole));
    EXPECT_TRUE(model.setData(model.index(2, 1), "CGM", Qt::EditRole));
    model.DeleteRow(1);
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"b.tif", "c"}));
    model.DeleteAll();
    EXPECT_EQ(model.rowCount(), 0);
}

class CPrintDataListCtrlTest : public CSendoraFixture {
protected:
    QModelIndex Cell(int row, int column) const { return List().model()->index(row, column); }
    void DoubleClick(int row, int column) const { DoubleClickCell(List(), Cell(row, column)); }
    void ClickCell(int row, int column) const
    {
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, List().visualRect(Cell(row, column)).center());
    }
    bool Editing() const { return List().indexWidget(List().currentIndex()) != nullptr; }
    // The editor open on the current cell.
    template <class T>
    T& Editor() const
    {
        T* editor = qobject_cast<T*>(List().indexWidget(List().currentIndex()));
        EXPECT_NE(editor, nullptr);
        return *editor;
    }
    CEditWithSpin& CopiesEditor() const { return Editor<CEditWithSpin>(); }
    CSDComboBox& FormatChooser() const { return Editor<CSDComboBox>(); }
    void TypeCopies(int row, const char* text) const
    {
        DoubleClick(row, 2);
        ASSERT_TRUE(Editing());
        ASSERT_TRUE(CopiesEditor().hasFocus());
        EXPECT_EQ(CopiesEditor().font(), List().font());
        QTest::keyClicks(&CopiesEditor(), text);
    }
    void Key(QWidget& widget, Qt::Key key) const
    {
        QTest::keyClick(&widget, key);
        QCoreApplication::processEvents();
    }
    QWidget* Focus() const { return QApplication::focusWidget(); }
};

struct CCopiesEditCase {
    const char* name;
    const char* typed;
    int stored;
    std::vector<unsigned> messages;
    bool stillSame;
    // How the editing ends; none for a click on another row.
    std::optional<Qt::Key> key = std::nullopt;
    // Refused, the editor stays open with the text selected.
    bool open = false;
};

class CPrintDataListCtrlCopiesTest : public CPrintDataListCtrlTest,
                                     public testing::WithParamInterface<CCopiesEditCase> {};

TEST_P(CPrintDataListCtrlCopiesTest, CommitsOnLosingTheFocusOrEnterAndDropsOnEscape)
{
    OpenWindow();
    AddEntries({"a.plt", "b.plt"});
    QTest::mouseClick(&Child<QCheckBox>("checkSameCopies"), Qt::LeftButton);
    auto& forAll = Child<CEditWithSpin>("editCopiesForAll");
    forAll.selectAll();
    QTest::keyClicks(&forAll, "3");
    QTest::keyClick(&forAll, Qt::Key_Return);
    ASSERT_EQ(Copies(), (std::vector<int>{3, 3}));

    TypeCopies(1, GetParam().typed);
    if (GetParam().key)
        Key(CopiesEditor(), *GetParam().key);
    else
        ClickCell(0, 0);
    QCoreApplication::processEvents();
    auto* open = qobject_cast<CEditWithSpin*>(List().OpenEditor());
    ASSERT_EQ(open != nullptr, GetParam().open);
    if (open) {
        EXPECT_TRUE(open->hasFocus());
        EXPECT_EQ(open->findChild<QLineEdit*>()->selectedText().toStdString(), GetParam().typed);
    }
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(Copies(), (std::vector<int>{3, GetParam().stored}));
    EXPECT_EQ(Cell(1, 2).data().toString().toStdString(), std::to_string(GetParam().stored));
    EXPECT_EQ(m_messages.Ids(), GetParam().messages);
    EXPECT_EQ(Child<QCheckBox>("checkSameCopies").isChecked(), GetParam().stillSame);
    EXPECT_EQ(forAll.isEnabled(), GetParam().stillSame);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, CPrintDataListCtrlCopiesTest,
    testing::Values(
        CCopiesEditCase{"Unchanged", "3", 3, {}, true},
        CCopiesEditCase{"Changed", "4", 4, {ResId::kSameCopiesOffMessage}, false},
        CCopiesEditCase{"ZeroRefused", "0", 3, {ResId::kCopiesOutOfRangeMessage}, true, std::nullopt, true},
        CCopiesEditCase{"BeyondTheBoundRefusedAsTyped", "100", 3, {ResId::kCopiesOutOfRangeMessage}, true,
                        Qt::Key_Return, true},
        CCopiesEditCase{"Enter", "4", 4, {ResId::kSameCopiesOffMessage}, false, Qt::Key_Return},
        CCopiesEditCase{"Escape", "4", 3, {}, true, Qt::Key_Escape}), ByCaseName());

// Tab and Shift+Tab go from control to control, also from an editor,
// which they close (as in the settings grid); F2 edits the current cell,
// but never a file name; Delete acts as the Delete button on the selected
// rows, but edits inside an editor.
TEST_F(CPrintDataListCtrlTest, KeyboardReachesTheListsEditorsAndTheControlsAroundIt)
{
    OpenWindow();
    AddEntries({"a.plt", "b.plt", "c.plt"}, 3);
    DoubleClick(0, 0);
    EXPECT_FALSE(Editing());
    Key(List(), Qt::Key_F2);
    EXPECT_FALSE(Editing());
    auto& addFiles = Child<QPushButton>("buttonAddFiles");
    List().setFocus();
    List().setCurrentIndex(Cell(1, 2));
    Key(List(), Qt::Key_Tab);
    EXPECT_EQ(Focus(), &addFiles);
    Key(addFiles, Qt::Key_Backtab);
    EXPECT_EQ(Focus(), &List());

    Key(List(), Qt::Key_F2);
    ASSERT_TRUE(Editing());
    Key(CopiesEditor(), Qt::Key_Delete);
    Key(CopiesEditor(), Qt::Key_7);
    Key(CopiesEditor(), Qt::Key_Backtab);
    EXPECT_FALSE(Editing());
    EXPECT_EQ(Focus(), &Child<QPushButton>("buttonClose"));
    EXPECT_EQ(Copies(), (std::vector<int>{3, 7, 3}));

    List().setFocus();
    SelectRows({0, 2});
    Key(List(), Qt::Key_Delete);
    EXPECT_EQ(FileNames(), std::vector<std::string>{"b.plt"});
    EXPECT_TRUE(m_messages.Ids().empty());

    // The spin arrows do not store (storing on scrolling is the table's own,
    // checked with the settings grid).
    TypeCopies(0, "");
    QStyleOptionSpinBox option;
    option.initFrom(&CopiesEditor());
    option.subControls = QStyle::SC_SpinBoxUp;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect up = CopiesEditor().style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp,
                                                            &CopiesEditor());
    QTest::mouseClick(&CopiesEditor(), Qt::LeftButton, {}, up.center());
    ASSERT_TRUE(Editing());
    EXPECT_EQ(CopiesEditor().Text().toStdString(), "8");
    EXPECT_EQ(Copies(), std::vector<int>{7});
}

TEST_F(CPrintDataListCtrlTest, FormatChooserOffersTheDataFormatsAndStoresTheChoice)
{
    OpenWindow();
    AddEntries({"a.tif", "b.xyz"});
    std::vector<std::string> formats;
    CExtensionConfig::LoadDataFormats(formats);
    ASSERT_GT(formats.size(), 2u);

    DoubleClick(0, 1);
    ASSERT_FALSE(FormatChooser().isHidden());
    ASSERT_EQ(FormatChooser().count(), static_cast<int>(formats.size()));
    EXPECT_EQ(FormatChooser().currentText().toStdString(), "TIFF");
    EXPECT_EQ(FormatChooser().font(), List().font());
    FormatChooser().setCurrentIndex(FormatChooser().findText("CGM"));
    DoubleClick(1, 1);
    EXPECT_EQ(Job().GetAt(0)->GetDataFormat(), "CGM");
    // An unrecognised format is not offered, and nothing is chosen for it.
    ASSERT_TRUE(Editing());
    EXPECT_EQ(FormatChooser().currentIndex(), -1);
    ClickCell(0, 0);
    EXPECT_FALSE(Editing());
    EXPECT_EQ(Job().GetAt(1)->GetDataFormat(), "(unknown format)");
}

// A dropped folder adds its files as the Add Folder button does.
TEST_F(CPrintDataListCtrlTest, ListTakesTheRoomTheWindowGainsTellsFullPathsAndAppendsDropsInOrder)
{
    OpenWindow();
    AddEntries({"old.plt"});
    EXPECT_EQ(Cell(0, 0).data(Qt::ToolTipRole).toString().toStdString(), m_dir.File("entries/old.plt"));
    // The offscreen screen is too small for the window's preferred size,
    // which gives the preview pane its width.
    m_window->resize(m_window->sizeHint());
    QCoreApplication::processEvents();
    const QSize before = List().size();
    m_window->resize(m_window->size() + QSize(200, 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(List().size(), before + QSize(200, 100));
    // Copies and sizes show in full, without scrolling.
    EXPECT_GE(List().columnWidth(2), List().horizontalHeader()->sectionSizeHint(2));
    EXPECT_GE(List().columnWidth(3), List().horizontalHeader()->sectionSizeHint(3));
    EXPECT_EQ(List().horizontalScrollBar()->maximum(), 0);

    WriteFile("dropped/F1.plt");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(Q(m_dir.File("dropped"))), QUrl::fromLocalFile(Q(m_dir.File("missing.plt"))),
                  QUrl::fromLocalFile(Q(WriteFile("one.tif"))), QUrl::fromLocalFile(Q(WriteFile("two.cgm")))});
    const QPointF at = List().viewport()->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(List().viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(List().viewport(), &drop);
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"old.plt", "F1.plt", "one.tif", "two.cgm"}));
    EXPECT_EQ(ShownNames(), FileNames());
    EXPECT_TRUE(m_messages.Ids().empty());
}

// Counts the rows whose data the view asks for.
class CRowCounter : public QIdentityProxyModel {
public:
    QVariant data(const QModelIndex& index, int role) const override
    {
        rows.insert(index.row());
        return QIdentityProxyModel::data(index, role);
    }
    mutable std::set<int> rows;
};

TEST_F(CPrintDataListCtrlTest, FiveThousandEntriesAskOnlyForTheVisibleRows)
{
    constexpr int kEntries = 5000;
    const std::string path = WriteFile("big.plt");
    for (int i = 0; i < kEntries; ++i) {
        auto entry = std::make_unique<CPrintData>();
        ASSERT_TRUE(entry->SetFile(path));
        Job().InsertAt(i, std::move(entry));
    }
    InstallMachineKey();
    ASSERT_TRUE(m_app->Start());
    m_window = std::make_unique<CSendoraDlg>(*m_app);
    auto* counter = new CRowCounter;
    counter->setParent(&List());
    counter->setSourceModel(List().model());
    List().setModel(counter);
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    QCoreApplication::processEvents();

    const int visible = List().viewport()->height() / List().rowHeight(0) + 1;
    EXPECT_EQ(counter->rowCount(), kEntries);
    EXPECT_LE(static_cast<int>(counter->rows.size()), visible + 2);
    EXPECT_EQ(*counter->rows.begin(), 0);

    counter->rows.clear();
    List().scrollToBottom();
    m_window->repaint();
    QCoreApplication::processEvents();
    EXPECT_LE(static_cast<int>(counter->rows.size()), visible + 2);
    ASSERT_FALSE(counter->rows.empty());
    EXPECT_GE(*counter->rows.begin(), kEntries - visible - 2);
}
}
