#pragma once
// A control that a window, page or panel looks up by name, together with the Qt class it
// must be or derive from, so that the cast after the lookup succeeds.

namespace ilmo::shell::names {

struct NamedControl {
    const char* name;
    const char* kind;  // a Qt class name, as QObject::inherits() takes it
};

}  // namespace ilmo::shell::names
