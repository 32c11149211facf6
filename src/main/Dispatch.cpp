// The dispatch of one received text: read once into a typed message (the first
// of nine keywords, in a fixed order, that matches), then its branch. What a
// branch reads (a message body, a caller's name) is data that any user of the
// server can write, so it is never tested for a keyword again. Two branches wait for the user in a modal
// loop, where a text arriving meanwhile is dispatched at once, inside; each
// dispatch therefore keeps its own text and only the window's state is shared.
#include <string>
#include <variant>

#include "common/Error.h"
#include "common/LocalTime.h"
#include "main/TFormRinglook.h"
#include "messaging/TFormMSG.h"
#include "messaging/TFormSentMSG.h"
#include "net/Messages.h"
#include "records/TFormEdit.h"
#include "settings/TFormSetup.h"

namespace ringlook {

namespace {

constexpr std::string_view kWrongNickText = "Your Nickname already excists!";
constexpr std::string_view kCallersTodayLabel = "  Caller(s) today : ";
constexpr std::string_view kNothingFound = "  Niets gevonden";
constexpr std::string_view kFoundLabel = "  Gevonden : ";
constexpr std::string_view kMoreThan300 = "  Meer dan 300 gevonden ";
constexpr int kSearchLimit = 300;
constexpr std::string_view kMessageRule = "\r\n-------------------------------------------------------\r\n";
constexpr std::string_view kMessageFrom = "Bericht van : ";

}  // namespace

// The branches, one for each kind of message.
class TFormRinglook::Dispatcher {
 public:
  explicit Dispatcher(TFormRinglook& form) : form_(form), controls_(form.controls_), env_(form.env_) {}

  void operator()(std::monostate /*unknown*/) const {}

  // A failed save is shown instead, as any handler's uncaught failure ends its event.
  void operator()(net::WrongNickText /*text*/) const {
    form_.dialogs_.Setup.SetNickname("");
    try {
      form_.SchrijfReg();
    } catch (const Error& e) {
      env_.App.MessageBox(e.what(), ui::MessageKind::Error);
      return;
    }
    env_.App.MessageBox(kWrongNickText, ui::MessageKind::Information);
  }

  void operator()(const net::ReceivedMessage& message) const {
    std::string block(kMessageRule);
    block.append(kMessageFrom).append(message.Sender).append("  (");
    block.append(HourMinute(env_.Time.Now())).append(")\r\n\r\n");
    block.append(message.Body);
    form_.dialogs_.SentMSG.SetLastCorrespondent(message.Sender);
    TFormMSG& window = form_.dialogs_.MSG;
    window.Receive(block);
    // Shown already: the block is only appended. Otherwise the dispatch waits
    // until the user closes the window (and, after Beantwoorden, the answer).
    window.ShowUnlessVisible();
  }

  void operator()(const net::NewCall& call) const {
    const bool popup = form_.dialogs_.Setup.Popup();
    if (popup || call.Caller.Flag == net::kFlagAlert) form_.RaiseMainWindow();
    form_.calls_.Nieuw(call.Caller, popup);
  }

  void operator()(const net::ChangeNotice& notice) const { form_.Wijzig(notice); }

  void operator()(const net::CallerCount& count) const {
    controls_.StatusBar1.SetPanelText(1, std::string(kCallersTodayLabel).append(count.Count));
  }

  void operator()(const net::TodaysCalls& list) const {
    form_.calls_.Replace(list.Records, {});
    if (env_.Log) env_.Log("HISTORY: " + std::to_string(controls_.ListBox1.Count()) + " regels in de lijst");
  }

  void operator()(const net::FoundCalls& list) const {
    ui::StatusBar& status = controls_.StatusBar1;
    status.SetPanelText(1, kNothingFound);
    int count = 0;
    form_.calls_.Replace(list.Records, [&] {
      ++count;
      status.SetPanelText(
          1, count == kSearchLimit ? std::string(kMoreThan300) : std::string(kFoundLabel) + std::to_string(count));
    });
    // Enabled even after a reply cut short at a blank line: the search bar must
    // never be left with no way to search again.
    controls_.Edit1.SetEnabled(true);
    controls_.Button2.SetEnabled(true);
  }

  void operator()(const net::NameList& list) const {
    form_.dialogs_.SentMSG.AddNames(list.Names, form_.dialogs_.Setup.Nickname());
  }

  // Only the reply the edit dialog waits for fills it: a late answer to an
  // earlier request would otherwise be saved under another number by "Ok".
  void operator()(const net::NumberReply& reply) const {
    if (form_.dialogs_.Edit.Fill(reply.Entry)) return;
    if (env_.Log) env_.Log("REPLYGET voor '" + reply.Entry.Number + "' genegeerd: daar wacht het venster niet op");
  }

 private:
  TFormRinglook& form_;
  ui::FormRinglookControls& controls_;
  Services& env_;
};

void TFormRinglook::Dispatch(std::string_view text) { std::visit(Dispatcher(*this), net::ReadServerText(text)); }

}  // namespace ringlook
