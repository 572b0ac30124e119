#include "astro/match/report_paper.h"

#include <QPainter>
#include <QWidget>

#include "astro/match/report_layout.h"

namespace astro {

QImage ReportPrintImage(QWidget* page) {
  const qreal scale = zentara::PaperScale(page->width(), page->height());
  QImage image((QSizeF(page->size()) * scale).toSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(scale, scale);
  page->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  return image;
}

void PaintReportPage(QPainter& painter, QWidget* page, const QRect& area) {
  QSizeF size = page->size();
  size.scale(area.size(), Qt::KeepAspectRatio);
  const qreal scale = size.width() / page->width();
  painter.save();
  painter.translate(area.topLeft());
  painter.scale(scale, scale);
  page->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  painter.restore();
}

}  // namespace astro
