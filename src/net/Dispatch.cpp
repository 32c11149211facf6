// The dispatch of one received text: nine keyword tests in a fixed order, each
// on the working text as the branches before it left it. A successful test does
// not skip the later ones, so a message body that starts with another keyword
// is handled twice. Two branches wait for the user in a modal loop, where a
// text arriving meanwhile is dispatched at once, inside; each dispatch therefore
// keeps its own working text and only the window's state is shared.
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

// What a record list reader needs to know when it stops.
enum class ListEnd { Complete, AtBlankLine };

// Reads HISTORY and REPLYFIND bodies into the list; a record that gives a blank
// line stays in the list and ends the reading. afterRecord runs after each
// record that does not end it.
ListEnd ReadIntoList(TFormRinglook& form, std::string_view& working, const std::function<void()>& afterRecord) {
  ListEnd end = ListEnd::Complete;
  working = net::ReadRecordList(working, [&](std::string_view record) {
    const std::string line = form.ListBoxTrim(record);
    form.Controls.ListBox1.Add(line);
    if (TrimmedView(line).empty()) {
      end = ListEnd::AtBlankLine;
      return false;
    }
    if (afterRecord) afterRecord();
    return true;
  });
  return end;
}

class Dispatcher {
 public:
  Dispatcher(TFormRinglook& form, std::string text) : form_(form), text_(std::move(text)), working_(text_) {}

  void Run() {
    if (Is(net::kWrongNick) && !WrongNick()) return;
    if (Is(net::kMsg)) Msg();
    if (Is(net::kNieuw)) Nieuw();
    if (Is(net::kWijzig)) Wijzig();
    if (Is(net::kUpdateBellers)) UpdateBellers();
    if (Is(net::kHistory) && !History()) return;
    if (Is(net::kReplyFind) && !ReplyFind()) return;
    if (Is(net::kNameList)) NameList();
    if (Is(net::kReplyGet)) ReplyGet();
  }

 private:
  [[nodiscard]] bool Is(std::string_view keyword) const { return net::HasKeyword(working_, keyword); }

  // False when saving failed: the error is shown and the dispatch ends, as any
  // handler's uncaught failure ends its event.
  bool WrongNick() {
    form_.Setup().Controls.Edit2.SetText("");
    try {
      form_.SchrijfReg();
    } catch (const Error& e) {
      form_.Env.App.MessageBox(e.what(), ui::MessageKind::Error);
      return false;
    }
    form_.Env.App.MessageBox(kWrongNickText, ui::MessageKind::Information);
    return true;
  }

  void Msg() {
    working_ = net::DropThrough(working_, net::kFieldSeparator);
    const std::string sender(net::FieldBefore(working_, net::kFieldSeparator));
    std::string block(kMessageRule);
    block.append(kMessageFrom).append(sender).append("  (");
    block.append(HourMinute(form_.Env.Time.Now())).append(")\r\n\r\n");
    form_.LastCorrespondent = sender;
    working_ = net::DropThrough(working_, net::kFieldSeparator);
    block.append(working_);
    form_.LastMessageBlock = block;

    ui::FormMSGControls& window = form_.MSG().Controls;
    window.RichOntvang.AppendLines(block);
    form_.MSG().ScrollToEnd();
    window.RichOntvang.ClearSelection();
    // Shown already: the block is only appended. Otherwise the later tests wait
    // until the user closes the window (and, after Beantwoorden, the answer).
    form_.MSG().ShowUnlessVisible();
  }

  void Nieuw() {
    form_.LiveList = true;
    const bool popup = form_.Setup().Controls.CheckBox2.Checked();
    if (popup) form_.RaiseMainWindow();
    working_ = net::TextAfter(working_, net::kFieldSeparator);
    const net::CallerRecord record = net::CallerRecord::Read(working_);
    std::string line = form_.ListBoxTrim(working_);
    // While the search bar is open the list shows search results and stays as it is.
    if (!form_.Controls.Panel2.Visible()) form_.Controls.ListBox1.Insert(0, line);
    form_.Env.App.SetTitle(form_.TitlePrefix + form_.LastCallerName);
    form_.Controls.Timer1.Restart();
    if (popup || record.Flag == net::kFlagAlert) form_.Env.App.NotifyCall(record.Name, record.Number);
  }

  void Wijzig() {
    working_ = net::TextAfter(working_, net::kFieldSeparator);
    form_.Wijzig(working_);
  }

  void UpdateBellers() {
    form_.Controls.StatusBar1.SetPanelText(
        1, std::string(kCallersTodayLabel) + std::string(net::TextAfter(working_, net::kFieldSeparator)));
  }

  // False when the list ended at a blank line: the whole dispatch ends there.
  bool History() {
    form_.LiveList = false;
    form_.Controls.ListBox1.Clear();
    working_ = net::TextAfter(working_, net::kFieldSeparator);
    return ReadIntoList(form_, working_, {}) == ListEnd::Complete;
  }

  bool ReplyFind() {
    form_.LiveList = false;
    form_.Controls.ListBox1.Clear();
    working_ = net::TextAfter(working_, net::kFieldSeparator);
    ui::StatusBar& status = form_.Controls.StatusBar1;
    status.SetPanelText(1, kNothingFound);
    int count = 0;
    const ListEnd end = ReadIntoList(form_, working_, [&] {
      ++count;
      status.SetPanelText(
          1, count == kSearchLimit ? std::string(kMoreThan300) : std::string(kFoundLabel) + std::to_string(count));
    });
    // Enabled even after a reply cut short at a blank line: the search bar must
    // never be left with no way to search again.
    form_.Controls.Edit1.SetEnabled(true);
    form_.Controls.Button2.SetEnabled(true);
    return end == ListEnd::Complete;
  }

  void NameList() {
    working_ = net::DropThrough(working_, net::kFieldSeparator);
    ui::FormSentMSGControls& dialog = form_.SentMSG().Controls;
    dialog.ComboBox1.SetEnabled(true);
    dialog.Button2.SetEnabled(true);
    dialog.Memo1.SetEnabled(true);
    const std::string ownNickname = form_.Setup().Controls.Edit2.Text();
    working_ = net::ReadNameList(working_, [&](std::string_view name) {
      if (name != ownNickname) dialog.ComboBox1.Add(name);
    });
    for (int i = 0; i < dialog.ComboBox1.Count(); ++i) {
      if (dialog.ComboBox1.Item(i) != form_.LastCorrespondent) continue;
      dialog.ComboBox1.SetItemIndex(i);
      if (dialog.ComboBox1.ItemIndex() >= 0 && dialog.Self.Visible()) dialog.Memo1.SetFocus();
    }
  }

  void ReplyGet() {
    working_ = net::DropThrough(working_, net::kFieldSeparator);
    const net::NumberRecord entry = net::ReadNumberRecord(working_, &working_);
    ui::FormEditControls& dialog = form_.Edit().Controls;
    dialog.Edit2.SetText(entry.Number);
    dialog.Edit1.SetText(entry.Name);
    dialog.Memo1.SetText(entry.Note);
    // Any other flag leaves the box as the request left it.
    if (entry.Flag == net::kFlagAlert) dialog.CheckBox1.SetChecked(true);
    dialog.Button2.SetEnabled(true);
    dialog.Edit1.SetEnabled(true);
    dialog.Edit2.SetEnabled(true);
    dialog.CheckBox1.SetEnabled(true);
    dialog.Memo1.SetEnabled(true);
    if (dialog.Self.Visible()) dialog.Edit1.SetFocus();
  }

  TFormRinglook& form_;
  // The dispatch's own copy: a nested dispatch must not change it.
  const std::string text_;
  std::string_view working_;
};

}  // namespace

void TFormRinglook::Dispatch(std::string text) { Dispatcher(*this, std::move(text)).Run(); }

}  // namespace ringlook
