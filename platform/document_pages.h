// Laying a text document out on the pages of a printer or a PDF file, the one
// way readings are printed and exported.
#pragma once
#include <QAbstractTextDocumentLayout>
#include <QMarginsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QTextDocument>
#include <memory>

namespace platform {

// Prints `document` on `device`, one page after another, with margins of 2 cm
// and nothing but the document on them. QTextDocument::print numbers the pages
// at their foot when the document has no page size of its own; a copy laid out
// at the device's page size is printed instead, so no number is added.
inline void PrintDocumentPages(const QTextDocument& document, QPagedPaintDevice& device) {
  constexpr double MarginMillimetres = 20;
  device.setPageMargins(QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
                        QPageLayout::Millimeter);
  const std::unique_ptr<QTextDocument> pages(document.clone());
  pages->documentLayout()->setPaintDevice(&device);
  pages->setPageSize(QSizeF(device.width(), device.height()));
  pages->print(&device);
}

}  // namespace platform
