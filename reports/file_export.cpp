#include "reports/file_export.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextEdit>

#include "platform/document_pages.h"
#include "common/file_bytes.h"
#include "reports/file_dialogs.h"
#include "reports/file_names.h"
#include "reports/report_box.h"
#include "reports/saved_reading.h"
#include "reports/saved_reading_entries.h"
#include "common/application_title.h"
#include "platform/qt_text.h"

namespace reports {

bool WriteFileSafely(QWidget* owner, const QString& path, const FileWriter& write) {
  // Made whole in memory first, then written in one piece through the one
  // routine every saved file goes through.
  QBuffer contents;
  contents.open(QIODevice::WriteOnly);
  QString reason;
  if (!write(contents)) {
    reason = QCoreApplication::translate("FileExport", "its contents could not be made");
  } else if (const auto failure = ReplaceFileBytes(path, contents.data())) {
    reason = *failure;
  } else {
    return true;
  }
  platform::current().showMessage(
      owner, QCoreApplication::translate("FileExport", "Could not save %1: %2").arg(QDir::toNativeSeparators(path), reason),
      platform::Icon::Critical, platform::Buttons::Ok);
  return false;
}

std::optional<QString> ReplaceFileBytes(const QString& path, const QByteArray& bytes) {
  const auto failure = zentara::ReplaceFileContents(QFile::encodeName(path).toStdString(),
                                                    std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!failure) return std::nullopt;
  return QString::fromLocal8Bit(failure->data(), static_cast<qsizetype>(failure->size()));
}

platform::FileDialogRequest PdfExportRequest(const QString& title, const QString& name) {
  return {
      QCoreApplication::translate("FileExport", "PDF Document (*.pdf)|*.pdf"),
      QStringLiteral("pdf"),
      platform::FileFlags::OverwritePrompt | platform::FileFlags::HideReadOnly |
          platform::FileFlags::PathMustExist | platform::FileFlags::NoReadOnlyReturn,
      title,
      name,
  };
}

void WriteDocumentPdf(const QTextDocument& document, QIODevice& device) {
  QPdfWriter writer(&device);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setCreator(platform::ToQt(zentara::ApplicationTitle));
  platform::PrintDocumentPages(document, writer);
}

void ExportPdf(QWidget* owner, const QString& title, const QString& name, const FileWriter& write) {
  const QString chosen = AskSaveFileName(owner, FileKind::Documents, PdfExportRequest(title, name));
  if (chosen.isEmpty()) return;
  WriteFileSafely(owner, platform::ToQt(zentara::WithDefaultExtension(platform::ToStd(chosen), "pdf")), write);
}

void ExportReadingPdf(QWidget* owner, QTextEdit* box) {
  const zentara::NumerologyEntries& partners = modNumerologyComaptibility::SavedReadingEntries;
  const QString name = platform::ToQt(zentara::CoupleFileName(partners.maleFirst, partners.femaleFirst, "Reading", "pdf"));
  ExportPdf(owner, QCoreApplication::translate("FileExport", "Export as PDF"), name, [box](QIODevice& device) {
    WriteDocumentPdf(*PaperCopy(*box), device);
    return true;
  });
}

}  // namespace reports
