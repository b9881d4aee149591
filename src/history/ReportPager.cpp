#include "history/ReportPager.h"

#include <algorithm>

#include "platform/NumberText.h"
#include "platform/Texts.h"

namespace korvane::history {
namespace {

constexpr platform::Text kPage{"history", QT_TRANSLATE_NOOP("history", "Seite %1 von %2")};

}  // namespace

ReportPager::ReportPager(platform::PageTarget& page, Language language, int pages)
    : page_(page),
      language_(language),
      total_(pages),
      left_(page.Width() * 8 / 100),
      width_(page.Width() * 84 / 100),
      top_(page.Height() * 5 / 100),
      bottom_(page.Height() * 90 / 100),
      line_(std::max(1, page.Height() / 60)),
      // What fits on a line in the page's font, about two fifths of a line's height a character.
      chars_(std::max(20, width_ * 5 / (line_ * 2) - 4)),
      y_(top_) {}

std::vector<std::string> ReportPager::Pieces(const std::string& text) const {
  // One walk through the text: the last blank before the line is full is where it breaks.
  std::vector<std::string> pieces;
  std::size_t from = 0;
  while (pieces.empty() || from < text.size()) {
    std::size_t chars = 0, blank = std::string::npos, i = from;
    for (; i < text.size(); ++i) {
      if (text[i] == ' ' && i > from) blank = i;
      if ((text[i] & 0xC0) != 0x80 && ++chars > chars_) break;
    }
    if (i >= text.size()) {
      pieces.push_back(text.substr(from));
      return pieces;
    }
    // One word longer than the page stays whole.
    std::size_t end = blank;
    if (end == std::string::npos) {
      end = text.find(' ', i);
      if (end == std::string::npos) {
        pieces.push_back(text.substr(from));
        return pieces;
      }
    }
    pieces.push_back(text.substr(from, end - from));
    from = end + 1;
  }
  return pieces;
}

void ReportPager::Line(const std::string& text, int keep) {
  const std::vector<std::string> pieces = Pieces(text);
  Room(static_cast<int>(pieces.size()) + keep);
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    Room(1);
    Put(left_ + (i == 0 ? 0 : line_ * 2), pieces[i]);
    y_ += line_;
  }
}

void ReportPager::Gap() {
  if (y_ != top_) y_ += line_ / 2;
}

int ReportPager::Start(const ReportTable& t) { return t.rows.size() <= 8 ? static_cast<int>(t.rows.size()) + 2 : 2; }

void ReportPager::Table(const ReportTable& t) {
  Room(Start(t));
  Header(t);
  for (const auto& row : t.rows) {
    if (y_ + line_ > bottom_) {
      Break();
      Header(t);
    }
    Cells(t, row);
  }
}

void ReportPager::Signatures(const std::string& technician, const std::string& customer) {
  Room(4);
  y_ += line_ * 2;
  const std::string rule(32, '_');
  Put(left_, rule);
  Put(left_ + width_ * 55 / 100, rule);
  y_ += line_;
  Put(left_, technician);
  Put(left_ + width_ * 55 / 100, customer);
  y_ += line_;
}

int ReportPager::Finish() {
  Foot();
  return number_;
}

void ReportPager::Room(int lines) {
  if (y_ + line_ * lines > bottom_ && y_ != top_) Break();
}

void ReportPager::Break() {
  Foot();
  if (total_ > 0) page_.NewPage();
  ++number_;
  y_ = top_;
}

void ReportPager::Foot() {
  if (total_ > 0) page_.DrawText(left_, bottom_ + line_ * 2, platform::Fill(Tr(language_, kPage), number_, total_));
}

void ReportPager::Put(int x, const std::string& text) {
  if (total_ > 0) page_.DrawText(x, y_, text);
}

void ReportPager::Cells(const ReportTable& t, const std::vector<std::string>& cells) {
  for (std::size_t c = 0; c < cells.size() && c < t.columns.size(); ++c)
    if (!cells[c].empty()) Put(left_ + width_ * t.columns[c] / 1000, cells[c]);
  y_ += line_;
}

void ReportPager::Header(const ReportTable& t) {
  Cells(t, t.header);
  Put(left_, std::string(90, '-'));
  y_ += line_ / 2;
}

}  // namespace korvane::history
