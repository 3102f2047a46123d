// Times opening the settings sheet on a setting file until its first page
// is painted, against a baseline measured in the same run: a plain dialog
// with a table of as many cells as the pen grid, filled and painted.
#include "CBenchClock.h"
#include "CHPPJLPSheet.h"
#include "CPlotter.h"
#include "CProgramVersion.h"

#include <QApplication>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {
using Clock = CBenchClock::Clock;

double Milliseconds(const std::function<void()>& open)
{
    const auto start = Clock::now();
    open();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void OpenSheet(const CPlotter& plotter, const std::string& file)
{
    CHPPJLPSheet sheet(plotter, {CProgramVersion::ReadRegionCode(), "full", file, "/tmp/"}, QApplication::font());
    sheet.show();
    sheet.grab();
}

void OpenBaseline()
{
    QDialog dialog;
    auto* table = new QTableWidget(32, 5, &dialog);
    (new QVBoxLayout(&dialog))->addWidget(table);
    for (int row = 0; row < 32; ++row)
        for (int column = 0; column < 5; ++column)
            table->setItem(row, column, new QTableWidgetItem(QString::number(row * column)));
    dialog.resize(600, 580);
    dialog.show();
    dialog.grab();
}
}

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: qx-bench-sheet-open SETTING_FILE [RUNS]\n");
        return 2;
    }
    const std::string file = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
    CPlotter plotter;
    plotter.LoadConfig(CProgramVersion::ReadRegionCode());
    std::vector<double> sheet, baseline;
    for (int run = 0; run < runs; ++run) {
        sheet.push_back(Milliseconds([&] { OpenSheet(plotter, file); }));
        baseline.push_back(Milliseconds(OpenBaseline));
    }
    const double sheetMs = CBenchClock::Median(sheet), baselineMs = CBenchClock::Median(baseline);
    std::printf("sheet open to first page painted: %.1f ms (target below 200 ms)\n", sheetMs);
    std::printf("plain dialog with a 32 x 5 table:  %.1f ms\n", baselineMs);
    std::printf("ratio sheet / plain dialog:        %.2f\n", sheetMs / baselineMs);
    return 0;
}
