#include "CSendoraFixture.h"

#include "CMessageService.h"
#include "CPlotSizes.h"
#include "CPreviewPane.h"
#include "CPrintDataListCtrl.h"
#include "CPrintDataModel.h"
#include "CResourceModule.h"
#include "ResourceIds.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <future>
#include <mutex>
#include <set>
#include <thread>

// The Size column and the preview pane, with sizes and pictures read on
// worker threads: the tests wait for what the window shows, never for time.
namespace {
constexpr int kWaitMs = 20000;
// A3 landscape, its frame and a diagonal through the middle.
constexpr const char* kA3Hpgl = "IN;SP1;PU0,0;PD16800,0,16800,11880,0,11880,0,0,16800,11880;PU;";
// The same, A3 portrait.
constexpr const char* kA3PortraitHpgl = "IN;SP1;PU0,0;PD11880,0,11880,16800,0,16800,0,0,11880,16800;PU;";

std::string Text(unsigned id)
{
    return CResourceModule::LoadString(id);
}

// Opened once, at the latest when the test ends.
struct CGate {
    std::promise<void> promise;
    std::shared_future<void> opened = promise.get_future().share();
    std::once_flag once;
    void Open() { std::call_once(once, [this] { promise.set_value(); }); }
    ~CGate() { Open(); }
};

class CSendoraDlgPreviewTest : public CSendoraFixture {
protected:
    std::string SizeText(int row) const { return Cell(row).data().toString().toStdString(); }
    std::string SizeTip(int row) const { return Cell(row).data(Qt::ToolTipRole).toString().toStdString(); }
    QModelIndex Cell(int row) const { return List().model()->index(row, CPrintDataModel::kSize); }
    CPreviewPane& Pane() const { return Child<CPreviewPane>("panePreview"); }
    void WaitForSizes() const
    {
        const auto read = [this] {
            for (int row = 0; row < List().model()->rowCount(); ++row)
                if (SizeText(row) == Text(ResId::kSizePendingText))
                    return false;
            return true;
        };
        ASSERT_TRUE(QTest::qWaitFor(read, kWaitMs));
    }
    // At a share of the picture's width and height, or a pixel beside it.
    bool BlackAt(double x, double y) const
    {
        const QImage& picture = Pane().Picture();
        const QPoint at(static_cast<int>(x * picture.width()), static_cast<int>(y * picture.height()));
        for (const int dx : {-1, 0, 1})
            if (qGray(picture.pixel(at + QPoint(dx, 0))) < 128)
                return true;
        return false;
    }
};

struct CSizeCase {
    const char* file;
    std::string bytes;
    const char* millimetres;
    const char* inches;
    std::string tip;  // the size in both units where there is one
};

// The sizes' words are CPlotSizeTest's.
TEST_F(CSendoraDlgPreviewTest, SizeColumnFillsAsSizesArriveInTheUnitRemembered)
{
    const std::vector<CSizeCase> cases{
        {"a3.plt", kA3Hpgl, "420 \u00d7 297 mm (A3)", "16.5 \u00d7 11.7 in (A3)", {}},
        {"chart.cgm", "CGM", "\u2014", "\u2014", Text(ResId::kNoSizeTip)},
        {"broken.pdf", "not a PDF", "\u2014", "\u2014",
         CMessageService::Format(ResId::kSizeUnreadableTip, "cannot read: damaged PDF file")},
    };
    OpenWindow();
    for (const CSizeCase& c : cases)
        AddEntry(c.file, c.bytes);
    WaitForSizes();
    for (int row = 0; row < static_cast<int>(cases.size()); ++row)
        EXPECT_EQ(SizeText(row), cases[row].millimetres) << cases[row].file;

    // The list's menu, with the window's commands after the unit.
    std::vector<std::string> offered;
    QTimer::singleShot(0, [&offered] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions())
            offered.push_back(action->objectName().toStdString());
        menu->actions().front()->trigger();
        menu->close();
    });
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, List().mapToGlobal(QPoint()));
    QCoreApplication::sendEvent(List().viewport(), &menuKey);
    EXPECT_EQ(offered, (std::vector<std::string>{"actionSizesInInches", "", "actionHistory", "actionShare", "actionAbout"}));
    m_window->reject();
    EXPECT_EQ(ReadUserValue("SizesInInches"), "1");
    EXPECT_FALSE(ReadUserValue("PreviewSplitter").empty());
    m_window = std::make_unique<CSendoraDlg>(*m_app);
    WaitForSizes();
    for (int row = 0; row < static_cast<int>(cases.size()); ++row) {
        EXPECT_EQ(SizeText(row), cases[row].inches) << cases[row].file;
        const std::string both = cases[row].inches + std::string("\n") + cases[row].millimetres;
        EXPECT_EQ(SizeTip(row), cases[row].tip.empty() ? both : cases[row].tip) << cases[row].file;
    }
}

// Each move stops the drawing before: only the last selection's picture is
// ever shown.
TEST_F(CSendoraDlgPreviewTest, PaneShowsTheLastSelectedEntryAndItsSizeOrWhyNot)
{
    OpenWindow();
    AddEntry("landscape.plt", kA3Hpgl);
    AddEntry("chart.cgm", "CGM");
    AddEntry("broken.pdf", "not a PDF");
    AddEntry("portrait.plt", kA3PortraitHpgl);
    EXPECT_EQ(Pane().focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(Pane().Text().toStdString(), Text(ResId::kPreviewPlaceholder));
    WaitForSizes();
    SelectRows({1});
    EXPECT_EQ(Pane().Text().toStdString(), Text(ResId::kNoPreviewText));
    EXPECT_EQ(Pane().SizeText().toStdString(), "\u2014");

    QSignalSpy shown(&Pane(), &CPreviewPane::PreviewShown);
    for (const int row : {0, 2, 0, 2, 0, 3})
        SelectRows({row});
    EXPECT_EQ(Pane().Text().toStdString(), Text(ResId::kPreviewBusyText));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Pane().Picture().isNull(); }, kWaitMs));
    EXPECT_EQ(shown.count(), 1);
    EXPECT_LT(Pane().Picture().width(), Pane().Picture().height());
    EXPECT_TRUE(BlackAt(0.5, 0.5));
    EXPECT_FALSE(BlackAt(0.5, 0.25));
    EXPECT_EQ(Pane().SizeText().toStdString(), "297 \u00d7 420 mm (A3)");

    SelectRows({2});
    ASSERT_TRUE(QTest::qWaitFor([this] { return Pane().Text() != Q(Text(ResId::kPreviewBusyText)); }, kWaitMs));
    EXPECT_EQ(Pane().Text().toStdString(), "Cannot read: damaged PDF file");
    EXPECT_TRUE(Pane().Picture().isNull());
    SelectRows({});
    EXPECT_EQ(Pane().Text().toStdString(), Text(ResId::kPreviewPlaceholder));
    EXPECT_TRUE(m_messages.Ids().empty());
}

// Every read waits at a gate: adding returns, and the window's events run,
// while no size has been read; the reads are on other threads, in list order.
TEST_F(CSendoraDlgPreviewTest, AThousandFilesAreAddedWithoutWaitingForTheirSizes)
{
    constexpr int kFiles = 1000;
    struct CReads {
        std::mutex mutex;
        std::vector<std::pair<std::string, std::thread::id>> started;
    };
    auto reads = std::make_shared<CReads>();
    CGate gate;
    OpenWindow();
    List().Model().Sizes().SetReader([reads, opened = gate.opened](const std::string& path, const std::string&) {
        {
            const std::lock_guard lock(reads->mutex);
            reads->started.emplace_back(path, std::this_thread::get_id());
        }
        opened.wait();
        return PlotSizeResult{CPlotSize(420, 297), {}};
    });
    std::vector<std::string> paths;
    for (int i = 0; i < kFiles; ++i)
        paths.push_back(WriteFile("many/" + std::to_string(i) + ".plt", kA3Hpgl));

    List().AppendFiles(paths);
    bool eventRan = false;
    QMetaObject::invokeMethod(m_window.get(), [&eventRan] { eventRan = true; }, Qt::QueuedConnection);
    ASSERT_TRUE(QTest::qWaitFor([&] { return eventRan; }, kWaitMs));
    const auto started = [&] { const std::lock_guard lock(reads->mutex); return reads->started.size(); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return started() == 2; }, kWaitMs));
    EXPECT_EQ(SizeText(kFiles - 1), Text(ResId::kSizePendingText));
    EXPECT_EQ((std::set<std::string>{reads->started[0].first, reads->started[1].first}),
              (std::set<std::string>{paths[0], paths[1]}));

    gate.Open();
    WaitForSizes();
    EXPECT_EQ(SizeText(kFiles - 1), "420 \u00d7 297 mm (A3)");
    for (const auto& [path, thread] : reads->started)
        ASSERT_NE(thread, std::this_thread::get_id()) << path;
}
}
