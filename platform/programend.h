#pragma once

namespace vantreel {

// Ends the program at once; no handler runs afterwards.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void endNow() = 0;
};

} // namespace vantreel

namespace vantreel {

// Leaves the process at once, without returning to the event loop.
class ExitAtOnce : public ProgramEnd {
public:
    void endNow() override;
};

} // namespace vantreel
