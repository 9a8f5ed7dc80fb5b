// A window and its controls built from a FormDescription, with the events
// "created", "clicked" and the timers' periodic event.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/form_description.h"
#include "runtime/handle.h"
#include "runtime/types.h"

namespace qinglan::runtime {

using EventHandler = void (*)();

// What the runtime keeps per control. Control numbers are 1-based positions
// in the form's record list; control-array copies are appended.
struct ControlRecord {
    std::string name;
    ControlKind kind;
    const ControlDescription* description;  // the form row (a copy's template row)
    HWND window = nullptr;                  // null for timers
    std::shared_ptr<UniqueFont> font;       // shared by a template and its copies
    std::optional<COLORREF> textColour;
    EventHandler clicked = nullptr;
    EventHandler timer = nullptr;
};

class Form {
public:
    explicit Form(const FormDescription& description);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Event bindings; made before Create.
    void OnCreated(EventHandler handler) { created_ = handler; }
    void OnClicked(const char* controlName, EventHandler handler);
    void OnTimer(const char* controlName, EventHandler handler);

    // Creates the window and its controls, shows it and raises "created".
    bool Create();

    HWND Handle() const { return window_; }
    const FormDescription& Description() const { return description_; }
    int Number() const { return number_; }

    // The identifier of the form control `name` (the zero pair when none).
    ControlId Id(const char* name) const;
    // Copies a control into a new, hidden control of the same kind, parent,
    // place, size, text, font, colour and handlers (a control array).
    ControlId Copy(ControlId source);

    ControlRecord* Record(ControlId id);
    ControlRecord* RecordOf(HWND control);
    static Form* Find(int number);

private:
    friend bool Initialise();
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateControl(const ControlDescription& row, std::shared_ptr<UniqueFont> font);
    HWND ParentOf(const ControlDescription& row) const;
    LRESULT ColourMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Clicked(HWND control);
    // The identifier of the record at 0-based position `index`.
    ControlId IdAt(size_t index) const { return {number_, static_cast<std::int32_t>(index + 1)}; }

    const FormDescription& description_;
    int number_;
    HWND window_ = nullptr;
    std::vector<std::unique_ptr<ControlRecord>> controls_;
    std::vector<std::pair<std::string, EventHandler>> clickBindings_, timerBindings_;
    EventHandler created_ = nullptr;
};

// The whole text of a window (program text).
Text WindowText(HWND window);

// The identifier of the control whose event is being handled (zero pair
// outside an event).
ControlId EventSender();

// Initialises the runtime on the thread that will run the window (common
// controls, window classes, the cross-thread call window).
bool Initialise();

// Runs the message loop until a form's window is gone (its destruction posts
// the quit). Escape closes a form whose description says so, here and at
// every other dispatching point.
int RunMessageLoop();

}  // namespace qinglan::runtime
