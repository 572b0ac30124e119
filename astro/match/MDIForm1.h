// The astro report frame: a top bar with Print, Back and Exit over a
// multiple-document area that holds the report, frmReport, and beside it the
// chart wheel of both partners. The Window menu brings either forward; the File
// menu also saves the wheel as a picture and exports both as a PDF file.
#pragma once
#include <QPointer>

#include "shell/form.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;

namespace astro {

class frmReport;
class ChartWheelView;

class MDIForm1 : public shell::Form {
  Q_OBJECT

 public:
  // Takes the filled report as its child; the wheel shows the positions it shows.
  explicit MDIForm1(frmReport* report, QWidget* parent = nullptr);

  frmReport* report() const { return report_; }
  QMdiSubWindow* reportWindow() const { return reportWindow_; }
  QMdiArea* area() const { return area_; }
  ChartWheelView* wheel() const { return wheel_; }
  QMdiSubWindow* wheelWindow() const { return wheelWindow_; }

 public slots:
  // Centres the report in the frame's inner width, at the top, and shows it.
  void MDIForm_Activate();
  // Places the buttons from the frame's right edge and centres the heading.
  void MDIForm_Resize();
  void cmdPrint_Click();
  void cmdBack_Click();
  void cmdExit_Click();
  // The report on the first page and the wheel on the second, as a PDF file.
  void mnuExportPDF_Click();
  // The wheel as an SVG or PNG file.
  void mnuSavePicture_Click();
  // Bring the report or the wheel forward; a wheel out of view is moved into it.
  void mnuReport_Click();
  void mnuChartWheel_Click();

 protected:
  void closedByUser() override;
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaceWheel();

  QPointer<frmReport> report_;
  QMdiSubWindow* reportWindow_;
  ChartWheelView* wheel_;
  QMdiSubWindow* wheelWindow_;
  bool wheelPlaced_ = false;  // on the frame's first showing
  QMdiArea* area_;
  QWidget* picTop_;
  QLabel* lblHeading_;
  QPushButton *cmdPrint_, *cmdBack_, *cmdExit_;
};

}  // namespace astro
