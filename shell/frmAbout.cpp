#include "shell/frmAbout.h"

#include "common/translatable.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "common/application_title.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "shell/application_icon.h"
#include "shell/controls.h"
#include "web/web_commands.h"

namespace shell {
namespace {

inline constexpr auto kAboutText = QT_TRANSLATE_NOOP(
    "frmAbout",
    "QM Zentara Software Software is a compatibility report generator based on astrology as well "
    "as numerology. The astrology match software is based on the planetary positions at the time "
    "of birth while the numerology match software is based on Pythagorean system of numerology "
    "and the effect of cosmic vibrations on a person.");

// The side of the box's picture, the program's icon, in device-independent pixels.
inline constexpr int AboutPictureSide = 72;

}  // namespace

frmAbout::frmAbout(QWidget* parent) : Form("frmAbout", parent) {
  auto* central = new QWidget(this);
  auto* layout = new QGridLayout(central);

  auto* picture = new QLabel(central);
  picture->setObjectName(QStringLiteral("picIcon"));
  picture->setPixmap(ApplicationPicture(AboutPictureSide, devicePixelRatioF()));
  layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);

  auto* title = new QLabel(platform::ToQt(zentara::ApplicationTitle), central);
  title->setObjectName(QStringLiteral("lblTitle"));
  MakeHeading(title, 1.3);
  layout->addWidget(title, 0, 1);

  auto* text = new QLabel(QCoreApplication::translate("frmAbout", kAboutText), central);
  text->setObjectName(QStringLiteral("lblDescription"));
  text->setWordWrap(true);
  text->setMinimumWidth(360);
  layout->addWidget(text, 1, 1);

  auto* link = new QLabel(QCoreApplication::translate("frmAbout", "<a href=\"home\">Visit our home page</a>"), central);
  link->setObjectName(QStringLiteral("lblHomePage"));
  link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  link->setOpenExternalLinks(false);
  layout->addWidget(link, 2, 1);

  auto* ok = new QPushButton(QCoreApplication::translate("frmAbout", "OK"), central);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  layout->addWidget(ok, 3, 1, Qt::AlignRight);

  setCentralWidget(central);
  connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
  connect(link, &QLabel::linkActivated, this, &frmAbout::lblHomePage_Click);
}

void frmAbout::ShowModal(QWidget* owner) {
  auto* box = new frmAbout(owner);
  box->setWindowFlag(Qt::Dialog);
  platform::current().showModal(box);
}

void frmAbout::cmdOK_Click() { unload(); }

void frmAbout::lblHomePage_Click() { web::OpenHomePage(); }

}  // namespace shell
