#include "reports/file_dialogs.h"

#include <QFileInfo>

namespace reports {
namespace {

const QString kSection = QStringLiteral("Folders");

QString SettingName(FileKind kind) {
  switch (kind) {
    case FileKind::People: return QStringLiteral("People");
    case FileKind::Pictures: return QStringLiteral("Pictures");
    case FileKind::Documents: return QStringLiteral("Documents");
    case FileKind::Readings: break;
  }
  return QStringLiteral("Readings");
}

QString FolderOf(FileKind kind) {
  auto& desktop = platform::current();
  return desktop.readSetting(desktop.applicationName(), kSection, SettingName(kind));
}

// The folder of the file chosen, kept for the kind; nothing when the user cancelled.
void Remember(FileKind kind, const QString& chosen) {
  if (chosen.isEmpty()) return;
  auto& desktop = platform::current();
  desktop.writeSetting(desktop.applicationName(), kSection, SettingName(kind), QFileInfo(chosen).absolutePath());
}

}  // namespace

QString AskOpenFileName(QWidget* owner, FileKind kind, platform::FileDialogRequest request) {
  request.folder = FolderOf(kind);
  const QString chosen = platform::current().openFileName(owner, request);
  Remember(kind, chosen);
  return chosen;
}

QString AskSaveFileName(QWidget* owner, FileKind kind, platform::FileDialogRequest request) {
  request.folder = FolderOf(kind);
  const QString chosen = platform::current().saveFileName(owner, request);
  Remember(kind, chosen);
  return chosen;
}

platform::SaveChoice AskSaveFileChoice(QWidget* owner, FileKind kind, platform::FileDialogRequest request) {
  request.folder = FolderOf(kind);
  const platform::SaveChoice chosen = platform::current().saveFileChoice(owner, request);
  Remember(kind, chosen.path);
  return chosen;
}

}  // namespace reports
