#include "errors.h"

namespace vzt {

bool reportErrors(const ErrorSink &sink, const std::function<void()> &fn)
{
    try {
        fn();
        return true;
    } catch (const Error &e) {
        if (sink)
            sink(e.report());
        return false;
    }
}

} // namespace vzt

namespace vzt {
namespace {
ErrorSink &globalSink()
{
    static ErrorSink s;
    return s;
}
} // namespace

void setErrorSink(ErrorSink sink) { globalSink() = std::move(sink); }

void report(const QString &message)
{
    if (globalSink())
        globalSink()(message);
}
} // namespace vzt
