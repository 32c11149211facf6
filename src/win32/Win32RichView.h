// The messages view on the rich edit control of msftedit.dll (RichEdit 4.1):
// plain text, read-only, the control's own address detection switched on
// (EM_AUTOURLDETECT) and its link notification (EN_LINK) asked for. A left
// press on a link selects the link's text and hands it to OnUrlClick; a
// failure there has no visible effect. Texts go in and out as Windows-1252.
#pragma once

#include "ui/RichView.h"
#include "win32/Win32Control.h"

namespace ringlook::win32 {

class Win32RichView : public Win32Control<ui::RichView> {
 public:
  Win32RichView(HWND parent, const char* name, RECT bounds);

  [[nodiscard]] std::string Text() const override;
  void SetText(std::string_view text) override;
  void AppendLines(std::string_view text) override;
  [[nodiscard]] int LineCount() const override;
  void ScrollLines(int lines) override;
  [[nodiscard]] std::string SelectedText() const override;
  void ClearSelection() override;

  bool Notify(const NMHDR& header, LRESULT& result) override;

 private:
  [[nodiscard]] std::string TextOf(DWORD flags) const;
  void Replace(std::string_view text, DWORD flags);
};

}  // namespace ringlook::win32
