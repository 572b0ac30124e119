// The toolkit's floor for bench/startup.sh: one QMainWindow with a label,
// linked as zentara is, reporting when it is shown in the same way.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "shell/startup_report.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  shell::ReportFirstWindowShownWhenAsked(app);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("QM Zentara"));
  window.setCentralWidget(new QLabel(QStringLiteral("QM Zentara")));
  window.show();
  return app.exec();
}
