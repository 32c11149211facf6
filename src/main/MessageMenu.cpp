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

void TFormRinglook::Sentmassage1Click() { SendMessage({}); }

void TFormRinglook::SendMessage(std::string_view message) {
  if (TrimmedView(dialogs_.Setup.Nickname()).empty()) {
    env_.App.MessageBox(kNoNickname, ui::MessageKind::Information);
    return;
  }
  dialogs_.SentMSG.AskNamesAndShow(message);
}

// Shows the last message only: the view, which may hold several, is replaced.
void TFormRinglook::ViewMessages1Click() {
  dialogs_.MSG.ShowOnlyLast();
  dialogs_.MSG.ShowUnlessVisible();
}

}  // namespace ringlook
