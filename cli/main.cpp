// vensa-cli: the commands of Vensa without a window: file conversions everywhere, and on
// Windows the running CAD and spreadsheet through COM automation.
#include <iostream>
#include <string>
#include <vector>

#include "cli/run.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "core/encoding.h"
#include "dxf/commands/drawing_commands.h"
#include "wiring/automation_session.h"

// Windows hands the arguments over as UTF-16; everything inside is UTF-8. Output is
// written as bytes: the list text already ends its rows in CR LF, which text mode would
// turn into CR CR LF.
int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const std::wstring_view arg(argv[i]);
    args.push_back(vensa::Utf16ToUtf8(std::u16string(arg.begin(), arg.end())));
  }
  try {
    vensa::win::AutomationSession session;
    const vensa::cli::Automation automation{
        &session.GetPlatform(),
        vensa::InsertFilePathFor(vensa::win::AutomationSession::ProgramPath())};
    return vensa::cli::Run(args, std::cout, std::cerr, automation);
  } catch (const std::exception& e) {
    // The message filter could not be registered: no apartment for this thread.
    std::cerr << "vensa-cli: " << e.what() << '\n';
    return 1;
  }
}
#else
int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return vensa::cli::Run(args, std::cout, std::cerr);
}
#endif
