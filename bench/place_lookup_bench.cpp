// The place look-up window, offscreen against the scripted platform: the
// memory the program holds with the window open over what it held before
// (the atlas is read when the first window opens), and the time from a
// keystroke in its city box to the list of places filled again.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <fstream>
#include <string>

#include "astro/match/frmMatch.h"
#include "astro/match/frmPlaceLookup.h"
#include "platform/fake_platform.h"

namespace {

// A field of /proc/self/status in MB ("VmRSS", "VmHWM").
double StatusMegabytes(const std::string& field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1)) / 1024.0;
  }
  return 0;
}

void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// The entry form with the male place typed; the look-up window its button opens.
astro::frmPlaceLookup* OpenLookUp(astro::frmMatch& form, platform::FakePlatform& fake) {
  const std::pair<const char*, const char*> texts[] = {
      {"txtMName", "Arjun"}, {"txtMCity", "Delhi"}, {"txtMState", "Delhi"}, {"txtMCountry", "India"}};
  for (const auto& [name, value] : texts) form.findChild<QLineEdit*>(name)->setText(value);
  form.findChild<QComboBox*>("cboMYear")->setCurrentText("1975");
  form.findChild<QPushButton*>("Command1")->click();
  Settle();
  return qobject_cast<astro::frmPlaceLookup*>(fake.modalShown.last().data());
}

// Must run first in the process: nothing may have read the atlas before it.
void LookUpWindowMemory(benchmark::State& state) {
  platform::FakePlatform fake;
  platform::install(&fake);
  auto* form = new astro::frmMatch();
  form->show();
  Settle();
  double before = 0, open = 0;
  for (auto _ : state) {
    before = StatusMegabytes("VmRSS");
    astro::frmPlaceLookup* window = OpenLookUp(*form, fake);
    window->findChild<QLineEdit*>("txtLookupCity")->setText("s");  // the longest list
    Settle();
    open = StatusMegabytes("VmRSS");
    window->unload();
  }
  state.counters["rss_without_MB"] = before;
  state.counters["rss_with_window_MB"] = open;
  state.counters["added_MB"] = open - before;
  state.counters["peak_MB"] = StatusMegabytes("VmHWM");
  form->unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  platform::install(nullptr);
}
BENCHMARK(LookUpWindowMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// One keystroke: the city box's text changes and the list is filled again, the
// offsets at the birth time included. The box runs through `texts` in turn.
void Keystroke(benchmark::State& state, QStringList texts) {
  platform::FakePlatform fake;
  platform::install(&fake);
  auto* form = new astro::frmMatch();
  astro::frmPlaceLookup* window = OpenLookUp(*form, fake);
  auto* city = window->findChild<QLineEdit*>("txtLookupCity");
  qsizetype next = 0;
  for (auto _ : state) {
    city->setText(texts[next]);
    next = (next + 1) % texts.size();
  }
  window->unload();
  form->unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  platform::install(nullptr);
}
// "S", "Sp", ... "Springfield", as typed.
BENCHMARK_CAPTURE(Keystroke, springfield,
                  QStringList{"S", "Sp", "Spr", "Spri", "Sprin", "Spring", "Springf", "Springfi", "Springfie",
                              "Springfiel", "Springfield"})
    ->Unit(benchmark::kMicrosecond);
// One letter, the most places to pass over, and a full list of 50 each time.
BENCHMARK_CAPTURE(Keystroke, one_letter, QStringList{"s", "S"})->Unit(benchmark::kMicrosecond);

}  // namespace
