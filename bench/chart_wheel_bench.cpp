// Timing of the chart wheel: drawing one wheel offscreen, the report frame
// opened with its aspects shown, and each file the program writes from the
// astro report frame and the reading windows, through the menu entries against
// the scripted platform, to a temporary folder; and the couple report.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QBuffer>
#include <QApplication>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>

#include "astro/match/MDIForm1.h"
#include "tests/gui/worked_couple.h"
#include "astro/match/synastry_grid_view.h"
#include "astro/match/astro_match.h"
#include "astro/match/chart_wheel_svg.h"
#include "astro/match/chart_wheel_view.h"
#include "astro/match/couple_report_pdf.h"
#include "astro/match/frmReport.h"
#include "platform/fake_platform.h"
#include "reports/frmDisp.h"

namespace {

const zentara::AstroMatchResult& Match() {
  static const zentara::AstroMatchResult match = *zentara::CalculateAstroMatch(testing_support::JohnAndMary());
  return match;
}

// Geometry and shapes of one wheel, without drawing.
void WheelLayout(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        zentara::DrawChartWheel(zentara::LayoutChartWheel(Match().Male, Match().Female), zentara::SvgWheelSide));
  }
}
BENCHMARK(WheelLayout)->Unit(benchmark::kMicrosecond);

// One wheel drawn into an image `side` pixels square, as a window of that size paints it.
void DrawWheel(benchmark::State& state) {
  const zentara::ChartWheel wheel = zentara::LayoutChartWheel(Match().Male, Match().Female);
  for (auto _ : state) benchmark::DoNotOptimize(astro::RenderChartWheel(wheel, static_cast<int>(state.range(0))));
}
BENCHMARK(DrawWheel)->Arg(480)->Arg(1000)->Unit(benchmark::kMillisecond);

// From the filled report to the frame shown with its Aspects tab painted: the
// wheel laid out, the aspects found and the grid drawn, as Analyze does it and
// the user then looks.
void FrameWithAspects(benchmark::State& state) {
  platform::FakePlatform fake;
  platform::install(&fake);
  for (auto _ : state) {
    auto* report = new astro::frmReport(testing_support::JohnAndMary());
    report->Fill(Match());
    auto* frame = new astro::MDIForm1(report);
    fake.showModeless(frame);
    frame->wheelTabs()->setCurrentWidget(frame->aspects());
    benchmark::DoNotOptimize(frame->aspects()->grab());
    state.PauseTiming();
    frame->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fake.calls.clear();
    fake.modelessShown.clear();
    state.ResumeTiming();
  }
  platform::install(nullptr);
}
BENCHMARK(FrameWithAspects)->Unit(benchmark::kMillisecond);

// The report frame's File menu entries, each writing its file once an iteration.
void FrameFile(benchmark::State& state, const char* entry, int filter, const char* name) {
  platform::FakePlatform fake;
  platform::install(&fake);
  QTemporaryDir folder;
  auto* report = new astro::frmReport(testing_support::JohnAndMary());
  report->Fill(Match());
  auto* frame = new astro::MDIForm1(report);
  fake.showModeless(frame);
  QAction* action = frame->findChild<QAction*>(QString::fromLatin1(entry));
  for (auto _ : state) {
    fake.fileNames = {folder.filePath(QString::fromLatin1(name))};
    fake.chosenFilters = {filter};
    action->trigger();
    state.PauseTiming();
    fake.fileDialogs.clear();
    fake.calls.clear();
    state.ResumeTiming();
  }
  if (!fake.messages.isEmpty()) state.SkipWithError("a file could not be written");
  frame->unload();
  report->unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  platform::install(nullptr);
}
BENCHMARK_CAPTURE(FrameFile, svg, "mnuSavePicture", 0, "wheel.svg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FrameFile, png, "mnuSavePicture", 1, "wheel.png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FrameFile, report_pdf, "mnuExportPDF", 0, "report.pdf")->Unit(benchmark::kMillisecond);

// A reading of 300 lines exported as PDF (six A4 pages) from its window.
void ReadingPdf(benchmark::State& state) {
  platform::FakePlatform fake;
  platform::install(&fake);
  QTemporaryDir folder;
  auto* window = new reports::frmDisp(nullptr);
  QString text;
  for (int line = 1; line <= 300; ++line) text += QStringLiteral("Line %1 of a long reading\r\n").arg(line);
  window->txtDisp()->setPlainText(text);
  QAction* action = window->findChild<QAction*>(QStringLiteral("mnuExportPDF"));
  for (auto _ : state) {
    fake.fileNames = {folder.filePath(QStringLiteral("reading.pdf"))};
    action->trigger();
    state.PauseTiming();
    fake.fileDialogs.clear();
    fake.calls.clear();
    state.ResumeTiming();
  }
  if (!fake.messages.isEmpty()) state.SkipWithError("a file could not be written");
  window->unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  platform::install(nullptr);
}
BENCHMARK(ReadingPdf)->Unit(benchmark::kMillisecond);

// The couple report of the worked couple with the numerology readings, as the
// People window writes it for two people: the whole document built and laid
// out on A4 pages, its three wheels drawn, written as PDF to memory.
void CoupleReport(benchmark::State& state) {
  zentara::NumerologyEntries numerology{"John", "Paul", "Smith", "Mary", "Ann", "Jones",
                                        "August", "15", "1975", "February", "10", "1978"};
  const zentara::CoupleReportInput input{.Astro = testing_support::JohnAndMary(), .Numerology = numerology,
                                         .Options = {}, .Houses = zentara::HouseSystem::Placidus,
                                         .Orbs = zentara::DefaultAspectOrbs};
  qint64 bytes = 0;
  for (auto _ : state) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!astro::WriteCoupleReportPdf(buffer, input)) state.SkipWithError("the report was not written");
    bytes = buffer.size();
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(CoupleReport)->Unit(benchmark::kMillisecond);

}  // namespace
