// The astro report on paper: Print's image of the form and the first page of
// the PDF file. Both show the report whole, whatever part of it the frame
// shows, without its scroll bar, and sharp when printed.
#pragma once
#include <QImage>
#include <QRect>

class QPainter;
class QWidget;

namespace astro {

// `page` (frmReport::Page) as an image of PaperScale pixels to each of its
// own: at least 300 dots per inch on a common paper.
QImage ReportPrintImage(QWidget* page);

// `page` drawn as the screen draws it, in lines and text rather than pixels,
// as large as `area` holds it in its own proportions, at its top left.
void PaintReportPage(QPainter& painter, QWidget* page, const QRect& area);

}  // namespace astro
