#pragma once

#include <QString>

#include <stdexcept>

namespace korvel::exporting {

// A file the export needs cannot be read or written; the message is ready to show.
class ExportError : public std::runtime_error
{
  public:
    explicit ExportError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

  private:
    QString m_message;
};

} // namespace korvel::exporting
