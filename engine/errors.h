#pragma once
// Errors raised by file operations and reading. Nothing in the program catches
// them except the start-up loop and the event handlers, which report the text
// (in a message box, or to a collector in tests and tools) and go on.
#include <QString>
#include <functional>
#include <stdexcept>

namespace vzt {

class Error : public std::runtime_error {
public:
    // `file`: the file the failing operation worked on, where there is one.
    explicit Error(const QString &message, const QString &file = QString())
        : std::runtime_error(message.toStdString()), text_(message), file_(file) {}
    const QString &text() const { return text_; }
    const QString &file() const { return file_; }
    void setFile(const QString &file) { file_ = file; }
    // What the learner is told: the message, and on a second line the file
    // (unless the message names it already).
    QString report() const
    {
        return file_.isEmpty() || text_.contains(file_) ? text_ : text_ + QLatin1Char('\n') + file_;
    }

private:
    QString text_;
    QString file_;
};

inline const QString kFileNotFound = QStringLiteral("File not found");
inline const QString kInvalidNumericInput = QStringLiteral("Invalid numeric input");

// Where reported errors go. The program shows a message box; tests and tools
// collect the texts.
using ErrorSink = std::function<void(const QString &message)>;

// Runs fn; an Error it raises is reported to sink and stops only fn.
bool reportErrors(const ErrorSink &sink, const std::function<void()> &fn);

} // namespace vzt

namespace vzt {
// The program-wide report of an error raised inside an event handler or a
// creation handler: a message box in the program, a collector in tests.
void setErrorSink(ErrorSink sink);
void report(const QString &message);
} // namespace vzt
