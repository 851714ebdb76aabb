#include "core/platform/RuntimeError.h"

RuntimeError::RuntimeError(int number, QString text, QString concerns)
    : m_number(number)
    , m_text(std::move(text))
    , m_concerns(std::move(concerns))
{
    m_what = message().toStdString();
}

RuntimeError RuntimeError::overflow(QString concerns)
{
    return { Overflow, standardText(Overflow), std::move(concerns) };
}

RuntimeError RuntimeError::subscriptOutOfRange(QString concerns)
{
    return { SubscriptOutOfRange, standardText(SubscriptOutOfRange), std::move(concerns) };
}

RuntimeError RuntimeError::typeMismatch(QString concerns)
{
    return { TypeMismatch, standardText(TypeMismatch), std::move(concerns) };
}

RuntimeError RuntimeError::inputPastEndOfFile(QString concerns)
{
    return { InputPastEndOfFile, standardText(InputPastEndOfFile), std::move(concerns) };
}

QString RuntimeError::standardText(int number)
{
    switch (number) {
    case InvalidArgument:
        return QStringLiteral("Invalid procedure call or argument");
    case Overflow:
        return QStringLiteral("Overflow");
    case OutOfMemory:
        return QStringLiteral("Out of memory");
    case SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case TypeMismatch:
        return QStringLiteral("Type mismatch");
    case DiskFull:
        return QStringLiteral("Disk full");
    case InputPastEndOfFile:
        return QStringLiteral("Input past end of file");
    case PermissionDenied:
        return QStringLiteral("Permission denied");
    case PathFileAccess:
        return QStringLiteral("Path/File access error");
    case PathNotFound:
        return QStringLiteral("Path not found");
    case KeyAlreadyUsed:
        return QStringLiteral("This key is already associated with an element of this collection");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

RuntimeError RuntimeError::about(const QString& what) const
{
    if (m_concerns.isEmpty())
        return { m_number, m_text, what };
    return { m_number, m_text, what + QLatin1Char(' ') + m_concerns };
}

QString RuntimeError::message() const
{
    // One multi-argument arg(): a "%1" inside the text (a file name, a file system message) stays as it is.
    QString s = QStringLiteral("%1 (error %2)").arg(m_text, QString::number(m_number));
    if (!m_concerns.isEmpty())
        s += QLatin1Char(' ') + m_concerns;
    return s;
}

const char* RuntimeError::what() const noexcept
{
    return m_what.c_str();
}
