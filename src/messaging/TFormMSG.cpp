// The messages window's logic: see TFormMSG.h.
#include "messaging/TFormMSG.h"

#include "common/Text.h"
#include "main/TFormRinglook.h"
#include "messaging/TFormSentMSG.h"

namespace ringlook {

namespace {
// The view keeps its last nine lines in sight.
constexpr int kLinesInView = 9;
// How Beantwoorden closes the window; Sluiten and the desktop close with Cancel.
constexpr ui::ModalResult kAnswer = ui::ModalResult::Ok;
}  // namespace

TFormMSG::TFormMSG(ui::FormMSGControls controls, TFormRinglook& main) : Controls(controls), main_(main) {
  // On showing too: a showing the desktop does not activate (a message arriving
  // while the user works in another program) must still come out on top.
  Controls.Self.OnShow = [this] { FormActivate(); };
  Controls.Self.OnActivate = [this] { FormActivate(); };
  Controls.Button1.OnClick = [this] { Button1Click(); };
  Controls.Button2.OnClick = [this] { Button2Click(); };
  Controls.Button3.OnClick = [this] { Button3Click(); };
  Controls.KopieerenCTRLC1.OnClick = [this] { KopieerenCTRLC1Click(); };
  Controls.RichOntvang.OnUrlClick = [this](const std::string& url) { RichOntvangURLClick(url); };
}

void TFormMSG::ScrollToEnd() { Controls.RichOntvang.ScrollLines(Controls.RichOntvang.LineCount() - kLinesInView); }

void TFormMSG::ShowUnlessVisible() {
  if (Controls.Self.Visible()) return;
  if (Controls.Self.ShowModal() == kAnswer) main_.SentMSG().AskNamesAndShow();
}

void TFormMSG::FormActivate() { Controls.Self.SetStaysOnTop(true); }

void TFormMSG::Button1Click() { Controls.Self.Close(ui::ModalResult::Cancel); }

// The name list is asked for when the send dialog opens, not here: its reply
// must not come before the dialog's showing empties the list.
void TFormMSG::Button2Click() {
  Controls.Self.SetStaysOnTop(false);
  Controls.Self.Close(kAnswer);
}

void TFormMSG::Button3Click() {
  Controls.RichOntvang.SetText("");
  main_.LastMessageBlock.clear();
}

void TFormMSG::KopieerenCTRLC1Click() { main_.Env.App.SetClipboardText(Trimmed(Controls.RichOntvang.SelectedText())); }

// Only web and mail addresses reach the desktop (the application's OpenAddress
// sees to that), so a message cannot start a program here.
void TFormMSG::RichOntvangURLClick(const std::string& url) { main_.Env.App.OpenAddress(url); }

}  // namespace ringlook
