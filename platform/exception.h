#pragma once

#include <QString>
#include <exception>
#include <string>

namespace lingotab {

// The one error type of the program: an operation that fails raises it with
// the text the user is shown; the application's error box displays it.
class Exception : public std::exception {
public:
    explicit Exception(QString message)
        : message_(std::move(message)), utf8_(message_.toStdString()) {}

    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};

}  // namespace lingotab
