// The scripted platform of the tests. It records every call in order and answers
// from a script, so a test never blocks on a modal dialog and never reaches the
// real settings, browser, clipboard or printer.
#pragma once
#include <QImage>
#include <QMap>
#include <QPointer>
#include <QStringList>
#include <deque>

#include "platform/form_list.h"
#include "platform/platform.h"

namespace platform {

class FakePlatform : public Platform {
 public:
  struct Message {
    QString text;
    Icon icon;
    Buttons buttons;
    QStringList choices;  // the buttons of askChoice; empty for showMessage
  };
  struct WebLookupCall {
    QString searchText;
    QString pageAddress;
  };
  struct FileDialogCall {
    bool save;
    FileDialogRequest request;
  };

  // --- script -------------------------------------------------------------
  // Answers for Yes/No boxes, taken in order; when none is left the answer is No.
  std::deque<Answer> answers;
  // The choice taken in each askChoice box, in order; when none is left, the last.
  std::deque<int> choicesTaken;
  // File names the dialogs return, in order; when none is left they cancel.
  std::deque<QString> fileNames;
  // The filter entry each save dialog reports as chosen, in order; when none
  // is left, the first (0).
  std::deque<int> chosenFilters;
  bool anotherCopy = false;
  bool printerAvailable = true;  // without one, printing records nothing and fails
  bool browserAvailable = true;  // without one, a web look-up is recorded and fails
  QDate todayDate = QDate(2026, 12, 7);
  QString storedApplicationName = QStringLiteral("zentara");

  // --- record -------------------------------------------------------------
  QList<Message> messages;
  QList<FileDialogCall> fileDialogs;
  QStringList openedAddresses;
  int webLookupsMade = 0;
  QList<WebLookupCall> webLookups;
  QList<QPointer<QWidget>> modalShown;
  QList<QPointer<QWidget>> modelessShown;
  QPointer<QWidget> focused;
  QStringList printedDocuments;  // the plain text of each document printed
  // The pages each printed document filled, laid out on A4 as a PDF file.
  QList<int> printedPageCounts;
  QList<QByteArray> printedPdfs;  // each printed document as that PDF file
  QList<QImage> printedImages;
  int clipboardClears = 0;
  int processEnds = 0;
  // Settings by "application/section/name".
  QMap<QString, QString> settings;
  // Every call, in order, by kind: "message", "openFile", "saveFile", "showModal",
  // "showModeless", "focus", "readSetting", "writeSetting", "openAddress",
  // "newWebLookup", "webLookup", "printDocument", "printImage", "clearClipboard", "endProcess".
  QStringList calls;

  static QString settingKey(const QString& application, const QString& section,
                            const QString& name) {
    return application + u'/' + section + u'/' + name;
  }

  // --- the platform -------------------------------------------------------
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
  // The fake writes short dates as M/d/yyyy.
  QString shortDateText(const QDate& date) const override;
  std::optional<QDate> readShortDate(const QString& text) const override;
  void endProcess() override;

 private:
  QString fileDialog(bool save, const FileDialogRequest& request);
  FormList forms_;
};

}  // namespace platform
