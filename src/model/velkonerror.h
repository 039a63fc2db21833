#pragma once

#include <QString>
#include <stdexcept>

namespace velkon {

// The core's own error: raised by operations whose failure the editor writes
// into the error log (an unknown layer in a parameter function, an unreadable
// whole number, a project file that cannot be read...).
class EVelkonError : public std::runtime_error {
public:
    explicit EVelkonError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};

} // namespace velkon
