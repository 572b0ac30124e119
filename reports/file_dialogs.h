// The program's file dialogs, each opening in the folder last used for its
// kind of file: the settings store keeps that folder (section "Folders", a
// value a kind), written when the user has chosen a file.
#pragma once
#include "platform/platform.h"

namespace reports {

enum class FileKind {
  People,     // the book's CSV files, imported and exported
  Pictures,   // the chart wheel saved as a picture
  Documents,  // PDF exports
  Readings,   // saved readings (.kvz), saved and opened
};

// platform::current()'s dialogs with `request.folder` set to the kind's
// folder; the folder of the file chosen becomes the kind's folder.
QString AskOpenFileName(QWidget* owner, FileKind kind, platform::FileDialogRequest request);
QString AskSaveFileName(QWidget* owner, FileKind kind, platform::FileDialogRequest request);
platform::SaveChoice AskSaveFileChoice(QWidget* owner, FileKind kind, platform::FileDialogRequest request);

}  // namespace reports
