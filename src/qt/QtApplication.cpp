// The application on Qt: see QtApplication.h.
#include "qt/QtApplication.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "qt/AddressFinder.h"
#include "qt/Cp1252.h"
#include "qt/DesktopHandOver.h"
#include "qt/QtEventPump.h"

// The icon sizes are compiled in from the icon theme folders the build makes.
static void RegisterIconResource() { Q_INIT_RESOURCE(icons); }

namespace ringlook::qt {

namespace {

// Every size the build made, as the desktop's icon theme has them.
QIcon ProgramIcon() {
  RegisterIconResource();
  QIcon icon;
  const QDir theme(QStringLiteral(":/icons/hicolor"));
  for (const QString& size : theme.entryList(QDir::Dirs)) icon.addFile(theme.filePath(size + "/apps/ringlook.png"));
  return icon;
}

// A box belongs to the dialog in front, or else to the main window while that
// is on screen; over a minimised window it stands alone so it is seen.
QWidget* BoxParent(QtMainForm& mainForm) {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return mainForm.isVisible() && !mainForm.isMinimized() ? &mainForm : nullptr;
}

}  // namespace

QtApplication::QtApplication(QtMainForm& mainForm, const Clock& clock, QDBusConnection bus)
    : mainForm_(mainForm), clock_(clock), notifications_(std::move(bus)) {
  notifications_.OnShow = [this](const QString& number, const QString& activationToken) {
    // A Wayland compositor lets the window come forward with the token of the
    // click; Qt's activation request takes it from here.
    if (!activationToken.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    if (OnShowCall) OnShowCall(ToCp1252(number));
  };
  notifications_.OnEdit = [this](const QString& number) {
    if (OnEditCall) OnEditCall(ToCp1252(number));
  };
  notifications_.OnCallBack = [this](const QString& number) {
    if (OnCallBack) OnCallBack(ToCp1252(number));
  };
  sleepWatch_.OnWake = [this] {
    if (OnWake) OnWake();
  };
  QApplication::setWindowIcon(ProgramIcon());
  const QMenu noEntries;
  trayMenu_ = std::make_unique<TrayMenu>(
      mainForm_.ContextMenu() != nullptr ? *mainForm_.ContextMenu() : noEntries, [this] { BringUp(); },
      [this] { mainForm_.close(); });
  tray_.setIcon(QApplication::windowIcon());
  tray_.setContextMenu(trayMenu_.get());
  QObject::connect(&tray_, &QSystemTrayIcon::activated, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason != QSystemTrayIcon::Context) BringUp();
  });
  // The balloon, where there is no notification service, shows the call it told of.
  QObject::connect(&tray_, &QSystemTrayIcon::messageClicked, [this] {
    if (OnShowCall) OnShowCall(balloonNumber_);
  });
  tray_.show();
  // Told when Qt has already taken the screen out of its list, before it moves
  // the windows that were on it to the primary screen as it sees fit.
  QObject::connect(qApp, &QGuiApplication::screenRemoved, [this] {
    if (OnScreensChanged) OnScreensChanged();
  });
}

QtApplication::~QtApplication() = default;

void QtApplication::SetTitle(std::string_view title) {
  title_.assign(title);
  mainForm_.setWindowIconText(FromCp1252(title, kShownLineLength));
  ShowToolTip();
}

void QtApplication::ShowToolTip() {
  QString tip = FromCp1252(title_, kShownLineLength);
  if (!lastCaller_.empty()) tip += QStringLiteral("\nLaatste beller: ") + FromCp1252(lastCaller_, kShownLineLength);
  tray_.setToolTip(tip);
}

void QtApplication::ShowRecentCallers(const std::vector<calls::RecentCaller>& callers) {
  trayMenu_->SetRecentCallers(callers, {.Edit =
                                            [this](const std::string& number) {
                                              if (OnEditCall) OnEditCall(number);
                                            },
                                        .CallBack =
                                            [this](const std::string& number) {
                                              if (OnCallBack) OnCallBack(number);
                                            },
                                        .PassOn =
                                            [this](const calls::RecentCaller& caller) {
                                              if (OnPassOn) OnPassOn(caller);
                                            }});
  lastCaller_ = callers.empty() ? std::string() : callers.front().Name + "  " + callers.front().Time;
  ShowToolTip();
}

void QtApplication::BringUp() {
  Restore();
  mainForm_.Activate();
}

bool QtApplication::PromisesActivation() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

bool QtApplication::WindowsComeBack() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

void QtApplication::Minimize() {
  // Wayland lets no program restore or raise its own window: minimised there,
  // on a desktop without a task bar it would be lost. It stays where it is,
  // and calls reach the user through the notification and the tray.
  if (!WindowsComeBack()) return;
  mainForm_.showMinimized();
}

void QtApplication::Restore() {
  if (!mainForm_.isMinimized()) return;
  // Back to the size it had, maximised or not.
  mainForm_.setWindowState(mainForm_.windowState() & ~Qt::WindowMinimized);
  mainForm_.show();
}

bool QtApplication::Minimized() const { return mainForm_.isMinimized(); }

void QtApplication::RaiseWithoutActivating(ui::Form& form) {
  Restore();
  auto* window = dynamic_cast<QWidget*>(&form);
  if (window == nullptr) return;
  window->setAttribute(Qt::WA_ShowWithoutActivating);
  window->raise();
}

void QtApplication::NotifyCall(std::string_view name, std::string_view number, bool alert) {
  const QString caller = FromCp1252(name, kShownLineLength);
  const QString shownNumber = FromCp1252(number, kShownLineLength);
  if (notifications_.Show(caller, shownNumber, alert, FromCp1252(number))) return;
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  balloonNumber_.assign(number);
  if (alert) {
    tray_.showMessage(caller, shownNumber, QSystemTrayIcon::Warning);
  } else {
    tray_.showMessage(caller, shownNumber, QApplication::windowIcon());
  }
}

void QtApplication::NotifyText(std::string_view text) {
  const QString shown = FromCp1252(text, kShownLineLength);
  if (notifications_.Show(shown, QString(), false, QString())) return;
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  balloonNumber_.clear();
  tray_.showMessage(QStringLiteral("Ringlook"), shown, QApplication::windowIcon());
}

ui::MessageAnswer QtApplication::MessageBox(std::string_view text, ui::MessageKind kind) {
  QMessageBox box(BoxParent(mainForm_));
  box.setText(FromCp1252(text));
  box.setTextFormat(Qt::PlainText);
  if (kind == ui::MessageKind::Confirmation) {
    box.setWindowTitle(QStringLiteral("Confirm"));
    box.setIcon(QMessageBox::Question);
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? ui::MessageAnswer::Yes : ui::MessageAnswer::No;
  }
  box.setWindowTitle(QStringLiteral("Ringlook"));
  box.setIcon(kind == ui::MessageKind::Error ? QMessageBox::Critical : QMessageBox::Information);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return ui::MessageAnswer::Ok;
}

void QtApplication::Beep() { QApplication::beep(); }

void QtApplication::SetClipboardText(std::string_view text) { QGuiApplication::clipboard()->setText(FromCp1252(text)); }

void QtApplication::OpenAddress(std::string_view url) {
  const QUrl address = WebAddressUrl(FromCp1252(url));
  if (!address.isEmpty()) QDesktopServices::openUrl(address);
}

HelpWindow& QtApplication::HelpWindowRef() {
  if (!help_) help_ = std::make_unique<HelpWindow>();
  return *help_;
}

void QtApplication::ShowHelpContext(int context) { HelpWindowRef().ShowContext(context); }

void QtApplication::ShowHelpTopic(std::string_view topic) { HelpWindowRef().ShowTopic(FromCp1252(topic)); }

int QtApplication::LogicalDpi() const {
  const QScreen* screen = mainForm_.screen();
  return screen ? qRound(screen->logicalDotsPerInchX()) : 96;
}

std::vector<ui::Rect> QtApplication::Screens() const {
  std::vector<ui::Rect> areas;
  if (!WindowsComeBack()) return areas;
  const QScreen* primary = QGuiApplication::primaryScreen();
  const auto add = [&areas](const QScreen* screen) {
    const QRect area = screen->availableGeometry();
    areas.push_back({area.x(), area.y(), area.width(), area.height()});
  };
  if (primary != nullptr) add(primary);
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen != primary) add(screen);
  }
  return areas;
}

void QtApplication::ProcessEvents(std::uint64_t deadlineTick) { ProcessEventsUntil(clock_, deadlineTick); }

void QtApplication::Terminate() { QCoreApplication::quit(); }

bool QtApplication::Call(std::string_view address) {
  const QUrl url(FromCp1252(address), QUrl::StrictMode);
  if (!url.isValid() || !DesktopHandles(url.scheme())) return false;
  return QDesktopServices::openUrl(url);
}

ui::SaveResult QtApplication::SaveFile(std::string_view suggestedName, std::string_view bytes) {
  return SaveWithDialog(BoxParent(mainForm_), FromCp1252(suggestedName),
                        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace ringlook::qt
