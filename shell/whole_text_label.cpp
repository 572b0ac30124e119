#include "shell/whole_text_label.h"

#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace shell {
qreal LayOutWrapped(QTextLayout& layout, qreal width) {
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  qreal height = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    line.setPosition(QPointF(0, height));
    height += line.height();
  }
  layout.endLayout();
  return height;
}

WholeTextLabel::WholeTextLabel(QWidget* parent) : QLabel(parent) {
  QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
}

int WholeTextLabel::heightForWidth(int width) const {
  return heights_.heightFor(*this, width, [this](int asked) {
    const QMargins margins = contentsMargins();
    QTextLayout layout(text(), font(), this);
    const qreal lines = LayOutWrapped(layout, asked - margins.left() - margins.right());
    return qMax(fontMetrics().height(), static_cast<int>(std::ceil(lines))) + margins.top() + margins.bottom();
  });
}

QSize WholeTextLabel::sizeHint() const {
  const QMargins margins = contentsMargins();
  return QSize(fontMetrics().horizontalAdvance(text()), fontMetrics().height()).grownBy(margins);
}

QSize WholeTextLabel::minimumSizeHint() const {
  return QSize(fontMetrics().horizontalAdvance(QLatin1Char('M')), fontMetrics().height()).grownBy(contentsMargins());
}

void WholeTextLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = contentsRect();
  QTextLayout layout(text(), font(), this);
  LayOutWrapped(layout, area.width());
  painter.setPen(palette().color(foregroundRole()));
  layout.draw(&painter, area.topLeft());
}

}  // namespace shell
