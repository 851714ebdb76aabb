#pragma once
// The one run-time error type: a numbered error with its standard text and what it concerns.

#include <QString>

#include <exception>
#include <string>

class RuntimeError : public std::exception {
public:
    enum Number : int {
        InvalidArgument = 5,
        Overflow = 6,
        OutOfMemory = 7,
        SubscriptOutOfRange = 9,
        TypeMismatch = 13,
        DiskFull = 61,
        InputPastEndOfFile = 62,
        PermissionDenied = 70,
        PathFileAccess = 75,
        PathNotFound = 76,
        KeyAlreadyUsed = 457,
    };

    // text: the standard text of the number, or the file system's own message.
    RuntimeError(int number, QString text, QString concerns = {});

    static RuntimeError overflow(QString concerns = {});
    static RuntimeError subscriptOutOfRange(QString concerns = {});
    static RuntimeError typeMismatch(QString concerns = {});
    static RuntimeError inputPastEndOfFile(QString concerns = {});

    // The standard text of the errors this program raises by number.
    static QString standardText(int number);

    int number() const { return m_number; }
    const QString& text() const { return m_text; }
    const QString& concerns() const { return m_concerns; }

    // The same error, now also saying what it concerns (prepended to what is known).
    RuntimeError about(const QString& what) const;

    // "Type mismatch (error 13) in "tree.gen", line 17 (ColorBlue of gene 1): "abc""
    QString message() const;
    const char* what() const noexcept override;

private:
    int m_number;
    QString m_text;
    QString m_concerns;
    std::string m_what;
};
