#include "platform/fake_platform.h"

#include "platform/document_pages.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QWidget>

namespace platform {

Answer FakePlatform::showMessage(QWidget*, const QString& text, Icon icon, Buttons buttons) {
  calls << QStringLiteral("message");
  messages.append({text, icon, buttons, {}});
  if (buttons == Buttons::Ok) return Answer::Ok;
  if (answers.empty()) return Answer::No;
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

int FakePlatform::askChoice(QWidget*, const QString& text, Icon icon, const QStringList& choices) {
  calls << QStringLiteral("message");
  messages.append({text, icon, Buttons::Ok, choices});
  const int last = static_cast<int>(choices.size()) - 1;
  if (choicesTaken.empty()) return last;
  const int chosen = choicesTaken.front();
  choicesTaken.pop_front();
  return chosen >= 0 && chosen <= last ? chosen : last;
}

QString FakePlatform::fileDialog(bool save, const FileDialogRequest& request) {
  calls << (save ? QStringLiteral("saveFile") : QStringLiteral("openFile"));
  fileDialogs.append({save, request});
  if (fileNames.empty()) return {};
  const QString name = fileNames.front();
  fileNames.pop_front();
  return name;
}

QString FakePlatform::openFileName(QWidget*, const FileDialogRequest& request) {
  return fileDialog(false, request);
}

QString FakePlatform::saveFileName(QWidget*, const FileDialogRequest& request) {
  return fileDialog(true, request);
}

SaveChoice FakePlatform::saveFileChoice(QWidget*, const FileDialogRequest& request) {
  SaveChoice choice{fileDialog(true, request), 0};
  if (!chosenFilters.empty()) {
    choice.filterIndex = chosenFilters.front();
    chosenFilters.pop_front();
  }
  return choice;
}

void FakePlatform::showModeless(QWidget* form) {
  calls << QStringLiteral("showModeless");
  modelessShown.append(form);
  form->show();
}

void FakePlatform::showModal(QWidget* form) {
  // Shown modal, blocking the other windows as the desktop's does, but not
  // waited for: the test plays the user and closes it.
  calls << QStringLiteral("showModal");
  modalShown.append(form);
  form->setWindowModality(Qt::ApplicationModal);
  form->show();
}

void FakePlatform::setFocus(QWidget* control) {
  calls << QStringLiteral("focus");
  focused = control;
  control->setFocus(Qt::OtherFocusReason);
}

void FakePlatform::formLoaded(QWidget* form) { forms_.add(form); }

void FakePlatform::formUnloaded(QWidget* form) { forms_.remove(form); }

QList<QWidget*> FakePlatform::openForms() const { return forms_.open(); }

bool FakePlatform::anotherCopyRunning() { return anotherCopy; }

QString FakePlatform::applicationName() const { return storedApplicationName; }

QString FakePlatform::readSetting(const QString& application, const QString& section,
                                  const QString& name) {
  calls << QStringLiteral("readSetting");
  return settings.value(settingKey(application, section, name));
}

void FakePlatform::writeSetting(const QString& application, const QString& section,
                                const QString& name, const QString& value) {
  calls << QStringLiteral("writeSetting");
  settings.insert(settingKey(application, section, name), value);
}

void FakePlatform::openAddress(const QString& address) {
  calls << QStringLiteral("openAddress");
  openedAddresses << address;
}

namespace {

// Records its one call on the platform that made it.
class RecordedWebLookup final : public WebLookup {
 public:
  explicit RecordedWebLookup(FakePlatform& platform) : platform_(platform) {}
  bool lookUp(const QString& searchText, const QString& pageAddress) override {
    platform_.calls << QStringLiteral("webLookup");
    platform_.webLookups.append({searchText, pageAddress});
    return platform_.browserAvailable;
  }

 private:
  FakePlatform& platform_;
};

}  // namespace

std::unique_ptr<WebLookup> FakePlatform::newWebLookup() {
  calls << QStringLiteral("newWebLookup");
  ++webLookupsMade;
  return std::make_unique<RecordedWebLookup>(*this);
}

bool FakePlatform::printDocument(const QTextDocument& document) {
  calls << QStringLiteral("printDocument");
  if (!printerAvailable) return false;
  printedDocuments << document.toPlainText();
  // Printed for real, into a PDF file in memory, whose page objects are counted.
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    PrintDocumentPages(document, writer);
  }
  static const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
  printedPageCounts << static_cast<int>(QString::fromLatin1(pdf.data()).count(pageObject));
  printedPdfs << pdf.data();
  return true;
}

bool FakePlatform::printImage(const QImage& image) {
  calls << QStringLiteral("printImage");
  if (!printerAvailable) return false;
  printedImages << image;
  return true;
}

void FakePlatform::clearClipboard() {
  calls << QStringLiteral("clearClipboard");
  ++clipboardClears;
}

QDate FakePlatform::today() const { return todayDate; }

QString FakePlatform::shortDateText(const QDate& date) const {
  return date.toString(QStringLiteral("M/d/yyyy"));
}

std::optional<QDate> FakePlatform::readShortDate(const QString& text) const {
  const QDate date = QDate::fromString(text, QStringLiteral("M/d/yyyy"));
  if (!date.isValid()) return std::nullopt;
  return date;
}

void FakePlatform::endProcess() {
  calls << QStringLiteral("endProcess");
  ++processEnds;
}

}  // namespace platform
