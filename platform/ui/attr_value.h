#pragma once

// A typed attribute value: the layer takes ints, doubles, texts or callbacks, as each
// attribute expects, instead of C varargs, so a value of the wrong type is caught.
#include <cstddef>
#include <string>
#include <variant>

using CtrlCallbackPtr = int (*)(int panel, int control, int event, void* callbackData, int eventData1,
                                int eventData2);
using PanelCallbackPtr = int (*)(int panel, int event, void* callbackData, int eventData1, int eventData2);
using MenuCallbackPtr = void (*)(int menuBar, int menuItem, void* callbackData, int panel);

struct AttrValue {
    std::variant<int, double, std::string, CtrlCallbackPtr, PanelCallbackPtr, MenuCallbackPtr, void*> value;

    AttrValue(int v) : value(v) {}
    AttrValue(double v) : value(v) {}
    AttrValue(float v) : value(static_cast<double>(v)) {}
    AttrValue(const char* v) : value(std::string(v ? v : "")) {}
    AttrValue(std::string v) : value(std::move(v)) {}
    AttrValue(CtrlCallbackPtr v) : value(v) {}
    AttrValue(PanelCallbackPtr v) : value(v) {}
    AttrValue(MenuCallbackPtr v) : value(v) {}
    AttrValue(void* v) : value(v) {}
    // A literal null callback or pointer means "none", as the int 0 does.
    AttrValue(std::nullptr_t) : value(0) {}
};
