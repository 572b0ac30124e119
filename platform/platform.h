// What the program asks of the desktop, as small interfaces. The desktop program
// installs the Qt implementation (platform/qt_platform.h); the tests install the
// scripted fake (platform/fake_platform.h), so no test blocks on a dialog, opens a
// browser, prints or touches the user's settings. Forms reach the desktop only
// through `platform::current()`.
#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QImage;
class QTextDocument;
class QWidget;

namespace platform {

enum class Icon { Information, Critical };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// A modal message box captioned with the application title.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual Answer showMessage(QWidget* owner, const QString& text, Icon icon, Buttons buttons) = 0;
  // The same box with a button for each of `choices` ("&Reload", "Cancel"),
  // the first the default; the index of the one chosen. Escape, or closing
  // the box, chooses the last.
  virtual int askChoice(QWidget* owner, const QString& text, Icon icon, const QStringList& choices) = 0;
};

// Flags of the common file dialogs, with the values the dialogs of the Windows
// desktop give them; each dialog is set up with the flags the program has
// always given it. The Qt dialogs honour them so: OverwritePrompt asks before
// a file is replaced; FileMustExist and PathMustExist choose only an existing
// file, or a name in an existing folder; NoReadOnlyReturn refuses a file that
// cannot be written and asks again; HideReadOnly hides the read-only box,
// which Qt's dialogs never show.
namespace FileFlags {
inline constexpr unsigned OverwritePrompt = 0x2;
inline constexpr unsigned HideReadOnly = 0x4;
inline constexpr unsigned PathMustExist = 0x800;
inline constexpr unsigned FileMustExist = 0x1000;
inline constexpr unsigned NoReadOnlyReturn = 0x8000;
}  // namespace FileFlags

struct FileDialogRequest {
  // "Description|pattern"; several entries are joined by further bars:
  // "SVG Picture (*.svg)|*.svg|PNG Picture (*.png)|*.png".
  QString filter;
  QString defaultExtension;  // appended when the typed name has none
  unsigned flags = 0;        // FileFlags
  QString title;
  QString initialName;  // the name typed in the dialog as it opens
  // The folder the dialog opens in; where it is empty or no folder, the
  // user's documents folder (their home folder where there is none).
  QString folder{};
};

// What a save dialog of several filter entries returns: the chosen path (empty
// when the user cancelled) and the entry of the filter chosen, 0 for the first.
struct SaveChoice {
  QString path;
  int filterIndex = 0;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen path, or an empty text when the user cancelled.
  virtual QString openFileName(QWidget* owner, const FileDialogRequest& request) = 0;
  virtual QString saveFileName(QWidget* owner, const FileDialogRequest& request) = 0;
  // The same save dialog, also telling which filter entry was chosen; the
  // default extension follows the chosen entry's pattern.
  virtual SaveChoice saveFileChoice(QWidget* owner, const FileDialogRequest& request) = 0;
};

// Showing forms, focus, and the list of open forms in the order they were loaded.
class Windows {
 public:
  virtual ~Windows() = default;
  virtual void showModeless(QWidget* form) = 0;
  // Returns when the form has been closed.
  virtual void showModal(QWidget* form) = 0;
  virtual void setFocus(QWidget* control) = 0;
  virtual void formLoaded(QWidget* form) = 0;
  virtual void formUnloaded(QWidget* form) = 0;
  virtual QList<QWidget*> openForms() const = 0;
};

// Whether another copy of this program is already running. The first copy holds
// the claim until it ends; a copy that crashed does not hold it.
class PreviousInstance {
 public:
  virtual ~PreviousInstance() = default;
  virtual bool anotherCopyRunning() = 0;
};

// The per-user settings store: texts by application, section and value name.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The executable's file name without extension.
  virtual QString applicationName() const = 0;
  // An empty text when the value does not exist.
  virtual QString readSetting(const QString& application, const QString& section,
                              const QString& name) = 0;
  virtual void writeSetting(const QString& application, const QString& section,
                            const QString& name, const QString& value) = 0;
};

class WebBrowser {
 public:
  virtual ~WebBrowser() = default;
  // Opens the address in the default browser; failures have no visible effect.
  virtual void openAddress(const QString& address) = 0;
};

// A web look-up of a place, a component outside the program: it shows the user
// a web search for the place. A new one is made for every look-up.
class WebLookup {
 public:
  virtual ~WebLookup() = default;
  // `searchText` is what to search for; `pageAddress` is the maker's page the
  // look-up is made from. False when no web browser could be started to show
  // it; nothing else comes back.
  virtual bool lookUp(const QString& searchText, const QString& pageAddress) = 0;
};

class WebLookups {
 public:
  virtual ~WebLookups() = default;
  virtual std::unique_ptr<WebLookup> newWebLookup() = 0;
};

// The default printer. Both calls return false, having printed nothing, when
// no printer is available; other printing errors are not reported.
class Printer {
 public:
  virtual ~Printer() = default;
  // Paginated, with nothing but the document on its pages.
  virtual bool printDocument(const QTextDocument& document) = 0;
  // Scaled to fit the page, keeping its proportions.
  virtual bool printImage(const QImage& image) = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void clearClipboard() = 0;
};

// Today's date and the system's short date text.
class Calendar {
 public:
  virtual ~Calendar() = default;
  virtual QDate today() const = 0;
  // The date as the settings store keeps it: year-month-day in Latin digits
  // (common/short_date_text.h), the same in every locale, so that it survives the
  // character shift of the settings store and a change of locale.
  virtual QString shortDateText(const QDate& date) const = 0;
  // The date a stored text stands for, also one an earlier version wrote in
  // the system's short date order; nothing when it cannot be read.
  virtual std::optional<QDate> readShortDate(const QString& text) const = 0;
};

class Process {
 public:
  virtual ~Process() = default;
  // Ends the program once control returns to its event loop.
  virtual void endProcess() = 0;
};

// Everything at once; implementations derive from every interface.
class Platform : public MessageBoxes,
                 public FileDialogs,
                 public Windows,
                 public PreviousInstance,
                 public SettingsStore,
                 public WebBrowser,
                 public WebLookups,
                 public Printer,
                 public Clipboard,
                 public Calendar,
                 public Process {};

// The platform in use. install() must come before the first form is created.
Platform& current();
void install(Platform* platform);

}  // namespace platform
