#pragma once

#include <QString>
#include <stdexcept>

// Every failure the user is told about travels as a KivoError carrying the
// text of the message box. The command wrapper catches it and shows it.
class KivoError : public std::runtime_error {
public:
    explicit KivoError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};

// "Cannot open file %s"
class FileOpenError : public KivoError {
public:
    explicit FileOpenError(const QString& path) : KivoError(QStringLiteral("Cannot open file %1").arg(path)), path_(path) {}
    const QString& Path() const { return path_; }

private:
    QString path_;
};

// "Cannot create file %s"
class FileCreateError : public KivoError {
public:
    explicit FileCreateError(const QString& path) : KivoError(QStringLiteral("Cannot create file %1").arg(path)), path_(path) {}
    const QString& Path() const { return path_; }

private:
    QString path_;
};

// "Text exceeds memo capacity"
class CapacityError : public KivoError {
public:
    CapacityError() : KivoError(QStringLiteral("Text exceeds memo capacity")) {}
};

// "Unable to write to %s"
class SettingsWriteError : public KivoError {
public:
    explicit SettingsWriteError(const QString& path) : KivoError(QStringLiteral("Unable to write to %1").arg(path)) {}
};

// Errors met while reading HTML ("Open Comment at End of HTML File").
class EParseError : public KivoError {
public:
    using KivoError::KivoError;
};

// Errors met while laying out a document ("Table has too many Columns").
class EProcessError : public KivoError {
public:
    using KivoError::KivoError;
};
