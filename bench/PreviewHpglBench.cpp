// Times the preview of an HP-GL/2 file of one million vectors, 1024 pixels
// wide (reading, parsing and drawing), against reading the file into
// memory and against drawing as many lines from an array in memory.
#include "CBenchClock.h"
#include "CHpglParser.h"
#include "CPlotRenderer.h"

#include <QPainter>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {
constexpr int kPolylines = 200'000;
constexpr int kVectorsPerPolyline = 5;
// A0 across, in plotter units.
constexpr int kSheetWidth = 47560;
constexpr int kSheetHeight = 33640;

using Clock = CBenchClock::Clock;

long PeakKib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Short strokes wandering over an A0 sheet in four pens, as a CAD drawing
// has them.
void WriteDrawing(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::mt19937 random(7);
    std::uniform_int_distribution<int> step(-400, 400);
    std::fputs("\x1b%-12345X@PJL ENTER LANGUAGE=HPGL2\nIN;PW0.25,1;PW0.35,2;PW0.5,3;PW0.7,4;", file);
    int x = kSheetWidth / 2;
    int y = kSheetHeight / 2;
    for (int polyline = 0; polyline < kPolylines; ++polyline) {
        if (polyline % (kPolylines / 4) == 0)
            std::fprintf(file, "SP%d;", polyline / (kPolylines / 4) + 1);
        std::fprintf(file, "PU%d,%d;PD", x, y);
        for (int vector = 0; vector < kVectorsPerPolyline; ++vector) {
            x = std::clamp(x + step(random), 0, kSheetWidth);
            y = std::clamp(y + step(random), 0, kSheetHeight);
            std::fprintf(file, vector ? ",%d,%d" : "%d,%d", x, y);
        }
        std::fputs(";", file);
    }
    std::fputs("PU;SP0;\x1b%-12345X", file);
    std::fclose(file);
}

double ReadIntoMemory(const std::string& path)
{
    const auto start = Clock::now();
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const double elapsed = CBenchClock::MillisecondsSince(start);
    return in ? elapsed : -1;
}

double DrawLinesFromArray(const std::vector<QLineF>& lines)
{
    const auto start = Clock::now();
    QImage image(1024, 724, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    return CBenchClock::MillisecondsSince(start);
}

std::vector<QLineF> RandomLines(std::size_t count)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> step(-9, 9);
    std::vector<QLineF> lines;
    QPointF at(512, 362);
    for (std::size_t i = 0; i < count; ++i) {
        const QPointF to(std::clamp(at.x() + step(random), 0.0, 1024.0), std::clamp(at.y() + step(random), 0.0, 724.0));
        lines.emplace_back(at, to);
        at = to;
    }
    return lines;
}
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s WORK_FOLDER [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string path = std::string(argv[1]) + "/million.plt";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    WriteDrawing(path);
    std::vector<double> read, parse, render;
    QSize size;
    for (int run = 0; run < runs; ++run) {
        read.push_back(ReadIntoMemory(path));
        const auto start = Clock::now();
        const bool parsed = CHpglParser().ParseFile(path).Ok();
        parse.push_back(parsed ? CBenchClock::MillisecondsSince(start) : -1);
        const auto renderStart = Clock::now();
        const CPreviewResult result = CPlotRenderer().Render(path, "HPGL", 1024);
        render.push_back(CBenchClock::MillisecondsSince(renderStart));
        if (!result.IsRendered()) {
            std::fprintf(stderr, "no preview: %s\n", result.Message().c_str());
            return 1;
        }
        size = result.Image().size();
    }
    const long peak = PeakKib();
    std::vector<double> drawn;
    const auto lines = RandomLines(std::size_t{kPolylines} * kVectorsPerPolyline);
    for (int run = 0; run < runs; ++run)
        drawn.push_back(DrawLinesFromArray(lines));
    std::printf("preview of %d vectors (%d x %d pixels), median of %d runs:\n", kPolylines * kVectorsPerPolyline,
                size.width(), size.height(), runs);
    std::printf("  preview, read + parse + draw: %8.1f ms (target: below 1000 ms)\n", CBenchClock::Median(render));
    std::printf("  of which parsing alone:       %8.1f ms\n", CBenchClock::Median(parse));
    std::printf("  reading the file into memory: %8.1f ms (preview / read: %.1f)\n", CBenchClock::Median(read),
                CBenchClock::Median(render) / CBenchClock::Median(read));
    std::printf("  drawing as many lines from an array: %8.1f ms (preview / draw: %.1f)\n", CBenchClock::Median(drawn),
                CBenchClock::Median(render) / CBenchClock::Median(drawn));
    std::printf("  peak memory while previewing: %ld KiB\n", peak);
    return CBenchClock::Median(render) < 1000 ? 0 : 1;
}
