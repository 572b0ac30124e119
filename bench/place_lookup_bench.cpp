// The place look-up window, offscreen against the scripted platform, on a
// desktop's screen (1280 by 1024, set in CMakeLists.txt) where it opens at its
// own size rather than squeezed into the platform's 800 by 600: the
// first look-up of a run (the window opened from the entry form, the atlas
// mapped, the form's place searched and the list filled), to its list and to
// the window shown and painted, and the memory the program holds with the
// window open over what it held before; the toolkit's floor under the
// window's first showing, and what a warm-up before the click could take off
// it; and the time from a keystroke in its city box to the list of places
// filled again.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <chrono>
#include <fstream>
#include <string>

#include <sys/resource.h>

#include "astro/match/frmMatch.h"
#include "astro/match/frmPlaceLookup.h"
#include "platform/fake_platform.h"

namespace {

// A field of /proc/self/status in MB: "RssAnon" is the resident memory that
// is the process's own (heap, stacks), "RssFile" the resident pages of files
// it maps (the atlas among them), which the system's file cache shares with
// every process that maps them.
double StatusMegabytes(const std::string& field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1)) / 1024.0;
  }
  return 0;
}

// Minor page faults so far: pages of code and files touched for the first time.
long PageFaults() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// The male partner's entries typed into the entry form, and the form repainted
// with them, as it is while the user types, before the look-up is asked for.
void TypeEntries(astro::frmMatch& form) {
  const std::pair<const char*, const char*> texts[] = {
      {"txtMName", "Arjun"}, {"txtMCity", "Delhi"}, {"txtMState", "Delhi"}, {"txtMCountry", "India"}};
  for (const auto& [name, value] : texts) form.findChild<QLineEdit*>(name)->setText(value);
  form.findChild<QComboBox*>("cboMYear")->setCurrentText("1975");
  Settle();
}

// The scripted platform, which notes when it was last asked to show a window:
// the moment the look-up window is built with its list filled.
struct ShowTimedPlatform : platform::FakePlatform {
  std::chrono::steady_clock::time_point lastShowAsked;
  void showModal(QWidget* form) override {
    lastShowAsked = std::chrono::steady_clock::now();
    FakePlatform::showModal(form);
  }
};

// The entry form on the scripted platform, shown with the male partner's
// entries typed; the form closed and the platform put back at the end.
struct TypedEntryForm {
  ShowTimedPlatform fake;
  astro::frmMatch* form = nullptr;

  TypedEntryForm() {
    platform::install(&fake);
    form = new astro::frmMatch();
    form->show();
    TypeEntries(*form);
  }
  ~TypedEntryForm() {
    form->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform::install(nullptr);
  }
  TypedEntryForm(const TypedEntryForm&) = delete;
  TypedEntryForm& operator=(const TypedEntryForm&) = delete;

  // The look-up window the form's button opens, shown with its list.
  astro::frmPlaceLookup* OpenLookUp() {
    form->findChild<QPushButton*>("Command1")->click();
    Settle();
    return qobject_cast<astro::frmPlaceLookup*>(fake.modalShown.last().data());
  }
};

// Must run first in the process: nothing may have opened the atlas before it.
// Its time is that of the first look-up, from the button's click to the
// window shown and painted with its list; `list_filled_ms` is the time from
// the click to the window built with its list filled (the atlas opened, the
// form's place searched, the places' offsets worked out), when it is handed
// to the platform to show.
void FirstLookUp(benchmark::State& state) {
  TypedEntryForm entry;
  const double privateBefore = StatusMegabytes("RssAnon");
  const double filesBefore = StatusMegabytes("RssFile");
  astro::frmPlaceLookup* window = nullptr;
  const long faultsBefore = PageFaults();
  std::chrono::steady_clock::time_point clicked;
  for (auto _ : state) {
    clicked = std::chrono::steady_clock::now();
    window = entry.OpenLookUp();
  }
  state.counters["page_faults"] = static_cast<double>(PageFaults() - faultsBefore);
  state.counters["list_filled_ms"] =
      std::chrono::duration<double, std::milli>(entry.fake.lastShowAsked - clicked).count();
  window->findChild<QLineEdit*>("txtLookupCity")->setText("s");  // the longest list
  Settle();
  state.counters["private_without_MB"] = privateBefore;
  state.counters["private_with_window_MB"] = StatusMegabytes("RssAnon");
  state.counters["private_added_MB"] = StatusMegabytes("RssAnon") - privateBefore;
  state.counters["file_pages_added_MB"] = StatusMegabytes("RssFile") - filesBefore;
  window->unload();
}
BENCHMARK(FirstLookUp)->Iterations(1)->Unit(benchmark::kMillisecond);

// The male partner's look-up window as the form's button makes it, built and
// painted into an image without being shown: what a warm-up while the user
// types could do before the click.
astro::frmPlaceLookup* PaintedUnshown(TypedEntryForm& entry) {
  auto* window = new astro::frmPlaceLookup(zentara::Partner::Male, entry.form->Entries().Male,
                                           zentara::places::SharedAtlas(), entry.form);
  window->setWindowFlag(Qt::Dialog);
  (void)window->grab();
  return window;
}

// Must run first in its process: the first look-up after such a warm-up (a
// window painted unshown and thrown away, so that its fonts, the atlas and
// the toolkit's code for the list are loaded), the click's share of it.
void FirstLookUpAfterWarmUp(benchmark::State& state) {
  TypedEntryForm entry;
  PaintedUnshown(entry)->unload();
  Settle();
  astro::frmPlaceLookup* window = nullptr;
  for (auto _ : state) window = entry.OpenLookUp();
  window->unload();
}
BENCHMARK(FirstLookUpAfterWarmUp)->Iterations(1)->Unit(benchmark::kMillisecond);

// Must run first in its process: the floor of any warm-up that leaves the
// window's showing to the click, the look-up window built, filled and painted
// unshown beforehand and only shown for the first time. Most of its page
// faults are the window's 2 MB backing store, fresh memory the system clears.
void FirstShowOfAPaintedWindow(benchmark::State& state) {
  TypedEntryForm entry;
  astro::frmPlaceLookup* window = PaintedUnshown(entry);
  Settle();
  const long faultsBefore = PageFaults();
  for (auto _ : state) {
    entry.fake.showModal(window);
    Settle();
  }
  state.counters["page_faults"] = static_cast<double>(PageFaults() - faultsBefore);
  window->unload();
}
BENCHMARK(FirstShowOfAPaintedWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

// The toolkit's floor under the first look-up: a window of Qt's own controls
// as the look-up window has them (the bold heading, the birth time, the three
// boxes, the list with its nine headings and the one place found, the notes,
// the buttons), at its size, made and shown from the same entry form, without
// the atlas, the search, the offsets or the columns sized to their texts.
QMainWindow* BareLookUpWindow(QWidget* entryForm) {
  auto* window = new QMainWindow(entryForm);
  auto* central = new QWidget(window);
  auto* layout = new QVBoxLayout(central);
  auto* heading = new QLabel(QStringLiteral("Find the Place of Birth: Male"), central);
  QFont headingFont = heading->font();
  headingFont.setBold(true);
  headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
  heading->setFont(headingFont);
  layout->addWidget(heading);
  const auto wrapping = [&](const QString& text) {
    auto* label = new QLabel(text, central);
    label->setWordWrap(true);
    layout->addWidget(label);
  };
  wrapping(QStringLiteral("Offsets at 12:00 on 1 January 1975, the birth time"));
  auto* boxes = new QGridLayout();
  const std::pair<const char*, const char*> rows[] = {{"City:", "Delhi"}, {"State:", "Delhi"}, {"Country:", "India"}};
  for (int column = 0; column < 3; ++column) {
    boxes->addWidget(new QLabel(QString::fromLatin1(rows[column].first), central), 0, 2 * column);
    boxes->addWidget(new QLineEdit(QString::fromLatin1(rows[column].second), central), 0, 2 * column + 1);
  }
  layout->addLayout(boxes);
  auto* list = new QTreeWidget(central);
  list->setHeaderLabels({"Place", "State", "Country", "Latitude", "Longitude", "Time zone", "Offset at birth",
                         "Daylight saving", "Clock change"});
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->addTopLevelItem(new QTreeWidgetItem(
      QStringList{"Delhi", "Delhi", "India", "28N39", "77E14", "Asia/Kolkata", "+5:30", "no", ""}));
  list->setCurrentItem(list->topLevelItem(0));
  layout->addWidget(list, 1);
  wrapping(QStringLiteral("1 place found."));
  wrapping(QStringLiteral("Fill In takes Delhi, Delhi, India."));
  layout->addWidget(new QLabel(QStringLiteral("Places: GeoNames (geonames.org), CC BY 4.0"), central));
  auto* commands = new QHBoxLayout();
  commands->addWidget(new QPushButton(QStringLiteral("Search the &Web"), central));
  commands->addStretch();
  commands->addWidget(new QPushButton(QStringLiteral("&Fill In"), central));
  commands->addWidget(new QPushButton(QStringLiteral("&Close"), central));
  layout->addLayout(commands);
  window->setCentralWidget(central);
  window->resize(960, 520);
  return window;
}

// Must run first in its process, in turns with FirstLookUp: the bare window's
// first showing, the baseline of the first look-up's.
void FirstBareWindow(benchmark::State& state) {
  TypedEntryForm entry;
  QMainWindow* window = nullptr;
  for (auto _ : state) {
    window = BareLookUpWindow(entry.form);
    window->show();
    Settle();
  }
  delete window;
}
BENCHMARK(FirstBareWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

// A look-up after the first, the atlas open: the window's own share of the
// first look-up's time (made, filled and shown), against which that of
// opening the atlas and the zone files shows.
void LookUpAgain(benchmark::State& state) {
  TypedEntryForm entry;
  for (auto _ : state) {
    astro::frmPlaceLookup* window = entry.OpenLookUp();
    state.PauseTiming();
    window->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(LookUpAgain)->Unit(benchmark::kMillisecond);

// One keystroke: the city box's text changes and the list is filled again, the
// offsets at the birth time included. The box runs through `texts` in turn.
void Keystroke(benchmark::State& state, QStringList texts) {
  TypedEntryForm entry;
  astro::frmPlaceLookup* window = entry.OpenLookUp();
  auto* city = window->findChild<QLineEdit*>("txtLookupCity");
  qsizetype next = 0;
  for (auto _ : state) {
    city->setText(texts[next]);
    next = (next + 1) % texts.size();
  }
  window->unload();
}
// "S", "Sp", ... "Springfield", as typed.
BENCHMARK_CAPTURE(Keystroke, springfield,
                  QStringList{"S", "Sp", "Spr", "Spri", "Sprin", "Spring", "Springf", "Springfi", "Springfie",
                              "Springfiel", "Springfield"})
    ->Unit(benchmark::kMicrosecond);
// One letter, the most places to pass over, and a full list of 50 each time.
BENCHMARK_CAPTURE(Keystroke, one_letter, QStringList{"s", "S"})->Unit(benchmark::kMicrosecond);

}  // namespace
