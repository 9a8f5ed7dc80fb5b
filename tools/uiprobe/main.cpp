// uiprobe: describes and drives another program's windows for the
// end-to-end tests. Commands (TITLE is a top-level window's exact title):
//   uiprobe tree TITLE                 the window tree as JSON (UTF-8) on stdout
//   uiprobe click TITLE CONTROL [SECS] click a button (see find_control.h)
//   uiprobe key TITLE VK [CONTROL]     post a key press (see key_names.h)
//   uiprobe wait TITLE SECONDS         wait until the window exists
//   uiprobe gone TITLE SECONDS         wait until it no longer exists
// Exit status: see ExitCode in actions.h.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "tools/uiprobe/actions.h"
#include "tools/uiprobe/find_control.h"
#include "tools/uiprobe/json_writer.h"
#include "tools/uiprobe/key_names.h"
#include "tools/uiprobe/window_tree.h"

namespace {

using namespace uiprobe;

constexpr unsigned kDefaultClickSeconds = 10;

int Usage() {
    std::fputs("usage: uiprobe tree TITLE | click TITLE CONTROL [SECONDS] | key TITLE VK [CONTROL]"
               " | wait TITLE SECONDS | gone TITLE SECONDS\n",
               stderr);
    return kUsage;
}

int Fail(int code, const char* message) {
    std::fprintf(stderr, "uiprobe: %s\n", message);
    return code;
}

// Seconds from the command line; negative when it is no number.
double Seconds(const wchar_t* text) {
    wchar_t* end = nullptr;
    const double value = wcstod(text, &end);
    return *end == L'\0' && end != text && value >= 0 ? value : -1;
}

int Tree(HWND top) {
    JsonWriter json;
    WriteTree(json, top);
    const std::string& text = json.Text();
    _setmode(_fileno(stdout), _O_BINARY);  // the UTF-8 bytes as they are
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    return kDone;
}

int ClickCommand(HWND top, int argc, wchar_t** argv) {
    HWND button = FindControl(top, argv[3]);
    if (!button) return Fail(kNoControl, "no such control");
    const double seconds = argc > 4 ? Seconds(argv[4]) : kDefaultClickSeconds;
    if (seconds < 0) return Usage();
    const int code = Click(button, static_cast<unsigned>(seconds * 1000));
    if (code == kNotFinished) return Fail(code, "the click's handler did not return in time");
    return code;
}

int KeyCommand(HWND top, int argc, wchar_t** argv) {
    const unsigned key = VirtualKeyFromName(argv[3]);
    if (!key) return Fail(kNoControl, "no such key");
    HWND target = nullptr;
    if (argc > 4 && !(target = FindControl(top, argv[4]))) return Fail(kNoControl, "no such control");
    return PressKey(top, target, key);
}

int Run(int argc, wchar_t** argv) {
    if (argc < 3) return Usage();
    const std::wstring command = argv[1];
    const std::wstring title = argv[2];
    if (command == L"wait" || command == L"gone") {
        const double seconds = argc > 3 ? Seconds(argv[3]) : -1;
        if (seconds < 0) return Usage();
        return WaitForWindow(title, command == L"wait", seconds) ? kDone : kNoWindow;
    }
    HWND top = FindWindowW(nullptr, title.c_str());
    if (command == L"tree" && argc == 3) return top ? Tree(top) : Fail(kNoWindow, "no such window");
    if (command == L"click" && argc >= 4) return top ? ClickCommand(top, argc, argv) : Fail(kNoWindow, "no such window");
    if (command == L"key" && argc >= 4) return top ? KeyCommand(top, argc, argv) : Fail(kNoWindow, "no such window");
    return Usage();
}

}  // namespace

int wmain(int argc, wchar_t** argv) { return Run(argc, argv); }
