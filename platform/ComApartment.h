#pragma once

namespace corvatto {

// COM for the current thread for as long as the object lives (single-threaded apartment, as the shell's
// dialogs and link objects want).
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    bool ok() const { return initialised_; }

private:
    bool initialised_ = false;
};

} // namespace corvatto
