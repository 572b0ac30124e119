// Makes the README's pictures of the program at work from its real windows:
// the start form, a comprehensive numerology reading, the place look-up and the
// astro report with its chart wheel. The windows are driven as a user drives
// them (an option chosen, boxes typed in, buttons pressed) with fixed entries,
// on Qt's offscreen platform with a fixed screen, style and font (DejaVu Sans
// only), against the scripted platform, so nothing reaches the user's
// settings, printer or browser and the same sources give the same pictures.
//
//   zentara-make-pictures FOLDER            writes them into FOLDER (scripts/screenshots.sh)
//   zentara-make-pictures --check FOLDER    compares them with those in FOLDER
//
// Exit status 1, saying why, when a window or control it drives is missing or,
// with --check, when a picture in FOLDER is not what the windows show now.
#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "astro/match/MDIForm1.h"
#include "astro/match/frmMatch.h"
#include "astro/match/frmPlaceLookup.h"
#include "astro/match/frmReport.h"
#include "numerology/frmMain.h"
#include "platform/fake_platform.h"
#include "platform/offscreen_screen.h"
#include "common/file_bytes.h"
#include "reports/frmSaveDocument.h"
#include "shell/control_array.h"
#include "shell/frmAtFirst.h"
#include "shell/startup.h"

namespace {

// The screen the windows open on: wide enough for the report frame to open
// with the report and the wheel side by side.
constexpr QSize PictureScreen(1600, 1000);

// Fontconfig with DejaVu alone (fonts-dejavu-core), whatever else is installed.
constexpr auto FontConfiguration = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>%1</cachedir>
</fontconfig>
)";

[[noreturn]] void Fail(const QString& why) {
  std::fprintf(stderr, "zentara-make-pictures: %s\n", qPrintable(why));
  std::exit(1);
}

template <class Control>
Control* Find(const QWidget* root, const char* name) {
  auto* control = root->findChild<Control*>(QString::fromLatin1(name));
  if (!control) Fail(QStringLiteral("%1 has no control %2").arg(root->objectName(), QString::fromLatin1(name)));
  return control;
}

// The open form of the given class; the newest when there are several.
// Fails with the program's last message, if it said one, as the likely reason.
template <class FormClass>
FormClass* OpenForm(const platform::FakePlatform& desktop, const char* what) {
  const QList<QWidget*> forms = desktop.openForms();
  for (auto form = forms.rbegin(); form != forms.rend(); ++form) {
    if (auto* match = qobject_cast<FormClass*>(*form)) return match;
  }
  const QString said = desktop.messages.isEmpty() ? QString() : " (it said \"" + desktop.messages.last().text + "\")";
  Fail(QStringLiteral("the %1 did not open%2").arg(QString::fromLatin1(what), said));
}

void Settle() {
  for (int round = 0; round < 3; ++round) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

void Press(const QWidget* root, const char* name) {
  QTest::mouseClick(Find<QAbstractButton>(root, name), Qt::LeftButton);
  Settle();
}

void Type(const QWidget* root, const char* name, const char* text) {
  QTest::keyClicks(Find<QLineEdit>(root, name), QString::fromUtf8(text));
}

void Choose(const QWidget* root, const char* name, const char* item) {
  auto* list = Find<QComboBox>(root, name);
  const int index = list->findText(QString::fromUtf8(item));
  if (index < 0) Fail(QStringLiteral("%1 has no item %2").arg(QString::fromLatin1(name), QString::fromUtf8(item)));
  list->setCurrentIndex(index);
}

// A channel that moves by this much or less (of 255) is the same: rounding in
// the smoothing of edges, never a changed text or place.
constexpr int kChannelTolerance = 16;

// The pixels of two pictures of one size that differ by more than the tolerance.
qsizetype DifferingPixels(const QImage& a, const QImage& b) {
  const auto apart = [](int x, int y) { return qAbs(x - y) > kChannelTolerance; };
  qsizetype differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      differing += apart(qRed(p), qRed(q)) || apart(qGreen(p), qGreen(q)) || apart(qBlue(p), qBlue(q)) ||
                   apart(qAlpha(p), qAlpha(q));
    }
  }
  return differing;
}

// Where the pictures go, or what they are compared with.
struct Pictures {
  QDir folder;
  bool check = false;
  QStringList differing;
};

void Save(QWidget* window, Pictures& pictures, const char* name) {
  // No text caret in a picture.
  if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
  Settle();
  const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  const QString path = pictures.folder.filePath(QString::fromLatin1(name));
  if (!pictures.check) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    shown.save(&buffer, "PNG");
    if (const auto failure = zentara::ReplaceFileContents(path.toStdString(), png.toStdString())) {
      Fail(QStringLiteral("cannot write %1: %2").arg(path, QString::fromStdString(*failure)));
    }
    std::printf("%s\n", qPrintable(path));
    return;
  }
  const QImage saved = QImage(path).convertToFormat(QImage::Format_ARGB32);
  if (saved.size() != shown.size()) {
    pictures.differing << QStringLiteral("%1 is %2x%3 pixels, the window %4x%5")
                              .arg(path).arg(saved.width()).arg(saved.height()).arg(shown.width()).arg(shown.height());
    return;
  }
  if (const qsizetype differing = DifferingPixels(saved, shown)) {
    pictures.differing << QStringLiteral("%1 differs from the window in %2 pixels").arg(path).arg(differing);
  }
}

// Qt's offscreen platform warns that it cannot pass size hints to a window
// manager it does not have; every other message is let through.
QtMessageHandler qtMessageHandler = nullptr;

void WithoutSizeHintWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints")) || !qtMessageHandler) return;
  qtMessageHandler(type, context, message);
}

// The start form with the numerology match chosen, then the comprehensive
// reading of a couple from the numerology form.
void NumerologyPictures(platform::FakePlatform& desktop, Pictures& pictures) {
  if (!shell::RunStartup()) Fail(QStringLiteral("the program did not start"));
  auto* start = OpenForm<shell::frmAtFirst>(desktop, "start form");
  start->optOptions(1)->click();
  Save(start, pictures, "start-form.png");
  Press(start, "cmdProceed");

  auto* form = OpenForm<numerology::frmMain>(desktop, "numerology form");
  const std::pair<const char*, const char*> names[] = {{"txtMF", "John"}, {"txtMM", "Paul"}, {"txtML", "Smith"},
                                                       {"txtFF", "Mary"}, {"txtFM", "Ann"},  {"txtFL", "Jones"}};
  for (const auto& [box, text] : names) Type(form, box, text);
  const std::pair<const char*, const char*> dates[] = {{"cboMM", "March"}, {"cboMD", "15"}, {"cboMY", "1988"},
                                                       {"cboFM", "July"},  {"cboFD", "4"},  {"cboFY", "1990"}};
  for (const auto& [list, item] : dates) Choose(form, list, item);
  Press(form, "cmdCR");
  auto* reading = OpenForm<reports::frmSaveDocument>(desktop, "comprehensive reading");
  reading->resize(760, 360);
  Save(reading, pictures, "numerology-reading.png");
  reading->unload();
  form->unload();
  Settle();
}

// The astro form of a couple whose female birthplace is found in the place
// look-up, then the report frame with the chart wheel.
void AstroPictures(platform::FakePlatform& desktop, Pictures& pictures) {
  if (!shell::RunStartup()) Fail(QStringLiteral("the program did not start"));
  auto* start = OpenForm<shell::frmAtFirst>(desktop, "start form");
  start->optOptions(0)->click();
  Press(start, "cmdProceed");

  auto* form = OpenForm<astro::frmMatch>(desktop, "astro form");
  Type(form, "txtMName", "Arjun");
  Choose(form, "cboMDate", "3"), Choose(form, "cboMMonth", "February"), Choose(form, "cboMYear", "1972");
  Choose(form, "cboMHH", "14"), Choose(form, "cboMMM", "30");
  Find<QComboBox>(form, "cmbMTimeZone")->setCurrentIndex(34);  // Indian Time
  Type(form, "txtMLD", "28"), Type(form, "txtMLM", "36"), Type(form, "txtMLoD", "77"), Type(form, "txtMLoM", "13");
  Type(form, "txtMCity", "New Delhi"), Type(form, "txtMState", "Delhi"), Type(form, "txtMCountry", "India");

  Type(form, "txtFName", "Claire");
  Choose(form, "cboFDate", "18"), Choose(form, "cboFMonth", "April"), Choose(form, "cboFYear", "1977");
  Choose(form, "cboFHH", "6"), Choose(form, "cboFMM", "15");
  Type(form, "txtFCity", "Boston"), Type(form, "txtFState", "Massachusetts"), Type(form, "txtFCountry", "United States");
  Press(form, "Command2");
  auto* lookUp = OpenForm<astro::frmPlaceLookup>(desktop, "place look-up");
  if (Find<QTreeWidget>(lookUp, "lstPlaces")->topLevelItemCount() == 0) Fail(QStringLiteral("the look-up found no place"));
  Save(lookUp, pictures, "place-lookup.png");
  Press(lookUp, "cmdFill");

  Press(form, "cmdCalculate");
  auto* frame = OpenForm<astro::MDIForm1>(desktop, "astro report");
  frame->activateWindow();
  Settle();
  // The screen is wide enough for the frame to open with the wheel beside the report.
  Save(frame, pictures, "astro-report.png");
}

}  // namespace

int main(int argc, char** argv) {
  const bool check = argc == 3 && std::string_view(argv[1]) == "--check";
  if (argc != 2 && !check) {
    std::fputs("usage: zentara-make-pictures [--check] FOLDER\n", stderr);
    return 2;
  }
  Pictures pictures{QDir(QString::fromLocal8Bit(argv[argc - 1])), check, {}};
  if (!pictures.folder.exists()) Fail(QStringLiteral("no folder %1").arg(pictures.folder.path()));
  QTemporaryDir scratch;
  const QString fonts = scratch.filePath(QStringLiteral("fonts.conf"));
  QFile fontsFile(fonts);
  if (!fontsFile.open(QIODevice::WriteOnly) ||
      fontsFile.write(QString::fromLatin1(FontConfiguration).arg(scratch.filePath("fonts")).toUtf8()) < 0) {
    Fail(QStringLiteral("cannot write in %1").arg(scratch.path()));
  }
  fontsFile.close();
  QString error;
  if (!platform::UseOffscreenScreen(PictureScreen, scratch.path(), false, error)) Fail(error);
  qputenv("FONTCONFIG_FILE", fonts.toUtf8());
  qputenv("XDG_RUNTIME_DIR", scratch.path().toUtf8());
  for (const char* variable : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "QT_STYLE_OVERRIDE"}) {
    qunsetenv(variable);
  }
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

  qtMessageHandler = qInstallMessageHandler(WithoutSizeHintWarnings);
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
  platform::FakePlatform desktop;
  platform::install(&desktop);

  NumerologyPictures(desktop, pictures);
  AstroPictures(desktop, pictures);
  if (!desktop.messages.isEmpty()) Fail(QStringLiteral("the program said: ") + desktop.messages.first().text);
  // Guarded: a form owned by another form goes with its owner.
  QList<QPointer<QWidget>> forms;
  for (QWidget* form : desktop.openForms()) forms << form;
  for (const QPointer<QWidget>& form : forms) delete form.data();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  if (!pictures.differing.isEmpty()) {
    Fail("these pictures are not what the windows show now; make them anew with scripts/screenshots.sh:\n  " +
         pictures.differing.join(QStringLiteral("\n  ")));
  }
  return 0;
}
