// The four dialogs of QtWindows (the main window is in QtWindows.cpp).
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QVBoxLayout>

#include "qt/Cp1252.h"
#include "qt/Fonts.h"
#include "qt/LayoutNaming.h"
#include "qt/QtButton.h"
#include "qt/QtCheckBox.h"
#include "qt/QtComboBox.h"
#include "qt/QtEdit.h"
#include "qt/QtMemo.h"
#include "qt/QtMenuItem.h"
#include "qt/QtPanel.h"
#include "qt/QtRichView.h"
#include "qt/QtWindows.h"
#include "ui/WindowDefinitions.h"

namespace ringlook::qt {

namespace {

constexpr Qt::WindowFlags kCloseBoxOnly =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
constexpr Qt::WindowFlags kNoCaptionButtons = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

std::unique_ptr<QtDialogForm> Dialog(const ui::definitions::FormDefinition& definition, Qt::WindowFlags flags) {
  auto dialog = std::make_unique<QtDialogForm>(flags);
  Name(dialog.get(), definition.name);
  dialog->setWindowTitle(FromCp1252(definition.caption));
  dialog->setModal(true);
  return dialog;
}

QString CaptionOf(const ui::definitions::Captioned& control) { return FromCp1252(control.caption); }

QLabel* Label(QWidget* parent, const ui::definitions::Captioned& label) {
  return Name(new QLabel(CaptionOf(label), parent), label.name, CaptionOf(label).trimmed());
}

// A button or check box, named for a screen reader by its caption.
template <typename Control>
Control* Captioned(QWidget* parent, const ui::definitions::Captioned& control) {
  return Name(new Control(parent, CaptionOf(control)), control.name, CaptionOf(control));
}

}  // namespace

void QtWindows::BuildFormSetup() {
  using namespace ui::definitions::setup_dialog;
  setupForm_ = Dialog(kForm, kCloseBoxOnly);
  QtDialogForm* form = setupForm_.get();
  // Created in tab order: the server field gets the focus although the name stands above it.
  auto* edit1 = Name(new QtEdit(form), "Edit1", CaptionOf(kLabel1));
  auto* edit2 = Name(new QtEdit(form), "Edit2", CaptionOf(kLabel2));
  auto* checkBox1 = Captioned<QtCheckBox>(form, kCheckBox1);
  auto* checkBox2 = Captioned<QtCheckBox>(form, kCheckBox2);
  auto* button1 = Captioned<QtButton>(form, kButton1);
  QLabel* label2 = Label(form, kLabel2);
  QLabel* label1 = Label(form, kLabel1);
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
  using namespace ui::definitions::edit_dialog;
  editForm_ = Dialog(kForm, kCloseBoxOnly);
  QtDialogForm* form = editForm_.get();
  auto* panel1 = Name(new QtPanel(form), "Panel1");
  panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel1->setFont(SansFont(13));
  QLabel* label1 = Label(panel1, kLabel1);
  auto* edit1 = Name(new QtEdit(panel1, kNameLimit), "Edit1", QStringLiteral("Naam"));
  QLabel* label2 = Label(panel1, kLabel2);
  auto* edit2 = Name(new QtEdit(panel1), "Edit2", QStringLiteral("Nummer"));
  auto* checkBox1 = Captioned<QtCheckBox>(panel1, kCheckBox1);
  auto* memo1 = Name(new QtMemo(panel1, kNoteLimit), "Memo1", QStringLiteral("Notitie"));
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

  auto* button1 = Captioned<QtButton>(form, kButton1);
  auto* button2 = Captioned<QtButton>(form, kButton2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(button1);
  buttons->addWidget(button2);

  auto* column = new QVBoxLayout(form);
  column->setContentsMargins(10, 10, 10, 10);
  column->addWidget(panel1);
  column->addLayout(buttons);
  // A little taller than designed, for the room Qt's fields take in the panel.
  const QSize designed(kForm.width, kForm.height + 18);
  form->resize(designed);
  form->setFixedSize(form->sizeHint().expandedTo(designed));

  formEdit_.reset(new ui::FormEditControls{*form, *edit1, *edit2, *checkBox1, *memo1, *button1, *button2});
}

void QtWindows::BuildFormSentMSG() {
  using namespace ui::definitions::send_dialog;
  sentMSGForm_ = Dialog(kForm, kNoCaptionButtons);
  QtDialogForm* form = sentMSGForm_.get();
  auto* strip = new QWidget(form);
  QLabel* label1 = Label(strip, kLabel1);
  auto* comboBox1 = Name(new QtComboBox(strip), "ComboBox1", QStringLiteral("Naar"));
  auto* memo1 = Name(new QtMemo(form, kMessageLimit), "Memo1", QStringLiteral("Bericht"));
  auto* bottom = new QWidget(form);
  auto* button1 = Captioned<QtButton>(bottom, kButton1);
  auto* button2 = Captioned<QtButton>(bottom, kButton2);
  label1->setBuddy(comboBox1);
  comboBox1->setFont(FixedPitchFont(13));
  comboBox1->setMaxVisibleItems(12);
  memo1->setFont(FixedPitchFont(13));
  memo1->setTabChangesFocus(true);

  // A top strip 41 pixels high, the message 346 x 135 under it, the buttons below.
  strip->setFixedHeight(41);
  bottom->setFixedHeight(kForm.height - 41 - 135);
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
  form->setFixedSize(kForm.width, kForm.height);

  formSentMSG_.reset(new ui::FormSentMSGControls{*form, *comboBox1, *memo1, *button1, *button2});
}

void QtWindows::BuildFormMSG() {
  using namespace ui::definitions::messages_window;
  msgForm_ = Dialog(kForm, kNoCaptionButtons | Qt::WindowStaysOnTopHint);
  QtDialogForm* form = msgForm_.get();
  auto* richOntvang = Name(new QtRichView(form), "RichOntvang", FromCp1252(kForm.caption));
  auto* bottom = new QWidget(form);
  auto* button3 = Captioned<QtButton>(bottom, kButton3);
  auto* button2 = Captioned<QtButton>(bottom, kButton2);
  auto* button1 = Captioned<QtButton>(bottom, kButton1);
  richOntvang->setFont(SansFont(13));
  richOntvang->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The grey of scroll bars, which styles paint in the button colour.
  QPalette grey = richOntvang->palette();
  grey.setColor(QPalette::Base, grey.color(QPalette::Button));
  richOntvang->setPalette(grey);

  auto* popupKopieer = Name(new QMenu(richOntvang), kPopupMenuName);
  const ui::definitions::MenuEntry& copy = kPopupKopieer.front();
  auto* kopieerenCTRLC1 = Name(new QtMenuItem(popupKopieer, FromCp1252(copy.caption)), copy.name);
  popupKopieer->addAction(kopieerenCTRLC1);
  richOntvang->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(richOntvang, &QWidget::customContextMenuRequested, [richOntvang, popupKopieer](const QPoint& at) {
    popupKopieer->popup(richOntvang->viewport()->mapToGlobal(at));
  });
  // Ctrl+C in the view is the menu item, trimmed copy and all, not the view's own copy.
  new QShortcut(QKeySequence::Copy, richOntvang, kopieerenCTRLC1, &QAction::trigger, Qt::WidgetShortcut);

  // The view fills the top, 479 x 155; the buttons stand in the 36 pixels below it.
  richOntvang->setFixedHeight(kForm.height - 36);
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
  form->setFixedSize(kForm.width, kForm.height);

  formMSG_.reset(new ui::FormMSGControls{*form, *richOntvang, *button1, *button2, *button3, *kopieerenCTRLC1});
}

}  // namespace ringlook::qt
