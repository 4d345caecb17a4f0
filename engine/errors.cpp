#include "errors.h"

namespace vzt {

bool reportErrors(const ErrorSink &sink, const std::function<void()> &fn)
{
    try {
        fn();
        return true;
    } catch (const Error &e) {
        if (sink)
            sink(e.text());
        return false;
    }
}

} // namespace vzt
