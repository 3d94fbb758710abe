#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <string>

namespace spurline::testing {

// Sets an environment variable for the test's life and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name_, QByteArray::fromStdString(value));
    }
    ~ScopedVariable() { had_ ? (void)qputenv(name_, old_) : (void)qunsetenv(name_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

} // namespace spurline::testing
