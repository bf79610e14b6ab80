#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// How a file's bytes became text, so they can be written back the same way.
enum class TextEncoding { Utf8, Utf8WithBom, Windows1252 };
enum class LineBreaks { CrLf, Lf };

struct FileFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    LineBreaks lineBreaks = LineBreaks::CrLf;
};

struct DecodedText {
    QString text;  // CR LF line breaks
    FileFormat format;
};

// Bytes that are valid UTF-8 are read as UTF-8 (a leading byte order mark
// dropped), anything else as Windows-1252; line breaks stay as they are.
// The editor and the viewer both read files through this, so they agree.
QString DecodeUtf8ElseWindows1252(QByteArrayView bytes, TextEncoding* encoding = nullptr);
// As above, and every line break becomes CR LF; a file whose breaks are all
// LF remembers it.
DecodedText DecodeText(const QByteArray& bytes);
// `text` carries CR LF line breaks. Text that the remembered single-byte
// encoding cannot hold is written as UTF-8 rather than lose a character.
QByteArray EncodeText(const QString& text, const FileFormat& format);
bool FitsEncoding(const QString& text, TextEncoding encoding);

// Throws FileOpenError, or CapacityError for a file too large for the editor.
DecodedText LoadTextFile(const QString& path);
// Writes atomically: a failed save leaves the old file as it was.
// Throws FileCreateError.
void SaveBytes(const QString& path, const QByteArray& bytes);
void SaveTextFile(const QString& path, const QString& text, const FileFormat& format = {});

// The largest file the editor takes.
constexpr qint64 kMaxDocumentBytes = qint64(256) * 1024 * 1024;
