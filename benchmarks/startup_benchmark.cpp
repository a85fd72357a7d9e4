// Start-up of the desktop program up to the first painted natal window for the sample chart,
// as the program does it without the splash: the application context (settings, fonts, sign
// pictures, time-change base), the main frame, opening the chart file, computing the chart
// and one paint of the frame into an offscreen image. The steps are measured alone as well,
// to show where the time goes. The application object itself is made once per process; its
// time is printed before the benchmarks.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <chrono>
#include <cstdio>
#include <memory>

#include "common/AppFolder.h"
#include "common/MessageSink.h"
#include "ui/AppContext.h"
#include "ui/CMainFrame.h"
#include "ui/OpenChart.h"
#include "ui/StartUp.h"

namespace {

using namespace orvanta;

std::unique_ptr<CMainFrame> showFrame(AppContext& context) {
    auto frame = std::make_unique<CMainFrame>(context);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        frame->setGeometry(screen->availableGeometry());
    }
    frame->showMaximized();
    return frame;
}

void openAndCompute(CMainFrame& frame) {
    frame.openChart(QStringLiteral(ORVANTA_SAMPLE_MAP));
    // Opening shows the stored positions; the first computation is that of the chart.
    if (OpenChart* chart = frame.activeChart()) chart->doc().recompute();
}

QImage paint(CMainFrame& frame) {
    QImage image(frame.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    frame.render(&painter);
    return image;
}

void BM_StartUpToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        AppContext context;
        StartUp::loadContext(context);
        auto frame = showFrame(context);
        openAndCompute(*frame);
        benchmark::DoNotOptimize(paint(*frame));
        frame->close();
    }
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_ApplicationContext(benchmark::State& state) {
    for (auto _ : state) {
        AppContext context;
        StartUp::loadContext(context);
        benchmark::DoNotOptimize(context.timeChanges.size());
    }
}
BENCHMARK(BM_ApplicationContext)->Unit(benchmark::kMillisecond);

void BM_MainFrameShownAndPaintedEmpty(benchmark::State& state) {
    AppContext context;
    StartUp::loadContext(context);
    for (auto _ : state) {
        auto frame = showFrame(context);
        benchmark::DoNotOptimize(paint(*frame));
        frame->close();
    }
}
BENCHMARK(BM_MainFrameShownAndPaintedEmpty)->Unit(benchmark::kMillisecond);

void BM_OpenSampleAndCompute(benchmark::State& state) {
    AppContext context;
    StartUp::loadContext(context);
    for (auto _ : state) {
        state.PauseTiming();
        auto frame = showFrame(context);
        state.ResumeTiming();
        openAndCompute(*frame);
        state.PauseTiming();
        frame->close();
        frame.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenSampleAndCompute)->Unit(benchmark::kMillisecond);

void BM_PaintFrameWithTheSample(benchmark::State& state) {
    AppContext context;
    StartUp::loadContext(context);
    auto frame = showFrame(context);
    openAndCompute(*frame);
    for (auto _ : state) benchmark::DoNotOptimize(paint(*frame));
    frame->close();
}
BENCHMARK(BM_PaintFrameWithTheSample)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    AppFolder::setOverride(ORVANTA_APP_DIR);
    const auto start = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    const auto made = std::chrono::steady_clock::now();
    // A settings store of its own, so that the recent files of the benchmark stay out of the
    // user's; messages are counted, not shown in boxes that would wait for a click.
    QApplication::setOrganizationName("OrvantaBenchmark");
    QApplication::setApplicationName("OrvantaBenchmark");
    int messages = 0;
    MessageSink::install([&messages](std::string_view) { ++messages; });
    std::printf("QApplication: %.1f ms\n",
                std::chrono::duration<double, std::milli>(made - start).count());

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (messages > 0) std::printf("messages reported meanwhile: %d\n", messages);
    return 0;
}
