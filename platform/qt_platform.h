// The platform as the desktop program uses it: Qt's dialogs, QSettings, a lock
// file for the single-copy test, QDesktopServices (web pages and the place
// look-up's web search) and the default printer.
#pragma once
#include <QLockFile>
#include <QPointer>
#include <memory>

#include "platform/form_list.h"
#include "platform/platform.h"

namespace platform {

class QtPlatform final : public Platform {
 public:
  // `instanceName` names the single-copy lock; by default the executable's name.
  explicit QtPlatform(QString instanceName = {});
  ~QtPlatform() override;

  Answer showMessage(QWidget* owner, const QString& text, Icon icon, Buttons buttons) override;
  int askChoice(QWidget* owner, const QString& text, Icon icon, const QStringList& choices) override;
  QString openFileName(QWidget* owner, const FileDialogRequest& request) override;
  QString saveFileName(QWidget* owner, const FileDialogRequest& request) override;
  SaveChoice saveFileChoice(QWidget* owner, const FileDialogRequest& request) override;
  void showModeless(QWidget* form) override;
  void showModal(QWidget* form) override;
  void setFocus(QWidget* control) override;
  void formLoaded(QWidget* form) override;
  void formUnloaded(QWidget* form) override;
  QList<QWidget*> openForms() const override;
  bool anotherCopyRunning() override;
  QString applicationName() const override;
  QString readSetting(const QString& application, const QString& section,
                      const QString& name) override;
  void writeSetting(const QString& application, const QString& section, const QString& name,
                    const QString& value) override;
  void openAddress(const QString& address) override;
  std::unique_ptr<WebLookup> newWebLookup() override;
  bool printDocument(const QTextDocument& document) override;
  bool printImage(const QImage& image) override;
  void clearClipboard() override;
  QDate today() const override;
  QString shortDateText(const QDate& date) const override;
  std::optional<QDate> readShortDate(const QString& text) const override;
  void endProcess() override;

 private:
  QString instanceName_;
  std::unique_ptr<QLockFile> instanceLock_;
  FormList forms_;
};

// Whether a window system can be reached at all. On a machine without one, the
// program says so plainly instead of failing inside Qt.
bool DisplayAvailable();

}  // namespace platform
