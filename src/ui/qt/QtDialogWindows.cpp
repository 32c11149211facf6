// The four dialogs of QtWindows (the main window is in QtWindows.cpp).
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/qt/Fonts.h"
#include "ui/qt/LayoutNaming.h"
#include "ui/qt/QtButton.h"
#include "ui/qt/QtCheckBox.h"
#include "ui/qt/QtComboBox.h"
#include "ui/qt/QtEdit.h"
#include "ui/qt/QtMemo.h"
#include "ui/qt/QtMenuItem.h"
#include "ui/qt/QtPanel.h"
#include "ui/qt/QtRichView.h"
#include "ui/qt/QtWindows.h"

namespace ringlook::qt {

namespace {

constexpr Qt::WindowFlags kCloseBoxOnly =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
constexpr Qt::WindowFlags kNoCaptionButtons = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

std::unique_ptr<QtDialogForm> Dialog(const char* name, const QString& caption, Qt::WindowFlags flags) {
  auto dialog = std::make_unique<QtDialogForm>(flags);
  Name(dialog.get(), name);
  dialog->setWindowTitle(caption);
  dialog->setModal(true);
  return dialog;
}

QLabel* Label(QWidget* parent, const char* name, const QString& caption) {
  return Name(new QLabel(caption, parent), name, caption.trimmed());
}

}  // namespace

void QtWindows::BuildFormSetup() {
  setupForm_ = Dialog("FormSetup", QStringLiteral("Instellingen"), kCloseBoxOnly);
  QtDialogForm* form = setupForm_.get();
  // Created in tab order: the server field gets the focus although the name stands above it.
  auto* edit1 = Name(new QtEdit(form), "Edit1", QStringLiteral("Ringlook Server IP"));
  auto* edit2 = Name(new QtEdit(form), "Edit2", QStringLiteral("Naam"));
  auto* checkBox1 = Name(new QtCheckBox(form, QStringLiteral("Start Ringlook automatisch bij het opstarten")),
                         "CheckBox1", QStringLiteral("Start Ringlook automatisch bij het opstarten"));
  auto* checkBox2 = Name(new QtCheckBox(form, QStringLiteral("Popup bij iedere beller")), "CheckBox2",
                         QStringLiteral("Popup bij iedere beller"));
  auto* button1 = Name(new QtButton(form, QStringLiteral("Ok")), "Button1", QStringLiteral("Ok"));
  QLabel* label2 = Label(form, "Label2", QStringLiteral("Naam"));
  QLabel* label1 = Label(form, "Label1", QStringLiteral("Ringlook Server IP"));
  label2->setBuddy(edit2);
  label1->setBuddy(edit1);
  edit1->setMinimumWidth(260);

  auto* column = new QVBoxLayout(form);
  column->setSizeConstraint(QLayout::SetFixedSize);
  column->setContentsMargins(16, 12, 16, 12);
  column->addWidget(label2);
  column->addWidget(edit2);
  column->addSpacing(6);
  column->addWidget(label1);
  column->addWidget(edit1);
  column->addSpacing(10);
  column->addWidget(checkBox1);
  column->addWidget(checkBox2);
  column->addSpacing(10);
  column->addWidget(button1, 0, Qt::AlignHCenter);
  button1->setMinimumWidth(75);

  QWidget::setTabOrder(edit1, edit2);
  QWidget::setTabOrder(edit2, checkBox1);
  QWidget::setTabOrder(checkBox1, checkBox2);
  QWidget::setTabOrder(checkBox2, button1);

  formSetup_.reset(new ui::FormSetupControls{*form, *edit1, *edit2, *checkBox1, *checkBox2, *button1});
}

void QtWindows::BuildFormEdit() {
  editForm_ = Dialog("FormEdit", QStringLiteral("Wijzigen"), kCloseBoxOnly);
  QtDialogForm* form = editForm_.get();
  auto* panel1 = Name(new QtPanel(form), "Panel1");
  panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel1->setFont(SansFont(13));
  QLabel* label1 = Label(panel1, "Label1", QStringLiteral("Naam    :"));
  auto* edit1 = Name(new QtEdit(panel1, 37), "Edit1", QStringLiteral("Naam"));
  QLabel* label2 = Label(panel1, "Label2", QStringLiteral("Nummer :"));
  auto* edit2 = Name(new QtEdit(panel1), "Edit2", QStringLiteral("Nummer"));
  auto* checkBox1 = Name(new QtCheckBox(panel1, QStringLiteral("Alert")), "CheckBox1", QStringLiteral("Alert"));
  auto* memo1 = Name(new QtMemo(panel1, 1024), "Memo1", QStringLiteral("Notitie"));
  label1->setBuddy(edit1);
  label2->setBuddy(edit2);
  edit2->SetReadOnly(true);
  edit2->SetBackground(ui::Colour::Menu);
  memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo1->setTabChangesFocus(true);

  auto* grid = new QGridLayout(panel1);
  grid->setContentsMargins(8, 8, 8, 8);
  grid->addWidget(label1, 0, 0);
  grid->addWidget(edit1, 0, 1, 1, 2);
  grid->addWidget(label2, 1, 0);
  grid->addWidget(edit2, 1, 1);
  grid->addWidget(checkBox1, 1, 2, Qt::AlignRight);
  grid->addWidget(memo1, 2, 0, 1, 3);
  grid->setColumnStretch(1, 1);

  auto* button1 = Name(new QtButton(form, QStringLiteral("Annuleren")), "Button1", QStringLiteral("Annuleren"));
  auto* button2 = Name(new QtButton(form, QStringLiteral("Ok")), "Button2", QStringLiteral("Ok"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(button1);
  buttons->addWidget(button2);

  auto* column = new QVBoxLayout(form);
  column->setContentsMargins(10, 10, 10, 10);
  column->addWidget(panel1);
  column->addLayout(buttons);
  form->resize(380, 280);
  form->setFixedSize(form->sizeHint().expandedTo(QSize(380, 280)));

  formEdit_.reset(new ui::FormEditControls{*form, *edit1, *edit2, *checkBox1, *memo1, *button1, *button2});
}

void QtWindows::BuildFormSentMSG() {
  sentMSGForm_ = Dialog("FormSentMSG", QStringLiteral("Verstuur bericht"), kNoCaptionButtons);
  QtDialogForm* form = sentMSGForm_.get();
  auto* strip = new QWidget(form);
  QLabel* label1 = Label(strip, "Label1", QStringLiteral("Naar :"));
  auto* comboBox1 = Name(new QtComboBox(strip), "ComboBox1", QStringLiteral("Naar"));
  auto* memo1 = Name(new QtMemo(form, 400), "Memo1", QStringLiteral("Bericht"));
  auto* bottom = new QWidget(form);
  auto* button1 = Name(new QtButton(bottom, QStringLiteral("Annuleren")), "Button1", QStringLiteral("Annuleren"));
  auto* button2 = Name(new QtButton(bottom, QStringLiteral("Versturen")), "Button2", QStringLiteral("Versturen"));
  label1->setBuddy(comboBox1);
  comboBox1->setFont(FixedPitchFont(13));
  comboBox1->setMaxVisibleItems(12);
  memo1->setFont(FixedPitchFont(13));
  memo1->setTabChangesFocus(true);

  // A top strip 41 pixels high, the message 346 x 135 under it, the buttons below.
  strip->setFixedHeight(41);
  bottom->setFixedHeight(220 - 41 - 135);
  auto* top = new QHBoxLayout(strip);
  top->setContentsMargins(8, 0, 8, 0);
  top->addWidget(label1);
  top->addWidget(comboBox1, 1);
  memo1->setFixedHeight(135);
  auto* buttons = new QHBoxLayout(bottom);
  buttons->setContentsMargins(8, 0, 8, 0);
  buttons->addStretch(1);
  buttons->addWidget(button1);
  buttons->addWidget(button2);
  auto* column = new QVBoxLayout(form);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(strip);
  column->addWidget(memo1);
  column->addWidget(bottom);
  form->setFixedSize(346, 220);

  formSentMSG_.reset(new ui::FormSentMSGControls{*form, *comboBox1, *memo1, *button1, *button2});
}

void QtWindows::BuildFormMSG() {
  msgForm_ = Dialog("FormMSG", QStringLiteral("Berichten"), kNoCaptionButtons | Qt::WindowStaysOnTopHint);
  QtDialogForm* form = msgForm_.get();
  auto* richOntvang = Name(new QtRichView(form), "RichOntvang", QStringLiteral("Berichten"));
  auto* bottom = new QWidget(form);
  auto* button3 = Name(new QtButton(bottom, QStringLiteral("Wissen")), "Button3", QStringLiteral("Wissen"));
  auto* button2 = Name(new QtButton(bottom, QStringLiteral("Beantwoorden")), "Button2", QStringLiteral("Beantwoorden"));
  auto* button1 = Name(new QtButton(bottom, QStringLiteral("Sluiten")), "Button1", QStringLiteral("Sluiten"));
  richOntvang->setFont(SansFont(13));
  richOntvang->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The grey of scroll bars, which styles paint in the button colour.
  QPalette grey = richOntvang->palette();
  grey.setColor(QPalette::Base, grey.color(QPalette::Button));
  richOntvang->setPalette(grey);

  auto* popupKopieer = Name(new QMenu(richOntvang), "PopupKopieer");
  auto* kopieerenCTRLC1 = Name(new QtMenuItem(popupKopieer, QStringLiteral("&Kopieer     CTRL-C")), "KopieerenCTRLC1");
  popupKopieer->addAction(kopieerenCTRLC1);
  richOntvang->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(richOntvang, &QWidget::customContextMenuRequested, [richOntvang, popupKopieer](const QPoint& at) {
    popupKopieer->popup(richOntvang->viewport()->mapToGlobal(at));
  });
  // Ctrl+C in the view is the menu item, trimmed copy and all, not the view's own copy.
  new QShortcut(QKeySequence::Copy, richOntvang, kopieerenCTRLC1, &QAction::trigger, Qt::WidgetShortcut);

  // The view fills the top, 479 x 155; the buttons stand in the 36 pixels below it.
  richOntvang->setFixedHeight(155);
  bottom->setFixedHeight(36);
  auto* buttons = new QHBoxLayout(bottom);
  buttons->setContentsMargins(4, 0, 4, 0);
  buttons->addWidget(button3);
  buttons->addStretch(1);
  buttons->addWidget(button2);
  buttons->addWidget(button1);
  auto* column = new QVBoxLayout(form);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(richOntvang);
  column->addWidget(bottom);
  form->setFixedSize(479, 191);

  formMSG_.reset(new ui::FormMSGControls{*form, *richOntvang, *button1, *button2, *button3, *kopieerenCTRLC1});
}

}  // namespace ringlook::qt
