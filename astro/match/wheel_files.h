// The report frame's files: the chart wheel as an SVG or PNG picture, and the
// report with the wheel and the aspect grid as a three-page PDF document.
#pragma once
#include <QImage>

#include "astro/match/chart_wheel.h"

class QIODevice;
class QWidget;

namespace astro {

// The save dialog offers "SVG Picture (*.svg)" and "PNG Picture (*.png)"; the
// entry chosen decides the kind, and a name typed without extension gets its
// extension. The SVG is the one zentara-cli match --svg writes for the couple;
// the PNG is the same wheel drawn by QPainter, as many pixels square as the SVG.
// `options` are the wheel's orbs and equinox.
void SaveChartPicture(QWidget* owner, const zentara::ChartPositions& male, const zentara::ChartPositions& female,
                      const zentara::WheelOptions& options);

// Page 1: `report` scaled to the page in its own proportions (the image Print
// sends); page 2: the wheel as large as the page's width allows; page 3: the
// grid of the wheel's aspects, the tightest five in words, the key to the
// colours and the equinox of the positions. A4. False when the pages could not
// be painted.
bool WriteReportPdf(QIODevice& device, const QImage& report, const zentara::ChartWheel& wheel);

// Asks for a PDF file name and writes WriteReportPdf to it.
void ExportReportPdf(QWidget* owner, const QImage& report, const zentara::ChartWheel& wheel);

}  // namespace astro
