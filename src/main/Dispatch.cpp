// The dispatch of one received text: nine keyword tests in a fixed order, and
// the first that matches handles the text. What a branch reads (a message body,
// a caller's name) is data that any user of the server can write, so it is
// never tested for a keyword again. Two branches wait for the user in a modal
// loop, where a text arriving meanwhile is dispatched at once, inside; each
// dispatch therefore keeps its own text and only the window's state is shared.
#include <functional>
#include <string>

#include <vector>

#include "common/Error.h"
#include "common/LocalTime.h"
#include "common/Text.h"
#include "main/TFormRinglook.h"
#include "messaging/TFormMSG.h"
#include "messaging/TFormSentMSG.h"
#include "net/Fields.h"
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

// The branches, each given the text after its keyword and "^".
class TFormRinglook::Dispatcher {
 public:
  explicit Dispatcher(TFormRinglook& form) : form_(form), controls_(form.controls_), env_(form.env_) {}

  void Run(std::string_view text) {
    using Branch = void (Dispatcher::*)(std::string_view body);
    static constexpr std::pair<std::string_view, Branch> kBranches[] = {
        {net::kWrongNick, &Dispatcher::WrongNick},
        {net::kMsg, &Dispatcher::Msg},
        {net::kNieuw, &Dispatcher::Nieuw},
        {net::kWijzig, &Dispatcher::Wijzig},
        {net::kUpdateBellers, &Dispatcher::UpdateBellers},
        {net::kHistory, &Dispatcher::History},
        {net::kReplyFind, &Dispatcher::ReplyFind},
        {net::kNameList, &Dispatcher::NameList},
        {net::kReplyGet, &Dispatcher::ReplyGet},
    };
    for (const auto& [keyword, branch] : kBranches) {
      if (!net::HasKeyword(text, keyword)) continue;
      (this->*branch)(net::DropThrough(text, net::kFieldSeparator));
      return;
    }
  }

 private:
  // A failed save is shown instead, as any handler's uncaught failure ends its event.
  void WrongNick(std::string_view /*body*/) {
    form_.dialogs_.Setup.SetNickname("");
    try {
      form_.SchrijfReg();
    } catch (const Error& e) {
      env_.App.MessageBox(e.what(), ui::MessageKind::Error);
      return;
    }
    env_.App.MessageBox(kWrongNickText, ui::MessageKind::Information);
  }

  void Msg(std::string_view body) {
    const net::ReceivedMessage message = net::ReadMessage(body);
    std::string block(kMessageRule);
    block.append(kMessageFrom).append(message.Sender).append("  (");
    block.append(HourMinute(env_.Time.Now())).append(")\r\n\r\n");
    block.append(message.Body);
    form_.LastCorrespondent = message.Sender;
    form_.LastMessageBlock = block;
    TFormMSG& window = form_.dialogs_.MSG;
    window.Append(block);
    // Shown already: the block is only appended. Otherwise the dispatch waits
    // until the user closes the window (and, after Beantwoorden, the answer).
    window.ShowUnlessVisible();
  }

  void Nieuw(std::string_view record) {
    form_.LiveList = true;
    const bool popup = form_.dialogs_.Setup.Popup();
    if (popup) form_.RaiseMainWindow();
    const net::CallerRecord caller = net::CallerRecord::Read(record);
    std::string line = form_.ListBoxTrim(record);
    // While the search bar is open the list shows search results and stays as it is.
    if (!controls_.Panel2.Visible()) controls_.ListBox1.Insert(0, line);
    env_.App.SetTitle(form_.TitlePrefix + form_.LastCallerName);
    controls_.Timer1.Restart();
    const bool alert = caller.Flag == net::kFlagAlert;
    if (popup || alert) env_.App.NotifyCall(caller.Name, caller.Number, alert);
    form_.recentCallers_.Add(caller.Name, caller.Number, env_.Time.Now());
    env_.App.ShowRecentCallers(form_.recentCallers_.Callers());
  }

  void Wijzig(std::string_view notice) { form_.Wijzig(notice); }

  void UpdateBellers(std::string_view count) {
    controls_.StatusBar1.SetPanelText(1, std::string(kCallersTodayLabel).append(count));
  }

  void History(std::string_view list) {
    form_.LiveList = false;
    controls_.ListBox1.Clear();
    ReadIntoList(list, {});
  }

  void ReplyFind(std::string_view list) {
    form_.LiveList = false;
    controls_.ListBox1.Clear();
    ui::StatusBar& status = controls_.StatusBar1;
    status.SetPanelText(1, kNothingFound);
    int count = 0;
    ReadIntoList(list, [&] {
      ++count;
      status.SetPanelText(
          1, count == kSearchLimit ? std::string(kMoreThan300) : std::string(kFoundLabel) + std::to_string(count));
    });
    // Enabled even after a reply cut short at a blank line: the search bar must
    // never be left with no way to search again.
    controls_.Edit1.SetEnabled(true);
    controls_.Button2.SetEnabled(true);
  }

  // A record that gives a blank line stays in the list and ends the reading;
  // afterRecord runs after each record that does not end it.
  void ReadIntoList(std::string_view list, const std::function<void()>& afterRecord) {
    net::ReadRecordList(list, [&](std::string_view record) {
      const std::string line = form_.ListBoxTrim(record);
      controls_.ListBox1.Add(line);
      if (TrimmedView(line).empty()) return false;
      if (afterRecord) afterRecord();
      return true;
    });
  }

  void NameList(std::string_view list) {
    form_.dialogs_.SentMSG.AddNames(net::ReadNameList(list), form_.dialogs_.Setup.Nickname(), form_.LastCorrespondent);
  }

  // Only the reply the edit dialog waits for fills it: a late answer to an
  // earlier request would otherwise be saved under another number by "Ok".
  void ReplyGet(std::string_view fields) {
    const net::NumberRecord entry = net::ReadNumberRecord(fields);
    if (form_.dialogs_.Edit.Fill(entry)) return;
    if (env_.Log) env_.Log("REPLYGET voor '" + entry.Number + "' genegeerd: daar wacht het venster niet op");
  }

  TFormRinglook& form_;
  ui::FormRinglookControls& controls_;
  Services& env_;
};

void TFormRinglook::Dispatch(std::string_view text) { Dispatcher(*this).Run(text); }

}  // namespace ringlook
