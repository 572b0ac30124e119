#include "reports/modRTB.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "platform/platform.h"
#include "reports/web_addresses.h"

namespace modRTB {
namespace {

class LinkClickFilter;

// The hooked box and its form; empty when nothing is hooked.
struct LinkHookState {
  QPointer<QTextEdit> box;
  QPointer<QWidget> form;
  QPointer<LinkClickFilter> filter;
  QMetaObject::Connection textChanges;
  bool formatting = false;  // set while links are being drawn, whose format changes are no edits
};
LinkHookState state;

class LinkClickFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (auto* viewport = qobject_cast<QWidget*>(watched)) LinkClickWindowProc(viewport, event);
    return false;
  }
};

// The document's character formats without any link: the link properties of
// every fragment that has them are removed, and nothing else changes.
void RemoveLinks(QTextDocument* document) {
  // Collected first: changing a format merges fragments under a running iterator.
  QList<QTextFragment> links;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const QTextCharFormat format = fragment.fragment().charFormat();
      if (format.isAnchor() || format.hasProperty(QTextFormat::AnchorHref)) links.append(fragment.fragment());
    }
  }
  for (const QTextFragment& piece : links) {
    QTextCharFormat format = piece.charFormat();
    for (const int property : {int(QTextFormat::IsAnchor), int(QTextFormat::AnchorHref),
                               int(QTextFormat::TextUnderlineStyle), int(QTextFormat::ForegroundBrush)}) {
      format.clearProperty(property);
    }
    QTextCursor cursor(document);
    cursor.setPosition(piece.position());
    cursor.setPosition(piece.position() + piece.length(), QTextCursor::KeepAnchor);
    cursor.setCharFormat(format);
  }
}

void ShowLinks(QTextEdit* box) {
  QTextDocument* document = box->document();
  const QString text = document->toPlainText();
  const std::u16string_view units(reinterpret_cast<const char16_t*>(text.utf16()),
                                  static_cast<std::size_t>(text.size()));
  const QBrush linkColour = box->palette().brush(QPalette::Link);
  for (const zentara::TextRange& range : zentara::FindWebAddresses(units)) {
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(text.mid(static_cast<qsizetype>(range.start), static_cast<qsizetype>(range.length)));
    link.setFontUnderline(true);
    link.setForeground(linkColour);
    QTextCursor cursor(document);
    cursor.setPosition(static_cast<int>(range.start));
    cursor.setPosition(static_cast<int>(range.start + range.length), QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(link);
  }
}

// Draws the links of the hooked box afresh, after any change of its text.
void RefreshLinks() {
  if (!state.box || state.formatting) return;
  state.formatting = true;
  RemoveLinks(state.box->document());
  ShowLinks(state.box);
  state.formatting = false;
}

}  // namespace

void HookLinkClicks(QTextEdit* box, QWidget* form) {
  UnhookLinkClicks();
  if (box == nullptr) return;
  state.box = box;
  state.form = form;
  state.filter = new LinkClickFilter(box);
  box->viewport()->installEventFilter(state.filter);
  state.textChanges = QObject::connect(box->document(), &QTextDocument::contentsChanged, box,
                                       [] { RefreshLinks(); });
  RefreshLinks();
}

void UnhookLinkClicks() {
  if (!state.box) {
    state = {};
    return;
  }
  QObject::disconnect(state.textChanges);
  if (state.filter) {
    state.box->viewport()->removeEventFilter(state.filter);
    delete state.filter;
  }
  state.formatting = true;
  RemoveLinks(state.box->document());
  state = {};
}

bool LinkClickWindowProc(QWidget* viewport, QEvent* event) {
  // Only the pointer's moves and presses matter. The box is looked at for
  // nothing else: the viewport also gets events while the box is being
  // destroyed, when it is no longer a QTextEdit.
  if (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonPress) return false;
  if (!state.box || viewport != state.box->viewport()) return false;
  if (event->type() == QEvent::MouseMove) {
    // The pointing hand over a link tells the user it can be clicked.
    const auto* move = static_cast<QMouseEvent*>(event);
    viewport->setCursor(state.box->anchorAt(move->position().toPoint()).isEmpty() ? Qt::IBeamCursor
                                                                                    : Qt::PointingHandCursor);
    return false;
  }
  const auto* press = static_cast<QMouseEvent*>(event);
  if (press->button() != Qt::LeftButton) return false;
  const QString link = state.box->anchorAt(press->position().toPoint());
  if (!link.isEmpty()) {
    platform::current().openAddress(link.left(static_cast<qsizetype>(zentara::MaxLinkTextLength)));
  }
  return false;
}

QTextEdit* HookedBox() { return state.box; }

}  // namespace modRTB
