#pragma once

#include <QString>

#include <stdexcept>

namespace korvel::store {

// An error of the catalog engine or of the catalog file, with a readable message.
class StoreError : public std::runtime_error
{
public:
    explicit StoreError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace korvel::store
