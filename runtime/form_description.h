// Declarative description of a window and its controls. A form is a table of
// these records (see resources/); runtime/form.h builds windows from it.
#pragma once

#include <windows.h>

#include <optional>
#include <span>

namespace qinglan::runtime {

enum class ControlKind {
    TransparentLabel,  // paints only its text over what its parent painted
    Timer,             // no window; raises its periodic event
    RadioButton,       // BS_AUTORADIOBUTTON | BS_MULTILINE
    EditBox,
    GroupBox,
    ListView,          // report style
};

struct FontDescription {
    const char* face = nullptr;  // null: the character set's default face
    int height = 0;              // pixels; 0: the runtime's default control font
    bool bold = false;
    BYTE charset = DEFAULT_CHARSET;
};

struct ColumnDescription {
    const char* title;
    int width;
    int format;  // LVCFMT_*
};

struct ControlDescription {
    const char* name;
    ControlKind kind;
    const char* parent = nullptr;  // null: the window itself
    int left = 0, top = 0, width = 0, height = 0;
    const char* text = "";
    FontDescription font{};
    std::optional<COLORREF> textColour{};
    bool multiLine = false;
    bool verticalScroll = false;
    std::span<const ColumnDescription> columns{};
    unsigned timerIntervalMs = 0;
};

struct FormDescription {
    const char* title;
    int left, top, width, height;
    bool centred = false;
    bool border = true;       // false: no system caption and no sizing frame
    bool controlMenu = true;  // WS_SYSMENU
    bool minimiseBox = true;
    bool maximiseBox = true;
    bool movable = true;      // dragging the client area moves a borderless window
    bool inTaskbar = true;
    bool escapeCloses = false;
    std::span<const ControlDescription> controls{};
};

}  // namespace qinglan::runtime
