// The book of people at 100,000 people, offscreen against the scripted
// platform: the People window opened to its first screen of the list, one
// keystroke of its search, and a person ranked against everyone else. The book
// is made once, in the system's temporary folder, by the same import the
// command line and the window use.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "book/people_csv.h"
#include "book/ranking.h"
#include "people/desktop_book.h"
#include "people/frmPeople.h"
#include "platform/fake_platform.h"

namespace {

constexpr int kPeople = 100000;

// A varied birth for person `i`: dates over the years, times, zones and places.
std::string Row(int i) {
  char row[256];
  std::snprintf(row, sizeof row, "Given%d,Family%d,%04d-%02d-%02d,%02d:%02d,%d,%d,%dN%02d,%dW%02d,City%d,State,Country,note %d\n",
                i, i % 5000, 1901 + i % 150, 1 + i % 12, 1 + i % 28, i % 24, i % 60, i % 71, i % 2, i % 70, i % 60,
                i % 180, (i / 7) % 60, i % 900, i);
  return row;
}

// The book of kPeople people, made on first use.
const std::filesystem::path& BookPath() {
  static const std::filesystem::path path = [] {
    const auto made = std::filesystem::temp_directory_path() / ("zentara-bench-people-" + std::to_string(getpid()) + ".sqlite");
    const auto csv = made.string() + ".csv";
    {
      std::ofstream out(csv);
      out << "first,last,date,time,zone,dst,lat,lon,city,state,country,note\n";
      for (int i = 0; i < kPeople; ++i) out << Row(i);
    }
    std::string error;
    auto book = zentara::book::Book::Open(made, error);
    std::FILE* input = std::fopen(csv.c_str(), "r");
    zentara::book::ImportPeople(*book, fileno(input));
    std::fclose(input);
    std::filesystem::remove(csv);
    qputenv("ZENTARA_BOOK", QByteArray::fromStdString(made.string()));
    static char madeFile[4096];
    std::snprintf(madeFile, sizeof madeFile, "%s", made.c_str());
    std::atexit([] {
      for (const char* end : {"", "-wal", "-shm"}) std::remove((std::string(madeFile) + end).c_str());
    });
    return made;
  }();
  return path;
}

void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void PeopleWindowOpen(benchmark::State& state) {
  BookPath();
  platform::FakePlatform fake;
  platform::install(&fake);
  for (auto _ : state) {
    people::CloseBook();  // the file opened and read as the first window of a run does
    auto* window = new people::frmPeople(people::PeopleMode::Manage);
    fake.showModeless(window);
    window->repaint();  // the first screen of the list drawn
    state.PauseTiming();
    window->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  platform::install(nullptr);
}
BENCHMARK(PeopleWindowOpen)->Unit(benchmark::kMillisecond);

// One keystroke of the search, through `texts` in turn, to the list drawn again.
void SearchKeystroke(benchmark::State& state, QStringList texts) {
  BookPath();
  platform::FakePlatform fake;
  platform::install(&fake);
  auto* window = new people::frmPeople(people::PeopleMode::Manage);
  fake.showModeless(window);
  Settle();
  auto* search = window->findChild<QLineEdit*>("txtSearch");
  qsizetype next = 0;
  for (auto _ : state) {
    search->setText(texts[next++ % texts.size()]);
    window->repaint();
  }
  window->unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  platform::install(nullptr);
}
BENCHMARK_CAPTURE(SearchKeystroke, typing_a_name, QStringList{"f", "fa", "fam", "fami", "famil", "family", "family1",
                                                              "family12", "family123"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchKeystroke, one_letter, QStringList{"c", "y"})->Unit(benchmark::kMillisecond);

// One person ranked against everyone else: every partner named, as the Best
// Matches window lists them (0), or the best ten alone, as people rank --top 10.
void RankOneAgainstAll(benchmark::State& state) {
  std::string error;
  auto book = zentara::book::Book::Open(BookPath(), error);
  const auto top = static_cast<std::size_t>(state.range(0));
  std::size_t ranked = 0;
  for (auto _ : state) {
    std::string problem;
    const auto ranking = zentara::book::RankPartners(*book, 1, problem, top);
    ranked = ranking ? ranking->ranked.size() : 0;
  }
  state.counters["ranked"] = static_cast<double>(ranked);
  state.counters["file_bytes_per_person"] =
      static_cast<double>(std::filesystem::file_size(BookPath())) / static_cast<double>(kPeople);
}
BENCHMARK(RankOneAgainstAll)->Arg(0)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
