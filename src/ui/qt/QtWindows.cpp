// The five windows: see QtWindows.h. This file builds the main window; the
// dialogs are built in QtDialogWindows.cpp.
#include "ui/qt/QtWindows.h"

#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/qt/Accessibility.h"
#include "ui/qt/LayoutNaming.h"
#include "ui/qt/QtButton.h"
#include "ui/qt/QtEdit.h"
#include "ui/qt/QtListBox.h"
#include "ui/qt/QtMenuItem.h"
#include "ui/qt/QtPanel.h"
#include "ui/qt/QtStatusBar.h"

namespace ringlook::qt {

QtWindows::QtWindows() {
  InstallAccessibleRoles();
  BuildFormRinglook();
  BuildFormSetup();
  BuildFormEdit();
  BuildFormSentMSG();
  BuildFormMSG();
}

QtWindows::~QtWindows() = default;

void QtWindows::BuildFormRinglook() {
  mainForm_ = std::make_unique<QtMainForm>();
  QtMainForm* form = mainForm_.get();
  // Unnamed: a window's accessible name is its current caption.
  Name(form, "FormRinglook");
  form->setWindowTitle(QStringLiteral("Ringlook"));
  form->move(114, 131);
  form->resize(525, 221);

  auto* panel2 = Name(new QtPanel(form), "Panel2", QStringLiteral("Zoeken"));
  panel2->setFixedHeight(32);
  auto* label1 = Name(new QLabel(QStringLiteral("Zoeken naar "), panel2), "Label1", QStringLiteral("Zoeken naar"));
  auto* edit1 = Name(new QtEdit(panel2), "Edit1", QStringLiteral("Zoeken naar"));
  auto* button2 = Name(new QtButton(panel2, QStringLiteral("Nu zoeken")), "Button2", QStringLiteral("Nu zoeken"));
  auto* button1 = Name(new QtButton(panel2, QStringLiteral("Sluiten")), "Button1", QStringLiteral("Sluiten"));
  label1->setBuddy(edit1);
  // The designed places, unless a wider desktop font needs a control pushed
  // right to keep its neighbour's caption whole.
  label1->adjustSize();
  label1->move(16, (32 - label1->height()) / 2);
  edit1->setGeometry(std::max(82, label1->geometry().right() + 3), 5, 185, 22);
  button2->setGeometry(std::max(271, edit1->geometry().right() + 5), 4, std::max(66, button2->sizeHint().width()), 24);
  // FormShow places it against the right edge.
  button1->setGeometry(441, 4, std::max(49, button1->sizeHint().width()), 24);
  QWidget::setTabOrder(edit1, button1);
  QWidget::setTabOrder(button1, button2);
  panel2->setVisible(false);

  auto* panel1 = Name(new QtPanel(form), "Panel1", QStringLiteral("Gesprekken"));
  panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel1->setLineWidth(8);
  auto* listBox1 = Name(new QtListBox(panel1), "ListBox1", QStringLiteral("Gesprekken"));
  auto* listArea = new QVBoxLayout(panel1);
  listArea->setContentsMargins(0, 0, 0, 0);
  listArea->addWidget(listBox1);

  auto* statusBar1 = Name(new QtStatusBar(form, {90, 235, 50}), "StatusBar1", QStringLiteral("Status"));
  statusBar1->setFixedHeight(19);
  statusBar1->SetPanelText(0, "  Geen verbinding");
  statusBar1->SetPanelText(1, "  Aantal (vandaag)  :");
  statusBar1->SetPanelText(2, "      F1 = Help");
  statusBar1->WidenToTexts();

  auto* column = new QVBoxLayout(form);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(panel2);
  column->addWidget(panel1, 1);
  column->addWidget(statusBar1);

  auto* popupMenu1 = Name(new QMenu(form), "PopupMenu1");
  auto item = [popupMenu1](const char* name, const QString& caption, bool visible = true) {
    auto* menuItem = Name(new QtMenuItem(popupMenu1, caption), name, caption);
    menuItem->setVisible(visible);
    popupMenu1->addAction(menuItem);
    return menuItem;
  };
  QtMenuItem* find1 = item("Find1", QStringLiteral("Zoeken"));
  item("N3", {});
  QtMenuItem* addnumber1 = item("Addnumber1", QStringLiteral("Nummer toevoegen"), false);
  QtMenuItem* deletenumber1 = item("Deletenumber1", QStringLiteral("Verwijder nummer"), false);
  QtMenuItem* n1 = item("N1", {}, false);
  QtMenuItem* sentmassage1 = item("Sentmassage1", QStringLiteral("Verstuur bericht"));
  QtMenuItem* viewMessages1 = item("ViewMessages1", QStringLiteral("Toon berichten"));
  item("N2", {});
  QtMenuItem* setup1 = item("Setup1", QStringLiteral("Instellingen"));
  item("N4", {});
  QtMenuItem* help1 = item("Help1", QStringLiteral("Help"));
  form->SetContextMenu(popupMenu1);

  formRinglook_.reset(new ui::FormRinglookControls{*form, *listBox1, *panel2, *edit1, *button1, *button2, *statusBar1,
                                                   *find1, *addnumber1, *deletenumber1, *n1, *sentmassage1,
                                                   *viewMessages1, *setup1, *help1, timer1_, timer2_, timer3_});
}

}  // namespace ringlook::qt
