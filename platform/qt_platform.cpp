#include "platform/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>
#include <QWidget>

#include "platform/document_pages.h"
#include "platform/shared_header_picture_model.h"
#include "common/application_title.h"
#include "platform/qt_text.h"
#include "site_config.h"
#include "common/short_date_text.h"
#include "web/web_search_address.h"

namespace platform {
namespace {

QString Title() { return QString::fromUtf8(zentara::ApplicationTitle.data(),
                                           static_cast<qsizetype>(zentara::ApplicationTitle.size())); }

// One entry of a request's filter: "Description|pattern".
struct FilterEntry {
  QString nameFilter;  // as Qt writes it: "Description (pattern)"
  QString extension;   // of the pattern "*.ext", or empty
};

// The entries of "Description|pattern|Description|pattern...".
QList<FilterEntry> FilterEntries(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QList<FilterEntry> entries;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    const QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
    FilterEntry entry;
    if (pattern.isEmpty() || description.contains(u'(' + pattern + u')')) {
      entry.nameFilter = description;
    } else {
      entry.nameFilter = description + QStringLiteral(" (") + pattern + u')';
    }
    if (pattern.startsWith(QLatin1String("*.")) && !pattern.contains(u';')) entry.extension = pattern.mid(2);
    entries << entry;
  }
  return entries;
}

// The folder asked for where it is one, else the user's documents folder, else
// their home folder; never merely the folder the program was started in.
QString StartingFolder(const QString& asked) {
  if (!asked.isEmpty() && QFileInfo(asked).isDir()) return asked;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

SaveChoice RunFileDialog(QWidget* owner, const FileDialogRequest& request, bool save) {
  QFileDialog dialog(owner, request.title);
  dialog.setProxyModel(new SharedHeaderPictureModel(&dialog));  // one header picture for every dialog
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QList<FilterEntry> entries = FilterEntries(request.filter);
  QStringList nameFilters;
  for (const FilterEntry& entry : entries) nameFilters << entry.nameFilter;
  dialog.setNameFilters(nameFilters);
  dialog.setDefaultSuffix(request.defaultExtension);
  // With several entries, a name typed without extension gets the chosen one's.
  if (entries.size() > 1) {
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, entries](const QString& chosen) {
      for (const FilterEntry& entry : entries) {
        if (entry.nameFilter == chosen && !entry.extension.isEmpty()) dialog.setDefaultSuffix(entry.extension);
      }
    });
  }
  dialog.setOption(QFileDialog::DontConfirmOverwrite,
                   (request.flags & FileFlags::OverwritePrompt) == 0);
  // Qt's dialog never offers a name in a folder that does not exist, and its
  // open dialog only existing files: PathMustExist and FileMustExist hold.
  if ((request.flags & FileFlags::FileMustExist) != 0) dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDirectory(StartingFolder(request.folder));
  if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
  for (;;) {
    if (dialog.exec() != QDialog::Accepted) return {};
    const QString chosen = dialog.selectedFiles().value(0);
    const QFileInfo file(chosen);
    if ((request.flags & FileFlags::NoReadOnlyReturn) != 0 && file.exists() && !file.isWritable()) {
      QMessageBox::warning(&dialog, Title(),
                           QStringLiteral("%1 is read-only. Choose another name.").arg(file.fileName()));
      continue;
    }
    return {chosen, static_cast<int>(qMax<qsizetype>(0, nameFilters.indexOf(dialog.selectedNameFilter())))};
  }
}

// Whether the lock QLockFile could not take is held by a copy of this program
// that is running: its file names a live process (QLockFile has already taken
// over one whose process ended or runs another program). A file it cannot read
// is a live copy's only while that copy may still be writing it, a moment after
// creating it; one older than that is damaged.
bool HeldByALiveCopy(QLockFile& lock, const QString& path) {
  constexpr qint64 LockWritingMilliseconds = 2000;
  const QFileInfo file(path);
  if (file.isDir()) return false;
  qint64 pid = 0;
  QString host, application;
  if (lock.getLockInfo(&pid, &host, &application) && pid > 0) return true;
  return file.lastModified().msecsTo(QDateTime::currentDateTime()) < LockWritingMilliseconds;
}

// Ends a nested event loop when the watched window is hidden or destroyed.
class CloseWatcher : public QObject {
 public:
  CloseWatcher(QWidget* window, QEventLoop* loop) : loop_(loop) {
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, loop, &QEventLoop::quit);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide) loop_->quit();
    return QObject::eventFilter(watched, event);
  }

 private:
  QEventLoop* loop_;
};

// Shows the place in the configured web search (PlaceSearchBaseAddress). The
// maker's page address is not needed for that.
class BrowserWebLookup final : public WebLookup {
 public:
  bool lookUp(const QString& searchText, const QString& /*pageAddress*/) override {
    const std::string address =
        zentara::PlaceSearchAddress(zentara::PlaceSearchBaseAddress, searchText.toStdString());
    return QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(address)));
  }
};

// The short date format of the locale in use: the system's, unless the program
// set another default.
zentara::ShortDatePattern ShortDatePattern() {
  return zentara::ReadShortDateFormat(platform::ToStd(QLocale().dateFormat(QLocale::ShortFormat)));
}

// What earlier versions wrote: the locale's own short date text with a
// four-digit year, month names and all.
std::optional<QDate> ReadLocaleShortDate(const QString& text) {
  QString format = QLocale().dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  const QDate date = QLocale().toDate(text.trimmed(), format);
  if (!date.isValid()) return std::nullopt;
  return date;
}

}  // namespace

QtPlatform::QtPlatform(QString instanceName) : instanceName_(std::move(instanceName)) {
  if (instanceName_.isEmpty()) instanceName_ = applicationName();
}

QtPlatform::~QtPlatform() = default;

Answer QtPlatform::showMessage(QWidget* owner, const QString& text, Icon icon, Buttons buttons) {
  QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                  Title(), QString(text).replace(u'\r', u'\n'),
                  buttons == Buttons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                  owner);
  const int pressed = box.exec();
  if (buttons == Buttons::Ok) return Answer::Ok;
  return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

int QtPlatform::askChoice(QWidget* owner, const QString& text, Icon icon, const QStringList& choices) {
  QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information, Title(),
                  QString(text).replace(u'\r', u'\n'), QMessageBox::NoButton, owner);
  QList<QAbstractButton*> buttons;
  for (int i = 0; i < choices.size(); ++i) {
    const bool last = i + 1 == choices.size();
    buttons.append(box.addButton(choices[i], last ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
  }
  if (!buttons.isEmpty()) {
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons.front()));
    box.setEscapeButton(buttons.back());
  }
  box.exec();
  const qsizetype chosen = buttons.indexOf(box.clickedButton());
  return chosen < 0 ? static_cast<int>(choices.size()) - 1 : static_cast<int>(chosen);
}

QString QtPlatform::openFileName(QWidget* owner, const FileDialogRequest& request) {
  return RunFileDialog(owner, request, false).path;
}

QString QtPlatform::saveFileName(QWidget* owner, const FileDialogRequest& request) {
  return RunFileDialog(owner, request, true).path;
}

SaveChoice QtPlatform::saveFileChoice(QWidget* owner, const FileDialogRequest& request) {
  return RunFileDialog(owner, request, true);
}

void QtPlatform::showModeless(QWidget* form) {
  form->show();
  form->raise();
  form->activateWindow();
}

void QtPlatform::showModal(QWidget* form) {
  QPointer<QWidget> guard(form);
  form->setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  CloseWatcher watcher(form, &loop);
  form->show();
  form->raise();
  form->activateWindow();
  if (guard && guard->isVisible()) loop.exec(QEventLoop::DialogExec);
  if (guard) guard->removeEventFilter(&watcher);
}

void QtPlatform::setFocus(QWidget* control) { control->setFocus(Qt::OtherFocusReason); }

void QtPlatform::formLoaded(QWidget* form) { forms_.add(form); }

void QtPlatform::formUnloaded(QWidget* form) { forms_.remove(form); }

QList<QWidget*> QtPlatform::openForms() const { return forms_.open(); }

bool QtPlatform::anotherCopyRunning() {
  if (instanceLock_) return false;  // this copy already holds the claim
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  const QString path = folder + u'/' + instanceName_ + QStringLiteral(".lock");
  auto lock = std::make_unique<QLockFile>(path);
  // Held for the whole run; a lock left by a copy that crashed is recognised by
  // its dead process and taken over.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) {
    if (lock->error() != QLockFile::LockFailedError) return false;  // no lock can be made: run unguarded
    if (HeldByALiveCopy(*lock, path)) return true;
    // Anything else at the lock's place keeps nobody out: a lock file whose
    // content names no live copy (empty, damaged) or a folder is taken over.
    if (QFileInfo(path).isDir()) {
      QDir(path).removeRecursively();
    } else {
      lock->removeStaleLockFile();
      QFile::remove(path);
    }
    if (!lock->tryLock(0)) return lock->error() == QLockFile::LockFailedError;
  }
  instanceLock_ = std::move(lock);
  return false;
}

QString QtPlatform::applicationName() const {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString QtPlatform::readSetting(const QString& application, const QString& section,
                                const QString& name) {
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
  return settings.value(section + u'/' + name).toString();
}

void QtPlatform::writeSetting(const QString& application, const QString& section,
                              const QString& name, const QString& value) {
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
  settings.setValue(section + u'/' + name, value);
}

void QtPlatform::openAddress(const QString& address) {
  QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

std::unique_ptr<WebLookup> QtPlatform::newWebLookup() { return std::make_unique<BrowserWebLookup>(); }

bool QtPlatform::printDocument(const QTextDocument& document) {
  if (QPrinterInfo::defaultPrinter().isNull()) return false;
  QPrinter printer(QPrinterInfo::defaultPrinter());
  PrintDocumentPages(document, printer);
  return true;
}

bool QtPlatform::printImage(const QImage& image) {
  if (QPrinterInfo::defaultPrinter().isNull()) return false;
  if (image.isNull()) return true;
  QPrinter printer(QPrinterInfo::defaultPrinter());
  QPainter painter;
  if (!painter.begin(&printer)) return true;
  const QRect page = painter.viewport();
  // As large as the page allows, in the image's own proportions.
  QSize size = image.size();
  size.scale(page.size(), Qt::KeepAspectRatio);
  painter.drawImage(QRect(page.topLeft(), size), image, image.rect());
  painter.end();
  return true;
}

void QtPlatform::clearClipboard() { QApplication::clipboard()->clear(); }

QDate QtPlatform::today() const { return QDate::currentDate(); }

QString QtPlatform::shortDateText(const QDate& date) const {
  const std::chrono::year_month_day civil{std::chrono::year{date.year()},
                                          std::chrono::month{static_cast<unsigned>(date.month())},
                                          std::chrono::day{static_cast<unsigned>(date.day())}};
  return platform::ToQt(zentara::WriteShortDate(civil, zentara::StoredDatePattern));
}

std::optional<QDate> QtPlatform::readShortDate(const QString& text) const {
  auto date = zentara::ReadShortDate(platform::ToStd(text), zentara::StoredDatePattern);
  if (!date) date = zentara::ReadShortDate(platform::ToStd(text), ShortDatePattern());  // an earlier version's
  if (date) {
    return QDate(static_cast<int>(date->year()), static_cast<int>(static_cast<unsigned>(date->month())),
                 static_cast<int>(static_cast<unsigned>(date->day())));
  }
  return ReadLocaleShortDate(text);
}

void QtPlatform::endProcess() { QCoreApplication::exit(0); }

bool DisplayAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
  // Only the X11 and Wayland platforms need a display server; an explicit
  // QT_QPA_PLATFORM (offscreen, vnc...) is taken at its word.
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
  return true;
#endif
}

}  // namespace platform
