// The report frame's files: the chart wheel as an SVG or PNG picture, and the
// report with the wheel, the aspect grid, the houses and the charts of the
// relationship as a PDF document.
#pragma once
#include <string>
#include <vector>

#include "astro/match/chart_wheel.h"
#include "astro/match/house_tables.h"
#include "astro/match/relationship_charts.h"

class QIODevice;
class QWidget;

namespace astro {

// The save dialog offers "SVG Picture (*.svg)" and "PNG Picture (*.png)"; the
// entry chosen decides the kind, and a name typed without extension gets its
// extension. The SVG is the one zentara-cli match --svg writes for the couple;
// the PNG is the same wheel drawn by QPainter, as many pixels square as the SVG.
// `wheel` is the wheel as a window shows it. The dialog opens in the folder
// of the last picture, suggesting `name` (reports/file_names.h: the couple's,
// without extension, which the type chosen gives).
void SaveChartPicture(QWidget* owner, const zentara::ChartWheel& wheel, const std::string& name);

// What the report's PDF file holds: the report page (frmReport::Page), the
// wheel, the lines over the wheel (both partners' births) and the houses.
struct ReportPdf {
  QWidget* report;
  zentara::ChartWheel wheel;
  std::vector<std::string> wheelHeading;
  zentara::CoupleHouseTables houses;
  // The charts of the relationship, a page each, with their wheels.
  std::vector<std::pair<zentara::RelationshipChart, zentara::ChartWheel>> relationships;
};

// Page 1: the report as large as the page holds it in its own proportions,
// drawn in lines and text (PaintReportPage); page 2: the heading over the
// wheel, as large as the rest of the page allows; page 3: the grid of the
// wheel's aspects, the tightest five in words, the key to the colours and the
// equinox of the positions; page 4: the houses' tables (PaintHouseTables);
// then a page for each chart of the relationship (PaintRelationshipPage).
// A4. False when the pages could not be painted.
bool WriteReportPdf(QIODevice& device, const ReportPdf& pdf);

// Asks for a PDF file name, suggesting `name` in the folder of the last PDF
// file, and writes WriteReportPdf to it.
void ExportReportPdf(QWidget* owner, const ReportPdf& pdf, const std::string& name);

}  // namespace astro
