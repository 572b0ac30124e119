// For timing the start of the program (bench/startup.sh): with the environment
// variable ZENTARA_REPORT_SHOWN set, the moment the first window has been
// exposed and painted is written once on stderr as "shown SECONDS" (wall
// clock, seconds since 1970 with microseconds). Without it nothing is done.
#pragma once

class QApplication;

namespace shell {

void ReportFirstWindowShownWhenAsked(QApplication& app);

}  // namespace shell
