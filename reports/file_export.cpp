#include "reports/file_export.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextEdit>

#include "reports/saved_reading.h"
#include "shell/application_title.h"
#include "shell/qt_text.h"

namespace reports {

bool WriteFileSafely(QWidget* owner, const QString& path, const FileWriter& write) {
  // Made whole in memory first, then written in one piece.
  QBuffer contents;
  contents.open(QIODevice::WriteOnly);
  QString reason;
  if (!write(contents)) {
    reason = QStringLiteral("its contents could not be made");
  } else {
    const QByteArray& bytes = contents.data();
    QSaveFile file(path);
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
      // QSaveFile would put a plain file in place of a device or a pipe.
      reason = QStringLiteral("it is not a regular file");
    } else if (!file.open(QIODevice::WriteOnly)) {
      reason = file.errorString();
    } else if (file.write(bytes) != bytes.size() || !file.flush()) {
      // QSaveFile would commit a file that a short write or a failed flush
      // (a full disk) cut short, so both are checked before committing.
      reason = file.error() != QFileDevice::NoError ? file.errorString()
                                                    : QStringLiteral("not all of it could be written");
      file.cancelWriting();  // the temporary file goes with `file`
    } else if (!file.commit()) {
      reason = file.errorString();
    } else {
      return true;
    }
  }
  platform::current().showMessage(
      owner, QStringLiteral("Could not save %1: %2").arg(QDir::toNativeSeparators(path), reason),
      platform::Icon::Critical, platform::Buttons::Ok);
  return false;
}

platform::FileDialogRequest PdfExportRequest(const QString& title) {
  return {
      QStringLiteral("PDF Document (*.pdf)|*.pdf"),
      QStringLiteral("pdf"),
      platform::FileFlags::OverwritePrompt | platform::FileFlags::HideReadOnly |
          platform::FileFlags::PathMustExist | platform::FileFlags::NoReadOnlyReturn,
      title,
      QString(),
  };
}

void WriteDocumentPdf(const QTextDocument& document, QIODevice& device) {
  QPdfWriter writer(&device);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setCreator(shell::ToQt(zentara::ApplicationTitle));
  document.print(&writer);
}

void ExportReadingPdf(QWidget* owner, QTextEdit* box) {
  const QString chosen = platform::current().saveFileName(owner, PdfExportRequest(QStringLiteral("Export as PDF")));
  if (chosen.isEmpty()) return;
  const QString path = shell::ToQt(zentara::WithDefaultExtension(shell::ToStd(chosen), "pdf"));
  WriteFileSafely(owner, path, [box](QIODevice& device) {
    WriteDocumentPdf(*box->document(), device);
    return true;
  });
}

}  // namespace reports
