// Timing of each numerology reading from the click on its button to the reading
// laid out in its window, offscreen, against the scripted platform (so showing
// the window modally does not wait for the user).
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "numerology/frmMain.h"
#include "platform/fake_platform.h"
#include "reports/frmDisp.h"
#include "reports/frmSaveDocument.h"

namespace {

void Fill(numerology::frmMain& form) {
  const std::pair<const char*, const char*> texts[] = {
      {"txtMF", "John"}, {"txtMM", "Paul"}, {"txtML", "Smith"}, {"txtFF", "Mary"}, {"txtFM", "Ann"}, {"txtFL", "Smith"}};
  for (const auto& [name, value] : texts) form.findChild<QLineEdit*>(name)->setText(value);
  const std::pair<const char*, const char*> dates[] = {
      {"cboMM", "March"}, {"cboMD", "15"}, {"cboMY", "1988"}, {"cboFY", "1970"}};
  for (const auto& [name, value] : dates) form.findChild<QComboBox*>(name)->setCurrentText(value);
}

// Clicks `button` on a filled form; the time ends when the reading's window has
// processed its pending layout and its document has a laid-out size.
void Reading(benchmark::State& state, const char* button) {
  platform::FakePlatform fake;
  platform::install(&fake);
  auto* form = new numerology::frmMain();
  form->show();
  Fill(*form);
  auto* command = form->findChild<QPushButton*>(button);
  for (auto _ : state) {
    command->click();
    auto* window = qobject_cast<shell::Form*>(fake.modalShown.last().data());
    QCoreApplication::sendPostedEvents();
    QTextEdit* box = window->findChild<QTextEdit*>();
    benchmark::DoNotOptimize(box->document()->documentLayout()->documentSize());
    state.PauseTiming();
    window->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fake.modalShown.clear();
    state.ResumeTiming();
  }
  form->unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  platform::install(nullptr);
}

BENCHMARK_CAPTURE(Reading, lifepath, "cmdLP")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Reading, destiny, "cmdD")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Reading, comprehensive, "cmdCR")->Unit(benchmark::kMillisecond);

}  // namespace
