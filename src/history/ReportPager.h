#pragma once
// Lines and tables of a report laid out on pages: left-aligned lines broken at blanks, a
// heading kept with what follows it, tables that continue on the next page under their
// header, "Seite i von n" / "Page i of n" at each foot. The report is laid out twice:
// once to count its pages, once to draw them with that count, so that nothing of a long
// report is held in memory. Pure layout over a PageTarget.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/Language.h"
#include "platform/Page.h"

namespace korvane::history {

struct ReportTable {
  std::vector<int> columns;  // x of each column, per mille of the text width
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
};

class ReportPager {
 public:
  // pages: the count the first run found (0 for the counting run, which draws nothing).
  ReportPager(platform::PageTarget& page, Language language, int pages);

  // A line longer than the page is broken at blanks; what follows is indented. keep:
  // lines that must stand on the same page after it (a heading is never left alone at a
  // page's foot).
  void Line(const std::string& text, int keep = 0);
  void Gap();
  void Table(const ReportTable& t);
  // The lines a table needs on the page it starts on: a short one all of it, a long one
  // its header and a row.
  static int Start(const ReportTable& t);
  void Signatures(const std::string& technician, const std::string& customer);
  // Draws the last page's foot; returns the pages.
  int Finish();

 private:
  void Room(int lines);
  void Break();
  void Foot();
  void Put(int x, const std::string& text);
  void Cells(const ReportTable& t, const std::vector<std::string>& cells);
  void Header(const ReportTable& t);
  std::vector<std::string> Pieces(const std::string& text) const;

  platform::PageTarget& page_;
  Language language_;
  int total_;  // 0: counting
  int left_, width_, top_, bottom_, line_;
  std::size_t chars_;
  int y_ = 0;
  int number_ = 1;
};

}  // namespace korvane::history
