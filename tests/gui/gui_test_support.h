// Shared set-up of the GUI tests: a fresh scripted platform for every test, Qt's
// test paths (never the user's settings), and helpers to find controls.
#pragma once
#include <QApplication>
#include <QLocale>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>

#include "platform/fake_platform.h"
#include "shell/control_array.h"
#include "shell/form.h"
#include "shell/language.h"

namespace testing_support {

// Installs a new FakePlatform; call from init(). The previous one, and every
// form still open, is dropped first.
inline platform::FakePlatform& FreshPlatform(std::unique_ptr<platform::FakePlatform>& holder) {
  if (holder) {
    // Guarded: a form owned by another form goes with its owner.
    QList<QPointer<QWidget>> forms;
    for (QWidget* form : holder->openForms()) forms << form;
    for (const QPointer<QWidget>& form : forms) delete form.data();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  holder = std::make_unique<platform::FakePlatform>();
  platform::install(holder.get());
  return *holder;
}

// Lets the forms closed by the code under test actually be deleted.
inline void ProcessDeletions() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The open form of the given class, or nullptr.
template <class FormClass>
FormClass* OpenForm(const platform::FakePlatform& fake) {
  for (QWidget* form : fake.openForms()) {
    if (auto* match = qobject_cast<FormClass*>(form)) return match;
  }
  return nullptr;
}

template <class Control>
Control* Child(const QWidget* root, const char* name) {
  return root->findChild<Control*>(QString::fromLatin1(name));
}

}  // namespace testing_support

// A test main that keeps Qt's writable locations inside test folders, with a
// private runtime folder and the C locale.
#define ZENTARA_GUI_TEST_MAIN(TestClass)                     \
  int main(int argc, char** argv) {                          \
    QTemporaryDir runtimeDir;                                \
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toUtf8());  \
    QStandardPaths::setTestModeEnabled(true);                \
    QLocale::setDefault(QLocale::c());                       \
    QApplication app(argc, argv);                            \
    app.setQuitOnLastWindowClosed(false);                    \
    shell::InstallTranslations(app, QStringLiteral("en"));   \
    TestClass test;                                          \
    return QTest::qExec(&test, argc, argv);                  \
  }
