#pragma once
// The benches' Ui: messages on stderr, every question answered no, nothing shown.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "platform/Ui.h"

namespace korvane::bench {

class PrintUi : public platform::Ui {
 public:
  void Message(const std::string& text, const std::string&) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  void ErrorBox(const std::string& text, const std::string&) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  bool YesNo(const std::string&, const std::string&, const std::string&, const std::string&) override { return false; }
  std::optional<std::string> SaveFile(const platform::FileDialogSpec&) override { return std::nullopt; }
  std::optional<std::string> OpenFile(const platform::FileDialogSpec&) override { return std::nullopt; }
  void ProgressOpen(const std::string&, const std::string&, int, int) override {}
  void ProgressSet(int) override {}
  void ProgressClose() override {}
  std::unique_ptr<platform::PageTarget> BeginPrint(const std::string&) override { return nullptr; }
};

}  // namespace korvane::bench
