// The dispatch of one received text: nine keyword tests in a fixed order, and
// the first that matches handles the text. What a branch reads (a message body,
// a caller's name) is data that any user of the server can write, so it is
// never tested for a keyword again. Two branches wait for the user in a modal
// loop, where a text arriving meanwhile is dispatched at once, inside; each
// dispatch therefore keeps its own text and only the window's state is shared.
#include <cmath>
#include <functional>
#include <string>

#include "common/Error.h"
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

// The local time of day as h:nn (no leading zero on the hour). Whole
// milliseconds first: a date-time near day 46000 carries rounding noise that
// would otherwise show 9:05 as 9:04.
constexpr long long kMsPerMinute = 60000;
constexpr long long kMinutesPerDay = 1440;

std::string HourMinute(double nowDays) {
  const double dayFraction = nowDays - std::floor(nowDays);
  const long long minutes = std::llround(dayFraction * kMsPerDay) / kMsPerMinute % kMinutesPerDay;
  const long long minute = minutes % 60;
  return std::to_string(minutes / 60) + (minute < 10 ? ":0" : ":") + std::to_string(minute);
}

// Reads HISTORY and REPLYFIND bodies into the list; a record that gives a blank
// line stays in the list and ends the reading. afterRecord runs after each
// record that does not end it.
void ReadIntoList(TFormRinglook& form, std::string_view list, const std::function<void()>& afterRecord) {
  net::ReadRecordList(list, [&](std::string_view record) {
    const std::string line = form.ListBoxTrim(record);
    form.Controls.ListBox1.Add(line);
    if (TrimmedView(line).empty()) return false;
    if (afterRecord) afterRecord();
    return true;
  });
}

class Dispatcher {
 public:
  explicit Dispatcher(TFormRinglook& form) : form_(form) {}

  // body: the text after the keyword and its "^".
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
    form_.Setup().Controls.Edit2.SetText("");
    try {
      form_.SchrijfReg();
    } catch (const Error& e) {
      form_.Env.App.MessageBox(e.what(), ui::MessageKind::Error);
      return;
    }
    form_.Env.App.MessageBox(kWrongNickText, ui::MessageKind::Information);
  }

  void Msg(std::string_view body) {
    const net::ReceivedMessage message = net::ReadMessage(body);
    std::string block(kMessageRule);
    block.append(kMessageFrom).append(message.Sender).append("  (");
    block.append(HourMinute(form_.Env.Time.Now())).append(")\r\n\r\n");
    block.append(message.Body);
    form_.LastCorrespondent = message.Sender;
    form_.LastMessageBlock = block;

    ui::FormMSGControls& window = form_.MSG().Controls;
    window.RichOntvang.AppendLines(block);
    form_.MSG().ScrollToEnd();
    window.RichOntvang.ClearSelection();
    // Shown already: the block is only appended. Otherwise the dispatch waits
    // until the user closes the window (and, after Beantwoorden, the answer).
    form_.MSG().ShowUnlessVisible();
  }

  void Nieuw(std::string_view record) {
    form_.LiveList = true;
    const bool popup = form_.Setup().Controls.CheckBox2.Checked();
    if (popup) form_.RaiseMainWindow();
    const net::CallerRecord caller = net::CallerRecord::Read(record);
    std::string line = form_.ListBoxTrim(record);
    // While the search bar is open the list shows search results and stays as it is.
    if (!form_.Controls.Panel2.Visible()) form_.Controls.ListBox1.Insert(0, line);
    form_.Env.App.SetTitle(form_.TitlePrefix + form_.LastCallerName);
    form_.Controls.Timer1.Restart();
    if (popup || caller.Flag == net::kFlagAlert) form_.Env.App.NotifyCall(caller.Name, caller.Number);
  }

  void Wijzig(std::string_view notice) { form_.Wijzig(notice); }

  void UpdateBellers(std::string_view count) {
    form_.Controls.StatusBar1.SetPanelText(1, std::string(kCallersTodayLabel).append(count));
  }

  void History(std::string_view list) {
    form_.LiveList = false;
    form_.Controls.ListBox1.Clear();
    ReadIntoList(form_, list, {});
  }

  void ReplyFind(std::string_view list) {
    form_.LiveList = false;
    form_.Controls.ListBox1.Clear();
    ui::StatusBar& status = form_.Controls.StatusBar1;
    status.SetPanelText(1, kNothingFound);
    int count = 0;
    ReadIntoList(form_, list, [&] {
      ++count;
      status.SetPanelText(
          1, count == kSearchLimit ? std::string(kMoreThan300) : std::string(kFoundLabel) + std::to_string(count));
    });
    // Enabled even after a reply cut short at a blank line: the search bar must
    // never be left with no way to search again.
    form_.Controls.Edit1.SetEnabled(true);
    form_.Controls.Button2.SetEnabled(true);
  }

  void NameList(std::string_view names) {
    ui::FormSentMSGControls& dialog = form_.SentMSG().Controls;
    dialog.ComboBox1.SetEnabled(true);
    dialog.Button2.SetEnabled(true);
    dialog.Memo1.SetEnabled(true);
    const std::string ownNickname = form_.Setup().Controls.Edit2.Text();
    net::ReadNameList(names, [&](std::string_view name) {
      if (name != ownNickname) dialog.ComboBox1.Add(name);
    });
    for (int i = 0; i < dialog.ComboBox1.Count(); ++i) {
      if (dialog.ComboBox1.Item(i) != form_.LastCorrespondent) continue;
      dialog.ComboBox1.SetItemIndex(i);
      if (dialog.ComboBox1.ItemIndex() >= 0 && dialog.Self.Visible()) dialog.Memo1.SetFocus();
    }
  }

  // Only the reply the edit dialog waits for fills it: a late answer to an
  // earlier request would otherwise be saved under another number by "Ok".
  void ReplyGet(std::string_view fields) {
    const net::NumberRecord entry = net::ReadNumberRecord(fields);
    if (form_.Edit().Fill(entry)) return;
    if (form_.Env.Log) form_.Env.Log("REPLYGET voor '" + entry.Number + "' genegeerd: daar wacht het venster niet op");
  }

  TFormRinglook& form_;
};

}  // namespace

void TFormRinglook::Dispatch(std::string_view text) { Dispatcher(*this).Run(text); }

}  // namespace ringlook
