#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A text file read line by line as the language file needs it: CR LF or a lone CR ends a
// line, a lone LF is an ordinary character, the last line may lack its terminator, and
// the bytes are Windows-1252.
class TextFile
{
public:
    bool open(const QString &path);
    // False at the end of the file or when it is not open.
    bool readLine(QString &line);
    void close();

private:
    QFile m_file;
};

// Windows-1252 as Windows decodes it: the five unassigned bytes become the control
// characters of the same number.
QString decodeWindows1252(const QByteArray &bytes);
