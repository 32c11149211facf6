// The five windows: see QtWindows.h. This file builds the main window; the
// dialogs are built in QtDialogWindows.cpp.
#include "qt/QtWindows.h"

#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <string_view>
#include <vector>

#include "qt/Accessibility.h"
#include "qt/Cp1252.h"
#include "qt/LayoutNaming.h"
#include "qt/QtButton.h"
#include "qt/QtEdit.h"
#include "qt/QtListBox.h"
#include "qt/QtMenuItem.h"
#include "qt/QtPanel.h"
#include "qt/QtStatusBar.h"
#include "ui/WindowDefinitions.h"

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
  using namespace ui::definitions::main_window;
  mainForm_ = std::make_unique<QtMainForm>();
  QtMainForm* form = mainForm_.get();
  // Unnamed: a window's accessible name is its current caption.
  Name(form, kForm.name);
  form->setWindowTitle(FromCp1252(kForm.caption));
  form->move(kLeft, kTop);
  form->resize(kForm.width, kForm.height);

  auto* panel2 = Name(new QtPanel(form), "Panel2", QStringLiteral("Zoeken"));
  panel2->setFixedHeight(kSearchBarHeight);
  const QString label1Caption = FromCp1252(kLabel1.caption);
  auto* label1 = Name(new QLabel(label1Caption, panel2), kLabel1.name, label1Caption.trimmed());
  auto* edit1 = Name(new QtEdit(panel2), "Edit1", label1Caption.trimmed());
  auto* button2 = Name(new QtButton(panel2, FromCp1252(kButton2.caption)), kButton2.name, FromCp1252(kButton2.caption));
  auto* button1 = Name(new QtButton(panel2, FromCp1252(kButton1.caption)), kButton1.name, FromCp1252(kButton1.caption));
  label1->setBuddy(edit1);
  // The designed places, unless a wider desktop font needs a control pushed
  // right to keep its neighbour's caption whole.
  label1->adjustSize();
  label1->move(kLabel1Left, (kSearchBarHeight - label1->height()) / 2);
  edit1->setGeometry(std::max(kEdit1Left, label1->geometry().right() + 3), 5, kEdit1Width, 22);
  button2->setGeometry(std::max(kButton2Left, edit1->geometry().right() + 5), 4,
                       std::max(kButton2Width, button2->sizeHint().width()), 24);
  button1->setGeometry(kButton1Left, 4, std::max(kButton1Width, button1->sizeHint().width()), 24);
  QWidget::setTabOrder(edit1, button1);
  QWidget::setTabOrder(button1, button2);
  panel2->setVisible(false);

  auto* panel1 = Name(new QtPanel(form), "Panel1", QStringLiteral("Gesprekken"));
  panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel1->setLineWidth(kListBevel);
  auto* listBox1 = Name(new QtListBox(panel1), "ListBox1", QStringLiteral("Gesprekken"));
  auto* listArea = new QVBoxLayout(panel1);
  listArea->setContentsMargins(0, 0, 0, 0);
  listArea->addWidget(listBox1);

  std::vector<int> widths;
  for (const ui::definitions::StatusPanel& panel : kStatusPanels) widths.push_back(panel.width);
  auto* statusBar1 = Name(new QtStatusBar(form, widths), "StatusBar1", QStringLiteral("Status"));
  statusBar1->setFixedHeight(19);
  for (int i = 0; i < static_cast<int>(kStatusPanels.size()); ++i) {
    statusBar1->SetPanelText(i, kStatusPanels[static_cast<std::size_t>(i)].startText);
  }
  statusBar1->WidenToTexts();

  auto* column = new QVBoxLayout(form);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(panel2);
  column->addWidget(panel1, 1);
  column->addWidget(statusBar1);

  auto* popupMenu1 = Name(new QMenu(form), kPopupMenuName);
  std::map<std::string_view, QtMenuItem*> items;
  const auto addEntries = [&](const auto& entries) {
    for (const ui::definitions::MenuEntry& entry : entries) {
      const QString caption = entry.caption == std::string_view("-") ? QString() : FromCp1252(entry.caption);
      auto* menuItem = Name(new QtMenuItem(popupMenu1, caption), entry.name, caption);
      menuItem->setVisible(entry.visible);
      popupMenu1->addAction(menuItem);
      items[entry.name] = menuItem;
    }
  };
  addEntries(kCallerGroup);
  addEntries(kPopupMenu1);
  addEntries(kSaveGroup);
  form->SetContextMenu(popupMenu1, listBox1);

  formRinglook_.reset(new ui::FormRinglookControls{*form,
                                                   *listBox1,
                                                   *panel2,
                                                   *edit1,
                                                   *button1,
                                                   *button2,
                                                   *statusBar1,
                                                   *items["Find1"],
                                                   *items["Addnumber1"],
                                                   *items["Deletenumber1"],
                                                   *items["N1"],
                                                   *items["Sentmassage1"],
                                                   *items["ViewMessages1"],
                                                   *items["Setup1"],
                                                   *items["Help1"],
                                                   timer1_,
                                                   timer2_,
                                                   timer3_,
                                                   *items["CallBack1"],
                                                   *items["LookUp1"],
                                                   *items["PassOn1"],
                                                   *items["CopyNumber1"],
                                                   *items["N5"],
                                                   *items["SaveList1"]});
}

}  // namespace ringlook::qt
