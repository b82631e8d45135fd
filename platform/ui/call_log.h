#pragma once

// Every operation of the user-interface layer that can fail passes through EnterCall first:
// one place to count calls, record them for tests and inject a failure.
#include <initializer_list>
#include <string>

#include "platform/ui/attr_value.h"
#include "platform/ui/tables.h"

namespace ui_detail {

// One argument of a call as the caller passed it. It becomes text only while a test records,
// so the program pays nothing for the record. It may point at the caller's values, texts
// included, and so must not outlive the call that enters it.
class CallArg {
  public:
    // As the record shows it: ints as digits, doubles never like an int (1.0, 0.25, 1e+300),
    // texts quoted, callbacks "fn", callback data "0x...", either absent "null", a cell
    // "(x,y)" and a range "(top,left,height,width)".
    std::string Text() const;

  private:
    enum class Kind : unsigned char {
        Int,
        Whole,
        Double,
        Address,
        CText,
        Text,
        Value,
        Callback,
        Cell,
        Range
    };
    union Raw {
        int number;
        unsigned long long whole;
        double real;
        const void* address;
        const char* cText;
        const std::string* text;
        const AttrValue* value;
        bool present;
        Point cell;
        Rect range;
    };
    CallArg(Kind kind, Raw raw) : kind_(kind), raw_(raw) {}

    Kind kind_;
    Raw raw_;

    friend CallArg Arg(int value);
    friend CallArg Arg(unsigned long value);
    friend CallArg Arg(double value);
    friend CallArg Arg(const void* pointer);
    friend CallArg Arg(const char* text);
    friend CallArg Arg(const std::string& text);
    friend CallArg Arg(const AttrValue& value);
    friend CallArg Arg(Point cell);
    friend CallArg Arg(Rect range);
    template <class Result, class... Params>
    friend CallArg Arg(Result (*callback)(Params...));
};

// Returns 0 to go on, or the negative code a test asked this call to fail with. While a test
// records, the arguments are formatted here, before the call goes on.
int EnterCall(const char* operation, std::initializer_list<CallArg> args = {});

inline CallArg Arg(int value) {
    return {CallArg::Kind::Int, {.number = value}};
}
inline CallArg Arg(unsigned long value) {
    return {CallArg::Kind::Whole, {.whole = value}};
}
inline CallArg Arg(double value) {
    return {CallArg::Kind::Double, {.real = value}};
}
// Callback data.
inline CallArg Arg(const void* pointer) {
    return {CallArg::Kind::Address, {.address = pointer}};
}
inline CallArg Arg(const char* text) {
    return {CallArg::Kind::CText, {.cText = text}};
}
inline CallArg Arg(const std::string& text) {
    return {CallArg::Kind::Text, {.text = &text}};
}
inline CallArg Arg(const AttrValue& value) {
    return {CallArg::Kind::Value, {.value = &value}};
}
inline CallArg Arg(Point cell) {
    return {CallArg::Kind::Cell, {.cell = cell}};
}
inline CallArg Arg(Rect range) {
    return {CallArg::Kind::Range, {.range = range}};
}
template <class Result, class... Params>
CallArg Arg(Result (*callback)(Params...)) {
    return {CallArg::Kind::Callback, {.present = callback != nullptr}};
}

}  // namespace ui_detail
