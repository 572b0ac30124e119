// Files the windows save (readings, PDF documents, pictures): made in memory,
// then written through zentara::ReplaceFileContents (common/file_bytes.h),
// which replaces the target only once the new file is complete, so a failed
// save never leaves a cut file nor destroys the one it would replace.
#pragma once
#include <QString>
#include <functional>
#include <optional>

#include "platform/platform.h"

class QByteArray;
class QIODevice;
class QTextDocument;
class QTextEdit;
class QWidget;

namespace reports {

// Fills the open device; false when it could not.
using FileWriter = std::function<bool(QIODevice& device)>;

// Writes `path` with `write`. When that or the file fails, shows "Could not
// save PATH: REASON" (critical icon) and leaves an earlier file as it was. A
// folder, device or pipe at `path` is refused.
// Returns whether the file was written.
bool WriteFileSafely(QWidget* owner, const QString& path, const FileWriter& write);

// Replaces `path` with `bytes` as zentara::ReplaceFileContents does, for a
// caller that shows no message: nothing on success, else the reason.
std::optional<QString> ReplaceFileBytes(const QString& path, const QByteArray& bytes);

// The save dialog of a PDF export: "PDF Document (*.pdf)", extension "pdf",
// with the overwrite prompt; `title` is the dialog's caption, `name` the file
// name it suggests.
platform::FileDialogRequest PdfExportRequest(const QString& title, const QString& name);

// Asks for a PDF file name with the dialog `title`, suggesting `name` in the
// folder of the last PDF file, adds ".pdf" to a name typed without extension
// and writes the file with `write` (WriteFileSafely). Nothing happens when
// the user cancels.
void ExportPdf(QWidget* owner, const QString& title, const QString& name, const FileWriter& write);

// The document laid out and paginated on A4 pages as Print lays it out, as a
// PDF file on the open `device` (a failed write shows on the device).
void WriteDocumentPdf(const QTextDocument& document, QIODevice& device);

// Asks for a file name, suggesting the partners' first names ("Daniel and
// Sophie.pdf") in the folder of the last PDF file, and writes the whole
// reading of `box` to it as PDF. Nothing happens when the user cancels.
void ExportReadingPdf(QWidget* owner, QTextEdit* box);

}  // namespace reports
