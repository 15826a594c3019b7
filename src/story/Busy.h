#pragma once

namespace kirune {

// Holds a busy flag up for the length of a scope, a wait inside it included, and puts back what
// it was when the scope ends, however it ends.
class BusyWhile {
public:
    explicit BusyWhile(bool& flag) : flag(flag), was(flag) { flag = true; }
    BusyWhile(const BusyWhile&) = delete;
    BusyWhile& operator=(const BusyWhile&) = delete;
    ~BusyWhile() { flag = was; }

private:
    bool& flag;
    bool was;
};

}  // namespace kirune
