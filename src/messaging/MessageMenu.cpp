// The main window's two message entries, "Verstuur bericht" and "Toon
// berichten". Received messages reach the windows through the dispatch.
#include "common/Text.h"
#include "main/TFormRinglook.h"
#include "messaging/TFormMSG.h"
#include "messaging/TFormSentMSG.h"
#include "settings/TFormSetup.h"

namespace ringlook {

namespace {
constexpr std::string_view kNoNickname = "Voer eerst een naam in!";
}  // namespace

void TFormRinglook::Sentmassage1Click() {
  if (TrimmedView(Setup().Controls.Edit2.Text()).empty()) {
    Env.App.MessageBox(kNoNickname, ui::MessageKind::Information);
    return;
  }
  SentMSG().AskNamesAndShow();
}

// Shows the last message only: the view, which may hold several, is replaced.
void TFormRinglook::ViewMessages1Click() {
  TFormMSG& window = MSG();
  window.Controls.RichOntvang.SetText(LastMessageBlock);
  window.ScrollToEnd();
  window.ShowUnlessVisible();
}

}  // namespace ringlook
