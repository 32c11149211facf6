// The messages window's logic: see TFormMSG.h.
#include "messaging/TFormMSG.h"

#include "common/Text.h"

namespace ringlook {

namespace {
// The view keeps its last nine lines in sight.
constexpr int kLinesInView = 9;
// How Beantwoorden closes the window; Sluiten and the desktop close with Cancel.
constexpr ui::ModalResult kAnswer = ui::ModalResult::Ok;
}  // namespace

TFormMSG::TFormMSG(ui::FormMSGControls controls, ui::Application& app, Events events)
    : controls_(controls), app_(app), events_(std::move(events)) {
  // On showing too: a showing the desktop does not activate (a message arriving
  // while the user works in another program) must still come out on top.
  controls_.Self.OnShow = [this] { FormActivate(); };
  controls_.Self.OnActivate = [this] { FormActivate(); };
  controls_.Button1.OnClick = [this] { Button1Click(); };
  controls_.Button2.OnClick = [this] { Button2Click(); };
  controls_.Button3.OnClick = [this] { Button3Click(); };
  controls_.KopieerenCTRLC1.OnClick = [this] { KopieerenCTRLC1Click(); };
  controls_.RichOntvang.OnUrlClick = [this](const std::string& url) { RichOntvangURLClick(url); };
}

void TFormMSG::Receive(std::string_view block) {
  lastBlock_ = block;
  controls_.RichOntvang.AppendLines(block);
  ScrollToEnd();
  controls_.RichOntvang.ClearSelection();
}

void TFormMSG::ShowOnlyLast() {
  controls_.RichOntvang.SetText(lastBlock_);
  ScrollToEnd();
}

void TFormMSG::ScrollToEnd() { controls_.RichOntvang.ScrollLines(controls_.RichOntvang.LineCount() - kLinesInView); }

void TFormMSG::ShowUnlessVisible() {
  if (controls_.Self.Visible()) return;
  if (controls_.Self.ShowModal() == kAnswer && events_.Answer) events_.Answer();
}

void TFormMSG::FormActivate() { controls_.Self.SetStaysOnTop(true); }

void TFormMSG::Button1Click() { controls_.Self.Close(ui::ModalResult::Cancel); }

// The name list is asked for when the send dialog opens, not here: its reply
// must not come before the dialog's showing empties the list.
void TFormMSG::Button2Click() {
  controls_.Self.SetStaysOnTop(false);
  controls_.Self.Close(kAnswer);
}

void TFormMSG::Button3Click() {
  controls_.RichOntvang.SetText("");
  lastBlock_.clear();
}

void TFormMSG::KopieerenCTRLC1Click() { app_.SetClipboardText(Trimmed(controls_.RichOntvang.SelectedText())); }

// Only web and mail addresses reach the desktop (the application's OpenAddress
// sees to that), so a message cannot start a program here.
void TFormMSG::RichOntvangURLClick(const std::string& url) { app_.OpenAddress(url); }

}  // namespace ringlook
