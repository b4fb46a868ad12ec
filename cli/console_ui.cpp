#include "cli/console_ui.h"

namespace vensa::cli {

void ConsoleUi::Report(const std::string& text) {
  err_ << "vensa-cli: " << text << '\n';
}

MessageAnswer ConsoleUi::AskYesNoCancel(const std::string& text) {
  // Nobody can answer: the question is shown with the answer taken, which changes nothing.
  err_ << "vensa-cli: " << text << " -> キャンセル\n";
  return MessageAnswer::Cancel;
}

MessageAnswer ConsoleUi::AskYesNo(const std::string& text, bool yesIsDefault) {
  err_ << "vensa-cli: " << text << (yesIsDefault ? " -> はい\n" : " -> いいえ\n");
  return yesIsDefault ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace vensa::cli
