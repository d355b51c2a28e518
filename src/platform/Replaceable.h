#pragma once

namespace platform {

// A service of the outside world with one real implementation and, in tests, a double put in
// its place. `T::real()` gives the real one; `replace()` installs a double (nullptr restores the
// real one). The double is owned by whoever installs it.
template <class T>
class Replaceable
{
public:
    static T& instance() { return current() ? *current() : T::real(); }
    static void replace(T* stand_in) { current() = stand_in; }

private:
    static T*& current()
    {
        static T* installed = nullptr;
        return installed;
    }
};

} // namespace platform
