// Timing of the astro report frame on a screen of 1280 by 1024 pixels,
// offscreen: from Analyze Compatibility on a filled entry form to the frame
// shown with both its windows painted, and a resize of the frame to its
// windows arranged and painted again.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "astro/match/MDIForm1.h"
#include "astro/match/frmMatch.h"
#include "astro/match/frmReport.h"
#include "platform/fake_platform.h"

namespace {

// John and Mary, the worked couple of the tests, typed into a fresh entry form.
astro::frmMatch* FilledEntryForm() {
  auto* form = new astro::frmMatch();
  const std::pair<const char*, const char*> texts[] = {
      {"txtMName", "John"}, {"txtMLD", "28"}, {"txtMLM", "36"}, {"txtMLoD", "77"}, {"txtMLoM", "13"},
      {"txtMCity", "New Delhi"}, {"txtMState", "Delhi"}, {"txtMCountry", "India"},
      {"txtFName", "Mary"}, {"txtFLD", "40"}, {"txtFLM", "42"}, {"txtFLoD", "74"}, {"txtFLoM", "00"},
      {"txtFCity", "New York"}, {"txtFState", "New York"}, {"txtFCountry", "USA"},
  };
  for (const auto& [box, text] : texts) form->findChild<QLineEdit*>(QString::fromLatin1(box))->setText(text);
  form->findChild<QComboBox*>(QStringLiteral("cboMYear"))->setCurrentText(QStringLiteral("1975"));
  form->findChild<QComboBox*>(QStringLiteral("cboFYear"))->setCurrentText(QStringLiteral("1978"));
  return form;
}

astro::MDIForm1* OpenFrame(const platform::FakePlatform& fake) {
  for (QWidget* form : fake.openForms()) {
    if (auto* frame = qobject_cast<astro::MDIForm1*>(form)) return frame;
  }
  return nullptr;
}

void Settle() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

// The click on Analyze Compatibility to the frame shown and painted whole,
// its report and its wheel.
void FrameOpening(benchmark::State& state) {
  platform::FakePlatform fake;
  platform::install(&fake);
  for (auto _ : state) {
    state.PauseTiming();
    astro::frmMatch* form = FilledEntryForm();
    fake.showModeless(form);
    Settle();
    state.ResumeTiming();
    QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("cmdCalculate")), Qt::LeftButton);
    astro::MDIForm1* frame = OpenFrame(fake);
    if (!frame) {
      state.SkipWithError("Analyze showed no report frame");
      break;
    }
    Settle();
    frame->repaint();
    state.PauseTiming();
    if (frame->wheelWindow()->geometry().intersects(frame->reportWindow()->geometry())) {
      state.SkipWithError("the wheel does not stand beside the report");
    }
    frame->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fake.calls.clear();
    fake.modelessShown.clear();
    state.ResumeTiming();
  }
  platform::install(nullptr);
}
BENCHMARK(FrameOpening)->Unit(benchmark::kMillisecond);

// The frame made narrower and wider again by turns, each to its windows
// arranged anew (the wheel beside the report, then behind it) and painted.
void FrameResize(benchmark::State& state) {
  platform::FakePlatform fake;
  platform::install(&fake);
  astro::frmMatch* form = FilledEntryForm();
  fake.showModeless(form);
  QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("cmdCalculate")), Qt::LeftButton);
  astro::MDIForm1* frame = OpenFrame(fake);
  if (!frame) {
    state.SkipWithError("Analyze showed no report frame");
    return;
  }
  Settle();
  const QSize opened = frame->size();
  bool narrow = false;
  for (auto _ : state) {
    narrow = !narrow;
    frame->resize(narrow ? opened - QSize(300, 100) : opened);
    Settle();
    frame->repaint();
  }
  frame->unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  platform::install(nullptr);
}
BENCHMARK(FrameResize)->Unit(benchmark::kMillisecond);

}  // namespace
