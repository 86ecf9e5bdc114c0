#pragma once
// One process-wide instance of T, made on first use (the compiler guards the making, so two
// threads asking at once get the same one) and destroyed at exit.

namespace ilmo::capture {

template <class T>
class CSingleton {
public:
    static T& instance() {
        static T the_instance;
        return the_instance;
    }
};

}  // namespace ilmo::capture
