#pragma once

namespace vantreel {

// Ends the program at once; no handler runs afterwards.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void endNow() = 0;
};

} // namespace vantreel
