#include "shell/frmAbout.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "platform/platform.h"
#include "shell/application_title.h"
#include "shell/qt_text.h"
#include "web/web_commands.h"

namespace shell {
namespace {

inline constexpr auto kAboutText =
    "QM Zentara Software Software is a compatibility report generator based on astrology as well "
    "as numerology. The astrology match software is based on the planetary positions at the time "
    "of birth while the numerology match software is based on Pythagorean system of numerology "
    "and the effect of cosmic vibrations on a person.";

// The box's picture: two overlapping rings, one for each partner.
QPixmap Emblem() {
  QPixmap pixmap(72, 72);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(40, 90, 160), 5));
  painter.drawEllipse(QRectF(6, 18, 38, 38));
  painter.setPen(QPen(QColor(190, 60, 90), 5));
  painter.drawEllipse(QRectF(28, 18, 38, 38));
  return pixmap;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : Form("frmAbout", parent) {
  auto* central = new QWidget(this);
  auto* layout = new QGridLayout(central);

  auto* picture = new QLabel(central);
  picture->setObjectName(QStringLiteral("picIcon"));
  picture->setPixmap(Emblem());
  layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);

  auto* title = new QLabel(ToQt(zentara::ApplicationTitle), central);
  title->setObjectName(QStringLiteral("lblTitle"));
  QFont titleFont = title->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
  title->setFont(titleFont);
  layout->addWidget(title, 0, 1);

  auto* text = new QLabel(QString::fromLatin1(kAboutText), central);
  text->setObjectName(QStringLiteral("lblDescription"));
  text->setWordWrap(true);
  text->setMinimumWidth(360);
  layout->addWidget(text, 1, 1);

  auto* link = new QLabel(QStringLiteral("<a href=\"home\">Visit our home page</a>"), central);
  link->setObjectName(QStringLiteral("lblHomePage"));
  link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  link->setOpenExternalLinks(false);
  layout->addWidget(link, 2, 1);

  auto* ok = new QPushButton(QStringLiteral("OK"), central);
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
