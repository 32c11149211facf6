// The manual as plain text: see ManualText.h.
#include "win32/ManualText.h"

#include <cstdint>
#include <utility>

#include "common/Text.h"

namespace ringlook::win32 {

namespace {

// The few characters outside Latin-1 that Windows-1252 has, as the manual may use them.
char Cp1252(std::uint32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
  switch (code) {
    case 0x20AC:
      return '\x80';
    case 0x2018:
      return '\x91';
    case 0x2019:
      return '\x92';
    case 0x201C:
      return '\x93';
    case 0x201D:
      return '\x94';
    case 0x2013:
      return '\x96';
    case 0x2014:
      return '\x97';
    case 0x2026:
      return '\x85';
    default:
      return '?';
  }
}

class Writer {
 public:
  void Character(char c) {
    if (c == ' ' && (pendingSpace_ || AtLineStart())) return;
    if (c == ' ') {
      pendingSpace_ = true;
      return;
    }
    if (pendingSpace_) Put(' ');
    pendingSpace_ = false;
    Put(c);
  }
  // Ends the line; blank adds an empty line after it (once).
  void Break(bool blank) {
    pendingSpace_ = false;
    if (!AtLineStart()) Put('\r', '\n');
    if (blank && !text.empty() && !text.ends_with("\r\n\r\n")) Put('\r', '\n');
  }
  void Tab() {
    pendingSpace_ = false;
    Put('\t');
  }
  void Text(std::string_view s) {
    for (char c : s) Character(c);
  }
  [[nodiscard]] long Position() const { return static_cast<long>(text.size()) - lineBreaks_; }

  std::string text;

 private:
  [[nodiscard]] bool AtLineStart() const { return text.empty() || text.back() == '\n'; }
  void Put(char c) { text += c; }
  void Put(char cr, char lf) {
    text += cr;
    text += lf;
    ++lineBreaks_;
  }

  bool pendingSpace_ = false;
  long lineBreaks_ = 0;
};

std::string Attribute(std::string_view tag, std::string_view name) {
  const std::string upper = UpperCased(tag);
  const std::size_t at = upper.find(UpperCased(name) + "=\"");
  if (at == std::string::npos) return {};
  const std::size_t start = at + name.size() + 2;
  return std::string(tag.substr(start, tag.find('"', start) - start));
}

std::string Entity(std::string_view name) {
  if (name == "quot") return "\"";
  if (name == "amp") return "&";
  if (name == "lt") return "<";
  if (name == "gt") return ">";
  if (name == "nbsp") return " ";
  if (name.size() > 1 && name[0] == '#') {
    int code = 0;
    if (ParseInt(name.substr(1), code) && code > 0) return std::string(1, Cp1252(static_cast<std::uint32_t>(code)));
  }
  return "?";
}

}  // namespace

ManualText ManualFromHtml(std::string_view html) {
  ManualText manual;
  Writer out;
  bool skipping = false;  // inside <head>, where nothing is shown
  bool firstCell = false;
  std::size_t i = 0;
  while (i < html.size()) {
    const char c = html[i];
    if (html.substr(i, 4) == "<!--") {
      const std::size_t end = html.find("-->", i);
      i = end == std::string_view::npos ? html.size() : end + 3;
      continue;
    }
    if (c == '<') {
      const std::size_t end = html.find('>', i);
      const std::string_view tag = html.substr(i + 1, (end == std::string_view::npos ? html.size() : end) - i - 1);
      i = end == std::string_view::npos ? html.size() : end + 1;
      const bool closing = !tag.empty() && tag[0] == '/';
      std::string name = UpperCased(tag.substr(closing ? 1 : 0, tag.find_first_of(" \t\r\n/", closing ? 1 : 0)));
      if (closing) name = UpperCased(tag.substr(1));
      if (name == "HEAD") skipping = !closing;
      if (skipping) continue;
      if (name == "H1" || name == "H2" || name == "P" || name == "TABLE" || name == "UL") out.Break(true);
      if (name == "LI" && !closing) out.Text("- ");
      if ((name == "LI" || name == "TR" || name == "BR") && (closing || name == "BR")) out.Break(false);
      // Cells of a row apart by a tab, so the rows of a table line up.
      if (name == "TR" && !closing) firstCell = true;
      if (name == "TD" && !closing && !std::exchange(firstCell, false)) out.Tab();
      if (name == "A" && !closing) {
        const std::string anchor = Attribute(tag, "name");
        if (!anchor.empty()) manual.anchors[anchor] = out.Position();
      }
      continue;
    }
    if (skipping) {
      ++i;
      continue;
    }
    if (c == '&') {
      const std::size_t end = html.find(';', i);
      if (end != std::string_view::npos && end - i < 10) {
        out.Text(Entity(html.substr(i + 1, end - i - 1)));
        i = end + 1;
        continue;
      }
    }
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out.Character(byte <= ' ' ? ' ' : c);
      ++i;
      continue;
    }
    // UTF-8: the lead byte says how many bytes follow.
    const int follow = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : 1;
    std::uint32_t code = byte & (0x3Fu >> follow);
    for (int k = 1; k <= follow && i + static_cast<std::size_t>(k) < html.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(html[i + static_cast<std::size_t>(k)]) & 0x3Fu);
    }
    out.Character(Cp1252(code));
    i += static_cast<std::size_t>(follow) + 1;
  }
  out.Break(false);
  manual.text = out.text;
  return manual;
}

}  // namespace ringlook::win32
