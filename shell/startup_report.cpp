#include "shell/startup_report.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "shell/first_window_shown.h"

namespace shell {

void ReportFirstWindowShownWhenAsked(QApplication& app) {
  const char* asked = std::getenv("ZENTARA_REPORT_SHOWN");
  if (asked == nullptr || *asked == '\0') return;
  AfterFirstWindowShown(app, [] {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    const auto micro = std::chrono::duration_cast<std::chrono::microseconds>(since).count();
    std::fprintf(stderr, "shown %lld.%06lld\n", static_cast<long long>(micro / 1000000),
                 static_cast<long long>(micro % 1000000));
    std::fflush(stderr);
  });
}

}  // namespace shell
