// Help window: see HelpWindow.h.
#include "qt/HelpWindow.h"

#include <QVBoxLayout>

#include "ui/WindowDefinitions.h"

// The manual lives in this static library, where nothing refers to it, so its
// resource is registered by hand before the first help window opens.
static void RegisterHelpResource() { Q_INIT_RESOURCE(help); }

namespace ringlook::qt {

using namespace ui::definitions::help;

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window), browser_(new QTextBrowser(this)) {
  RegisterHelpResource();
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QString::fromLatin1(kCaption));
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setOpenExternalLinks(true);
  browser_->setSource(QUrl(QStringLiteral("qrc:/help/ringlook.html")));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(kWidth, kHeight);
}

void HelpWindow::ShowContext(int context) {
  ShowAnchor(QString::fromLatin1(context == kMainWindowContext ? kMainWindowAnchor : kContentsAnchor));
}

// The manual's one topic is its contents, where an unknown topic opens too.
void HelpWindow::ShowTopic(const QString& /*topic*/) { ShowAnchor(QString::fromLatin1(kContentsAnchor)); }

void HelpWindow::ShowAnchor(const QString& anchor) {
  anchor_ = anchor;
  browser_->scrollToAnchor(anchor);
  show();
  raise();
  activateWindow();
}

}  // namespace ringlook::qt
