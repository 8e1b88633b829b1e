#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace vantreel {

// Every call of the platform layer that can fail reports it by throwing this.
// Handlers that run in resume-next mode catch it one step at a time (resumeNext);
// the other handlers let it through.
class PlatformError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One guarded step: a failure drops the step without a message and the caller goes on.
template <typename Step>
void resumeNext(Step&& step)
{
    try {
        step();
    } catch (const PlatformError&) {
    }
}

// One guarded test: a test that cannot be evaluated goes into the branch it takes when true.
template <typename Test>
bool testOrTrue(Test&& test)
{
    try {
        return test();
    } catch (const PlatformError&) {
        return true;
    }
}

// Counts and positions are signed 16-bit; a value that does not fit fails like any other step.
inline std::int16_t toInt16(long long value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw PlatformError("overflow: " + std::to_string(value) + " does not fit 16 bits");
    return static_cast<std::int16_t>(value);
}

} // namespace vantreel
